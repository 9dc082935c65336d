#include "DroppedFiles.h"

#include <QTest>

using lumo::qt::DroppedFilePaths;

class DroppedFilesTest : public QObject {
    Q_OBJECT
private slots:
    void keepsLocalFilesInOrder_data();
    void keepsLocalFilesInOrder();
};

void DroppedFilesTest::keepsLocalFilesInOrder_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QStringList>("expected");

    const QUrl scene = QUrl::fromLocalFile(QStringLiteral("/show/a.tsd"));
    const QUrl wide = QUrl::fromLocalFile(QStringLiteral("/show/wide.jpg"));
    const QUrl tall = QUrl::fromLocalFile(QStringLiteral("/show/tall.png"));
    const QUrl web = QUrl(QStringLiteral("https://example.org/a.tsd"));
    const QUrl share = QUrl(QStringLiteral("smb://server/share/b.png"));

    QTest::newRow("empty") << QList<QUrl>{} << QStringList{};
    QTest::newRow("drop order kept, not sorted")
        << QList<QUrl>{tall, scene, wide}
        << QStringList{"/show/tall.png", "/show/a.tsd", "/show/wide.jpg"};
    QTest::newRow("only remote") << QList<QUrl>{web, share} << QStringList{};
    QTest::newRow("remote left out between local ones")
        << QList<QUrl>{scene, web, wide, share} << QStringList{"/show/a.tsd", "/show/wide.jpg"};
    QTest::newRow("japanese and spaces as UTF-8")
        << QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/展示/説明 画像.png"))}
        << QStringList{QStringLiteral("/展示/説明 画像.png")};
    QTest::newRow("percent-encoded file URL")
        << QList<QUrl>{QUrl(QStringLiteral("file:///show/my%20scene.tsd"))}
        << QStringList{"/show/my scene.tsd"};
}

void DroppedFilesTest::keepsLocalFilesInOrder() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(QStringList, expected);

    QStringList actual;
    for (const std::string& path : DroppedFilePaths(urls)) {
        actual << QString::fromStdString(path);
    }
    QCOMPARE(actual, expected);
}

QTEST_GUILESS_MAIN(DroppedFilesTest)
#include "DroppedFilesTest.moc"
