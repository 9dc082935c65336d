#pragma once

#include "platform/XmlReader.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// A data element as an XML parser sees it: the path attributes of the element and of
// every element inside it (its file children), in document order.
struct XmlDataElement {
    std::size_t line = 0;
    std::vector<std::string> paths;
};

struct XmlDrawGroup {
    std::size_t line = 0;
    std::optional<std::string> name;
};

// A scene document read as XML, the way the viewer reads it, with the lines where each
// element starts. When the document is not well-formed, error says where and the
// elements are those before it.
struct SceneXml {
    std::optional<XmlError> error;
    std::vector<XmlDataElement> data;
    std::vector<XmlDrawGroup> drawGroups;
};

// text is the document as the build decodes it, its lines joined with line feeds; it is
// handed to the parser as UTF-8 whatever its declaration says.
SceneXml ReadSceneXml(std::string_view text);

} // namespace lumo
