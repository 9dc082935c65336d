#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// An attribute without a namespace prefix, its value as the parser delivers it (entities
// replaced, white space normalised).
struct XmlAttribute {
    std::string name;
    std::string value;
};

// Receives the elements of a document in document order; an empty element gets its end
// right after its start. Names are local names; namespace declarations and prefixed
// attributes are not passed on.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void startElement(std::string_view name, const std::vector<XmlAttribute>& attributes,
                              std::size_t line) = 0;
    virtual void endElement() = 0;
};

// Where and why a document stopped being well-formed XML, in the parser's words.
struct XmlError {
    std::size_t line = 0;
    std::string message;
};

// Parses a whole document given as UTF-8, whatever its encoding declaration says, with a
// parser kept by the system (expat on POSIX, XmlLite on Windows). Internal entities are
// expanded within bounds; nothing outside the text is ever loaded. Lines are counted
// from 1 as XML counts them (CR LF, CR and LF each end one). Nothing when the whole
// document is well-formed.
std::optional<XmlError> ReadXml(std::string_view utf8, XmlHandler& handler);

} // namespace lumo
