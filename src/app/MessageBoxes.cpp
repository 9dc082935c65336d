#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextEdit>

namespace lumo::qt {

namespace {

constexpr int kDetailsWidth = 640;

int Run(QWidget* owner, QMessageBox::Icon icon, const std::string& text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
        const std::string& details = {}) {
    QMessageBox box(icon, QApplication::applicationName(), QString::fromStdString(text), buttons,
                    owner);
    if (!details.empty()) {
        box.setDetailedText(QString::fromStdString(details));
        // The details are one problem and its path a line: wide enough to read them.
        if (auto* lines = box.findChild<QTextEdit*>()) {
            lines->setMinimumWidth(kDetailsWidth);
            lines->setLineWrapMode(QTextEdit::NoWrap);
        }
    }
    box.setDefaultButton(defaultButton);
    box.setWindowModality(Qt::WindowModal);
    return box.exec();
}

} // namespace

void MessageBoxes::tell(MessageKind kind, const std::string& text) {
    const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Error     ? QMessageBox::Critical
                                                                    : QMessageBox::Warning;
    Run(owner_, icon, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxes::question(const std::string& summary, const std::string& details) {
    return Run(owner_, QMessageBox::Question, summary, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes, details) == QMessageBox::Yes;
}

} // namespace lumo::qt
