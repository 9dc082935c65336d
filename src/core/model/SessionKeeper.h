#pragma once

#include "entry/ExhibitionEntry.h"
#include "model/LastExhibition.h"
#include "model/LatestFileWriter.h"
#include "model/SavedList.h"
#include "platform/MessageBox.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace lumo {

// Keeps the curator's list safe between runs. Told of every change, it writes the list to
// the saved-list file a moment later, off the window's thread; it asks before a close
// would lose items that are not yet an exhibition, offers the list back after a session
// that ended without closing (a crash, a kill, a logout), and removes the file when a
// session closes cleanly. The dialog model owns one; the front-end calls Flush() once
// FlushDelay() has passed, from a timer.
class SessionKeeper {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // The dialog's list and selection, read when a write is due.
    struct ListState {
        const EntryList& entries;
        int selectedIndex;
    };
    using ListSource = std::function<ListState()>;

    // A write is due this long after the last change, so that a burst of changes costs
    // one write, but never later than kLongestWait after the first unwritten change.
    static constexpr std::chrono::milliseconds kQuietTime{250};
    static constexpr std::chrono::milliseconds kLongestWait{1000};
    // How often the front-end looks again while a write runs, so that a failure is told.
    static constexpr std::chrono::milliseconds kWritePoll{50};

    SessionKeeper(std::string path, IMessageBox& messages, ListSource list,
                  Clock clock = &std::chrono::steady_clock::now);

    // At start: a list left behind by a session that did not close is offered back once;
    // the curator's Yes returns it, with its selection, its last exhibition and whether
    // it had changed since. A No forgets it. A file that cannot be used is set aside with
    // one message, and the session starts empty.
    std::optional<SavedList> Restore();

    // An item was added, deleted or moved: the list is no longer the last exhibition.
    void Edited();
    // Only the selection moved.
    void SelectionChanged();
    // The list became the exhibition in folder, or was reloaded from the one in folder.
    void Built(const std::string& folder);
    void Reloaded(const std::string& folder);

    // How long until a write is due (zero: now), or nothing when nothing waits.
    std::optional<std::chrono::milliseconds> FlushDelay() const;
    // Writes the list when a write is due; tells the curator once a session when a write
    // failed.
    void Flush();
    // Writes the list now when anything waits (the session is about to end), and returns
    // once it is on disk.
    void FlushNow();
    // Returns once the writes already handed over are on disk.
    void WaitForWrites() { writer_.Wait(); }

    // Asked before the window closes: when items changed since the last build or reload,
    // the curator confirms; false keeps the window open.
    bool MayClose();
    // The window closed cleanly: nothing is left to restore.
    void Closed();

    bool changed() const { return changed_; }
    const LastExhibition& lastExhibition() const { return exhibition_; }

private:
    void Schedule();
    std::chrono::steady_clock::time_point Due() const;
    void Write();
    void TellFailure();

    LatestFileWriter writer_;
    IMessageBox& messages_;
    ListSource list_;
    Clock clock_;
    bool changed_ = false;
    LastExhibition exhibition_;
    bool pending_ = false;
    std::chrono::steady_clock::time_point firstChange_;
    std::chrono::steady_clock::time_point lastChange_;
    bool failureTold_ = false;
};

} // namespace lumo
