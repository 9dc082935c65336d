#include "platform/XmlReader.h"

// The library is built with document type support (as Debian builds it); its header
// declares the entity expansion limits only when told so.
#define XML_DTD
#include <expat.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <new>

namespace lumo {

namespace {

// Expat joins a namespace URI and a local name with this; no name or URI holds it.
constexpr char kNamespaceSeparator = '\n';

// A document may expand its entities to at most ten times its own size once the
// expansion passes 1 MiB: enough for any honest document, little for a hostile one.
constexpr float kMaximumAmplification = 10.0F;
constexpr unsigned long long kAmplificationThreshold = 1ULL << 20;

// Expat takes its input in pieces of at most INT_MAX bytes.
constexpr std::size_t kPiece = 1 << 26;

struct ParserDeleter {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};
using Parser = std::unique_ptr<XML_ParserStruct, ParserDeleter>;

struct Context {
    XML_Parser parser;
    XmlHandler& handler;
    std::vector<XmlAttribute> attributes;
    // A handler's exception cannot pass through expat's C frames: it stops the parser
    // and is thrown again once expat has returned.
    std::exception_ptr failure;
};

std::string_view LocalName(std::string_view name) {
    const std::size_t separator = name.rfind(kNamespaceSeparator);
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

template <typename Call> void Guarded(Context& context, Call call) {
    if (context.failure) {
        return;
    }
    try {
        call();
    } catch (...) {
        context.failure = std::current_exception();
        XML_StopParser(context.parser, XML_FALSE);
    }
}

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    Context& context = *static_cast<Context*>(data);
    Guarded(context, [&] {
        context.attributes.clear();
        for (const XML_Char** pair = attributes; *pair != nullptr; pair += 2) {
            const std::string_view attribute = pair[0];
            if (attribute.find(kNamespaceSeparator) == std::string_view::npos) {
                context.attributes.push_back({std::string(attribute), pair[1]});
            }
        }
        context.handler.startElement(LocalName(name), context.attributes,
                                     XML_GetCurrentLineNumber(context.parser));
    });
}

void XMLCALL OnEnd(void* data, const XML_Char*) {
    Context& context = *static_cast<Context*>(data);
    Guarded(context, [&] { context.handler.endElement(); });
}

} // namespace

std::optional<XmlError> ReadXml(std::string_view utf8, XmlHandler& handler) {
    const Parser parser(XML_ParserCreateNS("UTF-8", kNamespaceSeparator));
    if (!parser) {
        throw std::bad_alloc();
    }
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser.get(), kMaximumAmplification);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(parser.get(), kAmplificationThreshold);
    Context context{parser.get(), handler, {}, nullptr};
    XML_SetUserData(parser.get(), &context);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);

    XML_Status status = XML_STATUS_OK;
    do {
        const std::size_t piece = std::min(utf8.size(), kPiece);
        const bool last = piece == utf8.size();
        status = XML_Parse(parser.get(), utf8.data(), static_cast<int>(piece), last);
        utf8.remove_prefix(piece);
        if (last) {
            break;
        }
    } while (status == XML_STATUS_OK);
    if (context.failure) {
        std::rethrow_exception(context.failure);
    }
    if (status == XML_STATUS_OK) {
        return std::nullopt;
    }
    return XmlError{XML_GetCurrentLineNumber(parser.get()),
                    XML_ErrorString(XML_GetErrorCode(parser.get()))};
}

} // namespace lumo
