#include "platform/TextCodec.h"

namespace lumo {

std::string DecodeUtf8Lossy(std::string_view bytes) {
    return std::string(bytes);
}

std::string DecodeLegacy(std::string_view bytes) {
    return std::string(bytes);
}

std::string LegacyEncodingName() {
    return "CP932";
}

} // namespace lumo
