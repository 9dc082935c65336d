#include "platform/AbsolutePath.h"

#include <filesystem>
#include <system_error>

namespace lumo {

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) {
        return path;
    }
    return absolute.lexically_normal().string();
}

} // namespace lumo
