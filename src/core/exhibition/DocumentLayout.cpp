#include "exhibition/DocumentLayout.h"
#include "entry/EntryNumber.h"
#include "platform/PagingImages.h"

namespace lumo {

namespace {

constexpr std::size_t kPageSize = 6;

// Vertical coordinate of a thumbnail by its row on a menu page.
constexpr const char* kRowPositions[kPageSize] = {"0.86", "0.58", "0.30", "0.02", "-0.26", "-0.54"};

// The name list can be shorter than the entry count; a missing name reads as empty.
const std::string& NameAt(const std::vector<std::string>& names, std::size_t index) {
    static const std::string empty;
    return index < names.size() ? names[index] : empty;
}

// One page more than the full pages, so a count that divides evenly ends on an empty page.
std::size_t PageCount(std::size_t n) {
    return n / kPageSize + 1;
}

// A page leads down when entries follow it; the empty last page of an even division is
// therefore never reached by a down button.
bool HasDownButton(std::size_t page, std::size_t n) {
    return (page + 1) * kPageSize < n;
}

void AppendButtonData(std::string& text) {
    text += R"(<data name="up"   type="image" format="RGB" size="238,95" >)"
            R"(<file type="jpg" path=")" +
            std::string(kUpImage) + "\" /></data>\n";
    text += R"(<data name="down" type="image" format="RGB" size="238,95" >)"
            R"(<file type="jpg" path=")" +
            std::string(kDownImage) + "\" /></data>\n";
}

void AppendFirstEvent(std::string& text, const std::string& firstGroup) {
    text += R"(<event name="first" >)"
            "\n";
    text += R"(<fog mode="on" /><shadow mode="1" /><projection mode="perspective" />)"
            R"(<selectMode type="none" />)"
            "\n";
    text += R"(<appearance backgroundColor="0,0,0" fullScreen="on" />)"
            "\n";
    text += R"(<captionText font="14,ＭＳ ゴシック" color="255,255,255" />)"
            R"(<friendText font="14,ＭＳ ゴシック" color="255,255,255" />)"
            "\n";
    text += R"(<idleEvent time="1" name="waitAnimation" />)"
            "\n";
    text += "\n";
    text += R"(<targetSpace index="0" /><topGroup name="menu00" />)"
            "\n";
    text += R"(<homeHandle scale="1.0" trans=" 0.0, 0.0" clip="off" />)"
            R"(<reset scale="on" trans="on" />)"
            "\n";
    text += R"(<handleAbility trans="on" scale="off" rot="off" clip="off" delete="off" />)"
            "\n";
    text += "\n";
    text += R"(<targetSpace index = "1" /><topGroup name=")" + firstGroup +
            R"(" />)"
            "\n";
    text += R"(<homeHandle scale="1.0" trans=" 0.90, 0.0" /><reset scale="on" trans="on" />)"
            "\n";
    text += R"(<handleAbility delete="off" trans="on" />)"
            "\n";
    text += "\n";
    text += R"(<backgroundSpace index="0" /><activeSpace index="1" /></event>)"
            "\n";
    text += "\n";
}

void AppendWaitAnimationEvent(std::string& text) {
    text += R"(<event name="waitAnimation" >)"
            "\n";
    text += R"(<targetSpace index="1" />)"
            "\n";
    text += R"(<handleAnimation rot="0,1,0,1" /><activeSpace index="1" /></event>)"
            "\n";
    text += "\n";
}

// The up and down events of a page both show that page.
void AppendPagingEvents(std::string& text, std::size_t page) {
    const std::string pp = EntryNumber(page);
    const std::string showPage =
        R"(<targetSpace index="0"/><topGroup name="menu)" + pp + R"(" /></event>)" + "\n";
    text += R"(<event name="up)" + pp + R"(">)" + "\n";
    text += showPage;
    text += "\n";
    text += R"(<event name="down)" + pp + R"(">)" + "\n";
    text += showPage;
}

