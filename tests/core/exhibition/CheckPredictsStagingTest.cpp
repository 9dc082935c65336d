#include "core/exhibition/PredictionTable.h"
#include "support/FailingWrites.h"

namespace lumo {
namespace {

using Kind = ProblemKind;

TEST(CheckPredictsStaging, EveryKindOfDataPath) {
    const std::vector<test::PredictionCase> cases = {
        // Listed by prefix: an empty folder, and its matches beside it under glued names.
        {"an extension-less path naming nothing",
         {"mod"},
         {"mod.mtl"},
         {{Kind::MissingDataFolder, "mod"}},
         {},
         {"mod/", "modmod.mtl"}},
        {"the document's own folder, as '.'",
         {"."},
         {},
         {{Kind::DotDataPath, ".", "."}},
         {".作成に失敗しました"},
         {}},
        {"the document's parent folder, as '..\\'",
         {"..\\"},
         {},
         {{Kind::DotDataPath, "../", "..\\"}},
         {"../フォルダ作成に失敗しました"},
         {}},
        {"a data folder holding a sub-folder",
         {"slices\\"},
         {"slices/0.raw", "slices/deep/1.raw"},
         {{Kind::DataSubfolder, "slices/deep"}},
         {},
         {"slices/", "slices/0.raw"}},
        // The copy is tried, since what holds a file may let go of it; the rest still come.
        {"a data folder holding a file that cannot be read",
         {"slices\\"},
         {"slices/0.raw", "slices/2.raw"},
         {{Kind::Unreadable, "slices/1.raw"}},
         {},
         {"slices/", "slices/0.raw", "slices/2.raw"},
         [](test::PredictionSetup& s) {
             s.held.push_back(std::make_shared<test::UnreadableFile>(s.src("slices/1.raw")));
         }},
        {"a file, then a folder of its name",
         {"o\\vol", "vol\\"},
         {"o/vol", "vol/v.raw"},
         {{Kind::FolderReference, "o/vol", "o\\vol"}, {Kind::NameCollision, "vol/", "o/vol"}},
         {},
         {"vol"}},
        {"a folder, then a file of its name",
         {"vol\\", "o\\vol"},
         {"o/vol", "vol/v.raw"},
         {{Kind::FolderReference, "o/vol", "o\\vol"}, {Kind::NameCollision, "o/vol", "vol/"}},
         {},
         {"vol/", "vol/v.raw"}},
        {"two folders whose names differ in letter case",
         {"slices\\", "sub\\SLICES\\"},
         {"slices/a.raw", "sub/SLICES/b.raw"},
         {{Kind::FolderReference, "sub/SLICES/", "sub\\SLICES\\"},
          {Kind::NameCollision, "slices/", "sub/SLICES/"}},
         {},
         {"slices/", "slices/a.raw", "slices/b.raw"}},
        // Windows takes them for one name: the later one is what lands there.
        {"two files whose names differ in letter case beyond ASCII",
         {"\xC3\x84.dat", "sub\\\xC3\xA4.dat"},
         {"\xC3\x84.dat", "sub/\xC3\xA4.dat"},
         {{Kind::FolderReference, "sub/\xC3\xA4.dat", "sub\\\xC3\xA4.dat"},
          {Kind::NameCollision, "\xC3\x84.dat", "sub/\xC3\xA4.dat"}},
         {},
         {"\xC3\x84.dat"}},
    };
    for (const test::PredictionCase& c : cases) {
        test::RunPrediction(c);
    }
}

} // namespace
} // namespace lumo
