#include "model/AboutBox.h"

namespace lumo {

std::string VersionNumber() {
    return LUMO_VERSION;
}

std::string AboutVersionLine() {
    return "Lumo バージョン " + VersionNumber();
}

} // namespace lumo
