#include "platform/ImageProbe.h"

#include "platform/FileSystem.h"
#include "platform/ImageHeaders.h"
#include "platform/PathParts.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace lumo {

namespace {

class FileCloser {
public:
    explicit FileCloser(std::FILE* file) : file_(file) {}
    ~FileCloser() { std::fclose(file_); }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

private:
    std::FILE* file_;
};

bool ReadBySignature(std::FILE* file, int& width, int& height) {
    std::array<unsigned char, 8> head{};
    const std::size_t got = std::fread(head.data(), 1, head.size(), file);
    if (got < 2 || std::fseek(file, 0, SEEK_SET) != 0) {
        return false;
    }
    if (head[0] == 0xFF && head[1] == 0xD8) {
        return ReadJpegSize(file, width, height);
    }
    static constexpr std::array<unsigned char, 8> kPngSignature = {0x89, 'P',  'N',  'G',
                                                                   '\r', '\n', 0x1A, '\n'};
    if (got == head.size() && head == kPngSignature) {
        return ReadPngSize(file, width, height);
    }
    if (head[0] == 'B' && head[1] == 'M') {
        return ReadBmpSize(file, width, height);
    }
    return false;
}

} // namespace

bool IsImageExtension(std::string_view lowerExtension) {
    return std::find(kImageExtensions.begin(), kImageExtensions.end(), lowerExtension) !=
           kImageExtensions.end();
}

std::string ImageExtensionList() {
    std::string list;
    for (const std::string_view extension : kImageExtensions) {
        list += (list.empty() ? "" : ", ") + std::string(extension);
    }
    return list;
}

ProbeResult ProbeImageSize(const std::string& path) {
    ProbeResult result;
    if (!IsImageExtension(LowerAscii(ExtensionOf(path)))) {
        result.outcome = ProbeOutcome::NotAnImagePath;
        return result;
    }
    std::FILE* file = OpenRegularFileForReading(path);
    if (file == nullptr) {
        return result;
    }
    const FileCloser closer(file);
    if (ReadBySignature(file, result.width, result.height)) {
        result.outcome = ProbeOutcome::Sized;
    }
    return result;
}

} // namespace lumo
