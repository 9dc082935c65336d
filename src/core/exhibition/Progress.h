#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace lumo {

// Where staging stands: sent before each copy and now and then during long copies.
struct StagingStatus {
    std::size_t item = 0;          // zero-based item being staged
    std::size_t itemCount = 0;     // items in the build
    std::string file;              // the file being copied
    std::uint64_t bytesCopied = 0; // bytes copied so far in this build
    std::uint64_t totalBytes = 0;  // bytes the whole build copies, as planned; 0 if unknown
};

using StagingObserver = std::function<void(const StagingStatus&)>;

} // namespace lumo
