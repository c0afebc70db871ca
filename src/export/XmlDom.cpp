#include "export/XmlDom.h"

#include "storage/AtomicFile.h"
#include "storage/TextCodec.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include <functional>
#include <unordered_set>
#include <vector>

namespace zizaza {
namespace {

const xmlChar* X(const std::string& s) {
    return reinterpret_cast<const xmlChar*>(s.c_str());
}

std::string FromX(const xmlChar* s) {
    return s ? std::string(reinterpret_cast<const char*>(s)) : std::string();
}

// Printable ASCII, tabs and line ends: what almost every value of the export is made of, and
// what needs no decoding to be known as valid.
bool IsPlainAscii(std::string_view text) {
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 || (b < 0x20 && b != 0x9 && b != 0xA && b != 0xD))
            return false;
    }
    return true;
}

// libxml2 takes zero-terminated strings: a name or value with an embedded zero would be cut
// silently, and a character XML cannot carry would make the saved file unreadable.
std::string CheckedText(std::string_view text, const char* what) {
    if (IsPlainAscii(text))
        return std::string(text);
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < text.size()) {
        if (!NextCodePoint(text, pos, cp))
            throw XmlError(std::string(what) + ": not valid UTF-8");
        bool allowed = cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
                       (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
        if (!allowed)
            throw XmlError(std::string(what) + ": character U+" + std::to_string(static_cast<unsigned>(cp)) +
                           " cannot appear in XML");
    }
    return std::string(text);
}

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
};

// The names of elements and attributes are the program's own few hundred, met again for every
// line of a long declaration: each is checked once, and its zero-terminated copy kept.
const std::string& CheckedName(std::string_view name) {
    thread_local std::unordered_set<std::string, NameHash, std::equal_to<>> valid;
    if (auto it = valid.find(name); it != valid.end())
        return *it;
    std::string n = CheckedText(name, "XML name");
    if (n.empty() || xmlValidateName(X(n), 0) != 0)
        throw XmlError("not an XML name: \"" + n + "\"");
    return *valid.insert(std::move(n)).first;
}

xmlNodePtr NewElement(xmlDocPtr doc, std::string_view name) {
    const std::string& n = CheckedName(name);
    xmlNodePtr node = xmlNewDocNode(doc, nullptr, X(n), nullptr);
    if (!node)
        throw XmlError("cannot create element " + n);
    return node;
}

}  // namespace

std::string XmlElement::Name() const {
    return m_node ? FromX(m_node->name) : std::string();
}

XmlElement XmlElement::AppendElement(std::string_view name) {
    if (!m_node)
        throw XmlError("append to a null element");
    xmlNodePtr child = NewElement(m_node->doc, name);
    if (!xmlAddChild(m_node, child)) {
        xmlFreeNode(child);
        throw XmlError("cannot append element");
    }
    return XmlElement(child);
}

void XmlElement::AppendText(std::string_view text) {
    if (!m_node)
        throw XmlError("append to a null element");
    std::string t = CheckedText(text, "XML text");
    // xmlNewDocTextLen keeps the text as it is (no entity parsing); escaping happens on saving.
    xmlNodePtr node = xmlNewDocTextLen(m_node->doc, X(t), static_cast<int>(t.size()));
    if (!node || !xmlAddChild(m_node, node)) {
        xmlFreeNode(node);
        throw XmlError("cannot append text");
    }
}

void XmlElement::SetAttribute(std::string_view name, std::string_view value) {
    if (!m_node)
        throw XmlError("attribute on a null element");
    const std::string& n = CheckedName(name);
    std::string v = CheckedText(value, "XML attribute value");
    // xmlSetProp stores the value as plain text: "&", "<" and quotes are escaped when saving.
    if (!xmlSetProp(m_node, X(n), X(v)))
        throw XmlError("cannot set attribute " + n);
}

std::optional<std::string> XmlElement::Attribute(std::string_view name) const {
    if (!m_node)
        return std::nullopt;
    std::string n(name);
    if (!xmlHasProp(m_node, X(n)))
        return std::nullopt;
    xmlChar* v = xmlGetProp(m_node, X(n));
    std::string result = FromX(v);
    xmlFree(v);
    return result;
}

std::vector<std::pair<std::string, std::string>> XmlElement::Attributes() const {
    std::vector<std::pair<std::string, std::string>> result;
    if (!m_node)
        return result;
    for (xmlAttrPtr a = m_node->properties; a; a = a->next) {
        xmlChar* v = xmlNodeListGetString(m_node->doc, a->children, 1);
        result.emplace_back(FromX(a->name), FromX(v));
        xmlFree(v);
    }
    return result;
}

std::vector<XmlElement> XmlElement::Children() const {
    std::vector<XmlElement> result;
    if (!m_node)
        return result;
    for (xmlNodePtr c = m_node->children; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE)
            result.push_back(XmlElement(c));
    return result;
}

std::vector<XmlElement> XmlElement::Children(std::string_view name) const {
    std::vector<XmlElement> result;
    for (const XmlElement& c : Children())
        if (c.Name() == name)
            result.push_back(c);
    return result;
}

XmlElement XmlElement::Child(std::string_view name) const {
    for (const XmlElement& c : Children())
        if (c.Name() == name)
            return c;
    return XmlElement();
}

