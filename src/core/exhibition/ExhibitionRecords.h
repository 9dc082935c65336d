#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// What a built exhibition.tsd says of one entry; names are relative to the entry folder.
struct RecordedEntry {
    // From the entry's meNN and exNN image records; empty when the record is absent.
    std::string thumbnail;
    std::string description;
    // The names the entry's data elements gave their files in the entry folder.
    std::set<std::string> dataNames;

    bool operator==(const RecordedEntry&) const = default;
};

// Reads the text of a built exhibition.tsd literally, as the build wrote it: one entry per
// number up to the highest meNN or exNN image record. Empty when the text holds no image
// record, so it is no exhibition this program built.
std::vector<RecordedEntry> ReadExhibitionRecords(std::string_view text);

} // namespace lumo
