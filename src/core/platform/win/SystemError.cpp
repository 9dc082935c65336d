#include "platform/win/SystemError.h"

#include "platform/win/WidePath.h"

#include <windows.h>

namespace lumo {

std::string SystemErrorText(unsigned long error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length == 0 ? std::wstring() : std::wstring(text, length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    if (message.empty()) {
        return "Windows error " + std::to_string(error);
    }
    return Utf8FromWide(message);
}

FileResult WindowsFailure(unsigned long error) {
    if (error == ERROR_SUCCESS) {
        error = ERROR_GEN_FAILURE;
    }
    FileFailure failure = FileFailure::Failed;
    switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
        failure = FileFailure::Exists;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        failure = FileFailure::Missing;
        break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        failure = FileFailure::InUse;
        break;
    default:
        break;
    }
    return FileResult::Failure(failure, SystemErrorText(error));
}

} // namespace lumo
