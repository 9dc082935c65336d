#pragma once

#include "platform/PathParts.h"
#include "platform/PathText.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace lumo::test {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TempDir {
public:
    TempDir() {
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path candidate =
                base / ("lumo-test-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) {
                path_ = candidate;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder");
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder with a trailing separator, as the build hands it around.
    std::string folder() const { return Utf8FromPath(path_) + kNativeSeparator; }
    std::string operator/(const std::string& name) const {
        return Utf8FromPath(path_ / PathFromUtf8(name));
    }

private:
    std::filesystem::path path_;
};

// The native separator as text, for building expected paths.
inline const std::string kSeparator(1, kNativeSeparator);

// A relative path written with '/' in the native form ('\\' on Windows).
inline std::string Native(std::string path) {
    for (char& c : path) {
        if (c == '/') {
            c = kNativeSeparator;
        }
    }
    return path;
}

// A path argument that reads a std::string as UTF-8 on every system; a plain
// std::filesystem::path made from one would not on Windows.
class AnyPath {
public:
    AnyPath(const std::filesystem::path& path) : path_(path) {}
    AnyPath(const std::string& utf8) : path_(PathFromUtf8(utf8)) {}
    AnyPath(const char* utf8) : path_(PathFromUtf8(utf8)) {}
    const std::filesystem::path& get() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void WriteFile(const AnyPath& path, const std::string& bytes) {
    std::filesystem::create_directories(path.get().parent_path());
    std::ofstream out(path.get(), std::ios::binary);
    out << bytes;
}

inline std::string ReadFile(const AnyPath& path) {
    std::ifstream in(path.get(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace lumo::test
