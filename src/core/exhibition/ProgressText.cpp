#include "exhibition/ProgressText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace lumo {

std::string FormatByteCount(std::uint64_t bytes) {
    if (bytes < 1024) {
        return std::to_string(bytes) + " B";
    }
    const char* const units[] = {"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes) / 1024.0;
    std::size_t unit = 0;
    // Rounded to one decimal first, so that 1023.96 KB reads "1.0 MB", never "1024.0 KB".
    while (std::round(value * 10.0) >= 10240.0 && unit + 1 < std::size(units)) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

ProgressText StagingProgressText(const StagingStatus& status) {
    const std::size_t shown = std::min(status.item + 1, status.itemCount);
    return {std::to_string(shown) + " / " + std::to_string(status.itemCount) +
                " 件目をコピーしています",
            status.file, FormatByteCount(status.bytesCopied) + " コピー済み"};
}

double StagingFraction(const StagingStatus& status) {
    if (status.itemCount == 0) {
        return 0.0;
    }
    return static_cast<double>(std::min(status.item, status.itemCount)) /
           static_cast<double>(status.itemCount);
}

} // namespace lumo
