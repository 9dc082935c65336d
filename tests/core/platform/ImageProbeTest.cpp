#include "platform/ImageProbe.h"

#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lumo {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteFile;

constexpr ProbeOutcome kSized = ProbeOutcome::Sized;
constexpr ProbeOutcome kUnreadable = ProbeOutcome::Unreadable;

std::string Little(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

// File header and info header of a BMP, without palette or pixels.
std::string BmpHeader(std::uint32_t headerSize, std::int32_t width, std::int32_t height) {
    const int field = headerSize == 12 ? 2 : 4;
    std::string info = Little(headerSize, 4) + Little(static_cast<std::uint32_t>(width), field) +
                       Little(static_cast<std::uint32_t>(height), field);
    info.resize(headerSize, '\0');
    return "BM" + Little(14 + headerSize, 4) + Little(0, 4) + Little(14 + headerSize, 4) + info;
}

struct ProbeCase {
    std::string name;
    std::function<void(const std::string& path)> make; // nullptr: nothing is created
    ProbeOutcome outcome;
    int width;
    int height;
};

TEST(ImageProbe, OwnFiles) {
    const TempDir dir;
    const std::string png = dir / "source.png";
    test::WritePng(png, 30, 20);
    const std::string jpeg = dir / "source.jpg";
    test::WriteJpeg(jpeg, 48, 16);
    const auto bytes = [](std::string content) {
        return [content](const std::string& path) { WriteFile(path, content); };
    };
    const auto cut = [](const std::string& from, std::size_t length) {
        return [from, length](const std::string& path) {
            WriteFile(path, test::ReadFile(from).substr(0, length));
        };
    };
    const std::vector<ProbeCase> cases = {
        {"notes.txt", bytes("not looked at"), ProbeOutcome::NotAnImagePath, 0, 0},
        {"missing.png", nullptr, kUnreadable, 0, 0},
        {"empty.jpg", bytes(""), kUnreadable, 0, 0},
        {"text.png", bytes("just some text, long enough"), kUnreadable, 0, 0},
        {"png-inside.jpg", [&](const std::string& p) { fs::copy_file(png, p); }, kSized, 30, 20},
        {"jpeg-inside.BMP", [&](const std::string& p) { fs::copy_file(jpeg, p); }, kSized, 48, 16},
        {"rotated.JPEG", [](const std::string& p) { test::WriteJpeg(p, 40, 20, 6); }, kSized, 40,
         20},
        {"cut-ihdr.png", cut(png, 20), kUnreadable, 0, 0},
        {"cut-before-scan.jpg", cut(jpeg, 100), kUnreadable, 0, 0},
        // libjpeg pads a cut file with an end marker; cut inside the scan header, that
        // padding would otherwise be taken for the header's last bytes.
        {"cut-in-scan-header.jpg", cut(jpeg, test::ReadFile(jpeg).find("\xFF\xDA") + 8),
         kUnreadable, 0, 0},
        {"cut-info.bmp",
         [](const std::string& p) { WriteFile(p, BmpHeader(40, 5, 5).substr(0, 30)); }, kUnreadable,
         0, 0},
        {"os2.bmp", bytes(BmpHeader(12, 300, 200)), kSized, 300, 200},
        {"os2-empty.bmp", bytes(BmpHeader(12, 0, 200)), kUnreadable, 0, 0},
        {"bottom-up.bmp", bytes(BmpHeader(40, 7, 9)), kSized, 7, 9},
        {"top-down.bmp", bytes(BmpHeader(124, 7, -9)), kSized, 7, 9},
        {"huge.bmp", bytes(BmpHeader(40, 3000000, 2000000)), kSized, 3000000, 2000000},
        {"zero-width.bmp", bytes(BmpHeader(40, 0, 9)), kUnreadable, 0, 0},
        {"negative-width.bmp", bytes(BmpHeader(40, -7, 9)), kUnreadable, 0, 0},
        {"zero-height.bmp", bytes(BmpHeader(108, 7, 0)), kUnreadable, 0, 0},
        {"lowest-height.bmp", bytes(BmpHeader(40, 7, INT32_MIN)), kUnreadable, 0, 0},
        {"odd-header.bmp", bytes(BmpHeader(200, 7, 9)), kUnreadable, 0, 0},
        {"folder.png", [](const std::string& p) { fs::create_directory(p); }, kUnreadable, 0, 0},
    };
    for (const ProbeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir / c.name;
        if (c.make) {
            c.make(path);
        }
        testing::internal::CaptureStderr();
        const ProbeResult result = ProbeImageSize(path);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.width, c.width);
        EXPECT_EQ(result.height, c.height);
    }
}

