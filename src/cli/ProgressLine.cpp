#include "cli/ProgressLine.h"

#include "cli/TerminalText.h"
#include "platform/PathParts.h"

#include <cmath>
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
    // Rounded to one decimal first, so that 1023.96 KB reads "1.0 MB", never "1024.0 KB".
    while (std::round(value * 10.0) >= 10240.0 && unit + 1 < std::size(units)) {
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
         << FormatByteCount(status.bytesCopied) << "  "
         << TerminalText(FileNamePart(status.file), false) << std::flush;
    open_ = true;
}

void ProgressLine::End() {
    if (open_) {
        out_ << '\n' << std::flush;
        open_ = false;
    }
}

} // namespace lumo::cli
