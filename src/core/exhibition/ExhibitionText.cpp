#include "exhibition/ExhibitionText.h"

#include "exhibition/DocumentLayout.h"
#include "exhibition/ImageRecords.h"
#include "source/DrawGroupRewriter.h"

namespace lumo {

namespace {

const char* const kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                            "<TessraFile version=\"1.35\">\n"
                            "\n"
                            "<body>\n"
                            "<firstSetting spaceNum=\"2\" firstEvent=\"first\" />\n"
                            "\n";
const char* const kFooter = "\n"
                            "</body>\n"
                            "</TessraFile>\n";

} // namespace

void AppendNavigationPart(std::string& text, std::size_t n,
                          const std::vector<std::string>& topGroupNames) {
    text += '\n';
    AppendNavigation(text, n, topGroupNames);
    text += '\n';
    AppendGotoEvents(text, n, topGroupNames);
    text += '\n';
    AppendMenuPages(text, n);
    text += '\n';
    AppendDescriptionGroups(text, n);
}

AssembledExhibition AssembleExhibitionText(const EntryList& staged) {
    const std::size_t n = staged.size();
    AssembledExhibition assembled{kHeader, {}};
    std::string& text = assembled.text;
    std::vector<std::string>& topGroupNames = assembled.topGroupNames;

    for (std::size_t i = 0; i < n; ++i) {
        AppendEntryFragments(text, staged[i], static_cast<int>(i), topGroupNames);
        text += '\n';
    }

    text += '\n';
    for (std::size_t i = 0; i < n; ++i) {
        AppendThumbnailRecord(text, staged[i], static_cast<int>(i));
    }
    text += '\n';
    for (std::size_t i = 0; i < n; ++i) {
        AppendDescriptionRecord(text, staged[i], static_cast<int>(i));
    }

    AppendNavigationPart(text, n, topGroupNames);

    text += kFooter;
    return assembled;
}

} // namespace lumo
