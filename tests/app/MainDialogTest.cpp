#include "AboutDlg.h"
#include "LumoDlg.h"
#include "PreviewTip.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using lumo::CLumoDlg;
using lumo::RecordingMessageBox;
using lumo::ScriptedFolderChooser;

namespace {

const char* const kSceneText = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<TessraFile version=\"1.35\">\n<body>\n"
                               "<drawGroup name=\"top\">\n</drawGroup>\n"
                               "</body>\n</TessraFile>\n";

// A scene document, a wide and a tall image in one folder.
struct ItemFiles {
    QString scene, wide, tall;
};

ItemFiles WriteItem(const QString& folder, const QString& name) {
    QDir().mkpath(folder);
    ItemFiles files{folder + "/" + name + ".tsd", folder + "/" + name + "_thumb.png",
                    folder + "/" + name + "_desc.png"};
    QFile scene(files.scene);
    if (!scene.open(QIODevice::WriteOnly) || scene.write(kSceneText) < 0) {
        qFatal("cannot write %s", qPrintable(files.scene));
    }
    QImage wide(32, 18, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    QImage tall(18, 32, QImage::Format_RGB32);
    tall.fill(Qt::darkRed);
    if (!wide.save(files.wide) || !tall.save(files.tall)) {
        qFatal("cannot write images in %s", qPrintable(folder));
    }
    return files;
}

QList<QUrl> Urls(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    return urls;
}

// Drags the URLs over target and drops them, as the platform would; false when the
// target refused the drag.
bool Drop(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

} // namespace

class MainDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dropFillsTheFields_data();
    void dropFillsTheFields();
    void remoteDragIsRefused();
    void buttonsReorderTheList_data();
    void buttonsReorderTheList();
    void enterAndEscapeLeaveTheDialogOpen_data();
    void enterAndEscapeLeaveTheDialogOpen();
    void closeButtonClosesTheDialog();
    void selectionChangeLoadsTheEntry_data();
    void selectionChangeLoadsTheEntry();
    void buildWritesTheDocument();
    void hoverShowsImagePreviews();
    void buildAsksOnceAboutProblems_data();
    void buildAsksOnceAboutProblems();
    void dropDuringBuildWaitsForTheBuild();
    void droppedExhibitionReloads_data();
    void droppedExhibitionReloads();
    void contextMenuEndsWithTheAboutEntry();
    void aboutBoxClosesOnOk();

private:
    QString text(const char* id) const { return dialog_->findChild<QLineEdit*>(id)->text(); }
    void click(const char* id) {
        QTest::mouseClick(dialog_->findChild<QPushButton*>(id), Qt::LeftButton);
    }
    QListWidget* list() const { return dialog_->findChild<QListWidget*>("1004"); }
    QStringList listTexts() const;
    void addItems(const QStringList& names);

    std::unique_ptr<QTemporaryDir> folder_;
    RecordingMessageBox messages_;
    ScriptedFolderChooser chooser_;
    std::unique_ptr<CLumoDlg> dialog_;
};

void MainDialogTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    messages_ = RecordingMessageBox();
    chooser_ = ScriptedFolderChooser();
    dialog_ = std::make_unique<CLumoDlg>(messages_, chooser_);
    dialog_->move(200, 150);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    // The mouse rests far from the list unless a test puts it there.
    QCursor::setPos(0, 0);
}

void MainDialogTest::cleanup() {
    dialog_.reset();
}

QStringList MainDialogTest::listTexts() const {
    QStringList texts;
    for (int i = 0; i < list()->count(); ++i) {
        texts << QFileInfo(list()->item(i)->text()).baseName();
    }
    return texts;
}

// Registers one item per name, each from its own folder, in the given order.
void MainDialogTest::addItems(const QStringList& names) {
    for (const QString& name : names) {
        const ItemFiles files = WriteItem(folder_->filePath(name), name);
        QVERIFY(Drop(dialog_.get(), Urls({files.scene, files.wide, files.tall})));
        click("1006");
    }
}

void MainDialogTest::dropFillsTheFields_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("dialog") << QString();
    QTest::newRow("read-only edit") << "1001";
    QTest::newRow("count field") << "1008";
    QTest::newRow("list box") << "1004";
    QTest::newRow("button") << "1007";
}

void MainDialogTest::dropFillsTheFields() {
    QFETCH(QString, target);
    QWidget* receiver = target.isEmpty() ? dialog_.get() : dialog_->findChild<QWidget*>(target);
    if (auto* view = qobject_cast<QAbstractScrollArea*>(receiver)) {
        receiver = view->viewport();
    }
    const ItemFiles files = WriteItem(folder_->path(), "scene");

    QVERIFY(Drop(receiver, Urls({files.tall, files.scene, files.wide})));
    QCOMPARE(text("1001"), files.scene);
    QCOMPARE(text("1002"), files.wide);
    QCOMPARE(text("1003"), files.tall);
    QCOMPARE(text("1008"), QString());

    click("1006");
    QCOMPARE(text("1008"), QStringLiteral("1"));
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->item(0)->text(), files.scene);
    QVERIFY(messages_.calls.empty());
}

