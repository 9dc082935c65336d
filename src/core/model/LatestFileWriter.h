#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace lumo {

// Writes the newest bytes handed to it into one file on a thread of its own, so that the
// window never waits for the disk (a slow disk, or a virus scanner holding the file).
// Bytes handed over while a write runs replace any still waiting: only the newest state
// counts. Every write replaces the file atomically, its folder created first.
class LatestFileWriter {
public:
    explicit LatestFileWriter(std::string path);
    // Finishes the writes handed over.
    ~LatestFileWriter();
    LatestFileWriter(const LatestFileWriter&) = delete;
    LatestFileWriter& operator=(const LatestFileWriter&) = delete;

    const std::string& path() const { return path_; }

    void Write(std::string bytes);
    // Returns once every write handed over is done.
    void Wait();
    // Drops the bytes still waiting and returns once the write in progress is done.
    void Discard();
    // True while bytes wait or a write runs.
    bool Busy() const;
    // Why the newest write failed, told once; empty when it succeeded.
    std::string TakeFailure();

private:
    void Run();

    const std::string path_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::string> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    std::string failure_;
    std::thread thread_; // started by the first write
};

} // namespace lumo
