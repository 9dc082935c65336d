#include "platform/ImageHeaders.h"

#include <array>
#include <cstdint>
#include <limits>

namespace lumo {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kLargestHeaderSize = 124;

// Decoders expand every pixel to 4 bytes and hold the bitmap's size in bytes in an
// unsigned 32-bit count, so a picture with more pixels than this cannot be allocated.
constexpr std::uint64_t kMostDecodablePixels = std::numeric_limits<std::uint32_t>::max() / 4;

// Compression values of the info header.
enum Compression : std::uint32_t {
    kUncompressed = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kEmbeddedJpeg = 4,
    kEmbeddedPng = 5,
    kAlphaBitFields = 6,
};

std::uint32_t Little16(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8;
}

std::uint32_t Little32(const unsigned char* bytes) {
    return Little16(bytes) | Little16(bytes + 2) << 16;
}

std::int64_t SignedLittle32(const unsigned char* bytes) {
    const std::uint32_t value = Little32(bytes);
    return value < 0x80000000u ? std::int64_t{value} : std::int64_t{value} - 0x100000000;
}

// The OS/2 1.x header (12 bytes) has 16-bit sizes; the OS/2 2.x headers (16 to 64 bytes)
// and the Windows ones (40, 52, 56, 108, 124 bytes) have signed 32-bit sizes.
bool IsKnownHeaderSize(std::uint32_t size) {
    return size == kCoreHeaderSize || (size >= 16 && size <= 64) || size == 108 ||
           size == kLargestHeaderSize;
}

// Whether the pixel format is one a decoder reads: each compression carries only the bit
// counts it is defined for, and a bit count of 0 means the pixels are an embedded stream.
bool IsDecodableFormat(std::uint32_t bitCount, std::uint32_t compression) {
    switch (compression) {
    case kUncompressed:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
               bitCount == 24 || bitCount == 32;
    case kRle8:
        return bitCount == 8;
    case kRle4:
        return bitCount == 4;
    case kBitFields:
    case kAlphaBitFields:
        return bitCount == 16 || bitCount == 32;
    case kEmbeddedJpeg:
    case kEmbeddedPng:
        return bitCount == 0;
    default:
        return false;
    }
}

} // namespace

bool ReadBmpSize(std::FILE* file, int& width, int& height) {
    std::array<unsigned char, kFileHeaderSize + kLargestHeaderSize> bytes{};
    const std::size_t prefix = kFileHeaderSize + 4;
    if (std::fread(bytes.data(), 1, prefix, file) != prefix || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    const std::uint32_t headerSize = Little32(&bytes[kFileHeaderSize]);
    if (!IsKnownHeaderSize(headerSize)) {
        return false;
    }
    const std::size_t rest = headerSize - 4;
    if (std::fread(&bytes[prefix], 1, rest, file) != rest) {
        return false;
    }
    const unsigned char* sizes = &bytes[prefix];
    std::int64_t readWidth = 0;
    std::int64_t readHeight = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kUncompressed;
    if (headerSize == kCoreHeaderSize) {
        readWidth = Little16(sizes);
        readHeight = Little16(sizes + 2);
        bitCount = Little16(sizes + 6);
    } else {
        readWidth = SignedLittle32(sizes);
        // A negative height marks rows stored top first; the picture is as tall either way.
        readHeight = SignedLittle32(sizes + 4);
        readHeight = readHeight < 0 ? -readHeight : readHeight;
        bitCount = Little16(sizes + 10);
        // The shortest OS/2 2.x headers end before the compression, which then is none.
        if (headerSize >= 20) {
            compression = Little32(sizes + 12);
        }
    }
    if (!IsDecodableFormat(bitCount, compression) || readWidth <= 0 || readHeight <= 0 ||
        static_cast<std::uint64_t>(readWidth) * static_cast<std::uint64_t>(readHeight) >
            kMostDecodablePixels) {
        return false;
    }
    width = static_cast<int>(readWidth);
    height = static_cast<int>(readHeight);
    return true;
}

} // namespace lumo
