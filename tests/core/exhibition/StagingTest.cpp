#include "core/exhibition/StagingFixture.h"
#include "platform/PathText.h"
#include "support/FailingWrites.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumo {
namespace {

using test::ReadFile;
using test::WriteFile;

class StagingTest : public test::StagingFixture {
public:
    // Item a: three files, a data file and a data folder with a sub-folder. Item b: its
    // three files only.
    EntryList TwoItems() {
        ExhibitionEntry a = MakeEntry("a");
        Source("a/slices/s1.raw", "S1");
        Source("a/slices/s2.raw", "S2");
        Source("a/slices/sub/inner.raw", "INNER");
        a.dataPaths = {Source("a/mesh.obj", "MESH"), Source("a/slices/")};
        return {a, MakeEntry("b")};
    }

    // The entry with its fields, in staging order, pointing into entry folder NN.
    ExhibitionEntry Replaced(ExhibitionEntry entry, const std::string& number,
                             const std::vector<std::string>& names) const {
        const std::string folder = out + number + test::kSeparator;
        std::vector<std::string*> fields = {&entry.documentPath, &entry.thumbnailPath,
                                            &entry.descriptionPath};
        for (std::string& path : entry.dataPaths) {
            fields.push_back(&path);
        }
        for (std::size_t k = 0; k < names.size(); ++k) {
            *fields[k] = folder + test::Native(names[k]);
        }
        return entry;
    }

    std::unique_ptr<test::UnreadableFile> unreadable;
};

const std::vector<std::string> kNamesA = {"a.tsd", "a_thumb.jpg", "a_desc.png", "mesh.obj",
                                          "slices/"};
const std::vector<std::string> kNamesB = {"b.tsd", "b_thumb.jpg", "b_desc.png"};
const std::vector<std::string> kTreeA = {
    "00/",         "00/a.tsd",   "00/a_thumb.jpg",   "00/a_desc.png",
    "00/mesh.obj", "00/slices/", "00/slices/s1.raw", "00/slices/s2.raw"};
const std::vector<std::string> kTreeB = {"01/", "01/b.tsd", "01/b_thumb.jpg", "01/b_desc.png"};

std::vector<std::string> Joined(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    std::sort(all.begin(), all.end());
    return all;
}

TEST_F(StagingTest, CopiesEverythingInTheFixedOrder) {
    const EntryList entries = TwoItems();
    std::vector<std::string> order;
    std::uint64_t lastBytes = 0;
    std::uint64_t plannedBytes = 0;
    bool bytesNeverFall = true;
    EntryList staged;
    StageEntries(entries, out, Resources(), staged, messages, [&](const StagingStatus& status) {
        if (order.empty() || order.back() != status.file) {
            order.push_back(status.file);
        }
        bytesNeverFall = bytesNeverFall && status.bytesCopied >= lastBytes;
        lastBytes = status.bytesCopied;
        plannedBytes = status.totalBytes;
        EXPECT_EQ(status.itemCount, 2u);
    });

    EXPECT_TRUE(messages.calls.empty());
    const std::vector<std::string> expectedOrder = {entries[0].documentPath,
                                                    entries[0].thumbnailPath,
                                                    entries[0].descriptionPath,
                                                    Source("a/mesh.obj"),
                                                    Source("a/slices/s1.raw"),
                                                    Source("a/slices/s2.raw"),
                                                    entries[1].documentPath,
                                                    entries[1].thumbnailPath,
                                                    entries[1].descriptionPath,
                                                    Resources() + test::Native("/up.jpg"),
                                                    Resources() + test::Native("/down.jpg")};
    EXPECT_EQ(order, expectedOrder);
    EXPECT_TRUE(bytesNeverFall);
    std::uint64_t totalBytes = 0;
    for (const std::string& file : expectedOrder) {
        totalBytes += std::filesystem::file_size(file);
    }
    EXPECT_EQ(lastBytes, totalBytes);
    // Known from the start, so that the last status fills the bar.
    EXPECT_EQ(plannedBytes, totalBytes);

    EXPECT_EQ(OutTree(), Joined({kTreeA, kTreeB, {"down.jpg", "up.jpg"}}));
    EXPECT_EQ(OutFile("00/a_desc.png"), entries[0].descriptionPath);
    EXPECT_EQ(OutFile("00/slices/s2.raw"), "S2");
    EXPECT_EQ(OutFile("down.jpg"), "DOWN");
    EXPECT_EQ(staged, (EntryList{Replaced(entries[0], "00", kNamesA),
                                 Replaced(entries[1], "01", kNamesB)}));
}

struct FailureCase {
    const char* name;
    std::function<void(StagingTest&, EntryList&)> arrange;
    std::string message;
    StagingFailure failure;
    // Items before failItem are staged whole; the failing one has stagedNames replaced.
    std::size_t failItem;
    std::vector<std::string> stagedNames;
    std::vector<std::string> tree;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

const std::size_t kNoStop = 2;

class StagingFailureTest : public StagingTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(StagingFailureTest, ShowsOneMessageAndKeepsWhatWasDone) {
    const FailureCase& c = GetParam();
    EntryList entries = TwoItems();
    c.arrange(*this, entries);
    const EntryList staged = Stage(entries);

