// What a build costs in file reads and memory, measured from outside the core: inotify
// tells which files were opened for reading, and forked children report their peak
// memory or run under a lowered address-space limit.
#include "exhibition/BuildCommand.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define LUMO_SANITIZED 1
#else
#define LUMO_SANITIZED 0
#endif

namespace lumo {
namespace {

namespace fs = std::filesystem;

struct Build {
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;

    BuildStatus Run(EntryList& entries, const std::string& folder,
                    const StagingObserver& observer = {}) {
        chooser.answers = {folder};
        return BuildExhibition(entries, "/", BuildServices{messages, chooser, observer}).status;
    }
};

// An item in folder: a scene document naming a data file and a data folder, a wide
// thumbnail and a tall description. bulk lines of key frames, which belong to no
// element, make the document as large as a test needs.
ExhibitionEntry MakeItem(const fs::path& folder, std::size_t bulk = 0) {
    fs::create_directories(folder / "slices");
    test::WriteFile(folder / "mol.pdb", "ATOM");
    test::WriteFile(folder / "slices/s1.raw", "SLICE");
    test::WriteJpeg((folder / "thumb.jpg").string(), 32, 16);
    test::WritePng((folder / "desc.png").string(), 16, 32);
    std::ofstream out(folder / "scene.tsd", std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TessraFile>\n"
           "<data name=\"mol\" ><file path=\"mol.pdb\" /></data>\n"
           "<data name=\"vol\" path=\"slices\\\" ></data>\n"
           "<drawGroup name=\"Sur\" ><drawUnit coordinate_data=\"mol\" /></drawGroup>\n";
    for (std::size_t i = 0; i < bulk; ++i) {
        out << "<keyFrame time=\"" << i << "\" position=\"1.5 -2.25 3.125\" />\n";
    }
    out << "</TessraFile>\n";
    return {(folder / "scene.tsd").string(),
            (folder / "thumb.jpg").string(),
            (folder / "desc.png").string(),
            {}};
}

// Counts, per file, how often it was opened and closed without being written.
class ReadOpens {
public:
    ReadOpens() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~ReadOpens() { ::close(fd_); }
    ReadOpens(const ReadOpens&) = delete;
    ReadOpens& operator=(const ReadOpens&) = delete;

    void Watch(const fs::path& folder) {
        const int wd = ::inotify_add_watch(fd_, folder.c_str(), IN_CLOSE_NOWRITE);
        ASSERT_GE(wd, 0) << folder;
        folders_[wd] = folder;
    }

    std::map<fs::path, int> Collect() {
        std::map<fs::path, int> counts;
        alignas(inotify_event) std::array<char, 64 * 1024> buffer;
        ssize_t n;
        while ((n = ::read(fd_, buffer.data(), buffer.size())) > 0) {
            for (char* at = buffer.data(); at < buffer.data() + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if ((event->mask & IN_CLOSE_NOWRITE) && !(event->mask & IN_ISDIR) &&
                    event->len > 0) {
                    ++counts[folders_[event->wd] / event->name];
                }
                at += sizeof(inotify_event) + event->len;
            }
        }
        return counts;
    }

private:
    int fd_;
    std::map<int, fs::path> folders_;
};

TEST(BuildResources, ReadsEachFileOncePerUse) {
    test::TempDir temp;
    EntryList entries = {MakeItem(temp.path() / "a"), MakeItem(temp.path() / "b")};
    const fs::path out = temp.path() / "out";
    fs::create_directory(out);

    ReadOpens opens;
    for (const char* item : {"a", "b"}) {
        opens.Watch(temp.path() / item);
        opens.Watch(temp.path() / item / "slices");
    }
    // Entry folders are watched as soon as staging reports a copy into them, before
    // anything is written there.
    std::set<fs::path> watched;
    const StagingObserver observer = [&](const StagingStatus& status) {
        const fs::path entryFolder = out / ".lumo-build" / "new" / (status.item == 0 ? "00" : "01");
        for (const fs::path& folder : {entryFolder, entryFolder / "slices"}) {
            if (fs::is_directory(folder) && watched.insert(folder).second) {
                opens.Watch(folder);
            }
        }
    };
    Build build;
    ASSERT_EQ(build.Run(entries, out.string(), observer), BuildStatus::Written);
    ASSERT_EQ(build.messages.texts(), std::vector<std::string>{"展示用tsdファイルを作成しました"});

    // Sources: the document for its data paths and its copy, every other file for its
    // copy. Copies: the document for its fragments, the images for their size records;
    // the data is never read back.
    std::map<fs::path, int> expected;
    for (const auto& [item, number] : {std::pair{"a", "00"}, std::pair{"b", "01"}}) {
        const fs::path source = temp.path() / item;
        const fs::path copy = out / ".lumo-build" / "new" / number;
        expected[source / "scene.tsd"] = 2;
        for (const char* name : {"thumb.jpg", "desc.png", "mol.pdb", "slices/s1.raw"}) {
            expected[source / name] = 1;
        }
        for (const char* name : {"scene.tsd", "thumb.jpg", "desc.png"}) {
            expected[copy / name] = 1;
        }
    }
    EXPECT_EQ(opens.Collect(), expected);
}

// Runs body in a forked child and returns what it wrote to the pipe's descriptor, or an
// empty text when the child did not end normally with status 0.
std::string RunInChild(const std::function<std::string()>& body) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        const std::string result = body();
        const bool written =
            ::write(pipe[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(pipe[1]);
    std::string result;
    char chunk[256];
    ssize_t n;
    while ((n = ::read(pipe[0], chunk, sizeof chunk)) > 0) {
        result.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : std::string();
}

// A field of /proc/self/status in kB.
long StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stol(line.substr(field.size() + 1));
        }
    }
    return -1;
}

TEST(BuildResources, HoldsOneSourceDocumentAtATime) {
    if (LUMO_SANITIZED) {
        GTEST_SKIP() << "the sanitizers' allocator keeps freed memory";
    }
    // Eight documents of about 4 MB: all of them in memory at once would take over
    // 32 MB, one at a time costs a few times its size.
    test::TempDir temp;
    EntryList entries;
    for (int i = 0; i < 8; ++i) {
        entries.push_back(MakeItem(temp.path() / std::to_string(i), 80000));
    }
    const long documentKb = static_cast<long>(fs::file_size(entries[0].documentPath) / 1024);
    const std::string out = temp / "out";
    fs::create_directory(out);

    const std::string growthKb = RunInChild([&] {
        // Resets the peak to the present resident size.
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = StatusKb("VmRSS");
        Build build;
        if (build.Run(entries, out) != BuildStatus::Written) {
            return std::string("build failed");
        }
        return std::to_string(StatusKb("VmHWM") - before);
    });
    ASSERT_FALSE(growthKb.empty());
    EXPECT_LT(std::stol(growthKb), 5 * documentKb) << "document " << documentKb << " kB";
}

TEST(BuildResources, StagesADataFileLargerThanTheMemoryAllowed) {
    if (LUMO_SANITIZED) {
        GTEST_SKIP() << "the sanitizers reserve far more address space than any limit here";
    }
    test::TempDir temp;
    EntryList entries = {MakeItem(temp.path() / "a")};
    // A sparse data file four times the address space the build may add.
    constexpr std::uintmax_t kDataBytes = 256u << 20;
    constexpr rlim_t kAllowedBytes = 64u << 20;
    fs::resize_file(temp.path() / "a/mol.pdb", kDataBytes);
    const std::string out = temp / "out";
    fs::create_directory(out);

    const std::string result = RunInChild([&] {
        const rlim_t limit = static_cast<rlim_t>(StatusKb("VmSize")) * 1024 + kAllowedBytes;
        const rlimit addressSpace{limit, limit};
        if (::setrlimit(RLIMIT_AS, &addressSpace) != 0) {
            return std::string("no limit");
        }
        Build build;
        const BuildStatus outcome = build.Run(entries, out);
        return std::string(outcome == BuildStatus::Written ? "written" : "not written") +
               (build.messages.calls.size() == 1 ? "" : " with a failure");
    });
    EXPECT_EQ(result, "written");
    EXPECT_EQ(fs::file_size(temp.path() / "out/00/mol.pdb"), kDataBytes);
}

} // namespace
} // namespace lumo
