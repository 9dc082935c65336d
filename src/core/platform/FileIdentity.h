#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace lumo {

// What makes a file the same file whatever name reaches it (hard links, symbolic links,
// other spellings of its path): the volume and the file's number on it.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;

    auto operator<=>(const FileIdentity&) const = default;
};

// The identity of the file or folder at path, links followed; empty when nothing can be
// found there.
std::optional<FileIdentity> IdentityOf(const std::string& path);

} // namespace lumo
