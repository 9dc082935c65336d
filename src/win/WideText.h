#pragma once

#include <string>
#include <string_view>

namespace lumo {

// Text crosses into Windows calls as UTF-16 and comes back as UTF-8.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

} // namespace lumo
