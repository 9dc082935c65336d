#pragma once

#include "platform/FileOperations.h"
#include "support/TempDir.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>

namespace lumo::test {

enum class FileStep {
    Copy,
    Link,
    MakeFolder,
    Move,
    Replace,
    FlushTree,
    FlushFolder,
    WriteNew,
    RemoveTree,
};
inline constexpr std::size_t kFileStepCount = 9;

// The system's file steps, except one chosen step that fails: the nth call of one kind
// fails once, or from the nth call of any kind on nothing happens any more, as if the
// process had been killed just before it. Flushes are counted and can fail but never
// reach the disk, nor does a new file's content: no test in the process could tell, and
// they would only slow it down.
class FaultyFileOperations final : public IFileOperations {
public:
    void failAt(FileStep step, int n, FileFailure failure = FileFailure::Failed) {
        failStep_ = step;
        failAt_ = n;
        failure_ = failure;
    }
    // Killed at the nth call of any kind, or of kind step when one is given.
    void crashAt(int n, std::optional<FileStep> step = {}) {
        crashAt_ = n;
        crashStep_ = step;
    }

    // Whether the chosen failure or crash happened.
    bool fired() const { return fired_; }
    int calls() const { return total_; }

    FileResult copyFile(const std::string& source, const std::string& target,
                        const CopyProgress& progress) override {
        return run(FileStep::Copy, [&] { return system_.copyFile(source, target, progress); });
    }
    FileResult linkFile(const std::string& existing, const std::string& link) override {
        return run(FileStep::Link, [&] { return system_.linkFile(existing, link); });
    }
    FileResult makeFolder(const std::string& path) override {
        return run(FileStep::MakeFolder, [&] { return system_.makeFolder(path); });
    }
    FileResult move(const std::string& from, const std::string& to) override {
        return run(FileStep::Move, [&] { return system_.move(from, to); });
    }
    FileResult replaceFile(const std::string& from, const std::string& target) override {
        return run(FileStep::Replace, [&] { return system_.replaceFile(from, target); });
    }
    FileResult flushTree(const std::string& folder) override {
        return run(FileStep::FlushTree, [&] { return Present(folder); });
    }
    FileResult flushFolder(const std::string& path) override {
        return run(FileStep::FlushFolder, [&] { return Present(path); });
    }
    FileResult writeNewFile(const std::string& path, const std::string& bytes) override {
        return run(FileStep::WriteNew, [&] {
            if (KindAt(path) != PathKind::Missing) {
                return FileResult::Failure(FileFailure::Exists, "exists");
            }
            WriteFile(path, bytes);
            return Present(path);
        });
    }
    FileResult removeTree(const std::string& path) override {
        return run(FileStep::RemoveTree, [&] { return system_.removeTree(path); });
    }

private:
    static FileResult Present(const std::string& path) {
        return KindAt(path) == PathKind::Missing
                   ? FileResult::Failure(FileFailure::Missing, "missing")
                   : FileResult::Success();
    }

    FileResult run(FileStep step, const std::function<FileResult()>& real) {
        const int nth = ++counts_[static_cast<std::size_t>(step)];
        ++total_;
        if (crashAt_ > 0 &&
            (crashStep_ ? step == *crashStep_ && nth >= crashAt_ : total_ >= crashAt_)) {
            crashed_ = true;
        }
        if (crashed_) {
            fired_ = true;
            return FileResult::Failure(FileFailure::Failed, "killed");
        }
        if (step == failStep_ && nth == failAt_) {
            fired_ = true;
            return FileResult::Failure(failure_, "injected");
        }
        return real();
    }

    SystemFileOperations system_;
    std::array<int, kFileStepCount> counts_{};
    int total_ = 0;
    FileStep failStep_ = FileStep::Copy;
    int failAt_ = 0;
    FileFailure failure_ = FileFailure::Failed;
    int crashAt_ = 0;
    std::optional<FileStep> crashStep_;
    bool crashed_ = false;
    bool fired_ = false;
};

} // namespace lumo::test
