#include "exhibition/StartupRecovery.h"

#include "exhibition/TransactionText.h"

namespace lumo {

void RecoverInterruptedBuilds(const BuildRecords& records, IFileOperations& ops,
                              IMessageBox& messages) {
    for (const RecoveryReport& report : records.recover(ops)) {
        const std::string text = RecoveryText(report);
        if (text.empty()) {
            continue;
        }
        if (report.result.ok()) {
            messages.show(text);
        } else {
            messages.showError(text);
        }
    }
}

} // namespace lumo
