#pragma once

#include "exhibition/Staging.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace lumo::test {

// Everything in folder as relative paths with '/' between folders, folders with a
// trailing '/', sorted.
inline std::vector<std::string> TreeOf(const std::string& folder) {
    std::vector<std::string> tree;
    const std::filesystem::path root = PathFromUtf8(folder);
    for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
        const std::string relative =
            Utf8FromPath(item.path().lexically_relative(root).generic_u8string());
        tree.push_back(item.is_directory() ? relative + "/" : relative);
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}

// A source tree of items, the paging images in a resource folder, and an empty
// exhibition folder, all in one temporary folder.
class StagingFixture : public ::testing::Test {
public:
    StagingFixture() {
        WriteFile(temp.path() / "res/up.jpg", "UP");
        WriteFile(temp.path() / "res/down.jpg", "DOWN");
        std::filesystem::create_directory(temp.path() / "out");
    }

    // An item whose three files lie in src/<stem>/ with content naming them.
    ExhibitionEntry MakeEntry(const std::string& stem) {
        ExhibitionEntry entry{Source(stem + "/" + stem + ".tsd"),
                              Source(stem + "/" + stem + "_thumb.jpg"),
                              Source(stem + "/" + stem + "_desc.png"),
                              {}};
        for (const std::string* path :
             {&entry.documentPath, &entry.thumbnailPath, &entry.descriptionPath}) {
            WriteFile(*path, *path);
        }
        return entry;
    }

    // The path of src/<relative>; the file holds its own path when content is given.
    std::string Source(const std::string& relative) const {
        return temp / Native("src/" + relative);
    }
    std::string Source(const std::string& relative, const std::string& content) const {
        WriteFile(Source(relative), content);
        return Source(relative);
    }

    std::string Resources() const { return temp / "res"; }

    EntryList Stage(const EntryList& entries) {
        EntryList staged;
        result = StageEntries(entries, out, Resources(), staged, messages);
        return staged;
    }

    std::vector<std::string> OutTree() const { return TreeOf(out); }

    std::string OutFile(const std::string& relative) const { return ReadFile(out + relative); }

    TempDir temp;
    const std::string out = temp.folder() + "out" + kSeparator;
    RecordingMessageBox messages;
    StagingResult result; // of the last Stage
};

} // namespace lumo::test
