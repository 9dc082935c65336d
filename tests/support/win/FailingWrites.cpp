#include "support/FailingWrites.h"

#include "platform/win/WidePath.h"

#include <windows.h>

namespace lumo::test {

struct FailingWrites::State {
    HANDLE held = INVALID_HANDLE_VALUE;
};

FailingWrites::FailingWrites(const std::string& path) : state_(std::make_unique<State>()) {
    state_->held = CreateFileW(LongPath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
}

FailingWrites::~FailingWrites() {
    if (state_->held != INVALID_HANDLE_VALUE) {
        CloseHandle(state_->held);
    }
}

} // namespace lumo::test

namespace lumo::test {

UnreadableFile::UnreadableFile(const std::string& path)
    : held_(CreateFileW(LongPath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

UnreadableFile::~UnreadableFile() {
    if (held_ != INVALID_HANDLE_VALUE) {
        CloseHandle(held_);
    }
}

} // namespace lumo::test
