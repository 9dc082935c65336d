#include "exhibition/StartupRecovery.h"

#include "exhibition/TransactionText.h"

namespace lumo {

void RecoverInterruptedBuilds(const BuildRecords& records, IFileOperations& ops,
                              IMessageBox& messages) {
    std::string settled;
    std::string failed;
    for (const RecoveryReport& report : records.recover(ops)) {
        const std::string text = RecoveryText(report);
        if (text.empty()) {
            continue;
        }
        std::string& told = report.result.ok() ? settled : failed;
        told += (told.empty() ? "" : "\n") + text;
    }
    if (!settled.empty()) {
        messages.showInformation(settled);
    }
    if (!failed.empty()) {
        messages.showError(failed);
    }
}

} // namespace lumo
