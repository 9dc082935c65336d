#include "platform/Utf8.h"

namespace lumo {

namespace {

bool IsContinuation(unsigned char b) {
    return b >= 0x80 && b <= 0xBF;
}

// Length of the well-formed sequence a lead byte opens and the range its second byte must
// lie in (this rules out overlongs, surrogates and code points above U+10FFFF); 0 for a
// byte that cannot start a sequence.
struct LeadRule {
    std::size_t length;
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

} // namespace

Utf8Sequence DecodeUtf8At(std::string_view text, std::size_t i) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    if (p[i] < 0x80) {
        return {1, true, p[i]};
    }
    const LeadRule rule = RuleFor(p[i]);
    if (rule.length == 0) {
        return {1, false, 0};
    }
    std::size_t good = 1;
    if (i + 1 < n && p[i + 1] >= rule.low && p[i + 1] <= rule.high) {
        good = 2;
        while (good < rule.length && i + good < n && IsContinuation(p[i + good])) {
            ++good;
        }
    }
    if (good < rule.length) {
        return {good, false, 0};
    }
    static constexpr unsigned char kLeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t value = p[i] & kLeadMask[rule.length];
    for (std::size_t k = 1; k < rule.length; ++k) {
        value = (value << 6) | (p[i + k] & 0x3F);
    }
    return {rule.length, true, value};
}

} // namespace lumo
