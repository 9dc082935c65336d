#include "support/SampleExhibition.h"
#include "exhibition/BuiltExhibition.h"
#include "exhibition/Exhibition.h"
#include "exhibition/ExhibitionText.h"
#include "support/TempDir.h"
#include "support/TestDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lumo {
namespace {

// The document as text: byte order mark dropped, CR LF back to line feeds.
std::string DocumentText(const std::filesystem::path& path) {
    const std::string bytes = test::ReadFile(path);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    std::string text;
    for (std::size_t i = 3; i < bytes.size(); ++i) {
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            text += bytes[i];
        }
    }
    return text;
}

// The first two sample items, built as the window would build them: the fragments of both
// scene documents, renamed, followed by their image records.
TEST(SampleExhibition, BuildsTheScenesUnderTheirEntryPrefixes) {
    test::TempDir show;
    test::TestDialog dialog({show.path().string()});
    MainDialogModel& model = dialog.model;
    for (const test::SampleItem& item : {test::SampleItems()[0], test::SampleItems()[1]}) {
        model.HandleDroppedFiles({item.document, item.thumbnail, item.description});
        model.AddCurrentEntry();
    }
    ASSERT_EQ(model.BuildExhibition().status, BuildStatus::Written);
    EXPECT_EQ(dialog.messages.texts(), std::vector<std::string>{"展示用tsdファイルを作成しました"});

    const std::string expected =
        "<data name=\"00_tower\" ><file path=\"00\\tower.dat\" /></data>\n"
        "<data name=\"00_beam\" >\n"
        "    <file path=\"00\\beam.dat\" />\n"
        "</data>\n"
        "<drawGroup name=\"00_Sur_tower\" friendGroup=\"00_beam_cone\" >"
        "<childGroup name=\"ex00\" />\n"
        "<drawUnit coordinate_data=\"00_tower\" index_data=\"00_tower\" />\n"
        "</drawGroup>\n"
        "<drawGroup name=\"00_beam_cone\" caption=\"光の筋\" ><childGroup name=\"ex00\" />\n"
        "<drawUnit coordinate_data=\"00_beam\" />\n"
        "</drawGroup>\n"
        "\n"
        "<data name=\"01_shell\" ><file path=\"01\\shell.dat\" /></data>\n"
        "<data name=\"01_ct\" >\n"
        "    <volume spacing=\"0.5 0.5 1.0\" >\n"
        "        <file path=\"01\\slices\\\" />\n"
        "    </volume>\n"
        "</data>\n"
        "<drawGroup name=\"01_Sur_shell\" friendGroup=\"01_chambers\" >"
        "<childGroup name=\"ex01\" />\n"
        "<drawUnit coordinate_data=\"01_shell\" index_data=\"01_shell\" />\n"
        "</drawGroup>\n"
        "<drawGroup name=\"01_chambers\" ><childGroup name=\"ex01\" />\n"
        "<drawUnit volume_data=\"01_ct\" clipCap_data=\"01_shell\" />\n"
        "</drawGroup>\n"
        "\n"
        "\n"
        "<data name=\"me00\" type=\"image\" format=\"RGB\" size=\"320, 180\" >"
        "<file type=\"jpg\" path=\"00\\lighthouse_thumb.jpg\" /></data>\n"
        "<data name=\"me01\" type=\"image\" format=\"RGB\" size=\"320, 180\" >"
        "<file type=\"jpg\" path=\"01\\ammonite_thumb.jpg\" /></data>\n"
        "\n"
        "<data name=\"ex00\" type=\"image\" format=\"RGB\" size=\"360, 640\" >"
        "<file type=\"png\" path=\"00\\lighthouse_desc.png\" /></data>\n"
        "<data name=\"ex01\" type=\"image\" format=\"RGB\" size=\"360, 640\" >"
        "<file type=\"png\" path=\"01\\ammonite_desc.png\" /></data>\n"
        "\n"
        "<data name=\"up\"   type=\"image\"";

    const std::string text = DocumentText(show.path() / "exhibition.tsd");
    const std::string header = "<firstSetting spaceNum=\"2\" firstEvent=\"first\" />\n\n";
    const std::size_t start = text.find(header);
    ASSERT_NE(start, std::string::npos);
    EXPECT_EQ(text.substr(start + header.size(), expected.size()), expected);

    for (const char* line : {"<targetSpace index = \"1\" /><topGroup name=\"00_Sur_tower\" />\n",
                             "<event name=\"goto_ob01\" >\n<targetSpace index=\"1\" /><topGroup "
                             "name=\"01_Sur_shell\" />\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    // The entry folders hold what the document was assembled from.
    Exhibition staged;
    staged.Load(ReadBuiltExhibition(show / "exhibition.tsd").entries);
    const AssembledExhibition assembled = AssembleExhibitionText(staged.entries());
    EXPECT_EQ(assembled.topGroupNames, (std::vector<std::string>{"00_Sur_tower", "01_Sur_shell"}));
    EXPECT_EQ(assembled.text, text);

    for (const char* copied :
         {"00/tower.dat", "00/beam.dat", "01/shell.dat", "01/slices/slice_000.raw",
          "01/slices/slice_002.raw", "01/ammonite_desc.png", "up.jpg", "down.jpg"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(show.path() / copied)) << copied;
    }
}

// The front-ends keep their windows responsive while staging, so a drop or a second
// "tsd 作成" can arrive in the middle of a build: the drop waits, the second build is refused.
TEST(SampleExhibition, DropsDuringABuildWaitUntilItEnds) {
    test::TempDir show;
    test::TestDialog dialog({show.folder()});
    MainDialogModel& model = dialog.model;
    const test::SampleItem first = test::SampleItems()[0];
    const test::SampleItem second = test::SampleItems()[1];
    model.HandleDroppedFiles({first.document, first.thumbnail, first.description});
    model.AddCurrentEntry();

    std::vector<BuildStatus> nested;
    model.SetStagingObserver([&](const StagingStatus&) {
        if (nested.empty()) {
            model.HandleDroppedFiles({second.document});
            nested.push_back(model.BuildExhibition().status);
            EXPECT_EQ(model.currentEntry().documentPath, first.document);
        }
    });
    EXPECT_EQ(model.BuildExhibition().status, BuildStatus::Written);
    EXPECT_EQ(nested, std::vector<BuildStatus>{BuildStatus::Busy});
    EXPECT_EQ(model.currentEntry().documentPath, second.document);
    EXPECT_FALSE(model.building());
}

} // namespace
} // namespace lumo