std::vector<fs::path> FilesIn(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (item.path().extension() == extension) {
            files.push_back(item.path());
        }
    }
    return files;
}

const fs::path kTestData = LUMO_TESTDATA_DIR;

TEST(ImageProbe, PngSuite) {
    const fs::path folder = kTestData / "pngsuite";
    if (!fs::is_directory(folder)) {
        GTEST_SKIP() << "no " << folder;
    }
    const std::vector<fs::path> files = FilesIn(folder, ".png");
    const std::map<std::string, std::pair<int, int>> pixelAspectFiles = {
        {"cdfn2c08", {8, 32}}, {"cdhn2c08", {32, 8}}, {"cdsn2c08", {8, 8}}};
    ASSERT_EQ(files.size(), 175u);
    testing::internal::CaptureStderr();
    for (const fs::path& file : files) {
        const std::string stem = file.stem().string();
        SCOPED_TRACE(stem);
        const ProbeResult result = ProbeImageSize(file.string());
        if (stem[0] == 'x') {
            // Only these two keep a valid signature and header; their damage lies beyond.
            const bool headerIntact = stem == "xcsn0g01" || stem == "xdtn0g01";
            if (result.outcome == kSized && headerIntact) {
                EXPECT_EQ(result.width, 32);
                EXPECT_EQ(result.height, 32);
            } else {
                EXPECT_EQ(result.outcome, kUnreadable);
            }
            continue;
        }
        // sNN files are NN by NN pixels; every other valid file is 32 by 32 except the pHYs
        // files, whose sizes the suite's own file descriptions give.
        const int side = stem[0] == 's' ? std::stoi(stem.substr(1, 2)) : 32;
        const auto aspect = pixelAspectFiles.find(stem);
        const auto [expectedWidth, expectedHeight] =
            aspect == pixelAspectFiles.end() ? std::pair{side, side} : aspect->second;
        EXPECT_EQ(result.outcome, kSized);
        EXPECT_EQ(result.width, expectedWidth);
        EXPECT_EQ(result.height, expectedHeight);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(ImageProbe, BmpSuite) {
    const fs::path folder = kTestData / "bmpsuite";
    if (!fs::is_directory(folder)) {
        GTEST_SKIP() << "no " << folder;
    }
    const std::map<std::string, std::pair<int, int>> goodExceptions = {
        {"pal8w124", {124, 61}},
        {"pal8w125", {125, 62}},
        {"pal8w126", {126, 63}},
        {"pal8nonsquare", {127, 32}},
    };
    const std::vector<fs::path> good = FilesIn(folder / "g", ".bmp");
    ASSERT_EQ(good.size(), 27u);
    for (const fs::path& file : good) {
        SCOPED_TRACE(file.filename().string());
        const auto exception = goodExceptions.find(file.stem().string());
        const auto [expectedWidth, expectedHeight] =
            exception == goodExceptions.end() ? std::pair{127, 64} : exception->second;
        const ProbeResult result = ProbeImageSize(file.string());
        EXPECT_EQ(result.outcome, kSized);
        EXPECT_EQ(result.width, expectedWidth);
        EXPECT_EQ(result.height, expectedHeight);
    }
    // Bad and questionable files may be read or refused; a size read must make sense.
    for (const char* sub : {"b", "q"}) {
        const std::vector<fs::path> files = FilesIn(folder / sub, ".bmp");
        ASSERT_FALSE(files.empty());
        for (const fs::path& file : files) {
            SCOPED_TRACE(file.string());
            const ProbeResult result = ProbeImageSize(file.string());
            if (result.outcome == kSized) {
                EXPECT_GT(result.width, 0);
                EXPECT_GT(result.height, 0);
            }
        }
    }
}

} // namespace
} // namespace lumo
