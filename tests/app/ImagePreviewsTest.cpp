#include "ImagePreviews.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using lumo::qt::ImagePreviews;

class ImagePreviewsTest : public QObject {
    Q_OBJECT
private slots:
    void fitsWithinTheBoundAndKeepsTheOriginalSize_data();
    void fitsWithinTheBoundAndKeepsTheOriginalSize();
    void aChangedFileIsDecodedAgain();
};

void ImagePreviewsTest::fitsWithinTheBoundAndKeepsTheOriginalSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("original");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("wide JPEG") << "w.jpg" << QSize(800, 400) << QSize(240, 120);
    QTest::newRow("tall PNG") << "t.png" << QSize(100, 300) << QSize(80, 240);
    QTest::newRow("small BMP stays") << "s.bmp" << QSize(50, 40) << QSize(50, 40);
    QTest::newRow("not an image") << "n.png" << QSize() << QSize();
}

void ImagePreviewsTest::fitsWithinTheBoundAndKeepsTheOriginalSize() {
    QFETCH(QString, name);
    QFETCH(QSize, original);
    QFETCH(QSize, shown);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (original.isValid()) {
        QImage image(original, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(path));
    } else {
        QFile text(path);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not an image") > 0);
    }
    ImagePreviews previews;
    for (int pass = 0; pass < 2; ++pass) {
        const lumo::qt::ImagePreview preview = previews.preview(path);
        QCOMPARE(preview.image.isNull(), !shown.isValid());
        if (shown.isValid()) {
            QCOMPARE(preview.image.size(), shown);
            QCOMPARE(preview.originalSize, original);
        }
    }
}

void ImagePreviewsTest::aChangedFileIsDecodedAgain() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.png");
    ImagePreviews previews;
    for (const QSize size : {QSize(300, 100), QSize(100, 300)}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        QVERIFY(image.save(path));
        QCOMPARE(previews.preview(path).originalSize, size);
    }
}

QTEST_GUILESS_MAIN(ImagePreviewsTest)
#include "ImagePreviewsTest.moc"
