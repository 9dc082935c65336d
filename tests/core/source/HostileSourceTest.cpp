#include "platform/TextCodec.h"
#include "source/DrawGroupRewriter.h"
#include "source/SourceReader.h"
#include "source/SourceSurvey.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lumo {
namespace {

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(byte(random));
    }
    return bytes;
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

struct Outcome {
    LineList lines;
    std::vector<std::string> paths;
    std::string text;
    std::vector<std::string> topGroups;
    bool operator==(const Outcome&) const = default;
};

Outcome Process(const std::string& document) {
    Outcome out;
    ReadSourceLines(document, out.lines);
    out.paths = SurveySource(document, 0).data.paths;
    AppendEntryFragments(out.text, ExhibitionEntry{document, {}, {}, {}}, 42, out.topGroups);
    return out;
}

// Whatever the bytes, reading and rewriting end, give valid UTF-8, stay within the
// limits and give the same result every time.
TEST(HostileSource, AnyBytesGiveADeterministicBoundedResult) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"random bytes", RandomBytes(1 << 20, 1)},
        {"random bytes with markers", Repeat(std::string("<data path=\"") + RandomBytes(40, 2) +
                                                 "</data><drawGroup name=\"Sur\xFF>",
                                             3000)},
        {"a 10 MB line", std::string(10 << 20, 'x') + "<data path=\"a\"></data>"},
        {"start without end", std::string("<data name=\"a\" path=\"b") + std::string(1 << 20, ' ')},
        {"group without end", std::string("<drawGroup name=\"g\" >") + std::string(1 << 16, '>')},
        {"only start markers", Repeat("<data<drawGroup", 100000)},
        {"only end markers", Repeat("</data></drawGroup>", 100000)},
        {"copies that join into new ones", Repeat("<da<data x</data>ta x</data>", 20000)},
        {"many distinct elements",
         [] {
             std::string text;
             for (int i = 0; i < 20000; ++i) {
                 text += std::string("<data path=\"") + std::to_string(i) +
                         "\"></data><drawGroup name=\"" + std::to_string(i) + "\"></drawGroup>";
             }
             return text;
         }()},
        {"invalid UTF-8 and surrogates",
         Repeat("<drawGroup name=\"\xED\xA0\x80\xC0\xAF\xF4\x90\x80\x80\xE2\x82\" ></drawGroup>",
                1000)},
        {"nul bytes and lone carriage returns",
         Repeat(std::string("<data\0\r\r", 8) + "\r</data>", 1000)},
        {"group start tag without its own >", "<drawGroup</drawGroup>"},
        {"empty file", ""},
    };
    const std::string declarations[] = {"", "<?xml encoding=\"UTF-8\"?>\n"};
    test::TempDir dir;
    const std::string document = dir / "hostile.tsd";
    for (const Case& c : cases) {
        for (const std::string& declaration : declarations) {
            SCOPED_TRACE(std::string(c.name) + (declaration.empty() ? "" : " (UTF-8)"));
            test::WriteFile(document, declaration + c.bytes);
            const Outcome first = Process(document);
            EXPECT_LE(first.paths.size(), 100u);
            EXPECT_EQ(first.topGroups.size(), 1u);
            EXPECT_TRUE(DecodeUtf8Lossy(first.text) == first.text);
            for (const std::string& line : first.lines) {
                ASSERT_TRUE(DecodeUtf8Lossy(line) == line);
            }
            EXPECT_TRUE(Process(document) == first);
        }
    }
}

} // namespace
} // namespace lumo
