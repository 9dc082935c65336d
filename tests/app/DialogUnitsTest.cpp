#include "DialogUnits.h"

#include <QTest>

using lumo::qt::DialogUnits;

class DialogUnitsTest : public QObject {
    Q_OBJECT
private slots:
    void convertsWithRounding_data();
    void convertsWithRounding();
    void baseUnitsFollowTheFont();
};

void DialogUnitsTest::convertsWithRounding_data() {
    QTest::addColumn<int>("baseWidth");
    QTest::addColumn<int>("baseHeight");
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");

    // Quarters and eighths of a unit round to the nearest pixel, halves upwards.
    QTest::newRow("exact multiples") << 8 << 16 << QRect(4, 8, 40, 16) << QRect(8, 16, 80, 32);
    QTest::newRow("list box, 7 x 15 font")
        << 7 << 15 << QRect(60, 46, 258, 109) << QRect(105, 86, 452, 204);
    QTest::newRow("halves round up") << 6 << 12 << QRect(1, 1, 3, 5) << QRect(2, 2, 5, 8);
    QTest::newRow("zero stays zero") << 9 << 19 << QRect(0, 0, 0, 0) << QRect(0, 0, 0, 0);
}

void DialogUnitsTest::convertsWithRounding() {
    QFETCH(int, baseWidth);
    QFETCH(int, baseHeight);
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);

    const DialogUnits converter(baseWidth, baseHeight);
    QCOMPARE(converter.rect({units.x(), units.y(), units.width(), units.height()}), pixels);
}

// A larger font gives larger units, and the width unit is the average letter width.
void DialogUnitsTest::baseUnitsFollowTheFont() {
    QFont small;
    small.setPixelSize(12);
    QFont large;
    large.setPixelSize(24);
    const DialogUnits smallUnits(small);
    const DialogUnits largeUnits(large);
    QVERIFY(largeUnits.baseWidth() > smallUnits.baseWidth());
    QCOMPARE(largeUnits.baseHeight(), QFontMetrics(large).height());
    const int letters = QFontMetrics(large).horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    QVERIFY(std::abs(largeUnits.baseWidth() * 52 - letters) <= 26);
}

QTEST_MAIN(DialogUnitsTest)
#include "DialogUnitsTest.moc"
