#include "model/DialogInput.h"
#include "model/DialogLayout.h"
#include "platform/PathParts.h"
#include "support/SampleExhibition.h"
#include "support/TestDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

TEST(DialogInput, EnterAndEscapeAreSwallowedArrowKeysRemembered) {
    const struct {
        DialogKey key;
        bool swallowed;
        bool arrow;
    } cases[] = {
        {DialogKey::Enter, true, false},
        {DialogKey::Escape, true, false},
        {DialogKey::Arrow, false, true},
        {DialogKey::Other, false, false},
    };
    for (const auto& c : cases) {
        test::TestDialog dialog;
        EXPECT_EQ(SwallowKeyDown(dialog.model, c.key), c.swallowed);
        EXPECT_EQ(dialog.model.arrowKeyPressed(), c.arrow);
    }
}

// Each button reaches its own command: the sample's first two items are listed, the
// second selected and shown.
TEST(DialogInput, EachButtonRunsItsCommand) {
    const struct {
        int id;
        bool known;
        std::vector<std::string> listed; // the items' documents afterwards
    } cases[] = {
        {IDC_ADD, true, {"lighthouse.tsd", "ammonite.tsd", "ammonite.tsd"}},
        {IDC_DELETE, true, {"lighthouse.tsd"}},
        {IDC_UP, true, {"ammonite.tsd", "lighthouse.tsd"}},
        {IDC_DOWN, true, {"lighthouse.tsd", "ammonite.tsd"}},
        {IDC_BUILD, true, {"lighthouse.tsd", "ammonite.tsd"}},
        {IDC_COUNT, false, {"lighthouse.tsd", "ammonite.tsd"}},
    };
    const std::vector<test::SampleItem> items = test::SampleItems();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        test::TestDialog dialog;
        for (const test::SampleItem& item : {items[0], items[1]}) {
            dialog.model.HandleDroppedFiles({item.document, item.thumbnail, item.description});
            dialog.model.AddCurrentEntry();
        }
        EXPECT_EQ(ClickButton(dialog.model, c.id), c.known);
        std::vector<std::string> listed;
        for (const ExhibitionEntry& entry : dialog.model.entries()) {
            listed.push_back(FileNamePart(entry.documentPath));
        }
        EXPECT_EQ(listed, c.listed);
        // Only the build opens the folder chooser (which the test cancels).
        EXPECT_EQ(dialog.chooser.startPaths.size(), c.id == IDC_BUILD ? 1u : 0u);
    }
}

} // namespace
} // namespace lumo
