#include "model/SavedList.h"

#include <charconv>
#include <vector>

namespace lumo {

namespace {

constexpr std::string_view kMagic = "lumo-saved-list";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kNone = "none";
constexpr std::string_view kBuilt = "built";
constexpr std::string_view kReloaded = "reloaded";

bool IsEscaped(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || byte == '%';
}

void AppendField(std::string& out, std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '\t';
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsEscaped(byte)) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// A field as AppendField wrote it; nothing for a raw control character, a broken escape
// or an escaped NUL, which no path can hold.
std::optional<std::string> DecodeField(std::string_view field) {
    std::string value;
    value.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto byte = static_cast<unsigned char>(field[i]);
        if (byte != '%') {
            if (IsEscaped(byte)) {
                return std::nullopt;
            }
            value += field[i];
            continue;
        }
        const int high = i + 2 < field.size() ? HexValue(field[i + 1]) : -1;
        const int low = i + 2 < field.size() ? HexValue(field[i + 2]) : -1;
        if (high < 0 || low < 0 || (high == 0 && low == 0)) {
            return std::nullopt;
        }
        value += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return value;
}

std::optional<int> DecodeNumber(std::string_view text) {
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

// Hands out the text's lines as tab-separated fields; a line without its line feed was
// cut short and is never handed out.
class Records {
public:
    explicit Records(std::string_view text) : rest_(text) {}

    bool Next(std::vector<std::string_view>& fields) {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) {
            return false;
        }
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        fields.clear();
        for (;;) {
            const std::size_t tab = line.find('\t');
            fields.push_back(line.substr(0, tab));
            if (tab == std::string_view::npos) {
                return true;
            }
            line.remove_prefix(tab + 1);
        }
    }

    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

std::optional<LastExhibition> DecodeExhibition(const std::vector<std::string_view>& fields) {
    if (fields.size() == 2 && fields[1] == kNone) {
        return LastExhibition{};
    }
    if (fields.size() != 3 || (fields[1] != kBuilt && fields[1] != kReloaded)) {
        return std::nullopt;
    }
    std::optional<std::string> folder = DecodeField(fields[2]);
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    return LastExhibition{fields[1] == kBuilt ? ExhibitionOrigin::Built
                                              : ExhibitionOrigin::Reloaded,
                          std::move(*folder)};
}

// The entries and the end record that counts them, which must close the text.
bool DecodeEntries(Records& records, EntryList& entries) {
    std::vector<std::string_view> fields;
    while (records.Next(fields)) {
        if (fields[0] == "entry" && fields.size() == 4) {
            std::optional<std::string> document = DecodeField(fields[1]);
            std::optional<std::string> thumbnail = DecodeField(fields[2]);
            std::optional<std::string> description = DecodeField(fields[3]);
            if (!document || !thumbnail || !description) {
                return false;
            }
            entries.push_back(
                {std::move(*document), std::move(*thumbnail), std::move(*description), {}});
        } else if (fields[0] == "data" && fields.size() == 2 && !entries.empty()) {
            std::optional<std::string> path = DecodeField(fields[1]);
            if (!path) {
                return false;
            }
            entries.back().dataPaths.push_back(std::move(*path));
        } else if (fields[0] == "end" && fields.size() == 2) {
            const std::optional<int> count = DecodeNumber(fields[1]);
            return count && *count >= 0 && static_cast<std::size_t>(*count) == entries.size() &&
                   records.AtEnd();
        } else {
            return false;
        }
    }
    return false;
}

} // namespace

std::string FormatSavedList(const SavedList& list) {
    std::string text(kMagic);
    text += '\t';
    text += kVersion;
    text += "\nchanged\t";
    text += list.changed ? '1' : '0';
    text += "\nselected\t" + std::to_string(list.selectedIndex) + "\nexhibition\t";
    switch (list.exhibition.origin) {
    case ExhibitionOrigin::None:
        text += kNone;
        break;
    case ExhibitionOrigin::Built:
        text += kBuilt;
        AppendField(text, list.exhibition.folder);
        break;
    case ExhibitionOrigin::Reloaded:
        text += kReloaded;
        AppendField(text, list.exhibition.folder);
        break;
    }
    for (const ExhibitionEntry& entry : list.entries) {
        text += "\nentry";
        AppendField(text, entry.documentPath);
        AppendField(text, entry.thumbnailPath);
        AppendField(text, entry.descriptionPath);
        for (const std::string& path : entry.dataPaths) {
            text += "\ndata";
            AppendField(text, path);
        }
    }
    text += "\nend\t" + std::to_string(list.entries.size()) + "\n";
    return text;
}

std::optional<SavedList> ParseSavedList(std::string_view text) {
    Records records(text);
    std::vector<std::string_view> fields;
    auto next = [&](std::string_view name) { return records.Next(fields) && fields[0] == name; };
    if (!next(kMagic) || fields.size() != 2 || fields[1] != kVersion) {
        return std::nullopt;
    }
    SavedList list;
    if (!next("changed") || fields.size() != 2 || (fields[1] != "0" && fields[1] != "1")) {
        return std::nullopt;
    }
    list.changed = fields[1] == "1";
    if (!next("selected") || fields.size() != 2) {
        return std::nullopt;
    }
    const std::optional<int> selected = DecodeNumber(fields[1]);
    if (!selected || !next("exhibition")) {
        return std::nullopt;
    }
    std::optional<LastExhibition> exhibition = DecodeExhibition(fields);
    if (!exhibition || !DecodeEntries(records, list.entries) || *selected < -1 ||
        *selected >= static_cast<int>(list.entries.size())) {
        return std::nullopt;
    }
    list.selectedIndex = *selected;
    list.exhibition = std::move(*exhibition);
    return list;
}

} // namespace lumo
