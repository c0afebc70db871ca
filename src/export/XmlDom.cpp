#include "export/XmlDom.h"

#include "storage/AtomicFile.h"
#include "storage/TextCodec.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include <algorithm>
#include <deque>
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

}  // namespace

// An element: its name (kept by the tree), its attributes in order, its children in order, each
// an element or a text.
struct XmlNode {
    XmlTree* tree = nullptr;
    std::string_view name;
    std::vector<std::pair<std::string_view, std::string>> attributes;
    struct Child {
        XmlNode* element = nullptr;  // null: a text
        std::string text;
    };
    std::vector<Child> children;
};

struct XmlTree {
    std::deque<XmlNode> nodes;
    std::unordered_set<std::string, NameHash, std::equal_to<>> names;
    XmlNode* root = nullptr;

    std::string_view Name(std::string_view name) {
        auto it = names.find(name);
        if (it == names.end())
            it = names.emplace(name).first;
        return *it;
    }
    XmlNode* NewNode(std::string_view name) {
        XmlNode& n = nodes.emplace_back();
        n.tree = this;
        n.name = Name(name);
        return &n;
    }
};

namespace {

// A text node or an attribute value as libxml2's serializer writes it: the markup characters as
// entities; in an attribute also the quote and the white space it would lose, as references.
void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
    for (char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '\r':
                out += "&#13;";
                break;
            case '"':
                if (attribute)
                    out += "&quot;";
                else
                    out += c;
                break;
            case '\n':
                if (attribute)
                    out += "&#10;";
                else
                    out += c;
                break;
            case '\t':
                if (attribute)
                    out += "&#9;";
                else
                    out += c;
                break;
            default:
                out += c;
        }
    }
}

// Two spaces a level, at most thirty levels deep, as libxml2 indents.
void AppendIndent(std::string& out, int level) {
    out.append(static_cast<size_t>(std::min(level, 30)) * 2, ' ');
}

// The element as libxml2 saves it with formatting: each element on a line of its own, indented by
// its depth, unless its parent holds text, which keeps the parent's content as it is.
void AppendElement(std::string& out, const XmlNode& node, int level, bool format) {
    if (format)
        AppendIndent(out, level);
    out += '<';
    out += node.name;
    for (const auto& [name, value] : node.attributes) {
        out += ' ';
        out += name;
        out += "=\"";
        AppendEscaped(out, value, true);
        out += '"';
    }
    if (node.children.empty()) {
        out += "/>";
        return;
    }
    bool childFormat = format;
    for (const XmlNode::Child& c : node.children)
        if (!c.element)
            childFormat = false;
    out += '>';
    if (childFormat)
        out += '\n';
    for (const XmlNode::Child& c : node.children) {
        if (c.element)
            AppendElement(out, *c.element, level + 1, childFormat);
        else
            AppendEscaped(out, c.text, false);
        if (childFormat)
            out += '\n';
    }
    if (childFormat)
        AppendIndent(out, level);
    out += "</";
    out += node.name;
    out += '>';
}

// The byte of a code point beyond ASCII in Windows-1251, 0 when it has none: the reverse of the
// storage codec's table, as one array. U+0098, which the codec keeps for byte 0x98 of the
// declaration file, is no character of the encoding.
unsigned char Cp1251Byte(char32_t cp) {
    static const std::vector<unsigned char> bytes = [] {
        std::vector<unsigned char> table;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const std::string utf8 = Cp1251ToUtf8(std::string(1, static_cast<char>(b)));
            size_t pos = 0;
            char32_t c = 0;
            if (!NextCodePoint(utf8, pos, c) || c == 0x98)
                continue;
            if (c >= table.size())
                table.resize(c + 1, 0);
            table[c] = static_cast<unsigned char>(b);
        }
        return table;
    }();
    return cp < bytes.size() ? bytes[cp] : 0;
}

// UTF-8 to Windows-1251; a character the encoding lacks becomes a decimal character reference,
// as libxml2's converter writes it.
std::string ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const auto b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++pos;
            continue;
        }
        char32_t cp = 0;
        if (!NextCodePoint(text, pos, cp))
            throw XmlError("XML text: not valid UTF-8");
        if (const unsigned char byte = Cp1251Byte(cp))
            out.push_back(static_cast<char>(byte));
        else
            out += "&#" + std::to_string(static_cast<unsigned>(cp)) + ";";
    }
    return out;
}

// The same tree as libxml2's, for the encodings the program's own writer does not know.
xmlDocPtr ToLibxml(const XmlNode& root) {
    xmlDocPtr doc = xmlNewDoc(BAD_CAST "1.0");
    if (!doc)
        throw XmlError("cannot create an XML document");
    auto copy = [&](auto& self, const XmlNode& from) -> xmlNodePtr {
        const std::string name(from.name);
        xmlNodePtr node = xmlNewDocNode(doc, nullptr, X(name), nullptr);
        if (!node)
            throw XmlError("cannot create element " + name);
        for (const auto& [n, v] : from.attributes)
            xmlSetProp(node, X(std::string(n)), X(v));
        for (const XmlNode::Child& c : from.children)
            xmlAddChild(node, c.element ? self(self, *c.element)
                                        : xmlNewDocTextLen(doc, X(c.text), static_cast<int>(c.text.size())));
        return node;
    };
    try {
        xmlDocSetRootElement(doc, copy(copy, root));
    } catch (...) {
        xmlFreeDoc(doc);
        throw;
    }
    return doc;
}

