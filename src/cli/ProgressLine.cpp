#include "cli/ProgressLine.h"

#include "cli/TerminalText.h"
#include "exhibition/ProgressText.h"
#include "platform/PathParts.h"

#include <ostream>

namespace lumo::cli {

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
