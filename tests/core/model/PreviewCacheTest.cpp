#include "model/PreviewCache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

// A step: show path (stamped modified) at bytes, decoding it when it is not kept; the
// decodes expected so far.
struct Step {
    const char* path;
    std::int64_t modified;
    std::size_t bytes;
    bool decoded;
};

TEST(PreviewCache, KeepsTheRecentlyShownWithinItsBudget) {
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"shown again: kept", {{"/a.jpg", 1, 40, true}, {"/a.jpg", 1, 40, false}}},
        {"changed on disk: decoded anew",
         {{"/a.jpg", 1, 40, true}, {"/a.jpg", 2, 40, true}, {"/a.jpg", 1, 40, false}}},
        {"over budget: the least recently shown goes",
         {{"/a.jpg", 1, 40, true},
          {"/b.jpg", 1, 40, true},
          {"/a.jpg", 1, 40, false},
          {"/c.jpg", 1, 40, true},
          {"/a.jpg", 1, 40, false},
          {"/b.jpg", 1, 40, true}}},
        {"larger than the budget: never kept, nothing else lost",
         {{"/a.jpg", 1, 40, true},
          {"/big.jpg", 1, 101, true},
          {"/big.jpg", 1, 101, true},
          {"/a.jpg", 1, 40, false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PreviewCache<std::string> cache(100);
        for (const Step& step : c.steps) {
            const PreviewKey key{step.path, step.modified, 7};
            const std::string* kept = cache.Find(key);
            EXPECT_EQ(kept == nullptr, step.decoded) << step.path;
            if (kept == nullptr) {
                cache.Insert(key, step.path, step.bytes);
            } else {
                EXPECT_EQ(*kept, step.path);
            }
        }
    }
}

} // namespace
} // namespace lumo
