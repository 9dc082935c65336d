#include "platform/TextCodec.h"

#include "platform/Utf8.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iconv.h>

namespace lumo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr const char* kCodePageVariable = "LUMO_ANSI_CODEPAGE";

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

class IconvHandle {
public:
    explicit IconvHandle(const std::string& encoding)
        : handle_(iconv_open("UTF-8", encoding.c_str())) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw EncodingError("The legacy text encoding \"" + encoding +
                                "\" is not known to the system's converter (iconv). Set " +
                                kCodePageVariable + " to an encoding that `iconv -l` lists, " +
                                "or leave it unset for CP932.");
        }
    }
    ~IconvHandle() { iconv_close(handle_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

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

std::string LegacyEncodingName() {
    const char* named = std::getenv(kCodePageVariable);
    if (named != nullptr && *named != '\0') {
        return named;
    }
    return "CP932";
}

std::string DecodeLegacy(std::string_view bytes) {
    IconvHandle converter(LegacyEncodingName());

    // Converted through a small buffer, so the result is not sized for the worst case.
    std::string out;
    out.reserve(bytes.size());
    char chunk[1 << 16];
    // iconv's interface takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (true) {
        char* outPtr = chunk;
        std::size_t outLeft = sizeof chunk;
        const bool flushing = inLeft == 0;
        const std::size_t result = flushing
                                       ? iconv(converter.get(), nullptr, nullptr, &outPtr, &outLeft)
                                       : iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.append(chunk, static_cast<std::size_t>(outPtr - chunk));
        if (result != static_cast<std::size_t>(-1)) {
            if (flushing) {
                break;
            }
        } else if (error == E2BIG) {
            continue;
        } else if (!flushing && (error == EILSEQ || error == EINVAL)) {
            // An invalid or truncated sequence: mark it and go on with the next byte.
            out += kReplacement;
            ++in;
            --inLeft;
        } else {
            // A failure that cannot be resumed: the rest is marked lost, not dropped silently.
            out += kReplacement;
            break;
        }
    }
    return out;
}

} // namespace lumo
