#include "exhibition/ProblemText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

TEST(ProblemLines, WriteTheDetailOfEachKindInJapanese) {
    struct Case {
        EntryProblem problem;
        std::string line;
    };
    const std::vector<Case> cases = {
        {{2, ProblemKind::TooManyDataElements, "s.tsd", "137: d100"},
         "02　データ要素が100個を超えています。101個目からは使われません：s.tsd"
         "（全 137 個、最初に使われないのは d100）\n"},
        {{0, ProblemKind::OwnFolderData, "s/", "3: 1200"},
         "00　データパスがtsdファイルのフォルダを指しています。中のファイルがすべてコピーされます："
         "s/（3 ファイル、1200 バイト）\n"},
        // The text after the line may hold ": " itself.
        {{0, ProblemKind::NotWellFormed, "s.tsd", "12: not well-formed: here"},
         "00　XMLとして正しくありません：s.tsd（12 行目: not well-formed: here）\n"},
        {{1, ProblemKind::DataPathMisread, "s.tsd", "?: x.dat"},
         "01　ビューアが読むデータパスを正しく読み取れません。コピーされません：s.tsd（? 行目: "
         "x.dat）\n"},
        {{std::nullopt, ProblemKind::WindowsName, "CON.dat", ""},
         "--　Windows では使えない名前です：CON.dat\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProblemLines({c.problem}), c.line);
    }
}

} // namespace
} // namespace lumo
