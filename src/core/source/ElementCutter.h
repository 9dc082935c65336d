#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// Takes elements out of a text one after the other. An element is the first span from
// the start marker through the next end marker after it; once found, every copy of it is
// removed from the text, scanning left to right, and the text that closes up where a
// copy was removed is searched like any other.
//
// Repeating "find the first element, remove every copy" naively costs a pass over the
// whole text per element. Here the text is a gap buffer: the part before the gap is
// settled (it holds no start marker) and every start marker after the gap is known by
// position, so each step costs in proportion to the markers and the bytes it moves.
class ElementCutter {
public:
    // Both markers must be non-empty.
    ElementCutter(std::string text, std::string_view startMarker, std::string_view endMarker);

    // The next element, its copies removed from the text; empty when none is left.
    std::string CutNext();

    // The text as it stands now; the cutter is empty afterwards.
    std::string TakeRemaining();

private:
    bool MarkerAt(std::size_t position) const;
    bool ElementAt(std::size_t position, std::string_view element) const;
    void MoveGapTo(std::size_t position);
    void RemoveCopies(std::string_view element);
    void UncoverJunction();

    std::string buffer_;
    std::string startMarker_;
    std::string endMarker_;
    // The text is buffer_[0, kept_) followed by buffer_[tail_, end).
    std::size_t kept_ = 0;
    std::size_t tail_ = 0;
    // Every position at or after tail_ where the start marker begins, ascending.
    std::vector<std::size_t> starts_;
};

} // namespace lumo
