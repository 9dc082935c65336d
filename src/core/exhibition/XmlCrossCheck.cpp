#include "exhibition/XmlCrossCheck.h"

#include "source/SceneXml.h"
#include "source/SourceElements.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace lumo {

namespace {

// Lines of the build's text: joined with line feeds, or without them as the data paths
// are collected.
class LineIndex {
public:
    explicit LineIndex(const std::string& text) : text_(text) {
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 1)) {
            breaks_.push_back(at);
        }
    }

    // The line where text first holds needle, 0 when it does not.
    std::size_t lineOf(std::string_view needle) const {
        const std::size_t at = text_.find(needle);
        if (at == std::string::npos) {
            return 0;
        }
        return 1 + (std::lower_bound(breaks_.begin(), breaks_.end(), at) - breaks_.begin());
    }

    // The same in the text without line feeds, where line k + 2 starts at breaks_[k] - k.
    std::size_t unseparatedLineOf(std::string_view needle) {
        if (!unseparatedReady_) {
            unseparatedReady_ = true;
            unseparated_ = text_;
            unseparated_.erase(std::remove(unseparated_.begin(), unseparated_.end(), '\n'),
                               unseparated_.end());
            for (std::size_t k = 0; k < breaks_.size(); ++k) {
                unseparatedStarts_.push_back(breaks_[k] - k);
            }
        }
        const std::size_t at = unseparated_.find(needle);
        if (at == std::string::npos) {
            return 0;
        }
        return 1 + (std::upper_bound(unseparatedStarts_.begin(), unseparatedStarts_.end(), at) -
                    unseparatedStarts_.begin());
    }

private:
    const std::string& text_;
    std::vector<std::size_t> breaks_;
    bool unseparatedReady_ = false;
    std::string unseparated_;
    std::vector<std::size_t> unseparatedStarts_;
};

class Reporter {
public:
    Reporter(const std::string& documentPath, std::size_t entry, ProblemList& problems)
        : documentPath_(documentPath), entry_(entry), problems_(problems) {}

    // line 0 stands for a place the build's text does not show as such.
    void add(ProblemKind kind, std::size_t line, const std::string& text) {
        const std::string where = line == 0 ? std::string("?") : std::to_string(line);
        problems_.push_back({entry_, kind, documentPath_, where + ": " + text});
    }

private:
    const std::string& documentPath_;
    std::size_t entry_;
    ProblemList& problems_;
};

std::string Quoted(std::string_view attribute, const std::string& value) {
    return std::string(attribute) + value + "\"";
}

// Elements past the limit that the build drops are reported as such, not one by one.
bool Dropped(std::size_t index, bool overLimit) {
    return overLimit && index >= static_cast<std::size_t>(kMaxElementsPerKind);
}

void CompareData(const SourceSurvey& survey, const SceneXml& xml, LineIndex& lines,
                 Reporter& reporter) {
    const std::set<std::string> built(survey.data.values.begin(), survey.data.values.end());
    std::set<std::string> read;
    for (std::size_t k = 0; k < xml.data.size(); ++k) {
        const XmlDataElement& element = xml.data[k];
        read.insert(element.paths.begin(), element.paths.end());
        if (Dropped(k, survey.data.overLimit)) {
            continue;
        }
        for (std::size_t j = 0; j < element.paths.size(); ++j) {
            if (built.count(element.paths[j]) == 0) {
                reporter.add(j == 0 ? ProblemKind::DataPathMisread : ProblemKind::ExtraDataFile,
                             element.line, element.paths[j]);
            }
        }
    }
    // An empty value names the scene's own folder, which is reported on its own.
    std::set<std::string> reported;
    for (const std::string& value : survey.data.values) {
        if (!value.empty() && read.count(value) == 0 && reported.insert(value).second) {
            reporter.add(ProblemKind::StrayDataPath,
                         lines.unseparatedLineOf(Quoted(kPathAttribute, value)), value);
        }
    }
}

void CompareDrawGroups(const SourceSurvey& survey, const SceneXml& xml, LineIndex& lines,
                       Reporter& reporter) {
    const std::set<std::string> declared(survey.drawGroupNames.begin(),
                                         survey.drawGroupNames.end());
    std::set<std::string> read;
    for (std::size_t k = 0; k < xml.drawGroups.size(); ++k) {
        const XmlDrawGroup& group = xml.drawGroups[k];
        if (!group.name) {
            continue;
        }
        read.insert(*group.name);
        if (!Dropped(k, survey.drawGroups.overLimit()) && declared.count(*group.name) == 0) {
            reporter.add(ProblemKind::DrawGroupMisread, group.line, *group.name);
        }
    }
    std::set<std::string> reported;
    for (const std::string& name : survey.drawGroupNames) {
        if (!name.empty() && read.count(name) == 0 && reported.insert(name).second) {
            reporter.add(ProblemKind::StrayDrawGroup,
                         lines.lineOf(Quoted("drawGroup name=\"", name)), name);
        }
    }
    if (!survey.topGroup.empty() && read.count(survey.topGroup) == 0) {
        reporter.add(ProblemKind::TopGroupMisread,
                     lines.lineOf(Quoted(kNameAttribute, survey.topGroup)), survey.topGroup);
    }
}

} // namespace

void CrossCheckWithXml(const SourceSurvey& survey, const std::string& documentPath,
                       std::size_t entry, ProblemList& problems) {
    if (!survey.readable) {
        return;
    }
    Reporter reporter(documentPath, entry, problems);
    const SceneXml xml = ReadSceneXml(survey.text);
    if (xml.error) {
        // What follows the error was never read: comparing it would only add noise.
        reporter.add(ProblemKind::NotWellFormed, xml.error->line, xml.error->message);
        return;
    }
    LineIndex lines(survey.text);
    CompareData(survey, xml, lines, reporter);
    CompareDrawGroups(survey, xml, lines, reporter);
}

} // namespace lumo
