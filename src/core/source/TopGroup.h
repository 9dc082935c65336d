#pragma once

#include <cstddef>
#include <string>

namespace lumo {

// A draw group as it enters the exhibition before its names are prefixed: the entry's
// description group exNN follows its start tag and the two standard captions are gone.
std::string WithDescriptionGroup(std::string group, const std::string& nn);

// Picks an entry's one top group from its draw group names, seen in document order: the
// first name holding the marker "Sur", else the first name.
class TopGroupChoice {
public:
    void Consider(const std::string& name);

    // Empty when no group was seen.
    const std::string& chosen() const { return markedCount_ > 0 ? firstMarked_ : first_; }
    std::size_t markedCount() const { return markedCount_; }
    std::size_t groupCount() const { return groupCount_; }

private:
    std::string first_;
    std::string firstMarked_;
    std::size_t markedCount_ = 0;
    std::size_t groupCount_ = 0;
};

} // namespace lumo
