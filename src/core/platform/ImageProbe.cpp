#include "platform/ImageProbe.h"

namespace lumo {

bool ProbeImageSize(const std::string&, int&, int&) {
    return false;
}

} // namespace lumo
