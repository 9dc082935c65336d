#include "cli/Commands.h"
#include "support/SampleExhibition.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace lumo::cli {
namespace {

namespace fs = std::filesystem;
using test::SampleItemArguments;
using test::SampleItems;
using test::TempDir;

const std::string kWritten = "展示用tsdファイルを作成しました";

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

Result RunTool(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = RunCli(arguments, Console{out, err});
    return {exitCode, out.str(), err.str()};
}

std::vector<std::string> BuildArguments(const std::string& output) {
    std::vector<std::string> arguments = {"build", "--output", output};
    const std::vector<std::string> items = SampleItemArguments();
    arguments.insert(arguments.end(), items.begin(), items.end());
    return arguments;
}

// The list lines a build of the sample items into folder gives back.
std::string ExpectedListing(const std::string& folder) {
    std::string listing;
    int number = 0;
    for (const test::SampleItem& item : SampleItems()) {
        const std::string entry = folder + test::Native("/0" + std::to_string(number++) + "/");
        listing += entry + item.name + ".tsd\t" + entry + item.name + "_thumb.jpg\t" + entry +
                   item.name + "_desc.png\n";
    }
    return listing;
}

TEST(CommandsTest, BuildsTheSampleExhibitionIntoANewFolder) {
    TempDir temp;
    const std::string show = temp / "shows/spring";
    const Result result = RunTool(BuildArguments(show));

    EXPECT_EQ(result.exitCode, kExitSuccess) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(kWritten), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\r'), std::string::npos) << "progress shown off a terminal";
    for (const char* file :
         {"exhibition.tsd", "up.jpg", "down.jpg", "00/lighthouse.tsd", "00/lighthouse_thumb.jpg",
          "00/lighthouse_desc.png", "00/tower.dat", "00/beam.dat", "01/ammonite.tsd",
          "01/shell.dat", "01/slices/slice_000.raw", "01/slices/slice_002.raw", "02/comet.tsd",
          "02/nucleus.dat", "02/coma.csv", "02/tail.csv", "02/comet_desc.png"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::path(show) / file)) << file;
    }
}

TEST(CommandsTest, ProgressLineRunsThroughStagingAndEndsBeforeTheMessage) {
    TempDir temp;
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = RunCli(BuildArguments(temp / "show"), Console{out, err, true});

    EXPECT_EQ(exitCode, kExitSuccess) << err.str();
    EXPECT_NE(err.str().find("\r\x1b[Kitem 1/3  "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("\r\x1b[Kitem 3/3  "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("\n" + kWritten + "\n"), std::string::npos) << err.str();
}

TEST(CommandsTest, RefusedInputBuildsNothing) {
    const test::SampleItem lighthouse = SampleItems()[0];
    const test::SampleItem comet = SampleItems()[2];
    struct Case {
        std::vector<std::string> items;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, "エラー　tsdファイルが一つも登録されていません"},
        {{"--item", lighthouse.document, lighthouse.thumbnail},
         "エラー　要素が足りません\nlumo-cli: --item 1 (entry 00) lacks a description (an image "
         "taller than wide)\n"},
        // The second item lacks its document: the complete first one is not built either.
        {{"--item", lighthouse.document, lighthouse.thumbnail, lighthouse.description, "--item",
          comet.thumbnail, comet.description},
         "エラー　要素が足りません\nlumo-cli: --item 2 (entry 01) lacks a scene document (.tsd)\n"},
        // Each item starts empty: the second does not inherit the first one's images.
        {{"--item", lighthouse.document, lighthouse.thumbnail, lighthouse.description, "--item",
          comet.document},
         "エラー　要素が足りません\nlumo-cli: --item 2 (entry 01) lacks a thumbnail (an image at "
         "least as wide as tall), a description (an image taller than wide)\n"},
        {{"--item", lighthouse.document, lighthouse.thumbnail, "missing_desc.png"},
         "no such file: missing_desc.png"},
        {{"--from", lighthouse.document}, "must be named exhibition.tsd"},
        {{"--from", "nowhere/exhibition.tsd"}, "no such file: nowhere/exhibition.tsd"},
        {{"--item", lighthouse.document, "elsewhere/exhibition.tsd"}, "--from"},
    };
    for (const Case& c : cases) {
        TempDir temp;
        std::vector<std::string> arguments = {"build", "--output", temp / "show"};
        arguments.insert(arguments.end(), c.items.begin(), c.items.end());
        const Result result = RunTool(arguments);
        EXPECT_EQ(result.exitCode, kExitInputError) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find(kWritten), std::string::npos) << c.message;
        EXPECT_FALSE(fs::exists(temp / "show")) << c.message;
    }
}

