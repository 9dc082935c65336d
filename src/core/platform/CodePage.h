#pragma once

#include <string>
#include <string_view>

namespace lumo {

// The environment variable that overrides the legacy code page.
inline constexpr const char* kCodePageVariable = "LUMO_ANSI_CODEPAGE";

// The value of LUMO_ANSI_CODEPAGE; empty when it is unset or empty.
std::string RequestedCodePage();

// The Windows code page a name stands for: n for "CP<n>" and 932 for SHIFT_JIS, SJIS,
// WINDOWS-31J and MS932 (any letter case); 0 for every other name.
unsigned CodePageNumber(std::string_view name);

// UTF-8 for the single bytes that Windows decodes in CP932 although they open no
// character there (0x80, 0xA0, 0xFD-0xFF); empty for every other byte. Applied before the
// system's decoder, so a document reads the same on every system.
std::string_view Cp932SingleByte(unsigned char byte);

} // namespace lumo
