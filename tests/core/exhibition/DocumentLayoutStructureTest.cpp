#include "exhibition/DocumentLayout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace lumo {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The value of name="…" in a line, empty when the attribute is absent.
std::string Attr(const std::string& line, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const auto start = line.find(key);
    if (start == std::string::npos) {
        return {};
    }
    const auto from = start + key.size();
    return line.substr(from, line.find('"', from) - from);
}

std::string Two(std::size_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02zu", value);
    return buffer;
}

// A menu page in short: "menuPP:" then its thumbnails and the events of its buttons.
std::vector<std::string> PageSummaries(std::size_t n) {
    std::string text;
    AppendMenuPages(text, n);
    std::vector<std::string> pages;
    for (const auto& line : Lines(text)) {
        if (line.starts_with("<drawGroup ")) {
            pages.push_back(Attr(line, "name") + ":");
        } else if (line.starts_with("<image ")) {
            const std::string data = Attr(line, "image_data");
            pages.back() +=
                " " + (data.starts_with("me") ? data : data + ">" + Attr(line, "event"));
        }
    }
    return pages;
}

struct PagingCase {
    std::size_t n;
    std::vector<std::string> pages;
};

const std::string kFull = " me00 me01 me02 me03 me04 me05";

std::vector<std::string> NinetyNinePages() {
    std::vector<std::string> pages;
    for (std::size_t p = 0; p < 16; ++p) {
        std::string page = "menu" + Two(p) + ":";
        for (std::size_t j = 6 * p; j < 6 * p + 6; ++j) {
            page += " me" + Two(j);
        }
        if (p != 0) {
            page += " up>up" + Two(p - 1);
        }
        pages.push_back(page + " down>down" + Two(p + 1));
    }
    pages.push_back("menu16: me96 me97 me98 up>up15");
    return pages;
}

const std::vector<PagingCase> kPagingCases = {
    {1, {"menu00: me00"}},
    {6, {"menu00:" + kFull, "menu01: up>up00"}},
    {7, {"menu00:" + kFull + " down>down01", "menu01: me06 up>up00"}},
    {12,
     {"menu00:" + kFull + " down>down01", "menu01: me06 me07 me08 me09 me10 me11 up>up00",
      "menu02: up>up01"}},
    {99, NinetyNinePages()},
};

TEST(DocumentLayout, MenuPagesHoldThumbnailsAndButtons) {
    for (const auto& c : kPagingCases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(PageSummaries(c.n), c.pages);
    }
}

// Every page gets an up and a down event, both showing that page.
TEST(DocumentLayout, PagingEventsShowTheirPage) {
    for (const auto& c : kPagingCases) {
        SCOPED_TRACE(c.n);
        std::string text;
        AppendNavigation(text, c.n, {"00_Sur"});
        std::vector<std::string> events;
        std::vector<std::string> shown;
        for (const auto& line : Lines(text)) {
            if (line.starts_with("<event name=\"up") || line.starts_with("<event name=\"down")) {
                events.push_back(Attr(line, "name"));
            } else if (line.starts_with("<targetSpace index=\"0\"/>")) {
                shown.push_back(Attr(line, "name"));
            }
        }
        std::vector<std::string> expectedEvents;
        std::vector<std::string> expectedShown;
        for (std::size_t p = 0; p < c.pages.size(); ++p) {
            expectedEvents.insert(expectedEvents.end(), {"up" + Two(p), "down" + Two(p)});
            expectedShown.insert(expectedShown.end(), 2, "menu" + Two(p));
        }
        EXPECT_EQ(events, expectedEvents);
        EXPECT_EQ(shown, expectedShown);
    }
}

TEST(DocumentLayout, ThumbnailsSitInTheirRowAndFireTheirGotoEvent) {
    const char* rows[] = {"0.86", "0.58", "0.30", "0.02", "-0.26", "-0.54"};
    std::string text;
    AppendMenuPages(text, 99);
    std::size_t j = 0;
    for (const auto& line : Lines(text)) {
        if (Attr(line, "note") != "img") {
            continue;
        }
        SCOPED_TRACE(line);
        EXPECT_EQ(Attr(line, "image_data"), "me" + Two(j));
        EXPECT_EQ(Attr(line, "coordinate"), std::string("-1.664, ") + rows[j % 6] + ", 0.0");
        EXPECT_EQ(Attr(line, "event"), "goto_ob" + Two(j));
        ++j;
    }
    EXPECT_EQ(j, 99u);
}

struct GotoCase {
    std::size_t n;
    std::vector<std::string> names;
    std::vector<std::string> shown;
    std::string first;
};

// Names go in verbatim; a list shorter than the entries leaves the rest unnamed.
const std::vector<GotoCase> kGotoCases = {
    {1, {"00_Sur"}, {"00_Sur"}, "00_Sur"},
    {3, {"00_a&\"b<", "01_Sur", "02_Sur"}, {"00_a&\"b<", "01_Sur", "02_Sur"}, "00_a&\"b<"},
    {3, {"00_Sur"}, {"00_Sur", "", ""}, "00_Sur"},
    {2, {}, {"", ""}, ""},
};

TEST(DocumentLayout, GotoEventsShowTheEntrysTopGroup) {
    for (const auto& c : kGotoCases) {
        SCOPED_TRACE(c.n);
        std::string text;
        AppendGotoEvents(text, c.n, c.names);
        std::vector<std::string> events;
        std::vector<std::string> shown;
        for (const auto& line : Lines(text)) {
            if (line.starts_with("<event ")) {
                events.push_back(Attr(line, "name"));
            } else if (line.starts_with("<targetSpace index=\"1\" /><topGroup name=\"")) {
                const auto from = line.find("name=\"") + 6;
                shown.push_back(line.substr(from, line.rfind("\" />") - from));
            }
        }
        ASSERT_EQ(events.size(), c.n);
        for (std::size_t i = 0; i < c.n; ++i) {
            EXPECT_EQ(events[i], "goto_ob" + Two(i));
        }
        EXPECT_EQ(shown, c.shown);

        std::string navigation;
        AppendNavigation(navigation, c.n, c.names);
        EXPECT_NE(
            navigation.find("<targetSpace index = \"1\" /><topGroup name=\"" + c.first + "\" />\n"),
            std::string::npos);
    }
}

TEST(DocumentLayout, DescriptionGroupsOnePerEntry) {
    for (std::size_t n : {1u, 12u, 99u}) {
        SCOPED_TRACE(n);
        std::string text;
        AppendDescriptionGroups(text, n);
        const auto lines = Lines(text);
        ASSERT_EQ(lines.size(), 3 * n);
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_EQ(Attr(lines[3 * i], "name"), "ex" + Two(i));
            EXPECT_EQ(Attr(lines[3 * i + 1], "image_data"), "ex" + Two(i));
            EXPECT_EQ(lines[3 * i + 2], "");
        }
    }
}

} // namespace
} // namespace lumo