    EXPECT_EQ(messages.texts(), std::vector<std::string>{test::Native(c.message)});
    EXPECT_EQ(result.failures, std::vector<StagingFailure>{c.failure});
    EXPECT_EQ(OutTree(), Joined({c.tree}));

    EntryList expected = entries;
    const std::vector<std::vector<std::string>> fullNames = {kNamesA, kNamesB};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string number = i == 0 ? "00" : "01";
        if (i < c.failItem) {
            expected[i] = Replaced(entries[i], number, fullNames[i]);
        } else if (i == c.failItem) {
            expected[i] = Replaced(entries[i], number, c.stagedNames);
        }
    }
    EXPECT_EQ(staged, expected);
}

// The data path value of item a's document with an embedded character.
std::string ValueWith(StagingTest& t, const std::string& value) {
    return t.Source("a") + test::Native("/" + value);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, StagingFailureTest,
    ::testing::Values(
        FailureCase{
            "EntryFolder",
            [](StagingTest& t, EntryList&) { std::filesystem::create_directory(t.out + "01"); },
            "01/フォルダ作成に失敗しました",
            {StagingStep::EntryFolder, 1},
            1,
            {},
            Joined({kTreeA, {"01/"}})},
        FailureCase{
            "SceneDocument",
            [](StagingTest& t, EntryList& e) { e[0].documentPath = t.Source("a/gone.tsd"); },
            "tsdファイルのコピーに失敗しました",
            {StagingStep::Document},
            0,
            {"gone.tsd"},
            {"00/"}},
        FailureCase{
            "Thumbnail",
            [](StagingTest& t, EntryList& e) { e[0].thumbnailPath = t.Source("a/gone.jpg"); },
            "サムネイルのコピーに失敗しました",
            {StagingStep::Thumbnail},
            0,
            {"a.tsd", "gone.jpg"},
            {"00/", "00/a.tsd"}},
        FailureCase{"Description",
                    [](StagingTest& t, EntryList& e) { e[0].descriptionPath = t.Source("a/sub"); },
                    "説明文のコピーに失敗しました",
                    {StagingStep::Description},
                    0,
                    {"a.tsd", "a_thumb.jpg", "sub"},
                    {"00/", "00/a.tsd", "00/a_thumb.jpg"}},
        // No file system makes a name this long.
        FailureCase{"DataFolder",
                    [](StagingTest& t, EntryList& e) {
                        e[0].dataPaths[1] = ValueWith(t, std::string(300, 'n') + "/");
                    },
                    std::string(300, 'n') + "/フォルダ作成に失敗しました",
                    {StagingStep::DataPath, 0, 1},
                    0,
                    {"a.tsd", "a_thumb.jpg", "a_desc.png", "mesh.obj", std::string(300, 'n') + "/"},
                    {"00/", "00/a.tsd", "00/a_thumb.jpg", "00/a_desc.png", "00/mesh.obj"}},
        FailureCase{"UpImage",
                    [](StagingTest& t, EntryList&) {
                        std::filesystem::remove(t.temp.path() / "res/up.jpg");
                    },
                    "up.jpgのコピーに失敗しました",
                    {StagingStep::UpImage},
                    kNoStop,
                    {},
                    Joined({kTreeA, kTreeB})},
        FailureCase{"DownImage",
                    [](StagingTest& t, EntryList&) {
                        std::filesystem::remove(t.temp.path() / "res/down.jpg");
                    },
                    "down.jpgのコピーに失敗しました",
                    {StagingStep::DownImage},
                    kNoStop,
                    {},
                    Joined({kTreeA, kTreeB, {"up.jpg"}})}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// What was missing or unreadable when planned was reported by the check: staging leaves it
// out and goes on without a message.
TEST_F(StagingTest, SkipsWhatWasMissingOrUnreadableWhenPlanned) {
    struct Case {
        const char* name;
        std::function<void(StagingTest&, EntryList&)> arrange;
        std::string absent;
    };
    const std::vector<Case> cases = {
        {"missing data file",
         [](StagingTest& t, EntryList& e) { e[0].dataPaths[0] = t.Source("a/gone.obj"); },
         "00/gone.obj"},
        {"data file with a NUL",
         [](StagingTest& t, EntryList& e) {
             t.Source("a/a.dat", "A");
             e[0].dataPaths[1] = ValueWith(t, std::string("a.dat\0../../evil.dat", 20));
         },
         "00/evil.dat"},
        {"data folder with a control character",
         [](StagingTest& t, EntryList& e) { e[0].dataPaths[1] = ValueWith(t, "sl\x01ices/"); },
         "00/sl\x01ices/"},
        {"unreadable file inside a data folder",
         [](StagingTest& t, EntryList&) {
             t.unreadable = std::make_unique<test::UnreadableFile>(t.Source("a/slices/s15.raw"));
         },
         "00/slices/s15.raw"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(out);
        std::filesystem::create_directory(out);
        messages.calls.clear();
        EntryList entries = TwoItems();
        c.arrange(*this, entries);
        Stage(entries);
        EXPECT_TRUE(messages.calls.empty()) << c.name;
        EXPECT_TRUE(result.clean()) << c.name;
        const std::vector<std::string> tree = OutTree();
        EXPECT_EQ(std::count(tree.begin(), tree.end(), c.absent), 0) << c.name;
        EXPECT_EQ(std::count(tree.begin(), tree.end(), "down.jpg"), 1) << c.name;
        unreadable.reset();
    }
}

TEST_F(StagingTest, RebuildingIntoAFolderHolding00CopiesNothing) {
    const EntryList entries = TwoItems();
    WriteFile(out + "00/old.tsd", "OLD");
    EXPECT_EQ(Stage(entries), entries);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{test::Native("00/フォルダ作成に失敗しました")});
    EXPECT_EQ(OutTree(), (std::vector<std::string>{"00/", "00/old.tsd"}));
    EXPECT_EQ(OutFile("00/old.tsd"), "OLD");
}

TEST_F(StagingTest, LaterFilesOfTheSameNameWin) {
    ExhibitionEntry entry = MakeEntry("a");
    entry.thumbnailPath = Source("t/pic.jpg", "THUMB");
    entry.descriptionPath = Source("d/pic.jpg", "DESC");
    entry.dataPaths = {Source("m1/part.obj", "FIRST"), Source("m2/part.obj", "SECOND")};
    const EntryList staged = Stage({entry});

    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(OutFile("00/pic.jpg"), "DESC");
    EXPECT_EQ(OutFile("00/part.obj"), "SECOND");
    const std::string pic = out + test::Native("00/pic.jpg");
    const std::string part = out + test::Native("00/part.obj");
    EXPECT_EQ(staged[0].thumbnailPath, pic);
    EXPECT_EQ(staged[0].descriptionPath, pic);
    EXPECT_EQ(staged[0].dataPaths, (std::vector<std::string>{part, part}));
}

TEST_F(StagingTest, ExtensionlessDataPaths) {
    struct Case {
        const char* name;
        std::function<std::vector<std::string>(StagingTest&)> dataPaths;
        std::vector<std::string> stagedNames;
        std::vector<std::string> extraTree;
    };
    const std::vector<Case> cases = {
        // The document's own folder, as a data element without a path yields it: the
        // folder's files (the document included) land in a folder of its name.
        {"document folder",
         [](StagingTest& t) {
             t.Source("a/sub/deep.raw", "DEEP");
             return std::vector<std::string>{t.Source("a")};
         },
         {"a"},
         {"00/a/", "00/a/a.tsd", "00/a/a_thumb.jpg", "00/a/a_desc.png"}},
        {"file without extension",
         [](StagingTest& t) { return std::vector<std::string>{t.Source("a/LICENSE", "L")}; },
         {"LICENSE"},
         {"00/LICENSE"}},
        // A missing path is listed as a prefix: its matches are copied beside the new
        // folder, each under the path's name followed directly by its own.
        {"missing path",
         [](StagingTest& t) {
             t.Source("a/mod.mtl", "MTL");
             return std::vector<std::string>{t.Source("a/mod")};
         },
         {"mod"},
         {"00/mod/", "00/modmod.mtl"}},
        // A folder named twice is filled twice rather than refused.
        {"same folder twice",
         [](StagingTest& t) {
             t.Source("a/slices/s1.raw", "S1");
             return std::vector<std::string>{t.Source("a/slices/"), t.Source("a/slices")};
         },
         {"slices/", "slices"},
         {"00/slices/", "00/slices/s1.raw"}},
    };
    for (const Case& c : cases) {
        test::TempDir fresh;
        const std::string freshOut = fresh.folder();
        ExhibitionEntry entry = MakeEntry("a");
        entry.dataPaths = c.dataPaths(*this);
        RecordingMessageBox box;
        EntryList staged;
        StageEntries({entry}, freshOut, Resources(), staged, box);

        EXPECT_TRUE(box.calls.empty()) << c.name;
        std::vector<std::string> expectedPaths;
        for (const std::string& name : c.stagedNames) {
            expectedPaths.push_back(freshOut + test::Native("00/" + name));
        }
        EXPECT_EQ(staged[0].dataPaths, expectedPaths) << c.name;
        for (const std::string& relative : c.extraTree) {
            const std::string path = freshOut + relative;
            if (relative.back() == '/') {
                EXPECT_TRUE(std::filesystem::is_directory(path)) << c.name << ": " << relative;
            } else {
                EXPECT_TRUE(std::filesystem::is_regular_file(path)) << c.name << ": " << relative;
            }
        }
        EXPECT_FALSE(std::filesystem::exists(freshOut + "00/a/sub")) << c.name;
    }
}

} // namespace
} // namespace lumo
