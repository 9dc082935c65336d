// Image bytes through the size probe under each image extension, chosen by the first
// input byte; the rest is the file.
#include "FuzzFiles.h"

#include "platform/ImageProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumo;
    if (size == 0) {
        return 0;
    }
    const std::string path =
        fuzz::Scratch() /
        ("image" + std::string(kImageExtensions[data[0] % kImageExtensions.size()]));
    test::WriteFile(path, std::string(fuzz::Bytes(data + 1, size - 1)));

    const ProbeResult first = ProbeImageSize(path);
    fuzz::Require(first.outcome != ProbeOutcome::NotAnImagePath,
                  "an image extension was not admitted");
    if (first.outcome == ProbeOutcome::Sized) {
        fuzz::Require(first.width > 0 && first.height > 0, "a size below one pixel");
        const ProbeResult again = ProbeImageSize(path);
        fuzz::Require(again.outcome == first.outcome && again.width == first.width &&
                          again.height == first.height,
                      "probing the same file twice differs");
    } else {
        fuzz::Require(first.width == 0 && first.height == 0, "a failed probe gave a size");
    }
    return 0;
}
