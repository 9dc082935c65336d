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

// What exhibition.tsd records of one entry: its images' names in its entry folder (an
// empty name writes no record) and the data paths its scene document named.
struct RecordedItem {
    std::string thumbnail;
    std::string description;
    std::vector<std::string> dataPaths;
};

// exhibition.tsd of show as the build writes it, reduced to the entries' data elements
// and image records.
inline void WriteExhibitionDocument(const TempDir& show, const std::vector<RecordedItem>& items) {
    std::string text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    std::string thumbnails;
    std::string descriptions;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string nn = std::to_string(100 + i).substr(1);
        for (const std::string& path : items[i].dataPaths) {
            text += "<data name=\"" + nn + "_d\" ><file path=\"" + nn + "\\" + path +
                    "\" /></data>\r\n";
        }
        const auto record = [&nn](const char* prefix, const std::string& name) {
            return name.empty() ? std::string()
                                : "<data name=\"" + std::string(prefix) + nn +
                                      "\" type=\"image\" format=\"RGB\" size=\"40, 20\" ><file "
                                      "type=\"png\" path=\"" +
                                      nn + "\\" + name + "\" /></data>\r\n";
        };
        thumbnails += record("me", items[i].thumbnail);
        descriptions += record("ex", items[i].description);
    }
    WriteFile(show.path() / "exhibition.tsd", text + "\r\n" + thumbnails + "\r\n" + descriptions);
}

} // namespace lumo::test
