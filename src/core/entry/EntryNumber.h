#pragma once

#include <cstddef>
#include <string>

namespace lumo {

// An entry's or page's number as the exhibition writes it: at least two digits ("00",
// "07", "98"). It names the entry folder and prefixes the entry's names and paths.
std::string EntryNumber(std::size_t number);

} // namespace lumo
