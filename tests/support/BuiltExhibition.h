#pragma once

#include "support/TempDir.h"
#include "support/TestImages.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lumo::test {

// Entry folder `number` of the exhibition in show, holding the named files; names with
// "_w." or "_t." are wide or tall images, every other file holds one byte.
inline void WriteEntryFolder(const TempDir& show, const std::string& number,
                             const std::vector<std::string>& names) {
    std::filesystem::create_directories(show.path() / number);
    for (const std::string& name : names) {
        const std::string path = show / (number + "/" + name);
        if (name.find("_w.") != std::string::npos) {
            WritePng(path, 40, 20);
        } else if (name.find("_t.") != std::string::npos) {
            WritePng(path, 20, 40);
        } else {
            WriteFile(path, "x");
        }
    }
}

} // namespace lumo::test
