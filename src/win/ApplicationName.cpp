#include "ApplicationName.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"
#include "platform/win/WidePath.h"

namespace lumo::win {

std::wstring ApplicationName() {
    std::string name = FileNamePart(ExecutablePath());
    name.resize(name.size() - ExtensionOf(name).size());
    return name.empty() ? L"Lumo" : WideFromUtf8(name);
}

} // namespace lumo::win
