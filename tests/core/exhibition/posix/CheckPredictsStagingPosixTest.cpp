#include "core/exhibition/PredictionTable.h"

#include <sys/stat.h>

namespace lumo {
namespace {

using Kind = ProblemKind;

// A named pipe at src/<relative>.
std::function<void(test::PredictionSetup&)> Pipe(const std::string& relative) {
    return [relative](test::PredictionSetup& s) {
        std::filesystem::create_directories(std::filesystem::path(s.src(relative)).parent_path());
        ASSERT_EQ(::mkfifo(s.src(relative).c_str(), 0600), 0);
    };
}

TEST(CheckPredictsStaging, SpecialFiles) {
    const std::vector<test::PredictionCase> cases = {
        // Left out, never opened: the files after it still come.
        {"a data folder holding a named pipe",
         {"slices\\"},
         {"slices/0.raw", "slices/2.raw"},
         {{Kind::Unreadable, "slices/1.pipe"}},
         {},
         {"slices/", "slices/0.raw", "slices/2.raw"},
         Pipe("slices/1.pipe")},
        {"a data folder holding a link to a device",
         {"slices\\"},
         {"slices/0.raw"},
         {{Kind::Unreadable, "slices/null.raw"}},
         {},
         {"slices/", "slices/0.raw"},
         [](test::PredictionSetup& s) {
             std::filesystem::create_symlink("/dev/null", s.src("slices/null.raw"));
         }},
        {"a named pipe as a data file",
         {"pipe.dat"},
         {},
         {{Kind::Unreadable, "pipe.dat"}},
         {},
         {},
         Pipe("pipe.dat")},
        // It names a file, so it is not listed as a data folder.
        {"a named pipe without extension",
         {"pipe"},
         {},
         {{Kind::Unreadable, "pipe"}},
         {},
         {},
         Pipe("pipe")},
    };
    for (const test::PredictionCase& c : cases) {
        test::RunPrediction(c);
    }
}

} // namespace
} // namespace lumo
