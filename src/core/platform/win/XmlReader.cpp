#include "platform/XmlReader.h"

#include "platform/win/ComPointer.h"
#include "platform/win/WidePath.h"

#include <windows.h>

#include <objidl.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <cstdio>
#include <new>

namespace lumo {

namespace {

// XmlLite lies in every Windows since Vista but MinGW-w64 has no import library for it:
// its two entry points are taken from the system's copy.
using CreateReader = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
using CreateInput = HRESULT(WINAPI*)(IUnknown*, IMalloc*, LPCWSTR, BOOL, LPCWSTR,
                                     IXmlReaderInput**);

struct XmlLite {
    CreateReader createReader = nullptr;
    CreateInput createInput = nullptr;
};

template <typename Function> Function EntryPoint(HMODULE module, const char* name) {
    // Through a plain function pointer type, so that the conversion is not taken for a
    // mismatched call.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const XmlLite& Library() {
    static const XmlLite library = [] {
        XmlLite found;
        const HMODULE module =
            LoadLibraryExW(L"xmllite.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (module != nullptr) {
            found.createReader = EntryPoint<CreateReader>(module, "CreateXmlReader");
            found.createInput =
                EntryPoint<CreateInput>(module, "CreateXmlReaderInputWithEncodingName");
        }
        return found;
    }();
    return library;
}

struct ErrorText {
    unsigned long code;
    const char* text;
};

// The reader's failures that a scene document is likely to meet, in words.
const ErrorText kErrorTexts[] = {
    {MX_E_INPUTEND, "unexpected end of input"},
    {WC_E_WHITESPACE, "white space expected"},
    {WC_E_SEMICOLON, "';' expected"},
    {WC_E_GREATERTHAN, "'>' expected"},
    {WC_E_QUOTE, "quote expected"},
    {WC_E_EQUAL, "'=' expected"},
    {WC_E_LESSTHAN, "'<' not allowed here"},
    {WC_E_XMLCHARACTER, "invalid character"},
    {WC_E_NAMECHARACTER, "invalid name character"},
    {WC_E_SYNTAX, "syntax error"},
    {WC_E_CDSECT, "malformed CDATA section"},
    {WC_E_COMMENT, "malformed comment"},
    {WC_E_NAME, "name expected"},
    {WC_E_ROOTELEMENT, "more than one root element, or none"},
    {WC_E_ELEMENTMATCH, "end tag does not match the start tag"},
    {WC_E_UNIQUEATTRIBUTE, "duplicate attribute"},
    {WC_E_XMLDECL, "malformed XML declaration"},
    {WC_E_LEADINGXML, "XML declaration not at the start"},
    {WC_E_UNDECLAREDENTITY, "undefined entity"},
    {WC_E_PI, "malformed processing instruction"},
    {WC_E_CDSECTEND, "']]>' not allowed in text"},
    {WC_E_MOREDATA, "data after the root element"},
    {NC_E_UNDECLAREDPREFIX, "undeclared namespace prefix"},
    {SC_E_MAXENTITYEXPANSION, "entities expand too far"},
    {static_cast<unsigned long>(E_NOTIMPL), "not supported by this system's XmlLite"},
};

std::string ErrorMessage(HRESULT code) {
    for (const ErrorText& known : kErrorTexts) {
        if (known.code == static_cast<unsigned long>(code)) {
            return known.text;
        }
    }
    char text[32];
    std::snprintf(text, sizeof text, "XmlLite error 0x%08lX", static_cast<unsigned long>(code));
    return text;
}

std::string Text(const WCHAR* text, UINT length) {
    return Utf8FromWide(std::wstring_view(text, length));
}

// The unprefixed attributes of the element the reader stands on; it stands on the
// element again afterwards.
std::vector<XmlAttribute> Attributes(IXmlReader& reader) {
    std::vector<XmlAttribute> attributes;
    for (HRESULT hr = reader.MoveToFirstAttribute(); hr == S_OK;
         hr = reader.MoveToNextAttribute()) {
        const WCHAR* uri = nullptr;
        UINT uriLength = 0;
        const WCHAR* name = nullptr;
        UINT nameLength = 0;
        const WCHAR* value = nullptr;
        UINT valueLength = 0;
        if (SUCCEEDED(reader.GetNamespaceUri(&uri, &uriLength)) && uriLength == 0 &&
            SUCCEEDED(reader.GetLocalName(&name, &nameLength)) &&
            SUCCEEDED(reader.GetValue(&value, &valueLength))) {
            attributes.push_back({Text(name, nameLength), Text(value, valueLength)});
        }
    }
    reader.MoveToElement();
    return attributes;
}

// An empty document fails before its first line is counted.
XmlError Failure(IXmlReader& reader, HRESULT code) {
    UINT line = 0;
    reader.GetLineNumber(&line);
    return {std::max<std::size_t>(line, 1), ErrorMessage(code)};
}

} // namespace

std::optional<XmlError> ReadXml(std::string_view utf8, XmlHandler& handler) {
    const XmlLite& library = Library();
    if (library.createReader == nullptr || library.createInput == nullptr) {
        return XmlError{0, "xmllite.dll is not available"};
    }
    ComPointer<IXmlReader> reader;
    ComPointer<IXmlReaderInput> input;
    IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(utf8.data()),
                                        static_cast<UINT>(utf8.size()));
    if (stream == nullptr) {
        throw std::bad_alloc();
    }
    const HRESULT created =
        library.createReader(__uuidof(IXmlReader), reinterpret_cast<void**>(reader.out()), nullptr);
    const HRESULT wrapped = SUCCEEDED(created) ? library.createInput(stream, nullptr, L"utf-8",
                                                                     FALSE, nullptr, input.out())
                                               : created;
    stream->Release();
    if (FAILED(wrapped)) {
        throw std::bad_alloc();
    }
    // As expat does: a document type's internal entities are expanded, nothing external
    // is resolved, elements nest as deep as they like.
    reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Parse);
    reader->SetProperty(XmlReaderProperty_XmlResolver, 0);
    reader->SetProperty(XmlReaderProperty_MaxElementDepth, 0);
    reader->SetInput(input.get());

    bool sawElement = false;
    XmlNodeType type = XmlNodeType_None;
    HRESULT hr = S_OK;
    while ((hr = reader->Read(&type)) == S_OK) {
        if (type == XmlNodeType_Element) {
            sawElement = true;
            UINT line = 0;
            reader->GetLineNumber(&line);
            const WCHAR* name = nullptr;
            UINT nameLength = 0;
            reader->GetLocalName(&name, &nameLength);
            const bool empty = reader->IsEmptyElement() != FALSE;
            handler.startElement(Text(name, nameLength), Attributes(*reader.get()), line);
            if (empty) {
                handler.endElement();
            }
        } else if (type == XmlNodeType_EndElement) {
            handler.endElement();
        }
    }
    if (FAILED(hr)) {
        return Failure(*reader.get(), hr);
    }
    if (!sawElement) {
        return Failure(*reader.get(), static_cast<HRESULT>(WC_E_ROOTELEMENT));
    }
    return std::nullopt;
}

} // namespace lumo
