#include "MainDialog.h"
#include "AboutDialog.h"
#include "DialogUnits.h"
#include "PreviewTip.h"
#include "ProgressDialog.h"
#include "core/exhibition/TransactionFixture.h"
#include "model/DialogLayout.h"
#include "platform/FileSystem.h"
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

using lumo::RecordingMessageBox;
using lumo::ScriptedFolderChooser;
using lumo::qt::MainDialog;

namespace {

const char* const kSceneText = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<TessraFile version=\"1.35\">\n<body>\n"
                               "<drawGroup name=\"Sur_top\">\n</drawGroup>\n"
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
    if (auto* view = qobject_cast<QAbstractScrollArea*>(target)) {
        target = view->viewport();
    }
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

// Records every message and runs a hook while a message is up (the build is then still
// running).
class HookedMessageBox final : public lumo::IMessageBox {
public:
    void tell(lumo::MessageKind kind, const std::string& text) override {
        record.tell(kind, text);
        if (kind == lumo::MessageKind::Warning && whileShowing) {
            whileShowing();
        }
    }
    bool question(const std::string& summary, const std::string& details) override {
        return record.question(summary, details);
    }

    RecordingMessageBox record;
    std::function<void()> whileShowing;
};

// One dialog on screen, with the files of its items in a folder of its own.
struct Window {
    Window() : dialog(messages, chooser, savedList()) {
        dialog.move(200, 150);
        dialog.show();
        // The mouse rests far from the list unless a row puts it there.
        QCursor::setPos(0, 0);
    }

    QWidget* control(int id) { return dialog.findChild<QWidget*>(QString::number(id)); }
    QString text(int id) { return qobject_cast<QLineEdit*>(control(id))->text(); }
    QString shown(int id) { return QFileInfo(text(id)).baseName(); }
    QListWidget* list() { return dialog.findChild<QListWidget*>(QString::number(IDC_ENTRY_LIST)); }
    void click(int id) { QTest::mouseClick(control(id), Qt::LeftButton); }
    void key(int id, Qt::Key key) {
        control(id)->setFocus();
        QTest::keyClick(control(id), key);
        QCoreApplication::processEvents();
    }
    QPoint firstItem() { return list()->visualItemRect(list()->item(0)).center(); }
    void clickFirstItem() {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, firstItem());
    }
    QStringList listed() {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i) {
            names << QFileInfo(list()->item(i)->text()).baseName();
        }
        return names;
    }
    // Registers one item per name, each from its own folder, in the given order.
    void addItems(const QStringList& names) {
        for (const QString& name : names) {
            const ItemFiles files = WriteItem(folder.filePath(name), name);
            QVERIFY(Drop(&dialog, Urls({files.scene, files.wide, files.tall})));
            click(IDC_ADD);
        }
    }
    int previewPictures() {
        int count = 0;
        auto* tip = dialog.findChild<lumo::qt::PreviewTip*>();
        for (const QLabel* label : tip->findChildren<QLabel*>()) {
            count += (tip->isVisible() && !label->pixmap().isNull()) ? 1 : 0;
        }
        return count;
    }
    void hover(QWidget* widget, const QPoint& at) {
        QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QCoreApplication::sendEvent(widget, &event);
    }

    std::string savedList() {
        return QFile::encodeName(folder.filePath("state/list.txt")).toStdString();
    }
    bool saved() { return QFileInfo::exists(folder.filePath("state/list.txt")); }

    QTemporaryDir folder;
    HookedMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialog dialog;
};

// An event reaching the window, and what it must lead to.
struct Row {
    QString name;
    std::function<void(Window&)> event;
    std::function<void(Window&)> effect;
};

