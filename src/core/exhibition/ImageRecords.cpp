#include "exhibition/ImageRecords.h"

#include "entry/EntryNumber.h"
#include "platform/ImageProbe.h"
#include "platform/PathParts.h"

#include <algorithm>

namespace lumo {

namespace {

// One line declaring an image of entry folder NN. An image without a readable size is
// still declared, as 0 by 0, so that the groups referring to it keep a target.
void AppendImageRecord(std::string& text, const std::string& namePrefix,
                       const std::string& imagePath, int index) {
    const ProbeResult image = ProbeImageSize(imagePath);
    std::string type = ExtensionOf(imagePath);
    type.erase(std::remove(type.begin(), type.end(), '.'), type.end());
    const std::string number = EntryNumber(static_cast<std::size_t>(index));
    text += "<data name=\"" + namePrefix + number + "\" type=\"image\" format=\"RGB\" size=\"" +
            std::to_string(image.width) + ", " + std::to_string(image.height) +
            "\" ><file type=\"" + type + "\" path=\"" + number + "\\" + FileNamePart(imagePath) +
            "\" /></data>\n";
}

} // namespace

void AppendThumbnailRecord(std::string& text, const ExhibitionEntry& item, int index) {
    AppendImageRecord(text, "me", item.thumbnailPath, index);
}

void AppendDescriptionRecord(std::string& text, const ExhibitionEntry& item, int index) {
    AppendImageRecord(text, "ex", item.descriptionPath, index);
}

} // namespace lumo