std::string XmlElement::Text() const {
    std::string result;
    if (!m_node)
        return result;
    for (xmlNodePtr c = m_node->children; c; c = c->next)
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE)
            result += FromX(c->content);
    return result;
}

XmlDocument::XmlDocument() : m_doc(xmlNewDoc(BAD_CAST "1.0")) {
    if (!m_doc)
        throw XmlError("cannot create an XML document");
    // The names of the elements and attributes kept once in the document's dictionary rather
    // than copied into every node: a long declaration has hundreds of thousands of them.
    m_doc->dict = xmlDictCreate();
}

XmlDocument::~XmlDocument() {
    if (m_doc)
        xmlFreeDoc(m_doc);
}

XmlDocument::XmlDocument(XmlDocument&& other) noexcept : m_doc(std::exchange(other.m_doc, nullptr)) {}

XmlDocument& XmlDocument::operator=(XmlDocument&& other) noexcept {
    if (this != &other) {
        if (m_doc)
            xmlFreeDoc(m_doc);
        m_doc = std::exchange(other.m_doc, nullptr);
    }
    return *this;
}

XmlDocument XmlDocument::Parse(std::string_view bytes) {
    xmlDocPtr doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc)
        throw XmlError("not a well-formed XML document");
    return XmlDocument(doc);
}

XmlElement XmlDocument::CreateRoot(std::string_view name) {
    if (!m_doc)
        throw XmlError("no document");
    xmlNodePtr root = NewElement(m_doc, name);
    xmlNodePtr old = xmlDocSetRootElement(m_doc, root);
    if (old) {
        xmlUnlinkNode(old);
        xmlFreeNode(old);
    }
    return XmlElement(root);
}

XmlElement XmlDocument::Root() const {
    return XmlElement(m_doc ? xmlDocGetRootElement(m_doc) : nullptr);
}

namespace {

using Buffer = std::unique_ptr<xmlBuffer, decltype(&xmlBufferFree)>;

Buffer SavedBy(xmlDocPtr doc, const char* encoding) {
    Buffer buffer(xmlBufferCreate(), &xmlBufferFree);
    if (!buffer)
        throw XmlError("cannot create an output buffer");
    xmlSaveCtxtPtr ctxt = xmlSaveToBuffer(buffer.get(), encoding, XML_SAVE_FORMAT);
    if (!ctxt)
        throw XmlError(std::string("cannot save in the encoding ") + encoding);
    long written = xmlSaveDoc(ctxt, doc);
    int closed = xmlSaveClose(ctxt);
    if (written < 0 || closed < 0)
        throw XmlError(std::string("cannot save in the encoding ") + encoding);
    return buffer;
}

std::string_view Content(const Buffer& buffer) {
    return std::string_view(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())),
                            static_cast<size_t>(xmlBufferLength(buffer.get())));
}

// The byte of a code point beyond ASCII in Windows-1251, 0 when it has none: the reverse of the
// storage codec's table, as one array.
unsigned char Cp1251Byte(char32_t cp) {
    static const std::vector<unsigned char> bytes = [] {
        std::vector<unsigned char> table;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const std::string utf8 = Cp1251ToUtf8(std::string(1, static_cast<char>(b)));
            size_t pos = 0;
            char32_t c = 0;
            if (!NextCodePoint(utf8, pos, c))
                continue;
            if (c >= table.size())
                table.resize(c + 1, 0);
            table[c] = static_cast<unsigned char>(b);
        }
        return table;
    }();
    return cp < bytes.size() ? bytes[cp] : 0;
}

// Windows-1251 by the program's own table instead of the system converter, which costs more
// than all the rest of the saving: the document saved as UTF-8 (the same text, escapes and
// layout), then each character put into its byte. Only when every character has one; the
// converter's character references for the others are left to libxml2. U+0098, which the table
// keeps for byte 0x98, has no character in Windows-1251 for the converter either.
std::optional<std::string> SavedAsCp1251(xmlDocPtr doc) {
    const Buffer saved = SavedBy(doc, "UTF-8");
    const std::string_view text = Content(saved);
    constexpr std::string_view kUtf8Prolog = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    constexpr std::string_view kCp1251Prolog = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
    if (!text.starts_with(kUtf8Prolog) || text.find("\xC2\x98") != std::string_view::npos)
        return std::nullopt;
    std::string out;
    out.reserve(text.size());
    out.append(kCp1251Prolog);
    for (size_t pos = kUtf8Prolog.size(); pos < text.size();) {
        const auto b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++pos;
            continue;
        }
        char32_t cp = 0;
        const unsigned char byte = NextCodePoint(text, pos, cp) ? Cp1251Byte(cp) : 0;
        if (byte == 0)
            return std::nullopt;
        out.push_back(static_cast<char>(byte));
    }
    return out;
}

}  // namespace

std::string XmlDocument::SaveToText(const char* encoding) const {
    if (!m_doc || !xmlDocGetRootElement(m_doc))
        throw XmlError("no document to save");
    if (std::string_view(encoding) == "windows-1251")
        if (std::optional<std::string> text = SavedAsCp1251(m_doc))
            return std::move(*text);
    return std::string(Content(SavedBy(m_doc, encoding)));
}

void XmlDocument::SaveToFile(const std::string& path, const char* encoding) const {
    WriteFileAtomically(path, SaveToText(encoding));
}

}  // namespace zizaza
