#include "cli/ProgressLine.h"

#include "platform/PathParts.h"

#include <cstdio>
#include <iterator>
#include <ostream>

namespace lumo::cli {

std::string FormatByteCount(std::uint64_t bytes) {
    if (bytes < 1024) {
        return std::to_string(bytes) + " B";
    }
    const char* const units[] = {"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes) / 1024.0;
    std::size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < std::size(units)) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

void ProgressLine::Show(const StagingStatus& status) {
    // Carriage return and erase-to-end-of-line rewrite the line in place.
    out_ << "\r\x1b[K"
         << "item " << status.item + 1 << '/' << status.itemCount << "  "
         << FormatByteCount(status.bytesCopied) << "  " << FileNamePart(status.file) << std::flush;
    open_ = true;
}

void ProgressLine::End() {
    if (open_) {
        out_ << '\n' << std::flush;
        open_ = false;
    }
}

} // namespace lumo::cli
