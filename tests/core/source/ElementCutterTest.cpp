#include "source/ElementCutter.h"

#include "source/SourceReader.h"
#include "source/TextEdits.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lumo {
namespace {

struct Cuts {
    std::vector<std::string> elements;
    std::string remaining;
    bool operator==(const Cuts&) const = default;
};

void PrintTo(const Cuts& cuts, std::ostream* out) {
    *out << testing::PrintToString(cuts.elements) << " + "
         << testing::PrintToString(cuts.remaining);
}

// The straightforward cut the cutter must match: find the first element, remove every
// copy, repeat.
Cuts CutPlainly(std::string text, const std::string& start, const std::string& end, int limit) {
    Cuts cuts;
    for (int i = 0; i < limit; ++i) {
        const std::string element = ExtractSpan(text, start, end);
        if (element.empty()) {
            break;
        }
        cuts.elements.push_back(element);
        ReplaceAll(text, element, "");
    }
    cuts.remaining = text;
    return cuts;
}

Cuts CutWithCutter(std::string text, const std::string& start, const std::string& end, int limit) {
    Cuts cuts;
    ElementCutter cutter(std::move(text), start, end);
    for (int i = 0; i < limit; ++i) {
        std::string element = cutter.CutNext();
        if (element.empty()) {
            break;
        }
        cuts.elements.push_back(element);
    }
    cuts.remaining = cutter.TakeRemaining();
    return cuts;
}

TEST(ElementCutter, HandPickedCases) {
    struct Case {
        std::string text;
        Cuts expected;
    };
    const std::vector<Case> cases = {
        {"", {{}, ""}},
        {"a<data 1</data>b<data 1</data>c", {{"<data 1</data>"}, "abc"}},
        // Removing an element joins the text around it into a new one.
        {"<da<data x</data>ta y</data>", {{"<data x</data>", "<data y</data>"}, ""}},
        // The joined copy is not removed with the others: it is found again.
        {"<data x</data><da<data x</data>ta x</data>z",
         {{"<data x</data>", "<data x</data>"}, "z"}},
        {"<data a</data><data b</data><data a</data>", {{"<data a</data>", "<data b</data>"}, ""}},
        {"<data open", {{}, "<data open"}},
        {"</data><data", {{}, "</data><data"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutWithCutter(c.text, "<data", "</data>", 100), c.expected) << c.text;
    }
}

// Random texts built from pieces of the markers make removals meet in every possible way;
// the cutter must agree with the plain algorithm on each.
TEST(ElementCutter, AgreesWithThePlainAlgorithm) {
    const std::vector<std::string> pieces = {"<data",
                                             "</data>",
                                             "<da",
                                             "ta",
                                             "ta>",
                                             "<",
                                             "d",
                                             "x",
                                             "/",
                                             "a",
                                             "<data x</data>",
                                             "<data y</data>",
                                             "<data x</data><da",
                                             "ta x</data>"};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> limit(1, 8);
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += pieces[pick(random)];
        }
        const int max = limit(random);
        ASSERT_EQ(CutWithCutter(text, "<data", "</data>", max),
                  CutPlainly(text, "<data", "</data>", max))
            << "text: " << text << " limit: " << max;
    }
}

// Markers that overlap themselves and each other.
TEST(ElementCutter, AgreesWithThePlainAlgorithmOnSelfOverlappingMarkers) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter(0, 2);
    std::uniform_int_distribution<int> length(0, 30);
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += static_cast<char>('a' + letter(random));
        }
        ASSERT_EQ(CutWithCutter(text, "aa", "ab", 100), CutPlainly(text, "aa", "ab", 100))
            << "text: " << text;
    }
}

} // namespace
} // namespace lumo
