#include "platform/win/WidePath.h"

#include <windows.h>

namespace lumo {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::wstring FullPath(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return path;
        }
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

} // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring LongPath(std::string_view utf8) {
    const std::wstring wide = WideFromUtf8(utf8);
    if (wide.empty() || StartsWith(wide, kLongPrefix) || StartsWith(wide, kDevicePrefix)) {
        return wide;
    }
    const std::wstring full = FullPath(wide);
    if (StartsWith(full, kLongPrefix) || StartsWith(full, kDevicePrefix)) {
        return full;
    }
    if (StartsWith(full, L"\\\\")) {
        return std::wstring(kLongUncPrefix) + full.substr(2);
    }
    return std::wstring(kLongPrefix) + full;
}

std::string UserPath(std::wstring_view wide) {
    if (StartsWith(wide, kLongUncPrefix)) {
        return "\\\\" + Utf8FromWide(wide.substr(kLongUncPrefix.size()));
    }
    if (StartsWith(wide, kLongPrefix)) {
        return Utf8FromWide(wide.substr(kLongPrefix.size()));
    }
    return Utf8FromWide(wide);
}

} // namespace lumo
