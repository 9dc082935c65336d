#include "model/SessionKeeper.h"

#include "model/SavedListFile.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <utility>

namespace lumo {

namespace {

const char* const kRestoreQuestion = "前回の登録内容が残っています。復元しますか？";
const char* const kCloseQuestion = "登録した内容はまだ展示になっていません。終了しますか？";
const char* const kSetAside = "前回の登録内容を読み込めませんでした。空の一覧で始めます。\n"
                              "ファイルは次の場所に残してあります：\n";
const char* const kNotSaved = "登録内容を保存できませんでした";

} // namespace

SessionKeeper::SessionKeeper(std::string path, IMessageBox& messages, ListSource list, Clock clock)
    : writer_(std::move(path)), messages_(messages), list_(std::move(list)),
      clock_(std::move(clock)) {}

std::optional<SavedList> SessionKeeper::Restore() {
    SavedListReadResult read = ReadSavedList(writer_.path());
    if (read.status == SavedListRead::SetAside) {
        messages_.showError(kSetAside + read.setAsidePath);
        return std::nullopt;
    }
    if (read.status == SavedListRead::Missing) {
        return std::nullopt;
    }
    if (read.list.entries.empty() || !messages_.ask(kRestoreQuestion)) {
        RemoveFile(writer_.path());
        return std::nullopt;
    }
    changed_ = read.list.changed;
    exhibition_ = read.list.exhibition;
    return std::move(read.list);
}

void SessionKeeper::Edited() {
    changed_ = true;
    Schedule();
}

void SessionKeeper::SelectionChanged() {
    Schedule();
}

void SessionKeeper::Built(const std::string& folder) {
    changed_ = false;
    exhibition_ = {ExhibitionOrigin::Built, folder};
    Schedule();
}

void SessionKeeper::Reloaded(const std::string& folder) {
    changed_ = false;
    exhibition_ = {ExhibitionOrigin::Reloaded, folder};
    Schedule();
}

std::optional<std::chrono::milliseconds> SessionKeeper::FlushDelay() const {
    if (!pending_) {
        return writer_.Busy() ? std::optional(kWritePoll) : std::nullopt;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(Due() - clock_());
    return std::max(left, std::chrono::milliseconds(0));
}

void SessionKeeper::Flush() {
    if (pending_ && clock_() >= Due()) {
        Write();
    }
    TellFailure();
}

void SessionKeeper::FlushNow() {
    if (pending_) {
        Write();
    }
    writer_.Wait();
    TellFailure();
}

bool SessionKeeper::MayClose() {
    return !changed_ || list_().entries.empty() || messages_.ask(kCloseQuestion);
}

void SessionKeeper::Closed() {
    pending_ = false;
    writer_.Discard();
    RemoveFile(writer_.path());
}

void SessionKeeper::Schedule() {
    const auto now = clock_();
    if (!pending_) {
        pending_ = true;
        firstChange_ = now;
    }
    lastChange_ = now;
}

std::chrono::steady_clock::time_point SessionKeeper::Due() const {
    return std::min(lastChange_ + kQuietTime, firstChange_ + kLongestWait);
}

void SessionKeeper::Write() {
    pending_ = false;
    const ListState list = list_();
    writer_.Write(FormatSavedList({list.entries, list.selectedIndex, exhibition_, changed_}));
}

void SessionKeeper::TellFailure() {
    const std::string reason = writer_.TakeFailure();
    if (!reason.empty() && !failureTold_) {
        failureTold_ = true;
        messages_.showError(std::string(kNotSaved) + "\n" + writer_.path() + "\n" + reason);
    }
}

} // namespace lumo
