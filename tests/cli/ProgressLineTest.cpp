#include "cli/ProgressLine.h"

#include "cli/ConsoleMessageBox.h"
#include "platform/ProgressClosingMessageBox.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace lumo::cli {
namespace {

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
