#include "support/RunProcess.h"
#include "support/SampleExhibition.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace lumo {
namespace {

using test::TempDir;

// Only POSIX allows control characters in file names.
TEST(BinaryTest, NamesWithControlCharactersAreEscaped) {
    TempDir temp;
    const std::string image = temp / "a\x1b]0;t\a\tb.jpg";
    test::WriteFile(image, test::ReadFile(test::SampleItems().front().thumbnail));

    const test::ProcessOutcome probed = test::RunProcess(LUMO_CLI_EXECUTABLE, {"probe", image});
    EXPECT_EQ(probed.exitCode, 0);
    const std::string listed = temp / "a\x1b]0;t\a\\x09b.jpg\n";
    EXPECT_TRUE(probed.out.ends_with(' ' + listed)) << probed.out;
}

} // namespace
} // namespace lumo
