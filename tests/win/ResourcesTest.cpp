#include "Resources.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>

namespace lumo {
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

// The icon group lists one 32-bit image per size; 256 is stored as 0.
TEST(ResourcesTest, IconHasEverySizeIn32Bits) {
    const std::string group = ResourceBytes(MAKEINTRESOURCEW(14), IDI_LUMO);
    ASSERT_GE(group.size(), 6u);
    const int count = static_cast<unsigned char>(group[4]) | static_cast<unsigned char>(group[5])
                                                                 << 8;
    std::set<int> sizes;
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(group.size()); ++i) {
        const char* entry = group.data() + 6 + 14 * i;
        const int width = static_cast<unsigned char>(entry[0]);
        sizes.insert(width == 0 ? 256 : width);
        EXPECT_EQ(static_cast<unsigned char>(entry[6]), 32) << width;
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));
}

} // namespace
} // namespace lumo
