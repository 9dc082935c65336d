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

// Bytes in the legacy ("ANSI") code page to UTF-8: CP932 unless LUMO_ANSI_CODEPAGE names
// another encoding. Every invalid byte becomes U+FFFD. Throws EncodingError when the
// encoding cannot be opened.
std::string DecodeLegacy(std::string_view bytes);

// The name of the legacy code page in use.
std::string LegacyEncodingName();

} // namespace lumo
