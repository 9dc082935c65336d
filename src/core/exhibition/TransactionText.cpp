#include "exhibition/TransactionText.h"

#include "entry/EntryNumber.h"

namespace lumo {

namespace {

const char* StepText(TransactionStep step) {
    switch (step) {
    case TransactionStep::Claim:
        return "作業フォルダの確保";
    case TransactionStep::WorkingFolder:
        return "作業フォルダの作成";
    case TransactionStep::Staged:
        return "作成した展示の確認";
    case TransactionStep::Flush:
        return "ディスクへの書き込み";
    case TransactionStep::Journal:
        return "作業記録の書き込み";
    case TransactionStep::MoveAside:
        return "元の展示の移動";
    case TransactionStep::MoveIn:
        return "新しい展示の配置";
    case TransactionStep::Replace:
        return "exhibition.tsd の置き換え";
    case TransactionStep::MoveBack:
        return "元の展示の復元";
    case TransactionStep::Cleanup:
        return "作業フォルダの削除";
    }
    return "";
}

std::string Outcome(TransactionStatus status) {
    return status == TransactionStatus::Pending
               ? "保存先フォルダは次に Lumo を起動したときに元の状態に戻ります"
               : "保存先フォルダは変更されていません";
}

} // namespace

std::string TransactionFailureText(const TransactionResult& result,
                                   const std::string& exhibitionFolder) {
    if (result.status == TransactionStatus::Busy) {
        return "エラー　このフォルダには別の展示を作成中です\n" + exhibitionFolder +
               "\n作成が終わってから、もう一度作成してください";
    }
    std::string text;
    if (result.file.failure == FileFailure::InUse) {
        text = "エラー　" + result.path +
               " を他のプログラムが使用中です\nビューアなどで展示を開いているときは閉じて、"
               "もう一度作成してください\n";
    } else {
        text = std::string("エラー　") + StepText(result.step) + "に失敗しました\n" + result.path +
               "\n";
    }
    if (!result.file.reason.empty()) {
        text += result.file.reason + "\n";
    }
    return text + Outcome(result.status);
}

std::string StagingFailureText(const StagingResult& staging, const std::string& stagingFolder,
                               const std::string& exhibitionFolder) {
    if (staging.failures.empty() || staging.details.empty()) {
        return {};
    }
    const StagingFailure& failure = staging.failures.front();
    const StagingDetail& detail = staging.details.front();
    std::string text = "エラー　" + detail.message + "\n";
    if (failure.step != StagingStep::UpImage && failure.step != StagingStep::DownImage) {
        text += "項目: " + EntryNumber(failure.entry) + "\n";
    }
    if (!detail.source.empty()) {
        text += "作成元: " + detail.source + "\n";
    }
    std::string target = detail.target;
    if (target.compare(0, stagingFolder.size(), stagingFolder) == 0) {
        target = exhibitionFolder + target.substr(stagingFolder.size());
    }
    if (!target.empty()) {
        text += "作成先: " + target + "\n";
    }
    if (!detail.reason.empty()) {
        text += detail.reason + "\n";
    }
    return text + Outcome(TransactionStatus::Unchanged);
}

std::string RecoveryText(const RecoveryReport& report) {
    if (!report.result.ok() && report.result.status != TransactionStatus::Busy) {
        return TransactionFailureText(report.result, report.folder);
    }
    switch (report.action) {
    case RecoveryAction::RolledBack:
        return "中断された作成を取り消し、元の展示に戻しました\n" + report.folder;
    case RecoveryAction::RolledForward:
        return "中断された作成を最後まで済ませました\n" + report.folder;
    case RecoveryAction::None:
    case RecoveryAction::Removed:
        break;
    }
    return {};
}

} // namespace lumo