// A folder holding an exhibition is replaced only with --replace; one holding an entry
// folder but no exhibition.tsd is refused either way.
TEST(CommandsTest, RebuildIntoAFolderReplacesOnlyWhenAsked) {
    struct Case {
        bool replace;
        bool withDocument;
        int exitCode;
        std::string message;
    };
    const std::vector<Case> cases = {
        {false, true, kExitInputError, " holds an exhibition; give --replace to replace it"},
        {true, true, kExitSuccess, kWritten},
        {true, false, kExitInputError,
         "エラー　保存先フォルダにすでに展示のフォルダ (00) があります\n"
         "空のフォルダを選んでください"},
    };
    for (const Case& c : cases) {
        TempDir temp;
        const std::string show = temp / "show";
        ASSERT_EQ(RunTool(BuildArguments(show)).exitCode, kExitSuccess);
        if (!c.withDocument) {
            fs::remove(fs::path(show) / "exhibition.tsd");
        }
        std::vector<std::string> arguments = BuildArguments(show);
        if (c.replace) {
            arguments.push_back("--replace");
        }
        const Result again = RunTool(arguments);
        EXPECT_EQ(again.exitCode, c.exitCode) << again.err;
        EXPECT_NE(again.err.find(c.message), std::string::npos) << again.err;
        EXPECT_EQ(fs::exists(fs::path(show) / ".lumo-build"), false);
    }
}

// Files an item leaves out are named on stderr; the build goes on as a drop would.
TEST(CommandsTest, FilesAnItemLeavesOutAreWarnedAbout) {
    const test::SampleItem lighthouse = SampleItems()[0];
    const test::SampleItem comet = SampleItems()[2];
    TempDir temp;
    test::WriteFile(temp.path() / "notes.txt", "notes");
    const std::string notes = temp / "notes.txt";
    const Result result =
        RunTool({"build", "--output", temp / "show", "--item", comet.document, comet.thumbnail,
                 comet.description, "--item", lighthouse.document, comet.thumbnail, notes,
                 lighthouse.thumbnail, lighthouse.description});

    EXPECT_EQ(result.exitCode, kExitSuccess) << result.err;
    const std::vector<std::string> warnings = {
        "lumo-cli: warning: --item 2: neither a scene document nor a readable image, left out: " +
            notes + "\n",
        "lumo-cli: warning: --item 2: " + lighthouse.thumbnail + " replaces " + comet.thumbnail +
            " as a thumbnail (an image at least as wide as tall)\n"};
    for (const std::string& line : warnings) {
        EXPECT_NE(result.err.find(line), std::string::npos) << result.err;
    }
    EXPECT_EQ(result.err.find("--item 1"), std::string::npos) << result.err;
}

// A legacy document under a code page the system cannot open: a message, no crash.
TEST(CommandsTest, AnUnusableCodePageEndsCheckAndBuildWithItsMessage) {
    const test::ScopedEnv codePage("LUMO_ANSI_CODEPAGE", "NO-SUCH-CODEPAGE");
    const test::SampleItem item = SampleItems()[0];
    for (const auto& [command, exitCode] :
         {std::pair<std::string, int>{"check", kExitInputError}, {"build", kExitFailure}}) {
        TempDir temp;
        test::WriteFile(temp / "legacy.tsd", "<drawGroup name=\"Sur\" ></drawGroup>\n");
        std::vector<std::string> arguments = {command, "--item", temp / "legacy.tsd",
                                              item.thumbnail, item.description};
        if (command == "build") {
            arguments.insert(arguments.end(), {"--output", temp / "show"});
        }
        const Result result = RunTool(arguments);
        EXPECT_EQ(result.exitCode, exitCode) << command;
        EXPECT_NE(result.err.find("NO-SUCH-CODEPAGE"), std::string::npos) << result.err;
    }
}

