#include "source/DrawGroupRewriter.h"

namespace lumo {

void AppendEntryFragments(std::string&, const ExhibitionEntry&, int,
                          std::vector<std::string>& topGroupNames) {
    topGroupNames.emplace_back();
}

} // namespace lumo