std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (const int target : {0, IDC_DOCUMENT, IDC_COUNT, IDC_ENTRY_LIST, IDC_BUILD}) {
        rows.push_back({"drop on control " + QString::number(target) + " fills the fields",
                        [target](Window& w) {
                            const ItemFiles files = WriteItem(w.folder.path(), "scene");
                            QWidget* at = target == 0 ? &w.dialog : w.control(target);
                            QVERIFY(Drop(at, Urls({files.tall, files.scene, files.wide})));
                        },
                        [](Window& w) {
                            QCOMPARE(w.shown(IDC_DOCUMENT), QStringLiteral("scene"));
                            QCOMPARE(w.shown(IDC_THUMBNAIL), QStringLiteral("scene_thumb"));
                            QCOMPARE(w.shown(IDC_DESCRIPTION), QStringLiteral("scene_desc"));
                            QCOMPARE(w.text(IDC_COUNT), QStringLiteral("0"));
                        }});
    }
    rows.push_back({"a web address is refused at the drag",
                    [](Window& w) {
                        QVERIFY(!Drop(w.control(IDC_DOCUMENT),
                                      {QUrl(QStringLiteral("https://example.org/a.tsd"))}));
                    },
                    [](Window& w) { QCOMPARE(w.text(IDC_DOCUMENT), QString()); }});
    rows.push_back({"a drag while a build runs is refused",
                    [](Window& w) {
                        w.addItems({"a"});
                        const ItemFiles late = WriteItem(w.folder.filePath("late"), "late");
                        w.chooser.answers.push_back(w.folder.filePath("show").toStdString());
                        QVERIFY(QDir().mkpath(w.folder.filePath("show")));
                        w.messages.whileShowing = [&w, late] {
                            QVERIFY(!Drop(&w.dialog, Urls({late.scene})));
                        };
                        w.click(IDC_BUILD);
                    },
                    [](Window& w) { QCOMPARE(w.shown(IDC_DOCUMENT), QStringLiteral("a")); }});
    rows.push_back({"追加 registers the entry",
                    [](Window& w) {
                        w.addItems({"a", "b"});
                    },
                    [](Window& w) {
                        QCOMPARE(w.listed(), (QStringList{"a", "b"}));
                        QCOMPARE(w.text(IDC_COUNT), QStringLiteral("2"));
                    }});
    rows.push_back({"▲ and 削除 reach their commands",
                    [](Window& w) {
                        w.addItems({"a", "b", "c"});
                        w.click(IDC_UP);
                        w.click(IDC_DELETE);
                    },
                    [](Window& w) {
                        QCOMPARE(w.listed(), (QStringList{"a", "b"}));
                        QCOMPARE(w.shown(IDC_DOCUMENT), QStringLiteral("b"));
                    }});
    rows.push_back({"tsd 作成 builds into the chosen folder",
                    [](Window& w) {
                        w.addItems({"a"});
                        w.chooser.answers.push_back(
                            QFile::encodeName(w.folder.filePath("show")).toStdString());
                        QVERIFY(QDir().mkpath(w.folder.filePath("show")));
                        w.click(IDC_BUILD);
                    },
                    [](Window& w) {
                        QVERIFY(QFileInfo::exists(w.folder.filePath("show/exhibition.tsd")));
                        QVERIFY(QFileInfo::exists(w.folder.filePath("show/00/a_desc.png")));
                        QCOMPARE(w.chooser.startPaths.at(0), lumo::HomeFolder());
                        QCOMPARE(w.messages.record.texts(),
                                 std::vector<std::string>{"展示用tsdファイルを作成しました"});
                    }});
    // a, b, c are added and c is shown; then the first item is picked.
    const struct {
        const char* name;
        bool cursorOnItem;
        int arrowIn;
        Qt::Key arrow;
        const char* shown;
    } picks[] = {{"a click on an item loads it", true, 0, Qt::Key_unknown, "a"},
                 {"a click with the cursor elsewhere does not", false, 0, Qt::Key_unknown, "c"},
                 {"an arrow key in an edit lets it load", false, IDC_DOCUMENT, Qt::Key_Left, "a"},
                 {"an arrow key on a button lets it load", false, IDC_ADD, Qt::Key_Down, "a"},
                 {"Home in the list is no arrow key", false, IDC_ENTRY_LIST, Qt::Key_Home, "c"}};
    for (const auto& pick : picks) {
        rows.push_back({pick.name,
                        [pick](Window& w) {
                            w.addItems({"a", "b", "c"});
                            if (pick.cursorOnItem) {
                                QCursor::setPos(w.list()->viewport()->mapToGlobal(w.firstItem()));
                            }
                            if (pick.arrowIn != 0) {
                                w.key(pick.arrowIn, pick.arrow);
                            }
                            w.list()->setFocus();
                            w.clickFirstItem();
                        },
                        [pick](Window& w) {
                            QCOMPARE(w.list()->currentRow(), 0);
                            QCOMPARE(w.shown(IDC_DOCUMENT), QString::fromUtf8(pick.shown));
                        }});
    }
    for (const int id : {IDC_DOCUMENT, IDC_ENTRY_LIST, IDC_ADD, IDC_BUILD, IDC_COUNT}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            rows.push_back({QStringLiteral("key %1 in control %2 does nothing").arg(key).arg(id),
                            [id, key](Window& w) { w.key(id, key); },
                            [](Window& w) {
                                QVERIFY(w.dialog.isVisible());
                                // A focused button is not pressed either: both would speak up.
                                QVERIFY(w.messages.record.calls.empty());
                                QVERIFY(w.chooser.startPaths.empty());
                            }});
        }
    }
    rows.push_back({"the close button closes the dialog",
                    [](Window& w) { QVERIFY(w.dialog.close()); },
                    [](Window& w) {
                        QVERIFY(!w.dialog.isVisible());
                        QCOMPARE(w.dialog.result(), int(QDialog::Rejected));
                        QVERIFY(w.messages.record.calls.empty());
                    }});
    for (const bool yes : {true, false}) {
        rows.push_back({yes ? "closing with unbuilt items asks; Yes closes and forgets them"
                            : "closing with unbuilt items asks; No keeps the window",
                        [yes](Window& w) {
                            w.addItems({"a"});
                            QTRY_VERIFY(w.saved());
                            w.messages.record.answers = {yes};
                            QCOMPARE(w.dialog.close(), yes);
                        },
                        [yes](Window& w) {
                            QCOMPARE(w.messages.record.texts(),
                                     std::vector<std::string>{
                                         "登録した内容はまだ展示になっていません。終了しますか？"});
                            QCOMPARE(w.dialog.isVisible(), !yes);
                            QCOMPARE(w.saved(), !yes);
                        }});
    }
    rows.push_back(
        {"a list kept at logout comes back at the next start",
         [](Window& w) {
             w.addItems({"a", "b"});
             w.dialog.model().FlushNow();
         },
         [](Window& w) {
             HookedMessageBox messages;
             MainDialog next(messages, w.chooser, w.savedList());
             next.model().RestoreSavedList();
             QCOMPARE(messages.record.texts(),
                      std::vector<std::string>{"前回の登録内容が残っています。復元しますか？"});
             QCOMPARE(next.findChild<QListWidget*>()->count(), 2);
             QCOMPARE(next.findChild<QLineEdit*>(QString::number(IDC_COUNT))->text(),
                      QStringLiteral("2"));
         }});
    rows.push_back(
        {"at start a build killed after its commit is finished and told; builds are recorded",
         [](Window& w) {
             const std::string state = w.folder.filePath("state").toStdString();
             const lumo::BuildRecords records(state);
             const lumo::test::ExhibitionFolders killed(1);
             lumo::test::KillAfterCommit(killed, records);
             w.dialog.model().SettleInterruptedBuilds(records);
             QCOMPARE(lumo::test::ReadFile(killed.show() + "/exhibition.tsd"), "new document");
             QCOMPARE(w.messages.record.calls,
                      (std::vector<RecordingMessageBox::Call>{
                          {RecordingMessageBox::Kind::Information,
                           "中断された作成を最後まで済ませました\n" +
                               lumo::WithTrailingSeparator(killed.show())}}));
             int recorded = 0;
             w.dialog.model().SetStagingObserver(
                 [&](const lumo::StagingStatus&) { recorded = lumo::test::RecordedBuilds(state); });
             w.addItems({"a"});
             w.chooser.answers.push_back(w.folder.filePath("show").toStdString());
             w.click(IDC_BUILD);
             QCOMPARE(recorded, 1);
             QCOMPARE(lumo::test::RecordedBuilds(state), 0);
         },
         [](Window& w) { QVERIFY(QFileInfo::exists(w.folder.filePath("show/exhibition.tsd"))); }});
    rows.push_back({"hovering an entry previews both its images",
                    [](Window& w) {
                        w.addItems({"a"});
                        w.hover(w.list()->viewport(), w.firstItem());
                    },
                    [](Window& w) { QCOMPARE(w.previewPictures(), 2); }});
    rows.push_back({"hovering the thumbnail field previews it; leaving hides it",
                    [](Window& w) {
                        w.addItems({"a"});
                        w.hover(w.control(IDC_THUMBNAIL),
                                w.control(IDC_THUMBNAIL)->rect().center());
                        QCOMPARE(w.previewPictures(), 1);
                        QEvent leave(QEvent::Leave);
                        QCoreApplication::sendEvent(w.control(IDC_THUMBNAIL), &leave);
                    },
                    [](Window& w) { QCOMPARE(w.previewPictures(), 0); }});
    return rows;
}

} // namespace