TEST(CommandsTest, AnOutputFolderThatCannotBeCreatedEndsTheBuild) {
    TempDir temp;
    test::WriteFile(temp / "taken", "a file, not a folder");
    const Result result = RunTool(BuildArguments(temp / "taken/show"));
    EXPECT_EQ(result.exitCode, kExitFailure);
    EXPECT_NE(result.err.find("エラー　保存先フォルダを作成できませんでした"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find(kWritten), std::string::npos);
}

// Given relative to the current folder, the paths come back absolute.
TEST(CommandsTest, ListGivesBackEachBuiltItemInOrder) {
    TempDir temp;
    const std::string show = temp / "show";
    // Run from inside the temporary folder: on Windows it may lie on another drive.
    const fs::path saved = fs::current_path();
    fs::create_directory(temp.path() / "here");
    fs::current_path(temp.path() / "here");
    const std::string relative = "../show";
    const int built = RunTool(BuildArguments(relative)).exitCode;
    const Result listed = RunTool({"list", relative + "/exhibition.tsd"});
    fs::current_path(saved);

    ASSERT_EQ(built, kExitSuccess);

    EXPECT_EQ(listed.exitCode, kExitSuccess) << listed.err;
    EXPECT_EQ(listed.out, ExpectedListing(show));
}

TEST(CommandsTest, ItemsFollowTheReloadedOnesWhereverFromStands) {
    TempDir temp;
    const std::string first = temp / "first";
    ASSERT_EQ(RunTool(BuildArguments(first)).exitCode, kExitSuccess);
    const test::SampleItem comet = SampleItems()[2];
    const std::string second = temp / "second";

    const Result result =
        RunTool({"build", "--item", comet.document, comet.thumbnail, comet.description, "--output",
                 second, "--from", first + "/exhibition.tsd"});

    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    const std::string entry = second + test::Native("/03/");
    EXPECT_EQ(RunTool({"list", second + "/exhibition.tsd"}).out,
              ExpectedListing(second) + entry + "comet.tsd\t" + entry + "comet_thumb.jpg\t" +
                  entry + "comet_desc.png\n");
}

TEST(CommandsTest, ListRefusesWhatIsNotABuiltExhibition) {
    TempDir temp;
    for (const std::string& path :
         {temp / "exhibition.tsd", SampleItems()[0].document, temp.path().string()}) {
        const Result result = RunTool({"list", path});
        EXPECT_EQ(result.exitCode, kExitInputError) << path;
        EXPECT_EQ(result.out, "") << path;
        EXPECT_NE(result.err, "") << path;
    }
}

TEST(CommandsTest, ProbePrintsSizesAndFailsForUnreadableFiles) {
    TempDir temp;
    test::WriteFile(temp / "broken.png", "not a png at all");
    test::WriteFile(temp / "notes.txt", "text");
    const test::SampleItem item = SampleItems()[1];
    struct Case {
        std::vector<std::string> files;
        int exitCode;
        std::string out;
        std::string errPart;
    };
    const std::vector<Case> cases = {
        {{item.thumbnail, item.description},
         kExitSuccess,
         "320 180 " + item.thumbnail + "\n360 640 " + item.description + "\n",
         ""},
        {{temp / "broken.png", item.thumbnail},
         kExitFailure,
         "320 180 " + item.thumbnail + "\n",
         temp / "broken.png"},
        {{temp / "notes.txt"}, kExitFailure, "", temp / "notes.txt"},
        {{temp / "absent.jpg"}, kExitFailure, "", temp / "absent.jpg"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"probe"};
        arguments.insert(arguments.end(), c.files.begin(), c.files.end());
        const Result result = RunTool(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.files.front();
        EXPECT_EQ(result.out, c.out) << c.files.front();
        if (c.errPart.empty()) {
            EXPECT_EQ(result.err, "");
        } else {
            EXPECT_NE(result.err.find(c.errPart), std::string::npos) << result.err;
        }
    }
}

} // namespace
} // namespace lumo::cli
