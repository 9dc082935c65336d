#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/BuildCommand.h"
#include "exhibition/Exhibition.h"
#include "exhibition/Progress.h"
#include "model/DialogControls.h"
#include "model/LastExhibition.h"
#include "model/SessionKeeper.h"
#include "platform/FolderChooser.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDisplay.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

// The main dialog's own state and command handlers on top of the exhibition it owns, free
// of any toolkit: the selection, the arrow-key flag, the current entry that drops fill,
// the fields and the list box. A front-end owns one, hands it its controls, message box
// and folder chooser, and calls a handler per event.
//
// Given a saved-list path, it keeps the list there between runs: every change is written
// a moment later, when the front-end's timer calls Flush().
class MainDialogModel {
public:
    MainDialogModel(IDialogControls& controls, IMessageBox& messages, IFolderChooser& chooser,
                    std::string savedListPath = {});

    // Dialog initialisation: nothing selected, no arrow key seen, the count shows 0, the
    // chooser starts at the curator's home folder.
    void Initialise();

    // Once at start, with the window shown: offers back the list a session left without
    // closing (a crash, a kill) and shows it, its selection and its last exhibition.
    void RestoreSavedList();
    // Before the window closes: false when the curator chose to keep it open.
    bool MayClose();
    // The window closed cleanly: nothing is left to restore.
    void Closed();
    // The front-end's one-shot timer, started with a delay after every change; when it
    // fires, the front-end calls Flush().
    void SetFlushTimer(std::function<void(std::chrono::milliseconds)> start) {
        flushTimer_ = std::move(start);
    }
    void Flush();
    // The session ends (logout, shutdown): the list is written now and kept.
    void FlushNow();

    // List operations behind the buttons and the list box.
    void AddCurrentEntry();
    void DeleteSelectedEntry();
    void MoveSelectedEntryUp();
    void MoveSelectedEntryDown();
    void LoadSelectedEntry();
    void RefreshEntryList(int index);
    void ClearCurrentEntry();
    void ShowCurrentEntry();

    // Files dropped on the dialog, in drop order. A drop that arrives while a build runs
    // (the front-end keeps its window painted meanwhile) waits until the build is over: a
    // reload would replace the list the build is working through.
    void HandleDroppedFiles(const std::vector<std::string>& paths);
    // A dropped exhibition.tsd: false when the curator declined to reload.
    bool ReloadExhibition(const std::string& path);

    // Once at start, before the window shows: settles the builds the records list as
    // interrupted (a crash, a kill, a power cut), tells the curator what became of their
    // folders, and lists every build from here on there until it is settled.
    void SettleInterruptedBuilds(const BuildRecords& records);

    // The "tsd 作成" command. The outcome serves callers that need more than what the
    // curator was told (the command-line tool's exit code). A second request while a
    // build runs does nothing.
    BuildOutcome BuildExhibition();
    bool building() const { return building_; }

    // The key filter saw an arrow key.
    void SetArrowKeyPressed() { arrowKeyPressed_ = true; }

    // Reports staging progress to the front-end (for a progress display).
    void SetStagingObserver(StagingObserver observer) { stagingObserver_ = std::move(observer); }
    // The front-end's display of a build's progress (none by default).
    void SetProgressDisplay(IProgressDisplay* display) { progressDisplay_ = display; }
    // Replaces the question that the build asks when its check finds problems.
    void SetProblemReview(ProblemReview review) { problemReview_ = std::move(review); }

    const EntryList& entries() const { return exhibition_.entries(); }
    const ExhibitionEntry& currentEntry() const { return current_; }
    int selectedIndex() const { return selectedIndex_; }
    bool arrowKeyPressed() const { return arrowKeyPressed_; }
    // Where the next folder chooser opens.
    std::string browseStartPath() const { return FolderChooserStart(lastExhibition_); }

private:
    void RefillList();
    void ShowCount();
    void LoadEntry(int index);
    void NoteEdit();
    void NoteSelection();
    void NoteExhibition(const LastExhibition& last);
    void StartFlushTimer();

    IDialogControls& controls_;
    IMessageBox& messages_;
    IFolderChooser& chooser_;
    StagingObserver stagingObserver_;
    IProgressDisplay* progressDisplay_ = nullptr;
    ProblemReview problemReview_;
    const BuildRecords* buildRecords_ = nullptr;

    bool arrowKeyPressed_ = false;
    ExhibitionEntry current_;
    Exhibition exhibition_;
    int selectedIndex_ = -1;
    LastExhibition lastExhibition_;
    bool building_ = false;
    std::vector<std::vector<std::string>> dropsDuringBuild_;
    std::function<void(std::chrono::milliseconds)> flushTimer_;
    std::optional<SessionKeeper> keeper_; // last: it reads the list until it is gone
};

} // namespace lumo
