#include "support/RunProcess.h"
#include "support/SampleExhibition.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using test::TempDir;

using Outcome = test::ProcessOutcome;

Outcome RunExecutable(const std::vector<std::string>& arguments) {
    return test::RunProcess(LUMO_CLI_EXECUTABLE, arguments);
}

TEST(BinaryTest, HelpGoesToStdout) {
    const Outcome outcome = RunExecutable({"--help"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_NE(outcome.out.find("lumo-cli build --output DIR"), std::string::npos);
    EXPECT_EQ(outcome.err, "");
}

TEST(BinaryTest, UsageErrorsGoToStderrWithExit2) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{}, {"frobnicate"}, {"build", "--item", "a.tsd"}}) {
        const Outcome outcome = RunExecutable(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("lumo-cli --help"), std::string::npos) << outcome.err;
    }
}

TEST(BinaryTest, BuildThenListRoundTrip) {
    TempDir temp;
    const std::string show = temp / "show";
    std::vector<std::string> arguments = {"build", "--output", show};
    const std::vector<std::string> items = test::SampleItemArguments();
    arguments.insert(arguments.end(), items.begin(), items.end());

    const Outcome built = RunExecutable(arguments);
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(built.out, "");
    EXPECT_NE(built.err.find("展示用tsdファイルを作成しました"), std::string::npos);
    EXPECT_EQ(built.err.find('\r'), std::string::npos) << "progress line off a terminal";

    const Outcome listed = RunExecutable({"list", show + "/exhibition.tsd"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    std::string expected;
    int number = 0;
    for (const test::SampleItem& item : test::SampleItems()) {
        const std::string entry =
            show + test::Native("/0" + std::to_string(number++) + "/") + item.name;
        expected += entry + ".tsd\t" + entry + "_thumb.jpg\t" + entry + "_desc.png\n";
    }
    EXPECT_EQ(listed.out, expected);
}

TEST(BinaryTest, ControlCharactersInMessagesAreEscaped) {
    TempDir temp;
    const Outcome probed = RunExecutable({"probe", temp / "m\x1b[2J\t.jpg"});
    EXPECT_EQ(probed.exitCode, 1);
    EXPECT_EQ(probed.err,
              "lumo-cli: cannot read the image size: " + (temp / "m\\x1B[2J\\x09.jpg\n"));
}

} // namespace
} // namespace lumo
