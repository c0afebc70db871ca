#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A small owning XML tree: one document owns its nodes; elements are handles into it, valid while
// the document lives. Every text crossing this layer is UTF-8; an encoding exists only when the
// document is saved. libxml2 parses, and saves in the encodings other than Windows-1251 and UTF-8;
// the tree is the program's own, since a declaration of thousands of lines makes hundreds of
// thousands of nodes and libxml2 allocates each attribute in three pieces. Failures raise XmlError.

namespace zizaza {

struct XmlNode;
struct XmlTree;

class XmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class XmlElement {
public:
    XmlElement() = default;

    bool IsNull() const { return m_node == nullptr; }
    std::string Name() const;

    // A new element appended as the last child.
    XmlElement AppendElement(std::string_view name);
    // A text node appended as the last child (escaped on saving).
    void AppendText(std::string_view text);
    // Adds the attribute at the end of the list, or changes its value in place when the element
    // already has it. The value is kept as given and escaped on saving.
    void SetAttribute(std::string_view name, std::string_view value);

    std::optional<std::string> Attribute(std::string_view name) const;
    // (name, value) in document order.
    std::vector<std::pair<std::string, std::string>> Attributes() const;
    std::vector<XmlElement> Children() const;
    // The first child element of that name, or a null element.
    XmlElement Child(std::string_view name) const;
    std::vector<XmlElement> Children(std::string_view name) const;
    // The concatenated text of the element's text children.
    std::string Text() const;

private:
    friend class XmlDocument;
    explicit XmlElement(XmlNode* node) : m_node(node) {}
    XmlNode* m_node = nullptr;
};

class XmlDocument {
public:
    // An empty document (no root yet).
    XmlDocument();
    ~XmlDocument();
    XmlDocument(XmlDocument&& other) noexcept;
    XmlDocument& operator=(XmlDocument&& other) noexcept;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Parses bytes in the encoding their declaration names. Never reaches the network, loads no
    // external DTD and expands no entities.
    static XmlDocument Parse(std::string_view bytes);

    // Replaces any root by a new element.
    XmlElement CreateRoot(std::string_view name);
    XmlElement Root() const;

    // The whole document with its declaration naming the encoding, in that encoding, elements
    // indented. Characters the encoding lacks become character references.
    std::string SaveToText(const char* encoding) const;
    // SaveToText written to the file: completely or not at all. The bytes go to a temporary file
    // in the same folder, which is flushed and then renamed over the target; on any failure the
    // temporary file is removed and the target is left as it was.
    void SaveToFile(const std::string& path, const char* encoding) const;

private:
    std::unique_ptr<XmlTree> m_tree;
};

}  // namespace zizaza
