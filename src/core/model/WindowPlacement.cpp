#include "model/WindowPlacement.h"

#include <algorithm>

namespace lumo {

namespace {

// The gap between the cursor and the popup, so that the cursor hides none of it.
constexpr int kCursorGap = 16;

// Moves start so that [start, start + length) lies within [low, low + room); the low
// edge wins when it cannot.
int KeepWithin(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

// The popup's start on one axis: after the cursor, or before it when it would run past
// the far edge and there is more room before.
int BesideCursor(int length, int cursor, int low, int room) {
    const int after = cursor + kCursorGap;
    const int before = cursor - kCursorGap - length;
    const bool fitsAfter = after + length <= low + room;
    const int start = fitsAfter || cursor - low < low + room - cursor ? after : before;
    return KeepWithin(start, length, low, room);
}

} // namespace

ScreenPoint PlaceBesideCursor(int width, int height, ScreenPoint cursor,
                              const ScreenRect& available) {
    return {BesideCursor(width, cursor.x, available.left, available.width),
            BesideCursor(height, cursor.y, available.top, available.height)};
}

ScreenPoint CentreOver(int width, int height, const ScreenRect& owner,
                       const ScreenRect& available) {
    return {
        KeepWithin(owner.left + (owner.width - width) / 2, width, available.left, available.width),
        KeepWithin(owner.top + (owner.height - height) / 2, height, available.top,
                   available.height)};
}

} // namespace lumo
