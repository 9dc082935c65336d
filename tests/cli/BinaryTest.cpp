#include "support/SampleExhibition.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace lumo {
namespace {

using test::TempDir;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built lumo-cli with stdout and stderr captured in separate files (no pipes,
// so a chatty child can never block) and returns its exit status.
Outcome RunExecutable(const std::vector<std::string>& arguments) {
    TempDir capture;
    const std::string outPath = capture / "stdout";
    const std::string errPath = capture / "stderr";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);

    std::vector<std::string> all = {LUMO_CLI_EXECUTABLE};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    Outcome outcome;
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, LUMO_CLI_EXECUTABLE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << LUMO_CLI_EXECUTABLE;
        return outcome;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        outcome.exitCode = WEXITSTATUS(status);
    }
    outcome.out = test::ReadFile(outPath);
    outcome.err = test::ReadFile(errPath);
    return outcome;
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
        const std::string entry = show + "/0" + std::to_string(number++) + "/" + item.name;
        expected += entry + ".tsd\t" + entry + "_thumb.jpg\t" + entry + "_desc.png\n";
    }
    EXPECT_EQ(listed.out, expected);
}

TEST(BinaryTest, NamesWithControlCharactersAreEscaped) {
    TempDir temp;
    const std::string image = temp / "a\x1b]0;t\a\tb.jpg";
    test::WriteFile(image, test::ReadFile(test::SampleItems().front().thumbnail));

    const Outcome probed = RunExecutable({"probe", image, temp / "m\x1b[2J\t.jpg"});
    EXPECT_EQ(probed.exitCode, 1);
    const std::string listed = temp / "a\x1b]0;t\a\\x09b.jpg\n";
    EXPECT_TRUE(probed.out.ends_with(' ' + listed)) << probed.out;
    EXPECT_EQ(probed.err,
              "lumo-cli: cannot read the image size: " + (temp / "m\\x1B[2J\\x09.jpg\n"));
}

// The lighthouse copied without its beam.dat: the scene refers to a file that is gone.
TEST(BinaryTest, CheckPrintsOneLinePerProblemAndBuildWarns) {
    TempDir temp;
    const test::SampleItem lighthouse = test::SampleItems().front();
    const std::string scene = temp / "lighthouse";
    std::filesystem::copy(std::filesystem::path(lighthouse.document).parent_path(), scene);
    std::filesystem::remove(scene + "/beam.dat");
    const std::vector<std::string> broken = {"--item", scene + "/lighthouse.tsd",
                                             lighthouse.thumbnail, lighthouse.description};
    const std::string line = "00\tmissing-data-file\t" + scene + "/beam.dat\n";

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
    EXPECT_TRUE(std::filesystem::is_regular_file(scene + "/lighthouse.tsd"));

    std::vector<std::string> build = {"build", "--output", temp / "show"};
    build.insert(build.end(), broken.begin(), broken.end());
    const Outcome built = RunExecutable(build);
    EXPECT_EQ(built.exitCode, 1) << "the copy of beam.dat fails";
    EXPECT_EQ(built.err.rfind("lumo-cli: warning: " + line, 0), 0u) << built.err;

    EXPECT_EQ(RunExecutable({"check"}).exitCode, 2);
    EXPECT_NE(RunExecutable({"--help"}).out.find("missing-data-file"), std::string::npos);
}

} // namespace
} // namespace lumo
