#include "CommandLine.h"

#include <QDir>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void filesBecomeOneDrop_data();
    void filesBecomeOneDrop();
};

void CommandLineTest::filesBecomeOneDrop_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("information");
    QTest::addColumn<QStringList>("files");

    const QString here = QDir::currentPath();
    QTest::newRow("none") << QStringList{} << false << QStringList{};
    QTest::newRow("absolute, in order") << QStringList{"/show/b.png", "/show/a.tsd"} << false
                                        << QStringList{"/show/b.png", "/show/a.tsd"};
    QTest::newRow("relative made absolute")
        << QStringList{"a.tsd", "../up.jpg"} << false
        << QStringList{here + "/a.tsd", QDir::cleanPath(here + "/../up.jpg")};
    QTest::newRow("a name like an option after --")
        << QStringList{"--", "-a.tsd"} << false << QStringList{here + "/-a.tsd"};
    QTest::newRow("--help") << QStringList{"--help"} << true << QStringList{};
    QTest::newRow("-v among files") << QStringList{"a.tsd", "-v"} << true << QStringList{};
    // Left to the toolkit's own parse, which takes -platform out first.
    QTest::newRow("toolkit option with --version")
        << QStringList{"-platform", "offscreen", "--version"} << false << QStringList{};
}

void CommandLineTest::filesBecomeOneDrop() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, information);
    QFETCH(QStringList, files);
    arguments.prepend(QStringLiteral("lumo"));

    lumo::qt::CommandLine commandLine;
    QCOMPARE(commandLine.asksForInformation(arguments), information);
    if (information || arguments.contains(QStringLiteral("-platform"))) {
        return;
    }
    QStringList paths;
    for (const std::string& path : commandLine.files(arguments)) {
        paths << QString::fromStdString(path);
    }
    QCOMPARE(paths, files);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
