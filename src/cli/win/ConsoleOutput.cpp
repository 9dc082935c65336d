#include "cli/win/ConsoleOutput.h"

#include "platform/win/WidePath.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

namespace lumo::cli {

namespace {

// Length of the text without a UTF-8 sequence cut off at its end, which waits for the
// rest of its bytes.
std::size_t CompletePrefix(const std::string& text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return needed > back ? text.size() - back : text.size();
        }
    }
    return text.size();
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

} // namespace

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        pending_ += traits_type::to_char_type(c);
        if (c == '\n') {
            sync();
        }
    }
    return traits_type::not_eof(c);
}

std::streamsize ConsoleOutput::xsputn(const char* text, std::streamsize count) {
    pending_.append(text, static_cast<std::size_t>(count));
    if (pending_.find('\n') != std::string::npos) {
        sync();
    }
    return count;
}

int ConsoleOutput::sync() {
    const std::size_t complete = CompletePrefix(pending_);
    const std::wstring wide = WideFromUtf8(pending_.substr(0, complete));
    pending_.erase(0, complete);
    DWORD written = 0;
    return wide.empty() || WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()),
                                         &written, nullptr)
               ? 0
               : -1;
}

StandardStreams::StandardStreams()
    : out_(GetStdHandle(STD_OUTPUT_HANDLE)), err_(GetStdHandle(STD_ERROR_HANDLE)) {
    if (IsConsole(GetStdHandle(STD_OUTPUT_HANDLE))) {
        savedOut_ = std::cout.rdbuf(&out_);
    } else {
        _setmode(_fileno(stdout), _O_BINARY);
    }
    if (IsConsole(GetStdHandle(STD_ERROR_HANDLE))) {
        savedErr_ = std::cerr.rdbuf(&err_);
        DWORD mode = 0;
        escapesEnabled_ = GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) &&
                          SetConsoleMode(GetStdHandle(STD_ERROR_HANDLE),
                                         mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
        savedErrorMode_ = mode;
    } else {
        _setmode(_fileno(stderr), _O_BINARY);
    }
}

// The streams outlive this object, so they get their own buffers back before it goes.
StandardStreams::~StandardStreams() {
    std::cout.flush();
    std::cerr.flush();
    if (savedOut_ != nullptr) {
        std::cout.rdbuf(savedOut_);
    }
    if (savedErr_ != nullptr) {
        std::cerr.rdbuf(savedErr_);
    }
    if (escapesEnabled_) {
        SetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), savedErrorMode_);
    }
}

} // namespace lumo::cli