class MainDialogTest : public QObject {
    Q_OBJECT
private slots:
    void eventsReachTheModel_data();
    void eventsReachTheModel();
    void controlsSitWhereTheLayoutPutsThem();
    void contextMenuEndsWithTheAboutEntry();
    void aboutBoxClosesOnOk();
    void progressDialogShowsWhatItIsTold();
};

void MainDialogTest::eventsReachTheModel_data() {
    QTest::addColumn<int>("row");
    const std::vector<Row> rows = Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QTest::newRow(qPrintable(rows[i].name)) << static_cast<int>(i);
    }
}

void MainDialogTest::eventsReachTheModel() {
    QFETCH(int, row);
    const Row tested = Rows()[static_cast<std::size_t>(row)];
    Window window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.dialog));
    tested.event(window);
    if (!QTest::currentTestFailed()) {
        tested.effect(window);
    }
}

void MainDialogTest::controlsSitWhereTheLayoutPutsThem() {
    Window window;
    const lumo::qt::DialogUnits units(window.dialog.font());
    for (const lumo::DialogControl& control : lumo::kMainDialogControls) {
        if (control.id == lumo::kNoControlId) {
            continue;
        }
        const QWidget* widget = window.control(control.id);
        QVERIFY2(widget != nullptr, qPrintable(QString::number(control.id)));
        QCOMPARE(widget->geometry(), units.rect(control.rect));
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            QCOMPARE(button->text(), QString::fromUtf8(control.caption));
        }
    }
    QCOMPARE(window.dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size(), 5);
    QCOMPARE(window.dialog.size(), units.rect(lumo::kMainDialogRect).size());
    QCOMPARE(window.dialog.windowTitle(), QStringLiteral(" Lumo"));
}

