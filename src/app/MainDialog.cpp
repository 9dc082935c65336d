#include "MainDialog.h"

#include "AboutDialog.h"
#include "DialogFont.h"
#include "DialogUnits.h"
#include "DroppedFiles.h"
#include "EntryListWidget.h"
#include "PreviewTip.h"
#include "model/ControlTable.h"
#include "model/DialogInput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

#include <utility>

namespace lumo::qt {

namespace {

Qt::Alignment AlignmentOf(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::RightCentred:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

DialogKey KeyOf(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return DialogKey::Enter;
    case Qt::Key_Escape:
        return DialogKey::Escape;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return DialogKey::Arrow;
    default:
        return DialogKey::Other;
    }
}

} // namespace

MainDialog::MainDialog(IMessageBox& messages, IFolderChooser& chooser,
                       const std::string& savedListPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      progress_(this), model_(*this, messages, chooser, savedListPath) {
    setWindowTitle(QStringLiteral(IDD_LUMO_DIALOG_CAPTION));
    setFont(DialogFont(IDD_LUMO_DIALOG_FONT_POINTS));
    CreateControls();
    setAcceptDrops(true);
    WatchChildren();
    previewTip_ = new PreviewTip(this);
    model_.SetProgressDisplay(&progress_);
    flushTimer_.setSingleShot(true);
    connect(&flushTimer_, &QTimer::timeout, this, [this] { model_.Flush(); });
    model_.SetFlushTimer([this](std::chrono::milliseconds delay) { flushTimer_.start(delay); });
    // At logout the list is written and kept: the session did not close the window.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { model_.FlushNow(); });
    model_.Initialise();
}

// The controls in tab order, placed in dialog units of the dialog's font.
void MainDialog::CreateControls() {
    const DialogUnits units(font());
    for (const DialogControl& control : kMainDialogControls) {
        QWidget* widget = CreateControl(control);
        widget->setGeometry(units.rect(control.rect));
        if (control.id != kNoControlId) {
            widget->setObjectName(QString::number(control.id));
        }
    }
    const QRect size = units.rect(kMainDialogRect);
    setFixedSize(size.width(), size.height());
}

QWidget* MainDialog::CreateControl(const DialogControl& control) {
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setAlignment((AlignmentOf(control.align) & Qt::AlignHorizontal_Mask) |
                           Qt::AlignVCenter);
        fields_.insert(control.id, edit);
        return edit;
    }
    case ControlKind::ListBox:
        list_ = new EntryListWidget(this);
        connect(list_, &QListWidget::itemSelectionChanged, this,
                [this] { model_.LoadSelectedEntry(); });
        return list_;
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, id = control.id] { ClickButton(model_, id); });
        return button;
    }
    case ControlKind::Label:
        break;
    }
    auto* label = new QLabel(caption, this);
    label->setAlignment(AlignmentOf(control.align));
    return label;
}

// Drops, keys and right clicks are handled for the whole dialog, whichever control they
// reach: the read-only edits would otherwise refuse drops and pass Enter on.
void MainDialog::WatchChildren() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return SwallowKeyDown(model_, KeyOf(static_cast<const QKeyEvent*>(event)->key()));
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
bool MainDialog::ShowPreview(QObject* watched, const QPoint& position) {
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
    } else if (widget == fields_.value(IDC_THUMBNAIL) || widget == fields_.value(IDC_DESCRIPTION)) {
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

// The curator's No to losing unbuilt items keeps the window open.
void MainDialog::closeEvent(QCloseEvent* event) {
    if (!model_.MayClose()) {
        event->ignore();
        return;
    }
    model_.Closed();
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void MainDialog::HandleDroppedPaths(const std::vector<std::string>& paths) {
    model_.HandleDroppedFiles(paths);
}

std::unique_ptr<QMenu> MainDialog::ContextMenuFor(QWidget* widget) {
    std::unique_ptr<QMenu> menu;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        menu.reset(edit->createStandardContextMenu());
    } else {
        menu = std::make_unique<QMenu>(this);
    }
    if (!menu->isEmpty()) {
        menu->addSeparator();
    }
    menu->addAction(QStringLiteral(IDS_ABOUTBOX_TEXT), this, &MainDialog::ShowAbout);
    return menu;
}

void MainDialog::ShowAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainDialog::setFieldText(Field field, const std::string& text) {
    if (QLineEdit* edit = fields_.value(static_cast<int>(field))) {
        edit->setText(QString::fromStdString(text));
    }
}

} // namespace lumo::qt
