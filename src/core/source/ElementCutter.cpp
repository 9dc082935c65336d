#include "source/ElementCutter.h"

#include <algorithm>
#include <cstring>

namespace lumo {

ElementCutter::ElementCutter(std::string text, std::string_view startMarker,
                             std::string_view endMarker)
    : buffer_(std::move(text)), startMarker_(startMarker), endMarker_(endMarker) {
    for (std::size_t p = buffer_.find(startMarker_); p != std::string::npos;
         p = buffer_.find(startMarker_, p + 1)) {
        starts_.push_back(p);
    }
}

std::string ElementCutter::CutNext() {
    if (starts_.empty()) {
        return {};
    }
    const std::size_t start = starts_.front();
    const std::size_t end = buffer_.find(endMarker_, start + startMarker_.size());
    if (end == std::string::npos) {
        return {};
    }
    std::string element = buffer_.substr(start, end + endMarker_.size() - start);
    MoveGapTo(start);
    RemoveCopies(element);
    UncoverJunction();
    return element;
}

std::string ElementCutter::TakeRemaining() {
    const std::size_t tailLength = buffer_.size() - tail_;
    if (kept_ != tail_) {
        std::memmove(buffer_.data() + kept_, buffer_.data() + tail_, tailLength);
    }
    buffer_.resize(kept_ + tailLength);
    kept_ = tail_ = 0;
    starts_.clear();
    return std::move(buffer_);
}

bool ElementCutter::MarkerAt(std::size_t position) const {
    return position + startMarker_.size() <= buffer_.size() &&
           std::memcmp(buffer_.data() + position, startMarker_.data(), startMarker_.size()) == 0;
}

// Compared from the back: a candidate shares the start marker with the element, so a
// mismatch shows sooner there, and a long partial match needs an end marker of its own.
bool ElementCutter::ElementAt(std::size_t position, std::string_view element) const {
    if (position + element.size() > buffer_.size()) {
        return false;
    }
    constexpr std::size_t kChunk = 64;
    const char* here = buffer_.data() + position;
    for (std::size_t rest = element.size(); rest > 0;) {
        const std::size_t n = std::min(rest, kChunk);
        rest -= n;
        if (std::memcmp(here + rest, element.data() + rest, n) != 0) {
            return false;
        }
    }
    return true;
}

// Settles the text between the gap and position: it holds no start marker.
void ElementCutter::MoveGapTo(std::size_t position) {
    const std::size_t n = position - tail_;
    if (kept_ != tail_) {
        std::memmove(buffer_.data() + kept_, buffer_.data() + tail_, n);
    }
    kept_ += n;
    tail_ = position;
}

// Removes every copy of element from the part after the gap, whose first copy starts
// right at the gap. The pieces between copies are moved towards the end of the buffer,
// so the bytes moved are those up to the last copy only.
void ElementCutter::RemoveCopies(std::string_view element) {
    const std::size_t length = element.size();
    std::vector<std::size_t> copies;
    std::size_t busyUntil = 0;
    for (const std::size_t candidate : starts_) {
        if (candidate < busyUntil) {
            continue;
        }
        if (candidate + length > buffer_.size()) {
            break;
        }
        if (ElementAt(candidate, element)) {
            copies.push_back(candidate);
            busyUntil = candidate + length;
        }
    }

    // Piece j lies between copy j and copy j + 1 (or the end); newStart[j] is where it
    // lands.
    const std::size_t count = copies.size();
    const std::size_t end = buffer_.size();
    std::vector<std::size_t> newStart(count);
    std::size_t write = end;
    for (std::size_t j = count; j-- > 0;) {
        const std::size_t from = copies[j] + length;
        const std::size_t to = j + 1 < count ? copies[j + 1] : end;
        write -= to - from;
        if (write != from) {
            std::memmove(buffer_.data() + write, buffer_.data() + from, to - from);
        }
        newStart[j] = write;
    }
    tail_ = write;

    // Markers wholly inside a piece keep their place in it; markers that ran into a
    // removed copy are gone; markers that now run across the place where a copy was are
    // looked for anew (the junction with the settled part is left to UncoverJunction).
    const std::size_t markerLength = startMarker_.size();
    std::vector<std::size_t> starts;
    starts.reserve(starts_.size());
    std::size_t k = 0;
    for (std::size_t j = 0; j < count; ++j) {
        if (j > 0) {
            const std::size_t junction = newStart[j];
            const std::size_t reach = std::min(junction - newStart[j - 1], markerLength - 1);
            for (std::size_t p = junction - reach; p < junction; ++p) {
                if (MarkerAt(p)) {
                    starts.push_back(p);
                }
            }
        }
        const std::size_t from = copies[j] + length;
        const std::size_t to = j + 1 < count ? copies[j + 1] : end;
        while (k < starts_.size() && starts_[k] < from) {
            ++k;
        }
        for (; k < starts_.size() && starts_[k] < to; ++k) {
            if (starts_[k] + markerLength <= to) {
                starts.push_back(starts_[k] - from + newStart[j]);
            }
        }
    }
    starts_.swap(starts);
}

// Brings the last bytes of the settled part next to the rest, so that a start marker
// running across the junction is in one piece, and records it.
void ElementCutter::UncoverJunction() {
    const std::size_t back = std::min(kept_, startMarker_.size() - 1);
    if (back == 0) {
        return;
    }
    if (kept_ != tail_) {
        std::memmove(buffer_.data() + tail_ - back, buffer_.data() + kept_ - back, back);
    }
    kept_ -= back;
    tail_ -= back;
    std::vector<std::size_t> found;
    for (std::size_t p = tail_; p < tail_ + back; ++p) {
        if (MarkerAt(p)) {
            found.push_back(p);
        }
    }
    starts_.insert(starts_.begin(), found.begin(), found.end());
}

} // namespace lumo
