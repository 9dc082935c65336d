// Image bytes through the size probe under each image extension, chosen by the first
// input byte; the rest is the file.
#include "FuzzFiles.h"

#include "platform/ImageProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumo;
    static constexpr const char* kNames[] = {"image.jpg", "image.jpeg", "image.png", "image.bmp"};
    if (size == 0) {
        return 0;
    }
    const std::string path = fuzz::Scratch() / kNames[data[0] % 4];
    test::WriteFile(path, std::string(fuzz::Bytes(data + 1, size - 1)));

    int width = -1;
    int height = -1;
    if (ProbeImageSize(path, width, height)) {
        int again[2] = {-1, -1};
        fuzz::Require(ProbeImageSize(path, again[0], again[1]) && again[0] == width &&
                          again[1] == height,
                      "probing the same file twice differs");
    } else {
        fuzz::Require(width == -1 && height == -1, "a failed probe wrote a size");
    }
    return 0;
}
