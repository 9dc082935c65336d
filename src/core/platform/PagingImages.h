#pragma once

namespace lumo {

// The menu's paging buttons: found in the resource folder, copied beside the entry folders
// and named by exhibition.tsd under these names.
inline constexpr char kUpImage[] = "up.jpg";
inline constexpr char kDownImage[] = "down.jpg";
inline constexpr const char* kPagingImages[] = {kUpImage, kDownImage};

} // namespace lumo
