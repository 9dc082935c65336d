#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo::cli {
namespace {

using Files = std::vector<std::string>;

struct ValidCase {
    std::vector<std::string> arguments;
    CommandKind kind;
    std::string output;
    std::string from;
    std::vector<Files> items;
    Files paths;
};

TEST(ArgumentsTest, AcceptsEveryValidForm) {
    const std::vector<ValidCase> cases = {
        {{"--help"}, CommandKind::Help, "", "", {}, {}},
        {{"-h"}, CommandKind::Help, "", "", {}, {}},
        {{"build", "--output", "out", "--help"}, CommandKind::Help, "", "", {}, {}},
        {{"--version"}, CommandKind::Version, "", "", {}, {}},
        {{"-V"}, CommandKind::Version, "", "", {}, {}},
        {{"check", "--item", "a.tsd", "-h"}, CommandKind::Help, "", "", {}, {}},
        {{"build", "--output", "out"}, CommandKind::Build, "out", "", {}, {}},
        {{"build", "--output=out"}, CommandKind::Build, "out", "", {}, {}},
        {{"build", "--item", "a.tsd", "b.jpg", "c.png", "--output", "out"},
         CommandKind::Build,
         "out",
         "",
         {{"a.tsd", "b.jpg", "c.png"}},
         {}},
        // --from is recorded wherever it stands; it is applied first when run.
        {{"build", "--item", "a.tsd", "--from", "old/exhibition.tsd", "--item", "b.tsd", "--output",
          "out"},
         CommandKind::Build,
         "out",
         "old/exhibition.tsd",
         {{"a.tsd"}, {"b.tsd"}},
         {}},
        {{"build", "--output", "out", "--from=x/exhibition.tsd"},
         CommandKind::Build,
         "out",
         "x/exhibition.tsd",
         {},
         {}},
        {{"check", "--from", "x/exhibition.tsd", "--item", "a.tsd", "b.jpg"},
         CommandKind::Check,
         "",
         "x/exhibition.tsd",
         {{"a.tsd", "b.jpg"}},
         {}},
        {{"build", "--output", "out", "--item", "a.tsd", "--item", "b.tsd", "c.jpg", "--item",
          "d.tsd"},
         CommandKind::Build,
         "out",
         "",
         {{"a.tsd"}, {"b.tsd", "c.jpg"}, {"d.tsd"}},
         {}},
        {{"list", "show/exhibition.tsd"}, CommandKind::List, "", "", {}, {"show/exhibition.tsd"}},
        // Paths that begin with '/' are no options, on Windows either.
        {{"build", "--output", "/out", "--item", "/a.tsd", "/b.jpg"},
         CommandKind::Build,
         "/out",
         "",
         {{"/a.tsd", "/b.jpg"}},
         {}},
        {{"probe", "a.jpg", "b.png"}, CommandKind::Probe, "", "", {}, {"a.jpg", "b.png"}},
    };
    for (const ValidCase& c : cases) {
        const ParseResult result = ParseArguments(c.arguments);
        const std::string where =
            c.arguments.front() + " ... (" + std::to_string(c.arguments.size()) + " arguments)";
        ASSERT_TRUE(result.ok()) << where << ": " << result.error;
        EXPECT_EQ(result.command.kind, c.kind) << where;
        EXPECT_EQ(result.command.build.outputFolder, c.output) << where;
        EXPECT_EQ(result.command.build.fromDocument, c.from) << where;
        EXPECT_EQ(result.command.build.items, c.items) << where;
        EXPECT_EQ(result.command.paths, c.paths) << where;
    }
}

struct InvalidCase {
    std::vector<std::string> arguments;
    std::string errorPart;
};

TEST(ArgumentsTest, RefusesInvalidFormsWithAReason) {
    const std::vector<InvalidCase> cases = {
        {{}, "no command"},
        {{"frobnicate"}, "unknown command: frobnicate"},
        {{"--frobnicate"}, "unknown option: --frobnicate"},
        {{"build"}, "--output"},
        {{"build", "--item", "a.tsd"}, "--output"},
        {{"build", "--output"}, "--output needs a value"},
        {{"build", "--output", ""}, "--output needs a folder"},
        {{"build", "--output", "a", "--output", "b"}, "more than once"},
        {{"build", "--output", "a", "--from", "x", "--from", "y"}, "more than once"},
        {{"build", "--output", "out", "--item"}, "--item needs at least one file"},
        {{"build", "--item", "--output", "out"}, "--item needs at least one file"},
        {{"build", "--output", "out", "--item", "a.tsd", "--item"},
         "--item needs at least one file"},
        {{"build", "--output=", "--item", "a.tsd"}, "--output needs a folder"},
        {{"frobnicate", "build", "--output", "out"}, "unknown command: frobnicate"},
        {{"build", "--output", "out", "check"}, "unexpected argument: check"},
        {{"build", "--output", "out", "--verbose"}, "unknown option for build: --verbose"},
        {{"build", "--output", "out", "a.tsd"}, "unexpected argument: a.tsd"},
        {{"check", "--output", "out"}, "unknown option for check: --output"},
        {{"list"}, "exactly one"},
        {{"list", "a/exhibition.tsd", "b/exhibition.tsd"}, "exactly one"},
        {{"list", "--all", "a/exhibition.tsd"}, "unknown option for list: --all"},
        {{"probe"}, "at least one image"},
    };
    for (const InvalidCase& c : cases) {
        const ParseResult result = ParseArguments(c.arguments);
        std::string where;
        for (const std::string& argument : c.arguments) {
            where += "[" + argument + "]";
        }
        ASSERT_FALSE(result.ok()) << where;
        EXPECT_NE(result.error.find(c.errorPart), std::string::npos)
            << where << ": " << result.error;
    }
}

} // namespace
} // namespace lumo::cli
