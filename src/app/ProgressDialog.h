#pragma once

#include "platform/ProgressDisplay.h"

#include <QPointer>
#include <QProgressDialog>

#include <memory>

namespace lumo::qt {

// A build's progress in a modal progress dialog over the owner, without a cancel button:
// staging cannot stop half-way without leaving a broken exhibition. While a build runs the
// window repaints; the curator's input waits until the build is over.
class ProgressDialog final : public IProgressDisplay {
public:
    explicit ProgressDialog(QWidget* owner) : owner_(owner) {}
    ~ProgressDialog() override { close(); }
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    void open() override;
    void update(const ProgressText& text, double fraction) override;
    void close() override;
    void processEvents() override;

private:
    QPointer<QWidget> owner_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace lumo::qt
