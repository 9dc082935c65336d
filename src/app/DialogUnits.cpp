#include "DialogUnits.h"

#include <QFontMetrics>
#include <QString>

namespace lumo::qt {

namespace {

// Multiplies and divides with rounding to the nearest integer, halves away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

// The average character width is that of the 52 Latin letters, rounded, as the dialog
// templates were laid out with.
DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth_ = (letters + 26) / 52;
    baseHeight_ = metrics.height();
}

int DialogUnits::x(int units) const {
    return ScaleRounded(units, baseWidth_, 4);
}

int DialogUnits::y(int units) const {
    return ScaleRounded(units, baseHeight_, 8);
}

QRect DialogUnits::rect(const DialogRect& units) const {
    return QRect(x(units.x), y(units.y), x(units.width), y(units.height));
}

} // namespace lumo::qt
