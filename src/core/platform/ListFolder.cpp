#include "platform/ListFolder.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"
#include "platform/Utf16Order.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace lumo {

namespace {

// '*' stands for any run of characters, every other character for itself. Greedy
// backtracking on the last '*' keeps this linear in practice and never exponential.
bool MatchesWildcard(std::string_view wildcard, std::string_view name) {
    std::size_t w = 0;
    std::size_t n = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (w < wildcard.size() && wildcard[w] == '*') {
            starAt = w++;
            resumeAt = n;
        } else if (w < wildcard.size() && wildcard[w] == name[n]) {
            ++w;
            ++n;
        } else if (starAt != std::string_view::npos) {
            w = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (w < wildcard.size() && wildcard[w] == '*') {
        ++w;
    }
    return w == wildcard.size();
}

} // namespace

std::vector<std::string> ListFolder(const std::string& pattern) {
    const std::string folderPart = FolderPart(pattern);
    const std::string wildcard = pattern.substr(folderPart.size());

    const std::string folder = folderPart.empty() ? CurrentFolder() : folderPart;
    const std::string prefix = WithTrailingSeparator(AbsolutePath(folder));

    std::vector<std::pair<std::u16string, std::string>> matches;
    for (const std::string& name : FolderEntryNames(folder)) {
        if (MatchesWildcard(wildcard, name)) {
            matches.emplace_back(Utf16Units(name), prefix + name);
        }
    }
    // All paths share the prefix, so ordering the names orders the full paths.
    std::sort(matches.begin(), matches.end());

    std::vector<std::string> paths;
    paths.reserve(matches.size());
    for (auto& match : matches) {
        paths.push_back(std::move(match.second));
    }
    return paths;
}

} // namespace lumo
