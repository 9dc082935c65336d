#include "platform/TextCodec.h"

#include <cstdint>
#include <cstring>

namespace lumo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsContinuation(unsigned char b) {
    return b >= 0x80 && b <= 0xBF;
}

// Length of the well-formed sequence a lead byte opens and the range its second byte must
// lie in (this rules out overlongs, surrogates and code points above U+10FFFF); 0 for a
// byte that cannot start a sequence.
struct LeadRule {
    int length;
    unsigned char low;
    unsigned char high;
};

LeadRule RuleFor(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, 0x80, 0xBF};
    }
    if (lead == 0xE0) {
        return {3, 0xA0, 0xBF};
    }
    if (lead == 0xED) {
        return {3, 0x80, 0x9F};
    }
    if (lead >= 0xE1 && lead <= 0xEF) {
        return {3, 0x80, 0xBF};
    }
    if (lead == 0xF0) {
        return {4, 0x90, 0xBF};
    }
    if (lead >= 0xF1 && lead <= 0xF3) {
        return {4, 0x80, 0xBF};
    }
    if (lead == 0xF4) {
        return {4, 0x80, 0x8F};
    }
    return {0, 0, 0};
}

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
        const LeadRule rule = RuleFor(p[i]);
        if (rule.length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        // The maximal subpart of a well-formed sequence becomes one replacement character.
        std::size_t good = 1;
        if (i + 1 < n && p[i + 1] >= rule.low && p[i + 1] <= rule.high) {
            good = 2;
            while (good < static_cast<std::size_t>(rule.length) && i + good < n &&
                   IsContinuation(p[i + good])) {
                ++good;
            }
        }
        if (good == static_cast<std::size_t>(rule.length)) {
            out.append(bytes.data() + i, good);
        } else {
            out += kReplacement;
        }
        i += good;
    }
    return out;
}

} // namespace lumo
