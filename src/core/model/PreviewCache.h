#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <utility>

namespace lumo {

// Both windows' previews: an image fits in a square of this side, in pixels, and the
// decoded previews kept take at most this many bytes (about thirty at full size).
constexpr int kPreviewSide = 240;
constexpr std::size_t kPreviewCacheBytes = 8 * 1024 * 1024;
// Shown instead of a preview whose file cannot be decoded.
constexpr const char* kUnreadablePreview = "画像を読み込めません";

// What a preview was decoded from: a file changed on disk gets another key.
struct PreviewKey {
    std::string path;
    std::int64_t modified = 0; // in the system's own units
    std::uint64_t size = 0;

    bool operator==(const PreviewKey&) const = default;
};

// The previews the windows show on hover, kept within a byte budget so that hovering
// again costs nothing: the least recently shown go first, and a preview larger than the
// whole budget is not kept. Both windows use it with their own image type.
template <typename Preview> class PreviewCache {
public:
    explicit PreviewCache(std::size_t maxBytes) : maxBytes_(maxBytes) {}

    // The preview for key, now the most recently used; nullptr when there is none.
    const Preview* Find(const PreviewKey& key) {
        for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
            if (entry->key == key) {
                entries_.splice(entries_.begin(), entries_, entry);
                return &entries_.front().preview;
            }
        }
        return nullptr;
    }

    void Insert(PreviewKey key, Preview preview, std::size_t bytes) {
        if (bytes > maxBytes_) {
            return;
        }
        entries_.push_front({std::move(key), std::move(preview), bytes});
        bytes_ += bytes;
        while (bytes_ > maxBytes_) {
            bytes_ -= entries_.back().bytes;
            entries_.pop_back();
        }
    }

private:
    struct Entry {
        PreviewKey key;
        Preview preview;
        std::size_t bytes;
    };

    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    std::list<Entry> entries_; // most recently used first
};

} // namespace lumo
