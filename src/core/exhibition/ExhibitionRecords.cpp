#include "exhibition/ExhibitionRecords.h"

#include <algorithm>
#include <map>
#include <optional>

namespace lumo {

namespace {

constexpr std::string_view kDataStart = "<data";
constexpr std::string_view kDataEnd = "</data>";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The values of every attribute ending in attribute (name=" or path="), in order.
std::vector<std::string_view> Values(std::string_view element, std::string_view attribute) {
    std::vector<std::string_view> values;
    for (std::size_t at = element.find(attribute); at != std::string_view::npos;
         at = element.find(attribute, at)) {
        at += attribute.size();
        const std::size_t end = element.find('"', at);
        if (end == std::string_view::npos) {
            break;
        }
        values.push_back(element.substr(at, end - at));
        at = end + 1;
    }
    return values;
}

// The entry number of a path the build prefixed with its entry folder (NN\), and the rest.
std::optional<std::size_t> EntryOfPath(std::string_view path, std::string_view& rest) {
    if (path.size() < 4 || !IsDigit(path[0]) || !IsDigit(path[1]) || path[2] != '\\') {
        return std::nullopt;
    }
    rest = path.substr(3);
    return static_cast<std::size_t>((path[0] - '0') * 10 + (path[1] - '0'));
}

// The name staging gave a data path's copy: its last component, as data paths are
// copied flat.
std::string CopiedName(std::string_view rest) {
    while (!rest.empty() && (rest.back() == '\\' || rest.back() == '/')) {
        rest.remove_suffix(1);
    }
    const std::size_t slash = rest.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? rest : rest.substr(slash + 1));
}

struct Records {
    std::map<std::size_t, RecordedEntry> entries;
    // One past the highest number an image record names.
    std::size_t count = 0;
};

// An image record names itself meNN or exNN and its image NN\file.
bool ReadImageRecord(std::string_view element, Records& records) {
    const std::vector<std::string_view> names = Values(element, "name=\"");
    if (names.empty() || names.front().size() != 4) {
        return false;
    }
    const std::string_view name = names.front();
    const bool thumbnail = name.substr(0, 2) == "me";
    if ((!thumbnail && name.substr(0, 2) != "ex") || !IsDigit(name[2]) || !IsDigit(name[3])) {
        return false;
    }
    const std::size_t number = static_cast<std::size_t>((name[2] - '0') * 10 + (name[3] - '0'));
    records.count = std::max(records.count, number + 1);
    const std::vector<std::string_view> paths = Values(element, "path=\"");
    std::string_view rest;
    if (paths.empty() || EntryOfPath(paths.front(), rest) != number) {
        return true;
    }
    RecordedEntry& entry = records.entries[number];
    (thumbnail ? entry.thumbnail : entry.description) = std::string(rest);
    return true;
}

void ReadDataElement(std::string_view element, Records& records) {
    for (const std::string_view path : Values(element, "path=\"")) {
        std::string_view rest;
        if (const std::optional<std::size_t> entry = EntryOfPath(path, rest)) {
            records.entries[*entry].dataNames.insert(CopiedName(rest));
        }
    }
}

} // namespace

std::vector<RecordedEntry> ReadExhibitionRecords(std::string_view text) {
    Records records;
    for (std::size_t start = text.find(kDataStart); start != std::string_view::npos;
         start = text.find(kDataStart, start)) {
        const std::size_t end = text.find(kDataEnd, start);
        if (end == std::string_view::npos) {
            break;
        }
        const std::string_view element = text.substr(start, end - start);
        if (!ReadImageRecord(element, records)) {
            ReadDataElement(element, records);
        }
        start = end + kDataEnd.size();
    }
    std::vector<RecordedEntry> entries(records.count);
    for (auto& [number, entry] : records.entries) {
        if (number < records.count) {
            entries[number] = std::move(entry);
        }
    }
    return entries;
}

} // namespace lumo
