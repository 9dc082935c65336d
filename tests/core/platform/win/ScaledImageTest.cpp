#include "platform/win/ScaledImage.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace lumo {
namespace {

TEST(ScaledImage, FitsTheBoxKeepingTheAspectRatioAndNeverEnlarges) {
    const test::TempDir temp;
    const struct {
        const char* name;
        std::function<void(const std::string&)> write;
        int box;
        int width; // expected
        int height;
        int fullWidth;
        int fullHeight;
    } cases[] = {
        {"wide.jpg", [](const std::string& p) { test::WriteJpeg(p, 1000, 500); }, 240, 240, 120,
         1000, 500},
        {"tall.png", [](const std::string& p) { test::WritePng(p, 300, 900); }, 240, 80, 240, 300,
         900},
        {"small.png", [](const std::string& p) { test::WritePng(p, 100, 50); }, 240, 100, 50, 100,
         50},
        {"sliver.jpg", [](const std::string& p) { test::WriteJpeg(p, 961, 2); }, 240, 240, 1, 961,
         2},
        {"not-an-image.png", [](const std::string& p) { test::WriteFile(p, "text"); }, 240, 0, 0, 0,
         0},
        {"missing.jpg", [](const std::string&) {}, 240, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = temp / c.name;
        c.write(path);
        const ScaledImage image = DecodeScaled(path, c.box, c.box);
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
        EXPECT_EQ(image.fullWidth, c.fullWidth);
        EXPECT_EQ(image.fullHeight, c.fullHeight);
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(c.width * c.height * 4));
        if (!image.pixels.empty()) {
            // The grey of the test images, opaque, whatever the file's own pixel format.
            EXPECT_NEAR(image.pixels[0], 128, 4);
            EXPECT_EQ(image.pixels[3], 255);
        }
    }
}

} // namespace
} // namespace lumo
