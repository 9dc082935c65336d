#include "exhibition/TravellingNames.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

// Names only a POSIX file system holds side by side.
TEST(CheckTravellingNames, FindsNamesWindowsRefusesOrMergesInEveryFolderTheCopyFills) {
    struct Case {
        const char* what;
        std::vector<std::string> files;     // under the temporary folder
        std::string document;               // the entry's document
        std::vector<std::string> dataPaths; // "/" ends a folder's
        ProblemList expected;               // paths relative to the temporary folder
    };
    const std::vector<Case> cases = {
        {"a data folder holding Ä and ä",
         {"s/d/\xC3\x84.raw", "s/d/\xC3\xA4.raw", "s/d/b.raw"},
         "s/a.tsd",
         {"s/d/"},
         {{0, ProblemKind::NameCollision, "s/d/\xC3\x84.raw", "s/d/\xC3\xA4.raw"}}},
        {"a data folder holding names Windows refuses",
         {"s/d/CON.raw", "s/d/a:b.raw", "s/d/x.raw.", "s/d/ok.raw"},
         "s/a.tsd",
         {"s/d"},
         {{0, ProblemKind::WindowsName, "s/d/CON.raw", ""},
          {0, ProblemKind::WindowsName, "s/d/a:b.raw", ""},
          {0, ProblemKind::WindowsName, "s/d/x.raw.", ""}}},
        {"a document and a data folder Windows refuses",
         {"s/a|b.tsd", "s/aux/x.raw"},
         "s/a|b.tsd",
         {"s/aux/"},
         {{0, ProblemKind::WindowsName, "s/a|b.tsd", ""},
          {0, ProblemKind::WindowsName, "s/aux/", ""}}},
        {"one data folder named twice is listed once",
         {"s/d/CON.raw"},
         "s/a.tsd",
         {"s/d/", "s/d"},
         {{0, ProblemKind::WindowsName, "s/d/CON.raw", ""}}},
    };
    for (const Case& c : cases) {
        test::TempDir temp;
        for (const std::string& file : c.files) {
            test::WriteFile(temp.path() / file, "x");
        }
        const ExhibitionEntry entry{temp / c.document, {}, {}, {}};
        std::vector<std::string> dataPaths;
        for (const std::string& path : c.dataPaths) {
            dataPaths.push_back(temp.folder() + path);
        }
        ProblemList expected = c.expected;
        for (EntryProblem& problem : expected) {
            problem.path = temp.folder() + problem.path;
            if (!problem.detail.empty()) {
                problem.detail = temp.folder() + problem.detail;
            }
        }
        ProblemList found;
        CheckTravellingNames(entry, dataPaths, 0, found);
        EXPECT_EQ(found, expected) << c.what;
    }
}

} // namespace
} // namespace lumo
