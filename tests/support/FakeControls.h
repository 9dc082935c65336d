#pragma once

#include "model/DialogControls.h"

#include <string>
#include <vector>

namespace lumo::test {

// Records every control call as a line of text and keeps the state a list box would.
class FakeControls final : public IDialogControls {
public:
    void setFieldText(Field field, const std::string& text) override {
        calls.push_back("field " + std::to_string(static_cast<int>(field)) + "=" + text);
        switch (field) {
        case Field::Document:
            document = text;
            break;
        case Field::Thumbnail:
            thumbnail = text;
            break;
        case Field::Description:
            description = text;
            break;
        case Field::Count:
            count = text;
            break;
        }
    }
    void clearList() override {
        calls.push_back("clear");
        items.clear();
        highlighted = -1;
    }
    void appendListItem(const std::string& text) override {
        calls.push_back("append " + text);
        items.push_back(text);
    }
    void selectListItem(int index) override {
        calls.push_back("select " + std::to_string(index));
        highlighted = (index >= 0 && index < static_cast<int>(items.size())) ? index : -1;
    }
    int selectedListItem() const override { return highlighted; }
    bool cursorInListItem(int) const override { return cursorInItem; }

    std::vector<std::string> calls;
    std::vector<std::string> items;
    int highlighted = -1;
    bool cursorInItem = true;
    std::string document, thumbnail, description, count;
};

} // namespace lumo::test
