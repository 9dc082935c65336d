#pragma once

#include "exhibition/Progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include <memory>

namespace lumo {

// The progress display of one build's staging: a modal progress dialog over the owner
// that appears only once copying has taken half a second, so small builds do not flicker.
// Every report lets the window repaint; user input waits until the build is over.
class StagingProgress {
public:
    explicit StagingProgress(QWidget* owner) : owner_(owner) {}
    ~StagingProgress();
    StagingProgress(const StagingProgress&) = delete;
    StagingProgress& operator=(const StagingProgress&) = delete;

    void report(const StagingStatus& status);
    // Takes the display down, for instance before a message box.
    void finish();

    bool visible() const { return dialog_ != nullptr && dialog_->isVisible(); }

private:
    QPointer<QWidget> owner_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace lumo
