#include "exhibition/BuildJournal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using test::TempDir;
using test::WriteFile;

const BuildJournal kJournal{{"00", "01", "up.jpg"}, {"00", "down.jpg", "exhibition.tsd"}};

TEST(BuildJournalTest, ReadsBackWhatWasWritten) {
    TempDir temp;
    WriteFile(temp / "journal", JournalText(kJournal));
    BuildJournal read;
    ASSERT_EQ(ReadJournal(temp / "journal", read), JournalState::Complete);
    EXPECT_EQ(read, kJournal);
}

// Cut short anywhere while being written, a journal never reads as one to act on.
TEST(BuildJournalTest, ACutShortJournalIsIncomplete) {
    const std::string text = JournalText(kJournal);
    TempDir temp;
    for (std::size_t size = 0; size < text.size(); ++size) {
        WriteFile(temp / "journal", text.substr(0, size));
        BuildJournal read;
        EXPECT_EQ(ReadJournal(temp / "journal", read), JournalState::Incomplete) << size;
        EXPECT_TRUE(read.newNames.empty()) << size;
    }
}

TEST(BuildJournalTest, OnlyExhibitionNamesAreEverMoved) {
    struct Case {
        const char* name;
        std::string text;
        JournalState state;
    };
    const std::vector<Case> cases = {
        {"another header", "lumo build journal 2\nend\n", JournalState::Corrupt},
        {"a name outside the folder", "lumo build journal 1\nold\t../notes.txt\nend\n",
         JournalState::Corrupt},
        {"the curator's file", "lumo build journal 1\nnew\tnotes.txt\nend\n",
         JournalState::Corrupt},
        {"no entry folder 99", "lumo build journal 1\nnew\t99\nend\n", JournalState::Corrupt},
        {"an unknown line", "lumo build journal 1\nmove\t00\nend\n", JournalState::Corrupt},
        {"lines after the end", "lumo build journal 1\nend\nnew\t00\nend\n", JournalState::Corrupt},
        {"an empty journal", "lumo build journal 1\nend\n", JournalState::Complete},
    };
    TempDir temp;
    BuildJournal read;
    EXPECT_EQ(ReadJournal(temp / "journal", read), JournalState::Missing);
    for (const Case& c : cases) {
        WriteFile(temp / "journal", c.text);
        EXPECT_EQ(ReadJournal(temp / "journal", read), c.state) << c.name;
    }
}

} // namespace
} // namespace lumo
