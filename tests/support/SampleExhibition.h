#pragma once

#include <string>
#include <vector>

namespace lumo::test {

// One item of the sample exhibition in examples/: its name and its three files.
struct SampleItem {
    std::string name;
    std::string document;
    std::string thumbnail;
    std::string description;
};

inline std::vector<SampleItem> SampleItems() {
    const std::string examples = std::string(LUMO_SOURCE_DIR) + "/examples/";
    std::vector<SampleItem> items;
    for (const char* name : {"lighthouse", "ammonite", "comet"}) {
        items.push_back({name, examples + "scenes/" + name + "/" + name + ".tsd",
                         examples + "images/" + name + "_thumb.jpg",
                         examples + "images/" + name + "_desc.png"});
    }
    return items;
}

// "--item DOC THUMB DESC" for each sample item, the images first so that the order of
// the files within an item is seen not to matter.
inline std::vector<std::string> SampleItemArguments() {
    std::vector<std::string> arguments;
    for (const SampleItem& item : SampleItems()) {
        arguments.insert(arguments.end(),
                         {"--item", item.thumbnail, item.description, item.document});
    }
    return arguments;
}

} // namespace lumo::test
