#include "source/DataCollector.h"

namespace lumo {

std::vector<std::string> CollectDataPaths(const std::string&) {
    return {};
}

} // namespace lumo
