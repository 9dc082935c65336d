#include "entry/EntryNumber.h"

#include <cstdio>

namespace lumo {

std::string EntryNumber(std::size_t number) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%02zu", number);
    return digits;
}

} // namespace lumo
