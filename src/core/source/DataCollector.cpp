#include "source/DataCollector.h"

#include "platform/PathParts.h"
#include "source/ElementCutter.h"
#include "source/SourceElements.h"
#include "source/SourceReader.h"
#include "source/TextEdits.h"

#include <algorithm>

namespace lumo {

std::vector<std::string> CollectDataPaths(const std::string& documentPath) {
    std::string joined;
    {
        LineList lines;
        ReadSourceLines(documentPath, lines);
        joined = JoinLines(lines, "");
    }
    const std::string folder = FolderPart(documentPath);

    std::vector<std::string> paths;
    ElementCutter elements(std::move(joined), kDataStart, kDataEnd);
    for (int i = 0; i < kMaxElementsPerKind; ++i) {
        const std::string element = elements.CutNext();
        if (element.empty()) {
            break;
        }
        std::string value = AttributeValue(element, kPathAttribute);
        // The value is a Windows relative path; its backslashes separate folders.
        std::replace(value.begin(), value.end(), '\\', kNativeSeparator);
        paths.push_back(folder + value);
    }
    return paths;
}

} // namespace lumo
