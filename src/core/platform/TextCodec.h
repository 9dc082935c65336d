#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace lumo {

// Raised when the legacy code page cannot be opened by the system's converter.
class EncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// UTF-8 bytes to valid UTF-8: every invalid sequence becomes U+FFFD.
std::string DecodeUtf8Lossy(std::string_view bytes);

// Bytes in the legacy ("ANSI") code page to UTF-8. The code page is the one
// LUMO_ANSI_CODEPAGE names ("CP<n>", a CP932 alias, or on POSIX any iconv encoding), else
// the user's ANSI code page on Windows and CP932 on POSIX. Every invalid byte becomes
// U+FFFD. Throws EncodingError when the code page cannot be used.
std::string DecodeLegacy(std::string_view bytes);

// The name of the legacy code page in use.
std::string LegacyEncodingName();

} // namespace lumo
