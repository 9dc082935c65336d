#include "model/DialogLayout.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

namespace lumo::win {
namespace {

std::string ResourceBytes(LPCWSTR type, int id) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(nullptr, found)) : std::string();
}

// The manifest asks for the common controls 6 (task dialogs), per-monitor DPI awareness
// and long paths, and leaves the ANSI code page alone: scene documents without an
// encoding declaration are read in the user's code page.
TEST(ResourcesTest, ManifestSettings) {
    const std::string manifest = ResourceBytes(MAKEINTRESOURCEW(24), 1);
    for (const char* wanted : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                               ">PerMonitorV2<", "<longPathAware", ">true</longPathAware>"}) {
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    }
    EXPECT_EQ(manifest.find("<activeCodePage"), std::string::npos);
}

// The icon group lists one 32-bit image per size (256 is written as 0).
TEST(ResourcesTest, IconHasEverySizeIn32Bits) {
    const std::string group = ResourceBytes(MAKEINTRESOURCEW(14), IDI_LUMO);
    std::set<std::pair<int, int>> images;
    for (std::size_t entry = 6; entry + 14 <= group.size(); entry += 14) {
        const int width = static_cast<unsigned char>(group[entry]);
        images.insert({width == 0 ? 256 : width, static_cast<unsigned char>(group[entry + 6])});
    }
    EXPECT_EQ(images,
              (std::set<std::pair<int, int>>{{16, 32}, {24, 32}, {32, 32}, {48, 32}, {256, 32}}));
}

} // namespace
} // namespace lumo::win
