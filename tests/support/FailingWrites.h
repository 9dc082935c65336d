#pragma once

#include <memory>
#include <string>

namespace lumo::test {

// While it lives, writing a new version of the document at path fails: a small file size
// limit on POSIX, the document held open without sharing on Windows.
class FailingWrites {
public:
    explicit FailingWrites(const std::string& path);
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// While it lives, a file at path exists but cannot be read: a link to nothing on POSIX, a
// file held open without sharing on Windows.
class UnreadableFile {
public:
    explicit UnreadableFile(const std::string& path);
    ~UnreadableFile();
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;

private:
    void* held_ = nullptr;
};

} // namespace lumo::test