std::string SavedByLibxml(const XmlNode& root, const char* encoding) {
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(ToLibxml(root), &xmlFreeDoc);
    std::unique_ptr<xmlBuffer, decltype(&xmlBufferFree)> buffer(xmlBufferCreate(), &xmlBufferFree);
    if (!buffer)
        throw XmlError("cannot create an output buffer");
    xmlSaveCtxtPtr ctxt = xmlSaveToBuffer(buffer.get(), encoding, XML_SAVE_FORMAT);
    if (!ctxt)
        throw XmlError(std::string("cannot save in the encoding ") + encoding);
    long written = xmlSaveDoc(ctxt, doc.get());
    int closed = xmlSaveClose(ctxt);
    if (written < 0 || closed < 0)
        throw XmlError(std::string("cannot save in the encoding ") + encoding);
    return std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())),
                       static_cast<size_t>(xmlBufferLength(buffer.get())));
}

// A parsed element with its attributes, texts and child elements; comments, processing
// instructions and entity references are left out as the readers never see them.
void FromLibxml(XmlTree& tree, XmlNode& into, xmlNodePtr from) {
    for (xmlAttrPtr a = from->properties; a; a = a->next) {
        xmlChar* v = xmlNodeListGetString(from->doc, a->children, 1);
        into.attributes.emplace_back(tree.Name(FromX(a->name)), FromX(v));
        xmlFree(v);
    }
    for (xmlNodePtr c = from->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE) {
            XmlNode* child = tree.NewNode(FromX(c->name));
            into.children.push_back({child, {}});
            FromLibxml(tree, *child, c);
        } else if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) {
            into.children.push_back({nullptr, FromX(c->content)});
        }
    }
}

}  // namespace

std::string XmlElement::Name() const {
    return m_node ? std::string(m_node->name) : std::string();
}

XmlElement XmlElement::AppendElement(std::string_view name) {
    if (!m_node)
        throw XmlError("append to a null element");
    XmlNode* child = m_node->tree->NewNode(CheckedName(name));
    m_node->children.push_back({child, {}});
    return XmlElement(child);
}

void XmlElement::AppendText(std::string_view text) {
    if (!m_node)
        throw XmlError("append to a null element");
    m_node->children.push_back({nullptr, CheckedText(text, "XML text")});
}

void XmlElement::SetAttribute(std::string_view name, std::string_view value) {
    if (!m_node)
        throw XmlError("attribute on a null element");
    const std::string_view n = m_node->tree->Name(CheckedName(name));
    std::string v = CheckedText(value, "XML attribute value");
    for (auto& [have, old] : m_node->attributes)
        if (have == n) {
            old = std::move(v);
            return;
        }
    m_node->attributes.emplace_back(n, std::move(v));
}

std::optional<std::string> XmlElement::Attribute(std::string_view name) const {
    if (!m_node)
        return std::nullopt;
    for (const auto& [have, value] : m_node->attributes)
        if (have == name)
            return value;
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> XmlElement::Attributes() const {
    std::vector<std::pair<std::string, std::string>> result;
    if (!m_node)
        return result;
    for (const auto& [name, value] : m_node->attributes)
        result.emplace_back(std::string(name), value);
    return result;
}

std::vector<XmlElement> XmlElement::Children() const {
    std::vector<XmlElement> result;
    if (!m_node)
        return result;
    for (const XmlNode::Child& c : m_node->children)
        if (c.element)
            result.push_back(XmlElement(c.element));
    return result;
}

std::vector<XmlElement> XmlElement::Children(std::string_view name) const {
    std::vector<XmlElement> result;
    for (const XmlElement& c : Children())
        if (c.m_node->name == name)
            result.push_back(c);
    return result;
}

XmlElement XmlElement::Child(std::string_view name) const {
    if (m_node)
        for (const XmlNode::Child& c : m_node->children)
            if (c.element && c.element->name == name)
                return XmlElement(c.element);
    return XmlElement();
}

std::string XmlElement::Text() const {
    std::string result;
    if (!m_node)
        return result;
    for (const XmlNode::Child& c : m_node->children)
        if (!c.element)
            result += c.text;
    return result;
}

XmlDocument::XmlDocument() : m_tree(std::make_unique<XmlTree>()) {}

XmlDocument::~XmlDocument() = default;

XmlDocument::XmlDocument(XmlDocument&& other) noexcept = default;

XmlDocument& XmlDocument::operator=(XmlDocument&& other) noexcept = default;

XmlDocument XmlDocument::Parse(std::string_view bytes) {
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(
        xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
        &xmlFreeDoc);
    if (!doc)
        throw XmlError("not a well-formed XML document");
    XmlDocument result;
    if (xmlNodePtr root = xmlDocGetRootElement(doc.get())) {
        XmlTree& tree = *result.m_tree;
        tree.root = tree.NewNode(FromX(root->name));
        FromLibxml(tree, *tree.root, root);
    }
    return result;
}

XmlElement XmlDocument::CreateRoot(std::string_view name) {
    if (!m_tree)
        throw XmlError("no document");
    // A replaced root stays in the tree unreachable: the document is built once, root first.
    m_tree->root = m_tree->NewNode(CheckedName(name));
    return XmlElement(m_tree->root);
}

XmlElement XmlDocument::Root() const {
    return XmlElement(m_tree ? m_tree->root : nullptr);
}

std::string XmlDocument::SaveToText(const char* encoding) const {
    if (!m_tree || !m_tree->root)
        throw XmlError("no document to save");
    const std::string_view name(encoding);
    if (name != "windows-1251" && name != "UTF-8")
        return SavedByLibxml(*m_tree->root, encoding);
    std::string text = "<?xml version=\"1.0\" encoding=\"" + std::string(name) + "\"?>\n";
    AppendElement(text, *m_tree->root, 0, true);
    text += '\n';
    return name == "UTF-8" ? text : ToCp1251(text);
}

void XmlDocument::SaveToFile(const std::string& path, const char* encoding) const {
    WriteFileAtomically(path, SaveToText(encoding));
}

}  // namespace zizaza
