#include "support/ProbeDifferences.h"

namespace lumo::test {

const std::map<std::string, std::string>& ProbeVerdictDifferences() {
    static const std::map<std::string, std::string> none;
    return none;
}

} // namespace lumo::test
