#include "model/WindowPlacement.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

const ScreenRect kScreen{0, 0, 1280, 1024};
const ScreenRect kRightScreen{1280, 0, 1920, 1080};
const ScreenRect kLeftScreen{-1920, 0, 1920, 1080};

TEST(WindowPlacement, KeepsAPopupBesideTheCursorOnItsScreen) {
    const struct {
        const char* name;
        int width, height;
        ScreenPoint cursor;
        ScreenRect available;
        ScreenPoint placed;
    } cases[] = {
        {"room below and right", 510, 300, {100, 100}, kScreen, {116, 116}},
        {"flips left at the right edge", 510, 300, {802, 100}, kScreen, {276, 116}},
        {"flips up at the bottom edge", 510, 300, {100, 1000}, kScreen, {116, 684}},
        {"no room either side: pushed in", 1000, 300, {600, 100}, kScreen, {280, 116}},
        {"larger than the screen: top-left on it", 2000, 1100, {600, 500}, kScreen, {0, 0}},
        {"a screen right of the first", 510, 300, {1290, 10}, kRightScreen, {1306, 26}},
        {"right edge of a screen left of the first",
         510,
         300,
         {-10, 500},
         kLeftScreen,
         {-536, 516}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceBesideCursor(c.width, c.height, c.cursor, c.available), c.placed) << c.name;
    }
}

TEST(WindowPlacement, CentresOverTheOwnerInsideTheWorkArea) {
    const struct {
        const char* name;
        int width, height;
        ScreenRect owner;
        ScreenRect available;
        ScreenPoint placed;
    } cases[] = {
        {"centred", 300, 200, {100, 100, 600, 400}, kScreen, {250, 200}},
        {"owner near the right edge", 300, 200, {1100, 100, 400, 300}, kScreen, {980, 150}},
        {"owner partly off the top-left", 300, 200, {-300, -100, 400, 300}, kScreen, {0, 0}},
        {"larger than the work area", 1500, 1200, {100, 100, 600, 400}, kScreen, {0, 0}},
        {"a main window on its work area", 600, 400, {0, 0, 1280, 984}, kScreen, {340, 292}},
        {"on a screen right of the first",
         300,
         200,
         {1280, 0, 1920, 1080},
         kRightScreen,
         {2090, 440}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CentreOver(c.width, c.height, c.owner, c.available), c.placed) << c.name;
    }
}

} // namespace
} // namespace lumo
