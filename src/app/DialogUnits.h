#pragma once

#include "model/ControlTable.h"

#include <QFont>
#include <QRect>

namespace lumo::qt {

// Converts dialog-template units into pixels for one dialog font: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseWidth, int baseHeight) : baseWidth_(baseWidth), baseHeight_(baseHeight) {}

    int x(int units) const;
    int y(int units) const;
    QRect rect(const DialogRect& units) const;

    int baseWidth() const { return baseWidth_; }
    int baseHeight() const { return baseHeight_; }

private:
    int baseWidth_;
    int baseHeight_;
};

} // namespace lumo::qt
