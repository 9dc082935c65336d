#include "platform/TextCodec.h"

#include "platform/Utf8.h"

#include <cstdint>
#include <cstring>

namespace lumo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the run of ASCII bytes at the start of bytes, eight at a time where possible.
std::size_t AsciiRun(const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    while (i + 8 <= n) {
        std::uint64_t word;
        std::memcpy(&word, p + i, sizeof word);
        if (word & 0x8080808080808080ull) {
            break;
        }
        i += 8;
    }
    while (i < n && p[i] < 0x80) {
        ++i;
    }
    return i;
}

} // namespace

std::string DecodeUtf8Lossy(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::string out;
    out.reserve(n);
    std::size_t i = 0;
    while (i < n) {
        const std::size_t run = AsciiRun(p + i, n - i);
        out.append(bytes.data() + i, run);
        i += run;
        if (i == n) {
            break;
        }
        const Utf8Sequence sequence = DecodeUtf8At(bytes, i);
        if (sequence.valid) {
            out.append(bytes.data() + i, sequence.length);
        } else {
            out += kReplacement;
        }
        i += sequence.length;
    }
    return out;
}

} // namespace lumo
