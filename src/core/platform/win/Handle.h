#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

namespace lumo {

// Owns a handle from CreateFileW and closes it when it goes.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    bool close() { return !valid() || CloseHandle(release()) != 0; }

private:
    HANDLE handle_;
};

// Writes all of bytes, however many calls it takes; false with the last error set when
// one fails.
inline bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 30));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr)) {
            return false;
        }
        written += done;
    }
    return true;
}

} // namespace lumo
