#include "exhibition/BuildJournal.h"

#include "exhibition/ExhibitionNames.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"

#include <sstream>

namespace lumo {

namespace {

const std::string kHeader = "lumo build journal 1";
const std::string kOld = "old\t";
const std::string kNew = "new\t";
// Written last: a journal without it was cut short.
const std::string kEnd = "end";

bool StartsWith(const std::string& line, const std::string& prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::string JournalText(const BuildJournal& journal) {
    std::string text = kHeader + "\n";
    for (const std::string& name : journal.oldNames) {
        text += kOld + name + "\n";
    }
    for (const std::string& name : journal.newNames) {
        text += kNew + name + "\n";
    }
    return text + kEnd + "\n";
}

JournalState ReadJournal(const std::string& path, BuildJournal& journal) {
    std::string bytes;
    if (KindAt(path) == PathKind::Missing) {
        return JournalState::Missing;
    }
    if (!ReadWholeFile(path, bytes)) {
        return JournalState::Corrupt;
    }
    if (bytes.size() < kEnd.size() + 2 ||
        bytes.compare(bytes.size() - kEnd.size() - 2, kEnd.size() + 2, "\n" + kEnd + "\n") != 0) {
        return JournalState::Incomplete;
    }
    std::istringstream lines(bytes);
    std::string line;
    if (!std::getline(lines, line) || line != kHeader) {
        return JournalState::Corrupt;
    }
    BuildJournal read;
    while (std::getline(lines, line) && line != kEnd) {
        const bool old = StartsWith(line, kOld);
        if ((!old && !StartsWith(line, kNew)) || !IsExhibitionName(line.substr(kOld.size()))) {
            return JournalState::Corrupt;
        }
        (old ? read.oldNames : read.newNames).push_back(line.substr(kOld.size()));
    }
    if (std::getline(lines, line)) {
        return JournalState::Corrupt;
    }
    journal = std::move(read);
    return JournalState::Complete;
}

} // namespace lumo
