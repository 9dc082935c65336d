#include "support/ProbeDifferences.h"

namespace lumo::test {

const std::map<std::string, std::string>& ProbeVerdictDifferences() {
    static const std::map<std::string, std::string> differences = {
        {"xhdn0g08", "Wine's PNG decoder does not check the header chunk's CRC"},
    };
    return differences;
}

} // namespace lumo::test
