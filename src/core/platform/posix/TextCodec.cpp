#include "platform/CodePage.h"
#include "platform/TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace lumo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

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

std::string LegacyEncodingName() {
    const std::string named = RequestedCodePage();
    if (named.empty()) {
        return "CP932";
    }
    // glibc's "SHIFT_JIS" reads 0x5C as a yen sign; the Windows names all mean its CP932.
    const unsigned number = CodePageNumber(named);
    return number == 0 ? named : "CP" + std::to_string(number);
}

std::string DecodeLegacy(std::string_view bytes) {
    const std::string encoding = LegacyEncodingName();
    IconvHandle converter(encoding);
    const bool cp932 = encoding == "CP932";

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
            // iconv stops at the start of a character it cannot read: one of CP932's
            // extra single bytes, or an invalid or truncated sequence, marked and skipped
            // byte by byte.
            const std::string_view extra =
                cp932 ? Cp932SingleByte(static_cast<unsigned char>(*in)) : std::string_view();
            out += extra.empty() ? kReplacement : extra;
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
