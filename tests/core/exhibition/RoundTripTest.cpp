#include "model/MainDialogModel.h"
#include "platform/PathParts.h"
#include "support/BuiltExhibition.h"
#include "support/TempDir.h"
#include "support/TestDialog.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace lumo {
namespace {

// Names a curator might give, so every item is clean. Some data files are scene documents
// or wide images, which the entry folder then holds beside the item's own.
const std::vector<std::string> kDocumentStems = {"scene", "分子モデル", "heart 2", "a.b", "Z"};
const std::vector<std::string> kThumbnailNames = {"thumb.jpg", "サムネイル.JPG", "t.png",
                                                  "wide image.jpeg"};
const std::vector<std::string> kDescriptionNames = {"desc.png", "説明.png", "d.jpg", "tall.PNG"};
const std::vector<std::string> kDataNames = {"mol.pdb", "coords.dat", "volume.raw", "idx",
                                             "zz.tsd",  "~wide.jpg",  "0 first.tsd"};

template <typename T> const T& Pick(std::mt19937& random, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

void WriteImage(const std::string& path, int width, int height) {
    if (LowerAscii(ExtensionOf(path)) == ".png") {
        test::WritePng(path, width, height);
    } else {
        test::WriteJpeg(path, width, height);
    }
}

// A scene document in its own folder with one or two data files and, now and then, a
// data folder; a wide thumbnail and a tall description beside it.
ExhibitionEntry MakeItem(std::mt19937& random, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const std::string document = (folder / (Pick(random, kDocumentStems) + ".tsd")).string();
    const std::string thumbnail = (folder / Pick(random, kThumbnailNames)).string();
    const std::string description = (folder / Pick(random, kDescriptionNames)).string();
    WriteImage(thumbnail, 24 + static_cast<int>(random() % 8), 16);
    WriteImage(description, 16, 24 + static_cast<int>(random() % 8));

    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TessraFile>\r\n";
    const std::string data = Pick(random, kDataNames);
    if (LowerAscii(ExtensionOf(data)) == ".jpg") {
        WriteImage((folder / data).string(), 64, 16);
    } else {
        test::WriteFile(folder / data, "data " + data);
    }
    text += "<data name=\"d\" ><file path=\"" + data + "\" /></data>\r\n";
    if (random() % 3 == 0) {
        test::WriteFile(folder / "slices/s1.raw", "slice");
        text += "<data name=\"v\" path=\"slices\\\" ></data>\r\n";
    }
    text += "<drawGroup name=\"Sur_a\" friendGroup=\"d\" >\r\n<drawUnit coordinate_data=\"d\" "
            "/>\r\n</drawGroup>\r\n</TessraFile>\r\n";
    test::WriteFile(document, text);
    return {document, thumbnail, description, {}};
}

TEST(RoundTrip, ABuiltExhibitionReloadsTheSameItemsInOrder) {
    // Item counts drawn from fixed seeds, plus both ends of the range.
    std::vector<std::pair<unsigned, std::size_t>> runs = {{1, 1}, {2, 99}};
    for (unsigned seed : {3u, 4u, 5u, 6u}) {
        std::mt19937 random(seed);
        runs.push_back({seed, std::uniform_int_distribution<std::size_t>(1, 99)(random)});
    }
    for (const auto& [seed, count] : runs) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(count) + " items");
        std::mt19937 random(seed);
        test::TempDir source;
        test::TempDir target;

        test::TestDialog built({target.path().string()});
        MainDialogModel& dialog = built.model;
        for (std::size_t i = 0; i < count; ++i) {
            const ExhibitionEntry item = MakeItem(random, source.path() / std::to_string(i));
            dialog.HandleDroppedFiles(
                {item.documentPath, item.thumbnailPath, item.descriptionPath});
            dialog.AddCurrentEntry();
        }
        ASSERT_EQ(dialog.entries().size(), count)
            << ::testing::PrintToString(built.messages.texts());
        ASSERT_EQ(dialog.BuildExhibition().status, BuildStatus::Written);
        ASSERT_EQ(built.messages.texts(),
                  std::vector<std::string>{"展示用tsdファイルを作成しました"});

        // A stale folder after the last entry, and a copied description deleted: neither
        // changes what the exhibition says its items are.
        test::WriteEntryFolder(target, std::to_string(100 + count).substr(1),
                               {"stale.tsd", "s_w.png", "s_t.png"});
        const std::size_t damaged = random() % count;
        const std::string damagedFolder = std::to_string(100 + damaged).substr(1);
        std::filesystem::remove(target / (damagedFolder + "/" +
                                          FileNamePart(dialog.entries()[damaged].descriptionPath)));

        test::TestDialog reloading;
        MainDialogModel& reloaded = reloading.model;
        reloaded.HandleDroppedFiles({target / "exhibition.tsd"});

        EntryList expected;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string folder =
                target.folder() + std::to_string(100 + i).substr(1) + test::kSeparator;
            const ExhibitionEntry& item = dialog.entries()[i];
            expected.push_back({folder + FileNamePart(item.documentPath),
                                folder + FileNamePart(item.thumbnailPath),
                                folder + FileNamePart(item.descriptionPath),
                                {}});
        }
        EXPECT_EQ(reloaded.entries(), expected);
    }
}

} // namespace
} // namespace lumo
