#pragma once

namespace lumo {

// A rectangle on the desktop in pixels, as either window system measures it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;

    bool operator==(const ScreenPoint&) const = default;
};

// Where a popup of width × height goes for a cursor at cursor: below and right of it, or
// left of and above it where that side has no room, and always inside available (the
// work area of the screen that holds the cursor) on every edge; a popup larger than
// available keeps its top-left corner on it.
ScreenPoint PlaceBesideCursor(int width, int height, ScreenPoint cursor,
                              const ScreenRect& available);

// The top-left corner that centres a window of width × height over owner, moved inside
// available where the owner stands near an edge.
ScreenPoint CentreOver(int width, int height, const ScreenRect& owner, const ScreenRect& available);

} // namespace lumo
