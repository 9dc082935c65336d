#include "exhibition/BuildTransaction.h"
#include "core/exhibition/TransactionFixture.h"
#include "exhibition/BuildRecovery.h"
#include "exhibition/StartupRecovery.h"
#include "exhibition/TransactionText.h"
#include "support/FaultyFileOperations.h"
#include "support/RecordingMessageBox.h"

#include <gtest/gtest.h>

#include <functional>

namespace lumo {
namespace {

using test::BuildInto;
using test::ExhibitionFolders;
using test::FaultyFileOperations;
using test::FileStep;
using test::Snapshot;
using test::StageExhibition;
using test::TakeSnapshot;

struct Scenario {
    const char* name;
    int oldItems;
    int newItems;
};

const Scenario kScenarios[] = {
    {"into a new folder", 0, 1},
    {"an exhibition of fewer items", 2, 1},
    {"an exhibition of more items", 1, 2},
};

// The chosen folder before a build and after one that nothing disturbs.
struct Outcomes {
    Snapshot before;
    Snapshot after;
};

Outcomes Expected(const Scenario& scenario) {
    ExhibitionFolders folders(scenario.oldItems);
    Outcomes outcomes{TakeSnapshot(folders.show()), {}};
    FaultyFileOperations ops;
    EXPECT_TRUE(BuildInto(ops, folders, scenario.newItems).ok()) << scenario.name;
    outcomes.after = TakeSnapshot(folders.show());
    return outcomes;
}

Snapshot RecoveredSnapshot(const ExhibitionFolders& folders) {
    FaultyFileOperations ops;
    EXPECT_TRUE(RecoverFolder(folders.show(), ops).result.ok());
    return TakeSnapshot(folders.show());
}

Snapshot WithoutWorkingFolder(Snapshot snapshot) {
    std::erase_if(snapshot,
                  [](const auto& item) { return item.first.rfind(".lumo-build", 0) == 0; });
    return snapshot;
}

TEST(BuildTransactionTest, ExpectedOutcomesDiffer) {
    for (const Scenario& scenario : kScenarios) {
        const Outcomes outcomes = Expected(scenario);
        EXPECT_NE(outcomes.before, outcomes.after) << scenario.name;
        EXPECT_EQ(outcomes.after.count(".lumo-build"), 0u) << scenario.name;
        EXPECT_EQ(outcomes.after.at("notes.txt"), "the curator's notes") << scenario.name;
    }
}

// Every step of every kind fails once, in turn: the build reports what it left, the old
// exhibition or the new one whole, and nothing else in the folder changed.
TEST(BuildTransactionTest, AnyFailingStepLeavesTheOldOrTheNewExhibition) {
    for (const Scenario& scenario : kScenarios) {
        const Outcomes outcomes = Expected(scenario);
        for (std::size_t kind = 0; kind < test::kFileStepCount; ++kind) {
            for (int n = 1;; ++n) {
                ExhibitionFolders folders(scenario.oldItems);
                FaultyFileOperations ops;
                ops.failAt(static_cast<FileStep>(kind), n);
                const TransactionResult result = BuildInto(ops, folders, scenario.newItems);
                const Snapshot& wanted = result.ok() ? outcomes.after : outcomes.before;
                SCOPED_TRACE(std::string(scenario.name) + ", step kind " + std::to_string(kind) +
                             ", call " + std::to_string(n));
                if (!ops.fired()) {
                    EXPECT_TRUE(result.ok());
                    EXPECT_EQ(TakeSnapshot(folders.show()), outcomes.after);
                    break;
                }
                EXPECT_NE(result.status, TransactionStatus::Pending);
                EXPECT_EQ(WithoutWorkingFolder(TakeSnapshot(folders.show())), wanted);
                EXPECT_EQ(RecoveredSnapshot(folders), wanted);
            }
        }
    }
}

// The process dies before any one step: the next recovery leaves the old exhibition or,
// from the commit on, the new one.
TEST(BuildTransactionTest, RecoveryAfterAKillAtAnyStep) {
    for (const Scenario& scenario : kScenarios) {
        const Outcomes outcomes = Expected(scenario);
        bool committed = false;
        for (int n = 1;; ++n) {
            ExhibitionFolders folders(scenario.oldItems);
            FaultyFileOperations ops;
            ops.crashAt(n);
            BuildInto(ops, folders, scenario.newItems);
            SCOPED_TRACE(std::string(scenario.name) + ", killed at call " + std::to_string(n));
            const Snapshot recovered = RecoveredSnapshot(folders);
            if (!ops.fired()) {
                EXPECT_EQ(recovered, outcomes.after);
                break;
            }
            if (committed) {
                EXPECT_EQ(recovered, outcomes.after);
            } else if (recovered != outcomes.after) {
                EXPECT_EQ(recovered, outcomes.before);
            }
            committed = recovered == outcomes.after;
        }
        EXPECT_TRUE(committed) << scenario.name;
    }
}

// A recovery is killed too, at every step, and the one after it still finishes the job:
// after a build killed at any of its moves (undone) or at the removal of its journal
// (finished).
TEST(BuildTransactionTest, RecoveryKilledAtAnyStepIsFinishedByTheNext) {
    const Scenario& scenario = kScenarios[1];
    const Outcomes outcomes = Expected(scenario);
    auto killBuild = [&](const ExhibitionFolders& folders, FileStep step, int n) {
        FaultyFileOperations build;
        build.crashAt(n, step);
        BuildInto(build, folders, scenario.newItems);
        return build.fired();
    };
    for (const FileStep step : {FileStep::Move, FileStep::RemoveTree}) {
        for (int n = 1; step == FileStep::Move || n == 1; ++n) {
            ExhibitionFolders reference(scenario.oldItems);
            if (!killBuild(reference, step, n)) {
                break;
            }
            const Snapshot wanted = RecoveredSnapshot(reference);
            EXPECT_EQ(wanted, step == FileStep::Move ? outcomes.before : outcomes.after);
            for (int m = 1;; ++m) {
                ExhibitionFolders folders(scenario.oldItems);
                killBuild(folders, step, n);
                FaultyFileOperations recovery;
                recovery.crashAt(m);
                RecoverFolder(folders.show(), recovery);
                SCOPED_TRACE("build killed at move " + std::to_string(n) + ", recovery at " +
                             std::to_string(m));
                EXPECT_EQ(RecoveredSnapshot(folders), wanted);
                if (!recovery.fired()) {
                    break;
                }
            }
        }
    }
}

TEST(BuildTransactionTest, AMoveRefusedForAFileInUseUndoesTheMovesSoFar) {
    const Scenario& scenario = kScenarios[1];
    const Outcomes outcomes = Expected(scenario);
    for (int n = 1; n <= 4; ++n) {
        ExhibitionFolders folders(scenario.oldItems);
        FaultyFileOperations ops;
        ops.failAt(FileStep::Move, n, FileFailure::InUse);
        const TransactionResult result = BuildInto(ops, folders, scenario.newItems);
        EXPECT_EQ(result.status, TransactionStatus::Unchanged) << n;
        EXPECT_EQ(result.file.failure, FileFailure::InUse) << n;
        EXPECT_EQ(result.path.rfind(folders.show(), 0), 0u) << result.path;
        EXPECT_EQ(TakeSnapshot(folders.show()), outcomes.before) << n;
    }
}

TEST(BuildTransactionTest, ASecondBuildIntoTheFolderIsRefusedWhileTheFirstRuns) {
    const Scenario& scenario = kScenarios[1];
    const Outcomes outcomes = Expected(scenario);
    ExhibitionFolders folders(scenario.oldItems);
    SystemFileOperations ops;
    BuildTransaction first(ops);
    ASSERT_TRUE(first.begin(folders.show()).ok());
    {
        BuildTransaction second(ops);
        EXPECT_EQ(second.begin(folders.show()).status, TransactionStatus::Busy);
        EXPECT_EQ(RecoverFolder(folders.show(), ops).result.status, TransactionStatus::Busy);
    }
    ASSERT_TRUE(StageExhibition(ops, folders, first.stagingFolder(), scenario.newItems));
    EXPECT_TRUE(first.commit().ok());
    EXPECT_EQ(TakeSnapshot(folders.show()), outcomes.after);
    EXPECT_TRUE(BuildInto(ops, folders, scenario.newItems).ok());
}

TEST(BuildTransactionTest, AStagedTreeThatIsNoExhibitionIsNotCommitted) {
    const Scenario& scenario = kScenarios[1];
    const Outcomes outcomes = Expected(scenario);
    const std::function<void(const std::filesystem::path&)> spoilers[] = {
        [](const std::filesystem::path& staged) { test::WriteFile(staged / "stray.txt", "x"); },
        [](const std::filesystem::path& staged) {
            std::filesystem::remove(staged / "exhibition.tsd");
        },
        [](const std::filesystem::path& staged) {
            std::filesystem::remove(staged / "exhibition.tsd");
            std::filesystem::create_directory(staged / "exhibition.tsd");
        },
    };
    for (const auto& spoil : spoilers) {
        ExhibitionFolders folders(scenario.oldItems);
        SystemFileOperations ops;
        BuildTransaction transaction(ops);
        ASSERT_TRUE(transaction.begin(folders.show()).ok());
        ASSERT_TRUE(StageExhibition(ops, folders, transaction.stagingFolder(), 1));
        spoil(PathFromUtf8(transaction.stagingFolder()));
        const TransactionResult result = transaction.commit();
        EXPECT_EQ(result.status, TransactionStatus::Unchanged);
        EXPECT_EQ(result.step, TransactionStep::Staged);
        EXPECT_EQ(TakeSnapshot(folders.show()), outcomes.before);
    }
}

// The records of killed builds lead the next start to their folders; a live build's
// record is left alone.
TEST(BuildTransactionTest, KilledBuildsAreSettledFromTheirRecordsAtTheNextStart) {
    struct Case {
        FileStep killedAt;
        int call;
        RecoveryAction action;
        bool committed;
    };
    // The second move sets aside the second entry folder; the first removal after the
    // commit is the journal's.
    const Case cases[] = {
        {FileStep::Move, 2, RecoveryAction::RolledBack, false},
        {FileStep::RemoveTree, 1, RecoveryAction::RolledForward, true},
    };
    const Scenario& scenario = kScenarios[1];
    const Outcomes outcomes = Expected(scenario);
    for (const Case& c : cases) {
        test::TempDir state;
        const BuildRecords records(Utf8FromPath(state.path()));
        ExhibitionFolders folders(scenario.oldItems);
        FaultyFileOperations ops;
        ops.crashAt(c.call, c.killedAt);
        BuildInto(ops, folders, scenario.newItems, &records);
        EXPECT_EQ(TakeSnapshot(Utf8FromPath(state.path())).size(), 2u)
            << "the folder and one record";

        test::WriteFile(state / test::Native("builds/0123.build.99.0.tmp"), "cut short");
        FaultyFileOperations system;
        RecordingMessageBox messages;
        RecoverInterruptedBuilds(records, system, messages);
        const RecoveryReport report{WithTrailingSeparator(folders.show()), c.action, {}};
        const std::vector<RecordingMessageBox::Call> told = {
            {RecordingMessageBox::Kind::Information, RecoveryText(report)}};
        EXPECT_EQ(messages.calls, told);
        EXPECT_EQ(TakeSnapshot(folders.show()), c.committed ? outcomes.after : outcomes.before);
        EXPECT_EQ(TakeSnapshot(Utf8FromPath(state.path())).size(), 1u) << "the record is gone";
        EXPECT_TRUE(records.recover(system).empty());
    }

    test::TempDir state;
    const BuildRecords records(Utf8FromPath(state.path()));
    ExhibitionFolders folders(scenario.oldItems);
    SystemFileOperations ops;
    BuildTransaction live(ops, &records);
    ASSERT_TRUE(live.begin(folders.show()).ok());
    EXPECT_TRUE(records.recover(ops).empty());
    ASSERT_TRUE(StageExhibition(ops, folders, live.stagingFolder(), scenario.newItems));
    EXPECT_TRUE(live.commit().ok());
    EXPECT_EQ(TakeSnapshot(folders.show()), outcomes.after);
    EXPECT_EQ(TakeSnapshot(Utf8FromPath(state.path())).size(), 1u);
}

} // namespace
} // namespace lumo
