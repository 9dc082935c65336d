#include "platform/CodePage.h"
#include "platform/TextCodec.h"
#include "platform/win/WidePath.h"

#include <windows.h>

namespace lumo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
// The longest character of any Windows code page (GB18030).
constexpr int kLongestCharacter = 4;

// The ANSI code page of the user's default locale, as the C runtime's user-default
// locale reads it.
unsigned UserAnsiCodePage() {
    DWORD codePage = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t)) ==
            0 ||
        codePage == 0) {
        return GetACP();
    }
    return codePage;
}

unsigned ChosenCodePage() {
    const std::string named = RequestedCodePage();
    if (named.empty()) {
        return UserAnsiCodePage();
    }
    const unsigned number = CodePageNumber(named);
    if (number == 0 || !IsValidCodePage(number)) {
        throw EncodingError("The legacy text encoding \"" + named +
                            "\" is not a code page of this system. Set " + kCodePageVariable +
                            " to CP followed by a code page number (CP932, CP1252), or leave it " +
                            "unset for the user's ANSI code page.");
    }
    return number;
}

// Decodes with the system's converter, refusing invalid input rather than letting it
// guess; false when the bytes are not valid in the code page.
bool DecodeStrictly(unsigned codePage, std::string_view bytes, std::wstring& wide) {
    const int size = static_cast<int>(bytes.size());
    const int length =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length == 0) {
        return false;
    }
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(),
                               length) == length;
}

// One character at a time: the shortest run of bytes that decodes is a character; a byte
// that starts none becomes U+FFFD. Without MB_ERR_INVALID_CHARS the converter would
// swallow the byte after a bad one.
std::string DecodeByCharacter(unsigned codePage, std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::wstring wide;
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Every ANSI code page is a superset of ASCII.
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            out += bytes[i++];
            continue;
        }
        const std::string_view extra =
            codePage == 932 ? Cp932SingleByte(static_cast<unsigned char>(bytes[i]))
                            : std::string_view();
        if (!extra.empty()) {
            out += extra;
            ++i;
            continue;
        }
        std::size_t length = 1;
        while (length <= kLongestCharacter && i + length <= bytes.size() &&
               !DecodeStrictly(codePage, bytes.substr(i, length), wide)) {
            ++length;
        }
        if (length > kLongestCharacter || i + length > bytes.size()) {
            out += kReplacement;
            ++i;
            continue;
        }
        out += Utf8FromWide(wide);
        i += length;
    }
    return out;
}

} // namespace

std::string LegacyEncodingName() {
    return "CP" + std::to_string(ChosenCodePage());
}

std::string DecodeLegacy(std::string_view bytes) {
    const unsigned codePage = ChosenCodePage();
    // Valid text, the usual case, is decoded in one call; CP932's extra single bytes other
    // than 0x80 are rejected there and so take the slow path like every other invalid byte.
    std::wstring wide;
    if (bytes.empty()) {
        return {};
    }
    if (bytes.size() <= 0x7FFFFFFF && DecodeStrictly(codePage, bytes, wide)) {
        return Utf8FromWide(wide);
    }
    return DecodeByCharacter(codePage, bytes);
}

} // namespace lumo
