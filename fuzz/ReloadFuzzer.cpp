// A built exhibition folder's listing through the load of its exhibition.tsd. The input
// lists the entry folders 00, 01, … in order, each ended by a NUL byte; inside a folder
// the names are separated by line feeds, and a name ending in '/' is a sub-folder. Names
// that are not a single path component are skipped. Image names get a small BMP, wide or
// tall by a hash of the name (the content, not the extension, decides the format).
#include "FuzzFiles.h"

#include "exhibition/BuiltExhibition.h"
#include "exhibition/DocumentFile.h"
#include "exhibition/EntryLimits.h"
#include "exhibition/Exhibition.h"
#include "platform/ImageProbe.h"
#include "platform/PathParts.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One folder more than the load reads.
constexpr std::size_t kMaxFolders = lumo::kMaxReloadedEntries + 1;
constexpr std::size_t kMaxNames = 512;
constexpr std::size_t kMaxNameBytes = 255;

bool IsSingleComponent(std::string_view name) {
    return !name.empty() && name.size() <= kMaxNameBytes && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos;
}

// A 1-bit OS/2 bitmap header of the given size; the probe reads nothing more.
std::string SmallBitmap(unsigned width, unsigned height) {
    std::string bytes = "BM";
    bytes.append(12, '\0');
    bytes[10] = 26;
    const unsigned char core[12] = {
        12, 0, 0, 0, static_cast<unsigned char>(width), 0, static_cast<unsigned char>(height), 0,
        1,  0, 1, 0};
    bytes.append(reinterpret_cast<const char*>(core), sizeof core);
    return bytes;
}

std::string ContentFor(const std::string& name) {
    const std::string extension = lumo::LowerAscii(lumo::ExtensionOf(name));
    if (lumo::IsImageExtension(extension)) {
        const std::size_t hash = std::hash<std::string>{}(name);
        return SmallBitmap(1 + hash % 64, 1 + (hash >> 8) % 64);
    }
    if (extension == ".tsd") {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    }
    return {};
}

// Creates the entry folders and their contents; returns how many folders were made.
std::size_t CreateListing(std::string_view input, const fs::path& root) {
    std::size_t folders = 0;
    std::size_t names = 0;
    while (!input.empty() && folders < kMaxFolders) {
        const std::size_t end = std::min(input.find('\0'), input.size());
        std::string_view listing = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));

        char number[8];
        std::snprintf(number, sizeof number, "%02zu", folders);
        const fs::path folder = root / number;
        fs::create_directory(folder);
        ++folders;
        while (!listing.empty() && names < kMaxNames) {
            const std::size_t lf = std::min(listing.find('\n'), listing.size());
            std::string_view name = listing.substr(0, lf);
            listing.remove_prefix(std::min(lf + 1, listing.size()));
            const bool isFolder = !name.empty() && name.back() == '/';
            if (isFolder) {
                name.remove_suffix(1);
            }
            if (!IsSingleComponent(name)) {
                continue;
            }
            ++names;
            const std::string file(name);
            std::error_code error;
            if (isFolder) {
                fs::create_directory(folder / file, error);
            } else if (!fs::exists(folder / file, error)) {
                lumo::test::WriteFile(folder / file, ContentFor(file));
            }
        }
    }
    return folders;
}

void RemoveListing(const fs::path& root) {
    for (const auto& item : fs::directory_iterator(root)) {
        fs::remove_all(item.path());
    }
}

// Every field the reload filled names a file of a folder not after the entry's own.
void CheckField(const std::string& path, std::size_t entry, const std::string& root) {
    if (path.empty()) {
        return;
    }
    lumo::fuzz::Require(path.size() > root.size() + 3 && path.compare(0, root.size(), root) == 0,
                        "a reloaded path outside the exhibition folder");
    const std::size_t folder = std::stoul(path.substr(root.size(), 2));
    lumo::fuzz::Require(folder <= entry && path[root.size() + 2] == '/',
                        "a reloaded path from a later entry folder");
    lumo::fuzz::Require(fs::is_regular_file(path), "a reloaded path that is not a file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumo;
    const fs::path root = fuzz::Scratch().path() / "exhibition";
    fs::create_directories(root);
    const std::size_t folders = CreateListing(fuzz::Bytes(data, size), root);

    Exhibition exhibition;
    exhibition.Load(ReadBuiltExhibition((root / kExhibitionDocumentName).string()).entries);

    fuzz::Require(exhibition.entries().size() == std::min(folders, kMaxReloadedEntries),
                  "not one entry per entry folder");
    const std::string prefix = root.string() + "/";
    for (std::size_t i = 0; i < exhibition.entries().size(); ++i) {
        const ExhibitionEntry& entry = exhibition.entries()[i];
        CheckField(entry.documentPath, i, prefix);
        CheckField(entry.thumbnailPath, i, prefix);
        CheckField(entry.descriptionPath, i, prefix);
        if (!entry.documentPath.empty()) {
            fuzz::Require(LowerAscii(ExtensionOf(entry.documentPath)) == ".tsd",
                          "a document without the scene document extension");
        }
        if (!entry.thumbnailPath.empty()) {
            const ProbeResult image = ProbeImageSize(entry.thumbnailPath);
            fuzz::Require(image.outcome == ProbeOutcome::Sized && image.width >= image.height,
                          "a thumbnail that is taller than wide");
        }
        if (!entry.descriptionPath.empty()) {
            const ProbeResult image = ProbeImageSize(entry.descriptionPath);
            fuzz::Require(image.outcome == ProbeOutcome::Sized && image.height > image.width,
                          "a description that is not taller than wide");
        }
    }
    RemoveListing(root);
    return 0;
}
