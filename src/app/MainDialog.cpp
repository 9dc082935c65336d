#include "LumoDlg.h"

#include "AboutDlg.h"
#include "DialogFont.h"
#include "DialogUnits.h"
#include "DroppedFiles.h"
#include "EntryListBox.h"
#include "PreviewTip.h"
#include "StagingProgress.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>

#include <utility>

namespace lumo {

namespace {

constexpr int kTemplatePointSize = 14;
const char* const kAboutEntry = "バージョン情報 Lumo(&A)...";
const char* const kHint = "exhibition.tsd をドラッグすることで以前作成された展示用tsdファイルの"
                          "内容を読み込むことができます";

struct Placement {
    int x, y, width, height;
};

QLineEdit* AddEdit(QWidget* parent, const DialogUnits& units, Field id, Placement at,
                   Qt::Alignment alignment) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(static_cast<int>(id)));
    edit->setReadOnly(true);
    edit->setAlignment(alignment | Qt::AlignVCenter);
    edit->setGeometry(units.rect(at.x, at.y, at.width, at.height));
    return edit;
}

QPushButton* AddButton(QWidget* parent, const DialogUnits& units, int id, const char* caption,
                       Placement at) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(units.rect(at.x, at.y, at.width, at.height));
    return button;
}

QLabel* AddLabel(QWidget* parent, const DialogUnits& units, const char* caption, Placement at,
                 Qt::Alignment alignment) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setAlignment(alignment);
    label->setGeometry(units.rect(at.x, at.y, at.width, at.height));
    return label;
}

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

} // namespace

CLumoDlg::CLumoDlg(IMessageBox& messages, IFolderChooser& chooser, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      messages_(messages,
                [this] {
                    if (progress_) {
                        progress_->finish();
                    }
                }),
      model_(*this, messages_, chooser) {
    setWindowTitle(QStringLiteral(" Lumo"));
    setFont(DialogFont(kTemplatePointSize));
    CreateControls();
    setAcceptDrops(true);
    WatchChildren();
    previewTip_ = new PreviewTip(this);
    model_.Initialise();
}

// The controls in tab order, placed in dialog units of the dialog's font.
void CLumoDlg::CreateControls() {
    const DialogUnits units(font());
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    document_ = AddEdit(this, units, Field::Document, {44, 5, 274, 12}, Qt::AlignRight);
    thumbnail_ = AddEdit(this, units, Field::Thumbnail, {44, 18, 274, 12}, Qt::AlignRight);
    description_ = AddEdit(this, units, Field::Description, {44, 32, 274, 12}, Qt::AlignRight);

    list_ = new EntryListBox(this);
    list_->setObjectName(QStringLiteral("1004"));
    list_->setGeometry(units.rect(60, 46, 258, 109));
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { model_.LoadSelectedEntry(); });

    auto* remove = AddButton(this, units, 1005, "削除", {6, 83, 36, 15});
    connect(remove, &QPushButton::clicked, this, [this] { model_.DeleteSelectedEntry(); });
    auto* add = AddButton(this, units, 1006, "追加", {6, 57, 36, 15});
    connect(add, &QPushButton::clicked, this, [this] { model_.AddCurrentEntry(); });

    AddLabel(this, units, "tsdファイル", {5, 5, 37, 13}, right);
    AddLabel(this, units, "サムネイル", {5, 19, 37, 13}, right);
    AddLabel(this, units, "説明", {14, 33, 28, 13}, right);

    auto* build = AddButton(this, units, 1007, "tsd 作成", {6, 140, 36, 15});
    connect(build, &QPushButton::clicked, this, &CLumoDlg::BuildExhibition);

    count_ = AddEdit(this, units, Field::Count, {12, 122, 23, 14}, Qt::AlignLeft);
    AddLabel(this, units, "登録数", {8, 111, 27, 10}, Qt::AlignRight | Qt::AlignTop);
    AddLabel(this, units, kHint, {7, 158, 311, 12}, Qt::AlignLeft | Qt::AlignTop);

    auto* up = AddButton(this, units, 1010, "▲", {47, 46, 11, 37});
    connect(up, &QPushButton::clicked, this, [this] { model_.MoveSelectedEntryUp(); });
    auto* down = AddButton(this, units, 1011, "▼", {47, 118, 11, 37});
    connect(down, &QPushButton::clicked, this, [this] { model_.MoveSelectedEntryDown(); });

    setFixedSize(units.x(324), units.y(171));
}

