#include "DialogTemplate.h"

#include <cstring>

namespace lumo::win {

namespace {

// An extended template starts with its version (1) and signature (0xFFFF), a help id and
// the extended style; the window style follows at byte 12.
constexpr std::size_t kStyleOffset = 12;

} // namespace

std::vector<BYTE> LoadDialogTemplate(HINSTANCE instance, int id, bool visible) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    if (!bytes || size < kStyleOffset + sizeof(DWORD)) {
        return {};
    }
    std::vector<BYTE> layout(bytes, bytes + size);
    WORD version = 0;
    WORD signature = 0;
    std::memcpy(&version, layout.data(), sizeof version);
    std::memcpy(&signature, layout.data() + sizeof version, sizeof signature);
    if (version != 1 || signature != 0xFFFF) {
        return {};
    }
    DWORD style = 0;
    std::memcpy(&style, layout.data() + kStyleOffset, sizeof style);
    style = visible ? (style | WS_VISIBLE) : (style & ~static_cast<DWORD>(WS_VISIBLE));
    std::memcpy(layout.data() + kStyleOffset, &style, sizeof style);
    return layout;
}

} // namespace lumo::win
