#include "exhibition/BuildRecords.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"

#include <cstdio>
#include <random>

namespace lumo {

namespace {

const std::string kRecordExtension = ".build";
constexpr int kNameAttempts = 16;

std::string RandomName() {
    std::random_device random;
    char digits[17];
    std::snprintf(digits, sizeof digits, "%08x%08x", static_cast<unsigned>(random()),
                  static_cast<unsigned>(random()));
    return digits + kRecordExtension;
}

bool IsRecordName(const std::string& name) {
    return name.size() > kRecordExtension.size() &&
           name.compare(name.size() - kRecordExtension.size(), kRecordExtension.size(),
                        kRecordExtension) == 0;
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

BuildRecords::BuildRecords(const std::string& stateFolder)
    : folder_(WithTrailingSeparator(stateFolder) + "builds") {}

FileResult BuildRecords::add(const std::string& folder, FileLock& record) const {
    CreateFolderWithParents(folder_);
    FileResult result;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        result =
            record.create(folder_ + kNativeSeparator + RandomName(), AbsolutePath(folder) + "\n");
        if (result.failure != FileFailure::Exists) {
            return result ? FlushFolder(folder_) : result;
        }
    }
    return result;
}

std::vector<RecoveryReport> BuildRecords::recover(IFileOperations& ops) const {
    std::vector<RecoveryReport> reports;
    for (const std::string& name : FolderEntryNames(folder_)) {
        FileLock record;
        if (name == "." || name == ".." || !record.acquire(folder_ + kNativeSeparator + name)) {
            continue;
        }
        // What a process that ended while creating a record left of it.
        if (!IsRecordName(name)) {
            record.remove();
            continue;
        }
        const std::string folder = FirstLine(record.contents());
        if (!IsFolder(folder)) {
            continue;
        }
        RecoveryReport report = RecoverFolder(folder, ops);
        // A build still running there holds a record of its own.
        const TransactionStatus status = report.result.status;
        const bool settled = status == TransactionStatus::Done || status == TransactionStatus::Busy;
        if (settled) {
            record.remove();
        }
        if (report.action != RecoveryAction::None || !settled) {
            reports.push_back(std::move(report));
        }
    }
    return reports;
}

} // namespace lumo