// Drops, keys and right clicks are handled for the whole dialog, whichever control they
// reach: the read-only edits would otherwise refuse drops and pass Enter on.
void CLumoDlg::WatchChildren() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool CLumoDlg::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return FilterKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (model_.building() || DroppedFilePaths(drag->mimeData()->urls()).empty()) {
            drag->ignore();
        } else {
            drag->acceptProposedAction();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        std::vector<std::string> paths = DroppedFilePaths(drop->mimeData()->urls());
        if (paths.empty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // Handled once the drop has completed, so that a question the drop raises does
        // not keep the application the files came from waiting.
        QMetaObject::invokeMethod(
            this, [this, paths = std::move(paths)] { HandleDroppedPaths(paths); },
            Qt::QueuedConnection);
        return true;
    }
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        return ShowPreview(watched, help->pos()) || QDialog::eventFilter(watched, event);
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
        previewTip_->hide();
        return QDialog::eventFilter(watched, event);
    case QEvent::ContextMenu: {
        const std::unique_ptr<QMenu> menu = ContextMenuFor(qobject_cast<QWidget*>(watched));
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

// Hovering an entry of the list shows its thumbnail and description side by side;
// hovering the thumbnail or description field shows that image.
bool CLumoDlg::ShowPreview(QObject* watched, const QPoint& position) {
    auto* widget = qobject_cast<QWidget*>(watched);
    QString title;
    QStringList images;
    if (widget == list_->viewport()) {
        const int row = list_->row(list_->itemAt(position));
        if (row < 0 || row >= static_cast<int>(model_.entries().size())) {
            return false;
        }
        const ExhibitionEntry& entry = model_.entries()[static_cast<std::size_t>(row)];
        title = QString::fromStdString(entry.documentPath);
        images = {QString::fromStdString(entry.thumbnailPath),
                  QString::fromStdString(entry.descriptionPath)};
    } else if (widget == thumbnail_ || widget == description_) {
        title = static_cast<QLineEdit*>(widget)->text();
        images = {title};
    }
    if (title.isEmpty()) {
        return false;
    }
    QList<ImagePreview> shown;
    for (const QString& image : images) {
        shown.append(previews_.preview(image));
    }
    previewTip_->showPreviews(title, shown, widget->mapToGlobal(position));
    return true;
}

bool CLumoDlg::FilterKey(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        if (IsArrowKey(key.key())) {
            model_.SetArrowKeyPressed();
        }
        return false;
    }
}

void CLumoDlg::closeEvent(QCloseEvent* event) {
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void CLumoDlg::HandleDroppedPaths(const std::vector<std::string>& paths) {
    model_.HandleDroppedFiles(paths);
}

std::unique_ptr<QMenu> CLumoDlg::ContextMenuFor(QWidget* widget) {
    std::unique_ptr<QMenu> menu;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        menu.reset(edit->createStandardContextMenu());
    } else {
        menu = std::make_unique<QMenu>(this);
    }
    if (!menu->isEmpty()) {
        menu->addSeparator();
    }
    menu->addAction(QString::fromUtf8(kAboutEntry), this, &CLumoDlg::ShowAbout);
    return menu;
}

void CLumoDlg::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CLumoDlg::BuildExhibition() {
    if (model_.building()) {
        return;
    }
    StagingProgress progress(this);
    progress_ = &progress;
    model_.SetStagingObserver(
        [&progress](const StagingStatus& status) { progress.report(status); });
    model_.BuildExhibition();
    model_.SetStagingObserver({});
    progress_ = nullptr;
}

QLineEdit* CLumoDlg::FieldEdit(Field field) const {
    switch (field) {
    case Field::Document:
        return document_;
    case Field::Thumbnail:
        return thumbnail_;
    case Field::Description:
        return description_;
    case Field::Count:
        return count_;
    }
    return nullptr;
}

void CLumoDlg::setFieldText(Field field, const std::string& text) {
    if (QLineEdit* edit = FieldEdit(field)) {
        edit->setText(QString::fromStdString(text));
    }
}

// The list operations redraw the list box themselves; only the curator's own selection
// changes may reach LoadSelectedEntry, so programmatic changes are kept silent.
void CLumoDlg::clearList() {
    const QSignalBlocker silent(list_);
    list_->clear();
}

void CLumoDlg::appendListItem(const std::string& text) {
    const QSignalBlocker silent(list_);
    auto* item = new QListWidgetItem(QString::fromStdString(text), list_);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void CLumoDlg::selectListItem(int index) {
    const QSignalBlocker silent(list_);
    list_->setCurrentRow(index >= 0 && index < list_->count() ? index : -1);
}

int CLumoDlg::selectedListItem() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

// Edges included: a point on the right or bottom edge of the item's rectangle counts.
bool CLumoDlg::cursorInListItem(int index) const {
    if (index < 0 || index >= list_->count()) {
        return false;
    }
    const QPoint cursor = list_->viewport()->mapFromGlobal(QCursor::pos());
    const QRect item = list_->visualItemRect(list_->item(index));
    return cursor.x() >= item.left() && cursor.x() <= item.left() + item.width() &&
           cursor.y() >= item.top() && cursor.y() <= item.top() + item.height();
}

} // namespace lumo
