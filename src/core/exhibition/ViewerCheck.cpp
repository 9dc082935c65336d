#include "exhibition/ViewerCheck.h"

#include "exhibition/DataPathPlan.h"
#include "exhibition/TravellingNames.h"
#include "exhibition/XmlCrossCheck.h"
#include "platform/FileSystem.h"

#include <set>

namespace lumo {

namespace {

// A value of separators only, or none, names the document's own folder.
bool NamesOwnFolder(const std::string& value) {
    return value.find_first_not_of("\\/") == std::string::npos;
}

void CheckOwnFolderData(const DataReferences& data, std::size_t index, ProblemList& problems) {
    std::set<std::string> reported;
    for (std::size_t k = 0; k < data.values.size(); ++k) {
        const std::string& path = data.paths[k];
        if (!NamesOwnFolder(data.values[k]) || !reported.insert(path).second) {
            continue;
        }
        std::uint64_t bytes = 0;
        const std::vector<DataCopy> files = PlanDataPath(path).copies;
        for (const DataCopy& file : files) {
            bytes += FileSize(file.source);
        }
        problems.push_back({index, ProblemKind::OwnFolderData, path,
                            std::to_string(files.size()) + ": " + std::to_string(bytes)});
    }
}

} // namespace

ProblemList CheckForTheViewer(const ExhibitionEntry& entry, const SourceSurvey& survey,
                              std::size_t index) {
    ProblemList problems;
    CrossCheckWithXml(survey, entry.documentPath, index, problems);
    CheckOwnFolderData(survey.data, index, problems);
    CheckTravellingNames(entry, survey.data.paths, index, problems);
    return problems;
}

} // namespace lumo
