#include "exhibition/ImageRecords.h"

#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using test::TempDir;

TEST(ImageRecords, RecordsCarryNameTypeSizeAndBackslashPath) {
    const TempDir exhibition;
    ExhibitionEntry item;
    item.thumbnailPath = exhibition / "00/a_thumb.JPG";
    item.descriptionPath = exhibition / "00/a_desc.png";
    std::filesystem::create_directory(exhibition / "00");
    test::WriteJpeg(item.thumbnailPath, 640, 360);
    test::WritePng(item.descriptionPath, 1080, 1920);

    std::string text = "before\n";
    AppendThumbnailRecord(text, item, 0);
    AppendDescriptionRecord(text, item, 0);
    EXPECT_EQ(text, "before\n"
                    "<data name=\"me00\" type=\"image\" format=\"RGB\" size=\"640, 360\" ><file "
                    "type=\"JPG\" path=\"00\\a_thumb.JPG\" /></data>\n"
                    "<data name=\"ex00\" type=\"image\" format=\"RGB\" size=\"1080, 1920\" ><file "
                    "type=\"png\" path=\"00\\a_desc.png\" /></data>\n");
}

TEST(ImageRecords, NamesTypesAndMissingSizes) {
    const TempDir exhibition;
    test::WriteJpeg(exhibition / "b.jpeg", 3, 2);
    test::WritePng(exhibition / "R&D.png", 4, 5);
    test::WritePng(exhibition / "photo", 4, 5);
    struct Case {
        std::string file;
        bool thumbnail;
        int index;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"b.jpeg", true, 10,
         "<data name=\"me10\" type=\"image\" format=\"RGB\" size=\"3, 2\" ><file type=\"jpeg\" "
         "path=\"10\\b.jpeg\" /></data>\n"},
        {"R&D.png", false, 98,
         "<data name=\"ex98\" type=\"image\" format=\"RGB\" size=\"4, 5\" ><file type=\"png\" "
         "path=\"98\\R&D.png\" /></data>\n"},
        // No image extension: the probe reads nothing, the size falls back to 0 by 0.
        {"photo", true, 3,
         "<data name=\"me03\" type=\"image\" format=\"RGB\" size=\"0, 0\" ><file type=\"\" "
         "path=\"03\\photo\" /></data>\n"},
        {"gone.BMP", false, 7,
         "<data name=\"ex07\" type=\"image\" format=\"RGB\" size=\"0, 0\" ><file type=\"BMP\" "
         "path=\"07\\gone.BMP\" /></data>\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ExhibitionEntry item;
        (c.thumbnail ? item.thumbnailPath : item.descriptionPath) = exhibition / c.file;
        std::string text;
        (c.thumbnail ? AppendThumbnailRecord : AppendDescriptionRecord)(text, item, c.index);
        EXPECT_EQ(text, c.expected);
    }
}

} // namespace
} // namespace lumo
