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

} // namespace lumo::test
