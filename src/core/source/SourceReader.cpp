#include "source/SourceReader.h"

namespace lumo {

std::string ExtractSpan(std::string_view, std::string_view, std::string_view) {
    return {};
}

void ReadSourceLines(const std::string&, LineList&) {}

} // namespace lumo
