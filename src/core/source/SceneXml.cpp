#include "source/SceneXml.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The text as the parser gets it, line for line: the encoding declaration blanked out
// (the text is UTF-8 now, whatever the document declared) and every CR a space, so that
// the lines the parser counts are the build's lines. A CR is white space wherever XML
// allows it, and attribute values turn it into a space anyway.
std::string ParserText(std::string_view text) {
    std::string prepared(text);
    std::replace(prepared.begin(), prepared.end(), '\r', ' ');
    const std::size_t open =
        prepared.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0 ? kUtf8Bom.size() : 0;
    if (prepared.compare(open, 5, "<?xml") != 0) {
        return prepared;
    }
    const std::size_t close = prepared.find("?>", open);
    const std::size_t name = prepared.find("encoding", open);
    if (close == std::string::npos || name == std::string::npos || name > close) {
        return prepared;
    }
    std::size_t at = name + 8;
    while (at < close && IsXmlSpace(prepared[at])) {
        ++at;
    }
    if (at == close || prepared[at] != '=') {
        return prepared;
    }
    ++at;
    while (at < close && IsXmlSpace(prepared[at])) {
        ++at;
    }
    if (at == close || (prepared[at] != '"' && prepared[at] != '\'')) {
        return prepared;
    }
    const std::size_t end = prepared.find(prepared[at], at + 1);
    if (end == std::string::npos || end > close) {
        return prepared;
    }
    for (std::size_t i = name; i <= end; ++i) {
        if (prepared[i] != '\n') {
            prepared[i] = ' ';
        }
    }
    return prepared;
}

const std::string* Attribute(const std::vector<XmlAttribute>& attributes, std::string_view name) {
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.name == name) {
            return &attribute.value;
        }
    }
    return nullptr;
}

class SceneHandler : public XmlHandler {
public:
    explicit SceneHandler(SceneXml& scene) : scene_(scene) {}

    void startElement(std::string_view name, const std::vector<XmlAttribute>& attributes,
                      std::size_t line) override {
        std::size_t data = open_.empty() ? kNone : open_.back();
        if (name == "data") {
            data = scene_.data.size();
            scene_.data.push_back({line, {}});
        } else if (name == "drawGroup") {
            const std::string* groupName = Attribute(attributes, "name");
            scene_.drawGroups.push_back({line, groupName != nullptr
                                                   ? std::optional<std::string>(*groupName)
                                                   : std::nullopt});
        }
        const std::string* path = Attribute(attributes, "path");
        if (data != kNone && path != nullptr) {
            scene_.data[data].paths.push_back(*path);
        }
        open_.push_back(data);
    }

    void endElement() override { open_.pop_back(); }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    SceneXml& scene_;
    // Per open element, the innermost data element it lies in (kNone outside any).
    std::vector<std::size_t> open_;
};

} // namespace

SceneXml ReadSceneXml(std::string_view text) {
    SceneXml scene;
    SceneHandler handler(scene);
    scene.error = ReadXml(ParserText(text), handler);
    return scene;
}

} // namespace lumo
