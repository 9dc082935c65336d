// The saved-list file as the next start finds it: the input is the file's bytes. Whatever
// they hold, the start neither crashes nor touches anything but the state folder: a list
// it accepts is offered back unchanged and reads the same once written again; an empty
// one is forgotten; anything else is moved aside within the folder with one message and
// its bytes kept.
#include "FuzzFiles.h"

#include "model/SavedList.h"
#include "model/SessionKeeper.h"
#include "support/RecordingMessageBox.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// The names of everything under root, relative to it.
std::set<std::string> Contents(const fs::path& root) {
    std::set<std::string> names;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        names.insert(fs::relative(item.path(), root).string());
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumo;
    const fs::path root = fuzz::Scratch().path();
    const fs::path folder = root / "state";
    fs::create_directories(folder);
    const std::string bytes(fuzz::Bytes(data, size));
    test::WriteFile(folder / "saved-list.txt", bytes);
    const std::optional<SavedList> parsed = ParseSavedList(bytes);

    RecordingMessageBox messages;
    EntryList entries;
    SessionKeeper keeper((folder / "saved-list.txt").string(), messages, [&entries] {
        return SessionKeeper::ListState{entries, -1};
    });
    const std::optional<SavedList> restored = keeper.Restore();

    if (!parsed) {
        fuzz::Require(!restored && messages.calls.size() == 1 &&
                          messages.calls[0].kind == RecordingMessageBox::Kind::Error,
                      "a damaged file without exactly one message");
        fuzz::Require(Contents(root) ==
                          std::set<std::string>{"state", "state/saved-list-set-aside-1.txt"},
                      "a damaged file not moved aside within its folder");
        fuzz::Require(test::ReadFile(folder / "saved-list-set-aside-1.txt") == bytes,
                      "a damaged file's bytes changed");
    } else if (parsed->entries.empty()) {
        fuzz::Require(!restored && messages.calls.empty(), "an empty list offered back");
        fuzz::Require(Contents(root) == std::set<std::string>{"state"}, "an empty list kept");
    } else {
        fuzz::Require(restored == parsed && messages.calls.size() == 1 &&
                          messages.calls[0].kind == RecordingMessageBox::Kind::Ask,
                      "a list not offered back as it was read");
        fuzz::Require(Contents(root) == std::set<std::string>{"state", "state/saved-list.txt"},
                      "a restored list's file touched");
        entries = restored->entries;
        keeper.Edited();
        keeper.FlushNow();
        const std::optional<SavedList> again =
            ParseSavedList(test::ReadFile(folder / "saved-list.txt"));
        fuzz::Require(again && again->entries == entries && again->exhibition == parsed->exhibition,
                      "a restored list reads differently once written again");
    }
    for (const auto& item : fs::directory_iterator(root)) {
        fs::remove_all(item.path());
    }
    return 0;
}
