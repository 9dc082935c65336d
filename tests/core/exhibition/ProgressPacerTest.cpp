#include "exhibition/ProgressPacer.h"
#include "exhibition/ProgressText.h"
#include "support/RecordingMessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;

TEST(ProgressText, FormatsByteCounts) {
    const std::vector<std::pair<std::uint64_t, std::string>> cases = {
        {0, "0 B"},
        {1023, "1023 B"},
        {1024, "1.0 KB"},
        {1536, "1.5 KB"},
        {1048524, "1023.9 KB"},
        {1048525, "1.0 MB"},
        {1048575, "1.0 MB"},
        {5 * 1024 * 1024, "5.0 MB"},
        {1073689395, "1023.9 MB"},
        {1073689396, "1.0 GB"},
        {3ULL * 1024 * 1024 * 1024, "3.0 GB"},
        {1099457940684, "1023.9 GB"},
        {1099457940685, "1.0 TB"},
        {1125899906842624, "1024.0 TB"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(FormatByteCount(bytes), text) << bytes;
    }
}

// The item line counts from one; the paging images, copied after the last item, stay on
// the last item's number. The bar counts bytes where the build's size is known, items
// otherwise, and never runs past the end.
TEST(ProgressText, SaysWhichItemOfHowMany) {
    const struct {
        std::size_t item, itemCount;
        std::uint64_t copied, total;
        const char* line;
        double fraction;
    } cases[] = {
        {0, 4, 2048, 0, "1 / 4 件目をコピーしています", 0.0},
        {3, 4, 2048, 0, "4 / 4 件目をコピーしています", 0.75},
        {4, 4, 2048, 0, "4 / 4 件目をコピーしています", 1.0},
        {0, 0, 2048, 0, "0 / 0 件目をコピーしています", 0.0},
        {0, 1, 2048, 8192, "1 / 1 件目をコピーしています", 0.25},
        {3, 4, 2048, 2048, "4 / 4 件目をコピーしています", 1.0},
        {3, 4, 4096, 2048, "4 / 4 件目をコピーしています", 1.0},
    };
    for (const auto& c : cases) {
        const StagingStatus status{c.item, c.itemCount, "/show/03/d.tsd", c.copied, c.total};
        const ProgressText text = StagingProgressText(status);
        EXPECT_EQ(text.item, c.line);
        EXPECT_EQ(text.file, "/show/03/d.tsd");
        EXPECT_EQ(text.copied, FormatByteCount(c.copied) + " コピー済み");
        EXPECT_DOUBLE_EQ(StagingFraction(status), c.fraction);
    }
}

TEST(ProgressText, EstimatesTheRemainingTimeFromThePaceSoFar) {
    const struct {
        std::uint64_t copied, total;
        int elapsedMs;
        const char* remaining; // nullptr: not shown
    } cases[] = {
        {100, 1000, 999, nullptr},   // too early to tell
        {0, 1000, 5000, nullptr},    // nothing copied yet
        {100, 0, 5000, nullptr},     // size unknown
        {1000, 1000, 5000, nullptr}, // done
        {500, 1000, 1000, "残り約 1 秒"},  {100, 1000, 2000, "残り約 18 秒"},
        {1, 3, 1000, "残り約 2 秒"},       {10, 1000, 1000, "残り約 2 分"}, // 99 s, rounded up
        {1, 1000, 60000, "残り約 999 分"},
    };
    for (const auto& c : cases) {
        const StagingStatus status{0, 1, "/a", c.copied, c.total};
        const auto remaining = EstimateRemaining(status, std::chrono::milliseconds(c.elapsedMs));
        const std::string copied = StagingProgressText(status, remaining).copied;
        if (c.remaining == nullptr) {
            EXPECT_FALSE(remaining) << c.copied << " " << c.elapsedMs;
        } else {
            EXPECT_EQ(copied, FormatByteCount(c.copied) + " コピー済み　" + c.remaining);
        }
    }
}

// Every call to the display as a line of text.
class RecordingDisplay final : public IProgressDisplay {
public:
    void open() override { calls.push_back("open"); }
    void update(const ProgressText& text, double) override {
        calls.push_back("update " + text.file);
    }
    void close() override { calls.push_back("close"); }
    void processEvents() override { calls.push_back("events"); }

    std::vector<std::string> calls;
};

// A build's steps: a status at a moment (milliseconds after the first), or a message.
struct Step {
    int at;
    const char* file; // nullptr: a message instead of a status
};

TEST(ProgressPacer, ShowsTheDisplayAfterHalfASecondAndClosesItForMessages) {
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::string> calls;
    } cases[] = {
        {"a quick build shows nothing",
         {{0, "a"}, {200, "b"}, {499, "c"}, {499, nullptr}},
         {"events", "events", "events", "message"}},
        {"a slow build shows every step from half a second on, and ends closed",
         {{0, "a"}, {500, "b"}, {900, "c"}},
         {"events", "open", "update b", "events", "update c", "events", "close"}},
        {"a message closes the display first; the next step brings it back",
         {{0, "a"}, {600, "b"}, {700, nullptr}, {800, "c"}},
         {"events", "open", "update b", "events", "close", "message", "open", "update c", "events",
          "close"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDisplay display;
        RecordingMessageBox messages;
        auto now = std::chrono::steady_clock::time_point{} + 1h;
        const auto start = now;
        {
            ProgressPacer pacer(display, messages, [&now] { return now; });
            for (const Step& step : c.steps) {
                now = start + std::chrono::milliseconds(step.at);
                if (step.file == nullptr) {
                    pacer.messages().show("staging failed");
                    display.calls.push_back("message");
                } else {
                    pacer.Report({0, 1, step.file, 0});
                }
            }
        }
        EXPECT_EQ(display.calls, c.calls);
        // Every message still reaches the curator.
        EXPECT_EQ(static_cast<std::ptrdiff_t>(messages.calls.size()),
                  std::count(c.calls.begin(), c.calls.end(), "message"));
    }
}

} // namespace
} // namespace lumo
