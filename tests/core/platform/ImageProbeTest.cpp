#include "platform/ImageProbe.h"

#include "support/ProbeDifferences.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
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

std::string Little(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

// File header and info header of a BMP, without palette or pixels. Headers shorter than
// 20 bytes have no compression field.
std::string BmpHeader(std::uint32_t headerSize, std::int32_t width, std::int32_t height,
                      int bitCount = 24, std::uint32_t compression = 0) {
    const int field = headerSize == 12 ? 2 : 4;
    std::string info = Little(headerSize, 4) + Little(static_cast<std::uint32_t>(width), field) +
                       Little(static_cast<std::uint32_t>(height), field) + Little(1, 2) +
                       Little(static_cast<std::uint32_t>(bitCount), 2);
    if (headerSize >= 20) {
        info += Little(compression, 4);
    }
    info.resize(headerSize, '\0');
    return "BM" + Little(14 + headerSize, 4) + Little(0, 4) + Little(14 + headerSize, 4) + info;
}

constexpr ProbeOutcome kSized = ProbeOutcome::Sized;
constexpr ProbeOutcome kUnreadable = ProbeOutcome::Unreadable;

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
        {"cut-info.bmp", bytes(BmpHeader(40, 5, 5).substr(0, 30)), kUnreadable, 0, 0},
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

// Only headers that a decoder would open give a size.
TEST(ImageProbe, BmpHeaders) {
    struct BmpCase {
        std::string name;
        std::uint32_t headerSize;
        std::int32_t width;
        std::int32_t height;
        int bitCount;
        std::uint32_t compression;
        bool sized; // then width by the height's magnitude
    };
    const std::vector<BmpCase> cases = {
        {"os2 header", 12, 300, 200, 24, 0, true},
        {"os2 header, zero width", 12, 0, 200, 24, 0, false},
        {"os2 header, bit count 0", 12, 300, 200, 0, 0, false},
        {"shortest os2 2.x header, no compression field", 16, 7, 9, 8, 0, true},
        {"bottom-up", 40, 7, 9, 24, 0, true},
        {"top-down", 124, 7, -9, 24, 0, true},
        {"zero width", 40, 0, 9, 24, 0, false},
        {"negative width", 40, -7, 9, 24, 0, false},
        {"zero height", 108, 7, 0, 24, 0, false},
        {"lowest height", 40, 7, INT32_MIN, 24, 0, false},
        {"unknown header size", 200, 7, 9, 24, 0, false},
        {"1 bit", 40, 7, 9, 1, 0, true},
        {"2 bits", 40, 7, 9, 2, 0, false},
        {"32 bits", 40, 7, 9, 32, 0, true},
        {"64 bits", 40, 7, 9, 64, 0, false},
        {"bit count 0, uncompressed", 40, 7, 9, 0, 0, false},
        {"rle8 on 8 bits", 40, 7, 9, 8, 1, true},
        {"rle8 on 4 bits", 40, 7, 9, 4, 1, false},
        {"rle4 on 4 bits", 40, 7, 9, 4, 2, true},
        {"rle4 on 8 bits", 40, 7, 9, 8, 2, false},
        {"bit fields on 16 bits", 40, 7, 9, 16, 3, true},
        {"bit fields on 32 bits", 40, 7, 9, 32, 3, true},
        {"bit fields on 24 bits", 40, 7, 9, 24, 3, false},
        {"alpha bit fields on 32 bits", 56, 7, 9, 32, 6, true},
        {"alpha bit fields on 8 bits", 56, 7, 9, 8, 6, false},
        {"embedded jpeg, bit count 0", 124, 7, 9, 0, 4, true},
        {"embedded png, bit count 0", 124, 7, 9, 0, 5, true},
        {"embedded jpeg on 24 bits", 124, 7, 9, 24, 4, false},
        {"embedded png on 8 bits", 124, 7, 9, 8, 5, false},
        {"unknown compression", 40, 7, 9, 24, 7, false},
        {"30000 x 30000", 40, 30000, 30000, 24, 0, true},
        {"most pixels a decoder allocates", 40, 32767, 32768, 24, 0, true},
        {"one row more", 40, 32768, 32768, 24, 0, false},
        {"3000000 x 2000000", 40, 3000000, 2000000, 24, 0, false},
    };
    const TempDir dir;
    const std::string path = dir / "crafted.bmp";
    for (const BmpCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(path, BmpHeader(c.headerSize, c.width, c.height, c.bitCount, c.compression));
        const ProbeResult result = ProbeImageSize(path);
        EXPECT_EQ(result.outcome, c.sized ? kSized : kUnreadable);
        EXPECT_EQ(result.width, c.sized ? c.width : 0);
        EXPECT_EQ(result.height, c.sized ? std::abs(c.height) : 0);
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
            // Some decoders overlook damage that the header readers refuse.
            const bool headerIntact = stem == "xcsn0g01" || stem == "xdtn0g01" ||
                                      test::ProbeVerdictDifferences().count(stem) != 0;
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
    // Every bad or questionable file whose header a decoder would refuse, and why; the
    // others have sound headers and give 127 by 64 whatever lies beyond.
    const std::map<std::string, std::string> refused = {
        {"b/badbitcount.bmp", "bit count 30000"},
        {"b/badheadersize.bmp", "a 66-byte info header"},
        {"b/badwidth.bmp", "negative width"},
        {"b/reallybig.bmp", "more pixels than a decoder can allocate"},
        {"q/pal1huffmsb.bmp", "its Huffman coding has the bit fields' value, not for 1 bit"},
        {"q/pal2.bmp", "2 bits a pixel"},
        {"q/pal2color.bmp", "2 bits a pixel"},
        {"q/rgb24rle24.bmp", "its 24-bit RLE has the embedded JPEG's value, not for 24 bits"},
        {"q/rgba64.bmp", "64 bits a pixel"},
    };
    for (const char* sub : {"b", "q"}) {
        const std::vector<fs::path> files = FilesIn(folder / sub, ".bmp");
        ASSERT_FALSE(files.empty());
        for (const fs::path& file : files) {
            const auto reason = refused.find(std::string(sub) + "/" + file.filename().string());
            const bool isRefused = reason != refused.end();
            SCOPED_TRACE(file.string() + (isRefused ? ": " + reason->second : ""));
            const ProbeResult result = ProbeImageSize(file.string());
            EXPECT_EQ(result.outcome, isRefused ? kUnreadable : kSized);
            EXPECT_EQ(result.width, isRefused ? 0 : 127);
            EXPECT_EQ(result.height, isRefused ? 0 : 64);
        }
    }
}

} // namespace
} // namespace lumo
