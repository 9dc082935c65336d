#include "cli/ProgressLine.h"

#include "cli/ConsoleMessageBox.h"
#include "platform/ProgressClosingMessageBox.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace lumo::cli {
namespace {

TEST(ProgressLineTest, FormatsByteCounts) {
    const std::vector<std::pair<std::uint64_t, std::string>> cases = {
        {0, "0 B"},
        {1023, "1023 B"},
        {1024, "1.0 KB"},
        {1536, "1.5 KB"},
        {1048524, "1023.9 KB"},
        {1048525, "1.0 MB"},
        {1048575, "1.0 MB"},
        {5 * 1024 * 1024, "5.0 MB"},
        {1073689395, "1023.9 MB"},
        {1073689396, "1.0 GB"},
        {3ULL * 1024 * 1024 * 1024, "3.0 GB"},
        {1099457940684, "1023.9 GB"},
        {1099457940685, "1.0 TB"},
        {1125899906842624, "1024.0 TB"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(FormatByteCount(bytes), text) << bytes;
    }
}

TEST(ProgressLineTest, RewritesOneLineAndEndsItBeforeAMessage) {
    std::ostringstream err;
    ProgressLine progress(err);
    ConsoleMessageBox console(err, true);
    ProgressClosingMessageBox messages(console, [&progress] { progress.End(); });

    progress.Show({0, 3, "/show/src/a\x1b]0;t\a.tsd", 10});
    progress.Show({1, 3, "/show/src/b.dat", 2048});
    messages.show("01/フォルダ作成に失敗しました");
    progress.End();

    EXPECT_EQ(err.str(), "\r\x1b[Kitem 1/3  10 B  a\\x1B]0;t\\x07.tsd"
                         "\r\x1b[Kitem 2/3  2.0 KB  b.dat\n"
                         "01/フォルダ作成に失敗しました\n");
}

} // namespace
} // namespace lumo::cli