void MainDialogTest::remoteDragIsRefused() {
    QVERIFY(!Drop(dialog_->findChild<QWidget*>("1001"),
                  {QUrl(QStringLiteral("https://example.org/scene.tsd"))}));
    QCOMPARE(text("1001"), QString());
}

void MainDialogTest::buttonsReorderTheList_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("count");

    // Three items a, b, c are added; c, the last added, starts selected.
    QTest::newRow("up") << QStringList{"1010"} << QStringList{"a", "c", "b"} << 1 << "3";
    QTest::newRow("up twice") << QStringList{"1010", "1010"} << QStringList{"c", "a", "b"} << 0
                              << "3";
    QTest::newRow("up at the top")
        << QStringList{"1010", "1010", "1010"} << QStringList{"c", "a", "b"} << 0 << "3";
    QTest::newRow("down at the bottom")
        << QStringList{"1011"} << QStringList{"a", "b", "c"} << 2 << "3";
    QTest::newRow("up then down") << QStringList{"1010", "1011"} << QStringList{"a", "b", "c"} << 2
                                  << "3";
    QTest::newRow("delete the last") << QStringList{"1005"} << QStringList{"a", "b"} << 1 << "2";
    QTest::newRow("delete after moving up")
        << QStringList{"1010", "1010", "1005"} << QStringList{"a", "b"} << 0 << "2";
    QTest::newRow("delete all") << QStringList{"1005", "1005", "1005"} << QStringList{} << -1
                                << "0";
}

void MainDialogTest::buttonsReorderTheList() {
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, order);
    QFETCH(int, selected);
    QFETCH(QString, count);

    addItems({"a", "b", "c"});
    for (const QString& id : clicks) {
        click(qPrintable(id));
    }
    QCOMPARE(listTexts(), order);
    QCOMPARE(list()->currentRow(), selected);
    QCOMPARE(list()->selectedItems().size(), selected == -1 ? 0 : 1);
    QCOMPARE(text("1008"), count);
    // The fields show the selected entry, or nothing once the list is empty.
    QCOMPARE(QFileInfo(text("1001")).baseName(), selected == -1 ? QString() : order[selected]);
}

void MainDialogTest::enterAndEscapeLeaveTheDialogOpen_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    for (const char* id : {"1001", "1004", "1006", "1007", "1008"}) {
        QTest::addRow("Return in %s", id) << id << int(Qt::Key_Return);
        QTest::addRow("Enter in %s", id) << id << int(Qt::Key_Enter);
        QTest::addRow("Escape in %s", id) << id << int(Qt::Key_Escape);
    }
}

void MainDialogTest::enterAndEscapeLeaveTheDialogOpen() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QWidget* widget = dialog_->findChild<QWidget*>(focus);
    widget->setFocus();

    QTest::keyClick(widget, Qt::Key(key));
    QCoreApplication::processEvents();
    QVERIFY(dialog_->isVisible());
    // A focused button is not pressed either: "追加" would complain, "tsd 作成" would
    // complain about the empty list.
    QVERIFY(messages_.calls.empty());
    QVERIFY(chooser_.startPaths.empty());
}

void MainDialogTest::closeButtonClosesTheDialog() {
    QSignalSpy finished(dialog_.get(), &QDialog::finished);
    QVERIFY(dialog_->close());
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(finished.count(), 1);
}

void MainDialogTest::selectionChangeLoadsTheEntry_data() {
    QTest::addColumn<bool>("cursorOnItem");
    QTest::addColumn<int>("arrowFirst");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("shown");

    // a, b, c are added, c is selected and shown; then item a becomes the selection.
    QTest::newRow("click, cursor on the item") << true << 0 << false << "a";
    QTest::newRow("click, cursor elsewhere") << false << 0 << false << "c";
    QTest::newRow("click after an arrow key in an edit")
        << false << int(Qt::Key_Left) << false << "a";
    QTest::newRow("click after an arrow key on a button")
        << false << int(Qt::Key_Right) << false << "a";
    QTest::newRow("Home key in the list, cursor elsewhere") << false << 0 << true << "c";
}

