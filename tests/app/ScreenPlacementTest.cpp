#include "PreviewTip.h"
#include "ProgressDialog.h"

#include <QGuiApplication>
#include <QProgressDialog>
#include <QScreen>
#include <QTest>

using lumo::qt::ImagePreview;

class ScreenPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void thePreviewStaysOnTheScreen_data();
    void thePreviewStaysOnTheScreen();
    void theProgressIsCentredOverItsOwner();
};

void ScreenPlacementTest::thePreviewStaysOnTheScreen_data() {
    QTest::addColumn<QPointF>("cursor"); // as a share of the screen's width and height
    QTest::newRow("top-left") << QPointF(0.01, 0.01);
    QTest::newRow("right edge") << QPointF(0.99, 0.5);
    QTest::newRow("bottom edge") << QPointF(0.5, 0.99);
    QTest::newRow("bottom-right corner") << QPointF(0.99, 0.99);
}

void ScreenPlacementTest::thePreviewStaysOnTheScreen() {
    QFETCH(QPointF, cursor);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint at(screen.x() + static_cast<int>(cursor.x() * screen.width()),
                    screen.y() + static_cast<int>(cursor.y() * screen.height()));
    QImage image(240, 120, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    lumo::qt::PreviewTip tip(nullptr);
    tip.showPreviews(QStringLiteral("/show/a.tsd"),
                     {ImagePreview{image, QSize(2400, 1200)}, ImagePreview{}}, at);
    QVERIFY(screen.contains(tip.frameGeometry()));
    QVERIFY(!tip.frameGeometry().contains(at));
}

void ScreenPlacementTest::theProgressIsCentredOverItsOwner() {
    QWidget owner;
    owner.setGeometry(40, 60, 500, 300);
    owner.show();
    lumo::qt::ProgressDialog progress(&owner);
    progress.open();
    progress.update({"1 / 1 件目をコピーしています", "/show/00/a.tsd", "1.0 KB コピー済み"}, 0.5);
    const auto* dialog = owner.findChild<QProgressDialog*>();
    QVERIFY(dialog != nullptr && dialog->isVisible() && dialog->isWindow());
    QCOMPARE(dialog->parentWidget(), &owner);
    const QPoint offset = dialog->frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

QTEST_MAIN(ScreenPlacementTest)
#include "ScreenPlacementTest.moc"