void MainDialogTest::contextMenuEndsWithTheAboutEntry() {
    Window window;
    for (const int id : {IDC_DOCUMENT, IDC_ENTRY_LIST, IDC_ADD, 0}) {
        const std::unique_ptr<QMenu> menu =
            window.dialog.ContextMenuFor(id == 0 ? &window.dialog : window.control(id));
        const QList<QAction*> actions = menu->actions();
        QVERIFY(!actions.isEmpty());
        QCOMPARE(actions.back()->text(), QStringLiteral("バージョン情報 Lumo(&A)..."));
        // An edit keeps its own entries, set apart by a separator.
        QCOMPARE(actions.size() > 1, id == IDC_DOCUMENT);
        if (id == IDC_DOCUMENT) {
            QVERIFY(actions[actions.size() - 2]->isSeparator());
        }
    }
}

void MainDialogTest::aboutBoxClosesOnOk() {
    lumo::qt::AboutDialog about;
    QCOMPARE(about.windowTitle(), QStringLiteral("バージョン情報 Lumo"));
    QVERIFY(about.findChild<QLabel*>(QString::number(IDC_ABOUT_VERSION))
                ->text()
                .startsWith(QStringLiteral("Lumo バージョン ")));
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>(QString::number(IDC_ABOUT_OK)), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void MainDialogTest::progressDialogShowsWhatItIsTold() {
    QWidget owner;
    owner.resize(600, 300);
    lumo::qt::ProgressDialog progress(&owner);
    progress.open();
    progress.update({"2 / 4 件目をコピーしています", "/show/01/scene.tsd", "1.5 KB コピー済み"},
                    0.25);
    auto* shown = owner.findChild<QProgressDialog*>();
    QVERIFY(shown != nullptr && shown->isVisible());
    QCOMPARE(shown->labelText(), QStringLiteral("2 / 4 件目をコピーしています\n/show/01/"
                                                "scene.tsd\n1.5 KB コピー済み"));
    QCOMPARE(shown->value(), shown->maximum() / 4);
    progress.close();
    QVERIFY(owner.findChild<QProgressDialog*>() == nullptr);
}

QTEST_MAIN(MainDialogTest)
#include "MainDialogTest.moc"
