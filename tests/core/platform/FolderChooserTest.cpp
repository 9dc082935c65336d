#include "platform/FolderChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(ChooserStartFolder, OpensInTheFolderOfAFile) {
    test::TempDir temp;
    const std::string folder = temp.folder();
    const std::string file = folder + "場面.tsd";
    test::WriteFile(file, "x");
    const std::pair<std::string, std::string> cases[] = {
        {file, folder},
        {folder, folder},
        {folder + "無い", folder + "無い"},
        {"", ""},
    };
    for (const auto& [start, expected] : cases) {
        EXPECT_EQ(ChooserStartFolder(start), expected) << start;
    }
}

} // namespace
} // namespace lumo