void MainDialogTest::selectionChangeLoadsTheEntry() {
    QFETCH(bool, cursorOnItem);
    QFETCH(int, arrowFirst);
    QFETCH(bool, byKey);
    QFETCH(QString, shown);

    addItems({"a", "b", "c"});
    QCOMPARE(QFileInfo(text("1001")).baseName(), QStringLiteral("c"));
    const QRect first = list()->visualItemRect(list()->item(0));
    if (cursorOnItem) {
        QCursor::setPos(list()->viewport()->mapToGlobal(first.center()));
    }
    if (arrowFirst != 0) {
        QTest::keyClick(dialog_->findChild<QWidget*>(arrowFirst == Qt::Key_Left ? "1001" : "1006"),
                        Qt::Key(arrowFirst));
    }
    if (byKey) {
        QTest::keyClick(list(), Qt::Key_Home);
    } else {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, first.center());
    }

    QCOMPARE(list()->currentRow(), 0);
    QCOMPARE(dialog_->model().selectedIndex(), 0);
    QCOMPARE(QFileInfo(text("1001")).baseName(), shown);
    QCOMPARE(QFileInfo(text("1002")).baseName(), shown + "_thumb");
}

void MainDialogTest::buildWritesTheDocument() {
    addItems({"a"});
    const QString target = folder_->filePath("show");
    QVERIFY(QDir().mkpath(target));
    chooser_.answers.push_back(QFile::encodeName(target).toStdString());

    click("1007");

    QVERIFY(QFileInfo::exists(target + "/exhibition.tsd"));
    QVERIFY(QFileInfo::exists(target + "/00/a.tsd"));
    QVERIFY(QFileInfo::exists(target + "/00/a_desc.png"));
    QCOMPARE(chooser_.startPaths.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(chooser_.startPaths[0]), folder_->filePath("a/a.tsd"));
    QVERIFY(!messages_.calls.empty());
    QCOMPARE(messages_.calls.back(),
             (RecordingMessageBox::Call{RecordingMessageBox::Kind::Information,
                                        "展示用tsdファイルを作成しました"}));
}

// A hovered entry shows both its images; a hovered image field shows that image.
void MainDialogTest::hoverShowsImagePreviews() {
    addItems({"a"});
    auto* tip = dialog_->findChild<lumo::PreviewTip*>();
    QVERIFY(tip != nullptr);
    auto pictures = [tip] {
        int count = 0;
        for (const QLabel* label : tip->findChildren<QLabel*>()) {
            count += label->pixmap().isNull() ? 0 : 1;
        }
        return count;
    };
    struct Hover {
        QWidget* widget;
        QPoint at;
        int pictures;
    };
    QWidget* viewport = list()->viewport();
    QWidget* thumbnail = dialog_->findChild<QLineEdit*>("1002");
    for (const Hover& hover : {Hover{viewport, list()->visualItemRect(list()->item(0)).center(), 2},
                               Hover{thumbnail, thumbnail->rect().center(), 1}}) {
        QHelpEvent event(QEvent::ToolTip, hover.at, hover.widget->mapToGlobal(hover.at));
        QCoreApplication::sendEvent(hover.widget, &event);
        QVERIFY(tip->isVisible());
        QCOMPARE(pictures(), hover.pictures);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(hover.widget, &leave);
        QVERIFY(!tip->isVisible());
    }
}

// The scene's only draw group is not named as a top group: one problem, asked about
// before the folder is chosen.
void MainDialogTest::buildAsksOnceAboutProblems_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes builds") << true;
    QTest::newRow("No chooses and writes nothing") << false;
}

void MainDialogTest::buildAsksOnceAboutProblems() {
    QFETCH(bool, yes);
    addItems({"a"});
    const QString target = folder_->filePath("show");
    QVERIFY(QDir().mkpath(target));
    chooser_.answers.push_back(QFile::encodeName(target).toStdString());
    messages_.answers = {yes};

    click("1007");

    const std::string scene = QFile::encodeName(folder_->filePath("a/a.tsd")).toStdString();
    QVERIFY(!messages_.calls.empty());
    QCOMPARE(
        messages_.calls.front(),
        (RecordingMessageBox::Call{
            RecordingMessageBox::Kind::Ask, "問題が 1 件見つかりました。このまま作成しますか？",
            "00　名前に Sur を含む描画グループがありません：" + scene + "（top を使います）\n"}));
    QCOMPARE(chooser_.startPaths.size(), std::size_t(yes ? 1 : 0));
    QCOMPARE(messages_.calls.size(), std::size_t(yes ? 2 : 1));
    QCOMPARE(QFileInfo::exists(target + "/exhibition.tsd"), yes);
    QCOMPARE(QFileInfo::exists(target + "/00"), yes);
}

