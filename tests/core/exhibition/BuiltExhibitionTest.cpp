#include "exhibition/BuiltExhibition.h"
#include "exhibition/EntryCheck.h"
#include "support/BuiltExhibition.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumo {
namespace {

using Names = std::vector<std::string>;

struct Case {
    const char* name;
    std::map<std::string, Names> folders;
    // Nothing: exhibition.tsd holds no image record.
    std::optional<std::vector<test::RecordedItem>> recorded;
    // Per entry its document, thumbnail and description relative to the show; "" is empty.
    std::vector<Names> expected;
};

const Case kCases[] = {
    {"a wide image and a scene document among the data files are not the item's",
     {{"00", {"a.tsd", "a & b_w.png", "a_t.png", "inner.tsd", "z_w.png", "z_t.png"}}},
     std::vector<test::RecordedItem>{{"a & b_w.png", "a_t.png", {"inner.tsd", "sub\\z_w.png"}}},
     {{"00/a.tsd", "00/a & b_w.png", "00/a_t.png"}}},
    {"a stale folder after the last recorded entry is not read",
     {{"00", {"a.tsd", "a_w.png", "a_t.png"}},
      {"01", {"b.tsd", "b_w.png", "b_t.png"}},
      {"02", {"c.tsd", "c_w.png", "c_t.png"}},
      {"03", {"d.tsd", "d_w.png", "d_t.png"}}},
     std::vector<test::RecordedItem>{
         {"a_w.png", "a_t.png", {}}, {"b_w.png", "b_t.png", {}}, {"c_w.png", "c_t.png", {}}},
     {{"00/a.tsd", "00/a_w.png", "00/a_t.png"},
      {"01/b.tsd", "01/b_w.png", "01/b_t.png"},
      {"02/c.tsd", "02/c_w.png", "02/c_t.png"}}},
    {"a field the exhibition does not supply stays empty",
     {{"00", {"a.tsd", "a_w.png", "a_t.png"}}, {"01", {"data.tsd", "b_w.png"}}},
     std::vector<test::RecordedItem>{{"a_w.png", "a_t.png", {}}, {"b_w.png", "", {"data.tsd"}}},
     {{"00/a.tsd", "00/a_w.png", "00/a_t.png"}, {"", "01/b_w.png", ""}}},
    {"an image record naming a path out of its entry folder supplies nothing",
     {{"00", {"a.tsd", "a_w.png", "a_t.png"}}, {"01", {"b_w.png"}}},
     std::vector<test::RecordedItem>{{"../01/b_w.png", "..", {}}},
     {{"00/a.tsd", "", ""}}},
    {"an image record gives the entry even where its folder is gone",
     {{"00", {"a.tsd", "a_w.png", "a_t.png"}}},
     std::vector<test::RecordedItem>{{"", "", {}}, {"b_w.png", "", {}}},
     {{"00/a.tsd", "", ""}, {"", "01/b_w.png", ""}}},
    {"without image records the folders are classified, each entry on its own",
     {{"00", {"A.tsd", "b.tsd", "a_w.png"}},
      {"01", {"c_t.png", "notes.txt", "sub.tsd/x"}},
      {"02", {}},
      {"04", {"e.tsd", "e_w.png", "e_t.png"}}},
     std::nullopt,
     {{"00/b.tsd", "00/a_w.png", ""}, {"", "", "01/c_t.png"}, {"", "", ""}}},
};

TEST(ReadBuiltExhibition, TakesWhatTheExhibitionRecords) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        test::TempDir show;
        for (const auto& [number, names] : c.folders) {
            test::WriteEntryFolder(show, number, names);
        }
        if (c.recorded) {
            test::WriteExhibitionDocument(show, *c.recorded);
        } else {
            test::WriteFile(show.path() / "exhibition.tsd", "built");
        }
        EntryList expected;
        for (const Names& fields : c.expected) {
            ExhibitionEntry entry;
            std::string* targets[] = {&entry.documentPath, &entry.thumbnailPath,
                                      &entry.descriptionPath};
            for (std::size_t i = 0; i < 3; ++i) {
                *targets[i] = fields[i].empty() ? "" : show / test::Native(fields[i]);
            }
            expected.push_back(entry);
        }
        const BuiltExhibition built = ReadBuiltExhibition(show / "exhibition.tsd");
        EXPECT_EQ(built.entries, expected);
        EXPECT_EQ(built.fromFolderListing, !c.recorded.has_value());
    }
}

// An empty field is as missing as a missing file: the build cannot go on with it.
TEST(ReadBuiltExhibition, TheCheckReportsAFieldNothingSupplied) {
    test::TempDir show;
    test::WriteEntryFolder(show, "00", {"a.tsd", "a_w.png"});
    test::WriteExhibitionDocument(show, {{"a_w.png", "", {}}});
    const ProblemList problems =
        CheckEntries(ReadBuiltExhibition(show / "exhibition.tsd").entries, show.folder()).problems;
    const EntryProblem missing{0, ProblemKind::MissingDescription, "", ""};
    EXPECT_NE(std::find(problems.begin(), problems.end(), missing), problems.end());
}

TEST(ReadBuiltExhibition, ReadsNothingWithoutFolderZeroAndAtMostOneHundredFolders) {
    test::TempDir show;
    test::WriteFile(show.path() / "exhibition.tsd", "built");
    EXPECT_TRUE(ReadBuiltExhibition(show / "exhibition.tsd").entries.empty());

    for (int i = 0; i < 100; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", i);
        test::WriteEntryFolder(show, number, {});
    }
    test::WriteEntryFolder(show, "100", {"x.tsd"});
    EXPECT_EQ(ReadBuiltExhibition(show / "exhibition.tsd").entries.size(), 100u);
}

} // namespace
} // namespace lumo
