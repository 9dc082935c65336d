#include "core/exhibition/PredictionTable.h"

#include <sys/stat.h>

namespace lumo {
namespace {

using Kind = ProblemKind;
using test::PredictionCase;
using test::PredictionSetup;

void MakePipe(const PredictionSetup& s, const std::string& relative) {
    std::filesystem::create_directories(std::filesystem::path(s.src(relative)).parent_path());
    ASSERT_EQ(::mkfifo(s.src(relative).c_str(), 0600), 0);
}

TEST(CheckPredictsStaging, SpecialFiles) {
    const std::vector<PredictionCase> cases = {
        // Left out, never opened: the files after it still come.
        {"a data folder holding a named pipe",
         {"slices\\"},
         [](PredictionSetup& s) {
             s.write("slices/0.raw");
             MakePipe(s, "slices/1.pipe");
             s.write("slices/2.raw");
         },
         {{Kind::Unreadable, "slices/1.pipe"}},
         {},
         {"slices/", "slices/0.raw", "slices/2.raw"}},
        {"a data folder holding a link to a device",
         {"slices\\"},
         [](PredictionSetup& s) {
             s.write("slices/0.raw");
             std::filesystem::create_symlink("/dev/null", s.src("slices/null.raw"));
         },
         {{Kind::Unreadable, "slices/null.raw"}},
         {},
         {"slices/", "slices/0.raw"}},
        {"a named pipe as a data file",
         {"pipe.dat"},
         [](PredictionSetup& s) { MakePipe(s, "pipe.dat"); },
         {{Kind::Unreadable, "pipe.dat"}},
         {"pipe.dat作成に失敗しました"},
         {}},
        // It names a file, so it is not listed as a data folder.
        {"a named pipe without extension",
         {"pipe"},
         [](PredictionSetup& s) { MakePipe(s, "pipe"); },
         {{Kind::Unreadable, "pipe"}},
         {"pipe作成に失敗しました"},
         {}},
    };
    for (const PredictionCase& c : cases) {
        test::RunPrediction(c);
    }
}

} // namespace
} // namespace lumo
