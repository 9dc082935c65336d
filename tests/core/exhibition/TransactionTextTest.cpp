#include "exhibition/TransactionText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

TEST(TransactionTextTest, SaysWhatFailedWhyAndWhatBecameOfTheFolder) {
    struct Case {
        TransactionResult result;
        std::string text;
    };
    const std::vector<Case> cases = {
        {TransactionResult::Failure(TransactionStatus::Busy, TransactionStep::Claim,
                                    "/show/.lumo-build", {}),
         "エラー　このフォルダには別の展示を作成中です\n/show/\n"
         "作成が終わってから、もう一度作成してください"},
        {TransactionResult::Failure(TransactionStatus::Unchanged, TransactionStep::MoveIn,
                                    "/show/00", {FileFailure::InUse, "Access is denied"}),
         "エラー　/show/00 を他のプログラムが使用中です\n"
         "ビューアなどで展示を開いているときは閉じて、もう一度作成してください\n"
         "Access is denied\n保存先フォルダは変更されていません"},
        {TransactionResult::Failure(TransactionStatus::Pending, TransactionStep::Replace,
                                    "/show/exhibition.tsd", {FileFailure::Failed, "I/O error"}),
         "エラー　exhibition.tsd の置き換えに失敗しました\n/show/exhibition.tsd\nI/O error\n"
         "保存先フォルダは次に Lumo を起動したときに元の状態に戻ります"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TransactionFailureText(c.result, "/show/"), c.text);
    }
    EXPECT_EQ(RecoveryText({"/show/", RecoveryAction::RolledBack, {}}),
              "中断された作成を取り消し、元の展示に戻しました\n/show/");
    EXPECT_EQ(RecoveryText({"/show/", RecoveryAction::Removed, {}}), "");
}

} // namespace
} // namespace lumo
