#include "model/LastExhibition.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumo {
namespace {

TEST(FolderChooserStart, BesideTheLastBuildInTheLastReloadElseHome) {
    test::TempDir root;
    const std::string venue = root / "会場";
    const std::string first = root / test::Native("会場/第一");
    std::filesystem::create_directories(PathFromUtf8(first));
    const std::string drive = Utf8FromPath(root.path().root_path());
    struct Case {
        ExhibitionOrigin origin;
        std::string folder;
        std::string start;
    };
    const std::vector<Case> cases = {
        {ExhibitionOrigin::None, {}, HomeFolder()},
        {ExhibitionOrigin::Built, first + test::kSeparator, venue + test::kSeparator},
        {ExhibitionOrigin::Built, first, venue + test::kSeparator},
        {ExhibitionOrigin::Built, drive, drive},
        {ExhibitionOrigin::Reloaded, first + test::kSeparator, first + test::kSeparator},
        // Folders that are gone since.
        {ExhibitionOrigin::Reloaded, root / "撤去済み", HomeFolder()},
        {ExhibitionOrigin::Built, root / test::Native("撤去済み/第二/"), HomeFolder()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderChooserStart({c.origin, c.folder}), c.start) << c.folder;
    }
}

} // namespace
} // namespace lumo
