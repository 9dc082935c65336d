#pragma once

#include "EntryListWidget.h"
#include "ImagePreviews.h"
#include "ProgressDialog.h"
#include "model/ControlTable.h"
#include "model/DialogControls.h"
#include "model/MainDialogModel.h"

#include <QDialog>
#include <QHash>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QMenu;

namespace lumo::qt {

class PreviewTip;

// The main dialog: the controls of the dialog's layout table, each named by its control
// identifier, wired to the dialog model. Messages and the folder choice go through the
// services it is given. Given a saved-list path, it keeps the list there between runs.
class MainDialog final : public QDialog, public IDialogControls {
    Q_OBJECT
public:
    MainDialog(IMessageBox& messages, IFolderChooser& chooser,
               const std::string& savedListPath = {}, QWidget* parent = nullptr);

    // Files handed over as if dropped, for instance from the command line.
    void HandleDroppedPaths(const std::vector<std::string>& paths);

    // The right-click menu for a control of the dialog (or the dialog itself).
    std::unique_ptr<QMenu> ContextMenuFor(QWidget* widget);

    MainDialogModel& model() { return model_; }

    void setFieldText(Field field, const std::string& text) override;
    void clearList() override { list_->clearSilently(); }
    void appendListItem(const std::string& text) override { list_->appendSilently(text); }
    void selectListItem(int index) override { list_->selectSilently(index); }
    int selectedListItem() const override { return list_->selectedRow(); }
    bool cursorInListItem(int index) const override { return list_->cursorInRow(index); }

public slots:
    // Enter and Escape never close the dialog; only its close button does.
    void reject() override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateControl(const DialogControl& control);
    void WatchChildren();
    bool ShowPreview(QObject* watched, const QPoint& position);
    void ShowAbout();

    ProgressDialog progress_;
    MainDialogModel model_;
    QTimer flushTimer_;
    QHash<int, QLineEdit*> fields_;
    EntryListWidget* list_ = nullptr;
    ImagePreviews previews_;
    PreviewTip* previewTip_ = nullptr;
};

} // namespace lumo::qt