// A message box whose OK lets a drop in, as the build's event processing would.
class DropWhileShowing final : public lumo::IMessageBox {
public:
    void show(const std::string& text) override {
        shown.push_back(text);
        if (onShow) {
            onShow();
        }
    }
    void showInformation(const std::string& text) override { show(text); }
    void showError(const std::string& text) override { shown.push_back(text); }
    bool ask(const std::string&) override { return true; }
    bool ask(const std::string&, const std::string&) override { return true; }

    std::vector<std::string> shown;
    std::function<void()> onShow;
};

void MainDialogTest::dropDuringBuildWaitsForTheBuild() {
    DropWhileShowing messages;
    CLumoDlg dialog(messages, chooser_);
    const ItemFiles first = WriteItem(folder_->filePath("a"), "a");
    dialog.HandleDroppedPaths(
        {first.scene.toStdString(), first.wide.toStdString(), first.tall.toStdString()});
    dialog.model().AddCurrentEntry();
    const ItemFiles second = WriteItem(folder_->filePath("b"), "b");
    chooser_.answers.push_back(folder_->filePath("show").toStdString());
    QVERIFY(QDir().mkpath(folder_->filePath("show")));
    auto* document = dialog.findChild<QLineEdit*>("1001");
    QString documentDuringBuild;
    messages.onShow = [&] {
        dialog.HandleDroppedPaths({second.scene.toStdString()});
        documentDuringBuild = document->text();
    };

    QTest::mouseClick(dialog.findChild<QPushButton*>("1007"), Qt::LeftButton);

    QCOMPARE(messages.shown, std::vector<std::string>{"展示用tsdファイルを作成しました"});
    QCOMPARE(documentDuringBuild, first.scene);
    QCOMPARE(document->text(), second.scene);
}

void MainDialogTest::droppedExhibitionReloads_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("count");

    // The drop holds exhibition.tsd and then a further scene document "late".
    QTest::newRow("yes") << true << QStringList{"first", "second"} << "late"
                         << "2";
    QTest::newRow("no") << false << QStringList{"kept"} << "kept"
                        << "1";
}

void MainDialogTest::droppedExhibitionReloads() {
    QFETCH(bool, answer);
    QFETCH(QStringList, order);
    QFETCH(QString, shown);
    QFETCH(QString, count);

    addItems({"kept"});
    const QString show = folder_->filePath("built");
    WriteItem(show + "/00", "first");
    WriteItem(show + "/01", "second");
    QFile exhibition(show + "/exhibition.tsd");
    QVERIFY(exhibition.open(QIODevice::WriteOnly));
    exhibition.close();
    const ItemFiles late = WriteItem(folder_->filePath("late"), "late");
    messages_.answers.push_back(answer);

    QVERIFY(
        Drop(dialog_->findChild<QWidget*>("1004"), Urls({show + "/exhibition.tsd", late.scene})));

    QCOMPARE(messages_.calls.size(), std::size_t(1));
    QCOMPARE(messages_.calls[0].kind, RecordingMessageBox::Kind::Ask);
    QCOMPARE(messages_.calls[0].text,
             std::string("以前作成された展示用tsdファイルが入力されました。\n読み込みますか？"));
    QCOMPARE(listTexts(), order);
    QCOMPARE(list()->currentRow(), 0);
    QCOMPARE(text("1008"), count);
    QCOMPARE(QFileInfo(text("1001")).baseName(), shown);
    // The images come from the first entry folder after a reload, from the earlier item
    // when the curator declined.
    QCOMPARE(QFileInfo(text("1002")).baseName(), order[0] + "_thumb");
}

void MainDialogTest::contextMenuEndsWithTheAboutEntry() {
    for (const char* id : {"1001", "1004", "1006"}) {
        const std::unique_ptr<QMenu> menu =
            dialog_->ContextMenuFor(dialog_->findChild<QWidget*>(id));
        const QList<QAction*> actions = menu->actions();
        QVERIFY(!actions.isEmpty());
        QCOMPARE(actions.back()->text(), QStringLiteral("バージョン情報 Lumo(&A)..."));
        // An edit keeps its own entries, set apart by a separator.
        const bool isEdit = qstrcmp(id, "1001") == 0;
        QCOMPARE(actions.size() > 1, isEdit);
        if (isEdit) {
            QVERIFY(actions[actions.size() - 2]->isSeparator());
        }
    }
    const std::unique_ptr<QMenu> own = dialog_->ContextMenuFor(dialog_.get());
    QCOMPARE(own->actions().size(), 1);
}

void MainDialogTest::aboutBoxClosesOnOk() {
    lumo::CAboutDlg about(dialog_.get());
    QCOMPARE(about.windowTitle(), QStringLiteral("バージョン情報 Lumo"));
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>("1"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

QTEST_MAIN(MainDialogTest)
#include "MainDialogTest.moc"
