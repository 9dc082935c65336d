#include "exhibition/ProgressText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace lumo {

namespace {

std::string RemainingTimeText(std::chrono::seconds remaining) {
    const auto seconds = std::max<std::chrono::seconds::rep>(remaining.count(), 1);
    if (seconds < 60) {
        return "残り約 " + std::to_string(seconds) + " 秒";
    }
    return "残り約 " + std::to_string((seconds + 59) / 60) + " 分";
}

} // namespace

std::string FormatByteCount(std::uint64_t bytes) {
    if (bytes < 1024) {
        return std::to_string(bytes) + " B";
    }
    const char* const units[] = {"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes) / 1024.0;
    std::size_t unit = 0;
    // Rounded to one decimal first, so that 1023.96 KB reads "1.0 MB", never "1024.0 KB".
    while (std::round(value * 10.0) >= 10240.0 && unit + 1 < std::size(units)) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

ProgressText StagingProgressText(const StagingStatus& status,
                                 std::optional<std::chrono::seconds> remaining) {
    const std::size_t shown = std::min(status.item + 1, status.itemCount);
    std::string copied = FormatByteCount(status.bytesCopied) + " コピー済み";
    if (remaining) {
        copied += "　" + RemainingTimeText(*remaining);
    }
    return {std::to_string(shown) + " / " + std::to_string(status.itemCount) +
                " 件目をコピーしています",
            status.file, copied};
}

double StagingFraction(const StagingStatus& status) {
    if (status.totalBytes > 0) {
        return static_cast<double>(std::min(status.bytesCopied, status.totalBytes)) /
               static_cast<double>(status.totalBytes);
    }
    if (status.itemCount == 0) {
        return 0.0;
    }
    return static_cast<double>(std::min(status.item, status.itemCount)) /
           static_cast<double>(status.itemCount);
}

std::optional<std::chrono::seconds> EstimateRemaining(const StagingStatus& status,
                                                      std::chrono::steady_clock::duration elapsed) {
    if (elapsed < std::chrono::seconds(1) || status.bytesCopied == 0 ||
        status.bytesCopied >= status.totalBytes) {
        return std::nullopt;
    }
    const double perByte =
        std::chrono::duration<double>(elapsed).count() / static_cast<double>(status.bytesCopied);
    const double rest = perByte * static_cast<double>(status.totalBytes - status.bytesCopied);
    return std::chrono::seconds(static_cast<std::chrono::seconds::rep>(std::ceil(rest)));
}

} // namespace lumo
