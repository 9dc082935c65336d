#include "support/RunProcess.h"
#include "support/SampleExhibition.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
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

// Arguments and output keep Japanese names intact: on Windows the arguments arrive in
// UTF-16 and redirected output is UTF-8 with LF line ends.
TEST(BinaryTest, JapaneseNamesPassThroughArgumentsAndOutput) {
    TempDir temp;
    const std::string image = temp / "彗星.jpg";
    test::WriteFile(image, test::ReadFile(test::SampleItems()[2].thumbnail));
    const Outcome probed = RunExecutable({"probe", image});
    EXPECT_EQ(probed.exitCode, 0) << probed.err;
    EXPECT_TRUE(probed.out.ends_with(" " + image + "\n")) << probed.out;
}

TEST(BinaryTest, ControlCharactersInMessagesAreEscaped) {
    TempDir temp;
    const Outcome probed = RunExecutable({"probe", temp / "m\x1b[2J\t.jpg"});
    EXPECT_EQ(probed.exitCode, 1);
    EXPECT_EQ(probed.err,
              "lumo-cli: cannot read the image size: " + (temp / "m\\x1B[2J\\x09.jpg\n"));
}

// The lighthouse copied without its beam.dat: the scene refers to a file that is gone.
TEST(BinaryTest, CheckPrintsOneLinePerProblemAndBuildWarns) {
    TempDir temp;
    const test::SampleItem lighthouse = test::SampleItems().front();
    const std::string scene = temp / "lighthouse";
    std::filesystem::copy(PathFromUtf8(lighthouse.document).parent_path(), PathFromUtf8(scene));
    std::filesystem::remove(PathFromUtf8(temp / test::Native("lighthouse/beam.dat")));
    const std::vector<std::string> broken = {"--item", temp / "lighthouse/lighthouse.tsd",
                                             lighthouse.thumbnail, lighthouse.description};
    const std::string line =
        "00\tmissing-data-file\t" + (temp / test::Native("lighthouse/beam.dat")) + "\n";

    const Outcome sound = RunExecutable(
        {"check", "--item", lighthouse.document, lighthouse.thumbnail, lighthouse.description});
    EXPECT_EQ(sound.exitCode, 0) << sound.err;
    EXPECT_EQ(sound.out, "");

    std::vector<std::string> check = {"check"};
    check.insert(check.end(), broken.begin(), broken.end());
    const Outcome checked = RunExecutable(check);
    EXPECT_EQ(checked.exitCode, 1) << checked.err;
    EXPECT_EQ(checked.out, line);
    EXPECT_EQ(checked.err, "");
    EXPECT_TRUE(std::filesystem::is_regular_file(PathFromUtf8(temp / "lighthouse/lighthouse.tsd")));

    std::vector<std::string> build = {"build", "--output", temp / "show"};
    build.insert(build.end(), broken.begin(), broken.end());
    const Outcome built = RunExecutable(build);
    EXPECT_EQ(built.exitCode, 3) << "built without beam.dat, which the check reported";
    EXPECT_EQ(built.err.rfind("lumo-cli: warning: " + line, 0), 0u) << built.err;

    EXPECT_EQ(RunExecutable({"check"}).exitCode, 2);
    EXPECT_NE(RunExecutable({"--help"}).out.find("missing-data-file"), std::string::npos);
}

} // namespace
} // namespace lumo
