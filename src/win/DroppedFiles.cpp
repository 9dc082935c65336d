#include "DroppedFiles.h"

#include "platform/win/WidePath.h"

#include <shellapi.h>

namespace lumo::win {

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(copied);
        if (!path.empty()) {
            paths.push_back(Utf8FromWide(path));
        }
    }
    DragFinish(drop);
    return paths;
}

} // namespace lumo::win