void AppendThumbnail(std::string& text, std::size_t entry) {
    const std::string nn = EntryNumber(entry);
    text += R"(<image shape="flat" size="0.4" image_data="me)" + nn +
            R"(" note="img" coordinate="-1.664, )" + kRowPositions[entry % kPageSize] +
            R"(, 0.0" ambient="255,255,255" diffuse="0,0,0" specular="0,0,0" opacity="1.0")" +
            R"( event="goto_ob)" + nn + R"(" />)" + "\n";
}

void AppendUpButton(std::string& text, std::size_t targetPage) {
    text += R"(<image shape="flat" size="0.4" image_data="up" note="up")"
            R"( coordinate="-1.664,-0.76,0.1" ambient="255,255,255" diffuse="0,0,0")"
            R"( specular="0,0,0" opacity="1.0" event="up)" +
            EntryNumber(targetPage) + R"(" />)" + "\n";
}

void AppendDownButton(std::string& text, std::size_t targetPage) {
    text += R"(<image shape="flat" size="0.4" image_data="down" note="down")"
            R"( coordinate="-1.664,-0.92,0.1" ambient="255,255,255" diffuse="0,0,0")"
            R"( specular="0,0,0" opacity="1.0" event="down)" +
            EntryNumber(targetPage) + R"(" />)" + "\n";
}

void AppendMenuPage(std::string& text, std::size_t page, std::size_t n) {
    text += R"(<drawGroup name="menu)" + EntryNumber(page) + R"(" type="unit" layer="back">)" +
            "<drawUnit>\n";
    const std::size_t first = page * kPageSize;
    for (std::size_t entry = first; entry < n && entry < first + kPageSize; ++entry) {
        AppendThumbnail(text, entry);
    }
    if (page != 0) {
        AppendUpButton(text, page - 1);
    }
    if (HasDownButton(page, n)) {
        AppendDownButton(text, page + 1);
    }
    text += "\n";
    text += "</drawUnit></drawGroup>\n";
    text += "\n";
}

} // namespace

void AppendNavigation(std::string& text, std::size_t n,
                      const std::vector<std::string>& topGroupNames) {
    AppendButtonData(text);
    AppendFirstEvent(text, NameAt(topGroupNames, 0));
    AppendWaitAnimationEvent(text);
    for (std::size_t page = 0; page < PageCount(n); ++page) {
        AppendPagingEvents(text, page);
    }
}

void AppendGotoEvents(std::string& text, std::size_t n,
                      const std::vector<std::string>& topGroupNames) {
    for (std::size_t i = 0; i < n; ++i) {
        text += R"(<event name="goto_ob)" + EntryNumber(i) + R"(" >)" + "\n";
        text += R"(<targetSpace index="1" /><topGroup name=")" + NameAt(topGroupNames, i) +
                R"(" />)" + "\n";
        text += R"(<reset scale="on" trans="on" rotCenter="on" rot="on" clip="on" clipRot="on")"
                R"( clipTrans="on" target="on" /><activeSpace index="1" /></event>)"
                "\n";
    }
}

void AppendMenuPages(std::string& text, std::size_t n) {
    for (std::size_t page = 0; page < PageCount(n); ++page) {
        AppendMenuPage(text, page, n);
    }
}

void AppendDescriptionGroups(std::string& text, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const std::string nn = EntryNumber(i);
        text += R"(<drawGroup name="ex)" + nn + R"(" layer="back" ><drawUnit>)" + "\n";
        text += R"(<image shape="flat" size="2.0" image_data="ex)" + nn +
                R"(" coordinate="-0.764,0.0,0.0" ambient="255,255,255" diffuse="0,0,0")"
                R"( specular="0,0,0" opacity="1.0" /></drawUnit></drawGroup>)"
                "\n";
        text += "\n";
    }
}

} // namespace lumo
