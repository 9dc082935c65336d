#pragma once

#include "ImagePreviews.h"
#include "model/DialogControls.h"
#include "model/MainDialogModel.h"
#include "platform/ProgressClosingMessageBox.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QMenu;

namespace lumo {

class EntryListBox;
class PreviewTip;
class StagingProgress;

// The main dialog: the controls of the entry list, each identified by its number as
// object name, wired to the dialog model. Messages and the folder choice go through the
// services it is given.
class CLumoDlg final : public QDialog, public IDialogControls {
    Q_OBJECT
public:
    CLumoDlg(IMessageBox& messages, IFolderChooser& chooser, QWidget* parent = nullptr);

    // Files handed over as if dropped, for instance from the command line.
    void HandleDroppedPaths(const std::vector<std::string>& paths);

    // The right-click menu for a control of the dialog (or the dialog itself).
    std::unique_ptr<QMenu> ContextMenuFor(QWidget* widget);

    MainDialogModel& model() { return model_; }

    void setFieldText(Field field, const std::string& text) override;
    void clearList() override;
    void appendListItem(const std::string& text) override;
    void selectListItem(int index) override;
    int selectedListItem() const override;
    bool cursorInListItem(int index) const override;

public slots:
    // Enter and Escape never close the dialog; only its close button does.
    void reject() override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void WatchChildren();
    bool FilterKey(const QKeyEvent& key);
    bool ShowPreview(QObject* watched, const QPoint& position);
    void BuildExhibition();
    void ShowAbout();
    QLineEdit* FieldEdit(Field field) const;

    // The running build's progress display, taken down before any message.
    StagingProgress* progress_ = nullptr;
    ProgressClosingMessageBox messages_;
    MainDialogModel model_;
    QLineEdit* document_ = nullptr;
    QLineEdit* thumbnail_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLineEdit* count_ = nullptr;
    EntryListBox* list_ = nullptr;
    ImagePreviews previews_;
    PreviewTip* previewTip_ = nullptr;
};

} // namespace lumo
