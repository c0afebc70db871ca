#pragma once

#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zizaza {

// libxml2 prints nothing of its own (an encoding it cannot convert, a schema it reads): every
// error reaches the program through the handlers of the parse or the validation that raised it.
// Called before each use of the library on a thread.
void SilenceXmlLibrary();

// What an error of libxml2 (parsing or schema validation) means, in Russian, with its line:
// "в поле ДатаРожд элемента СведФЛ1 значение не допускается форматом (строка 8)"; the library's
// own text follows at most as a detail.
std::string XmlErrorText(const xmlError& error);

// One libxml2 document, owned. Texts going in and coming out are UTF-8 (libxml2's own
// representation), whatever encoding the file declares.
class XmlDoc {
public:
    XmlDoc() = default;

    // Parses a file or a text. The parser never touches the network, never loads a DTD and never
    // expands entities; a document that carries a document type declaration is refused, since no
    // dictionary needs one. Failures raise DictionaryError naming the file (or `name`).
    static XmlDoc ParseFile(const std::string& path);
    static XmlDoc ParseText(std::string_view text, const std::string& name);

    // A new document with an empty root element.
    static XmlDoc WithRoot(const char* rootName);

    explicit operator bool() const { return m_doc != nullptr; }
    xmlDoc* get() const { return m_doc.get(); }
    xmlNode* Root() const;

    // The document with its XML declaration, in the given encoding ("windows-1251", "UTF-8").
    // Characters the encoding lacks are written as character references.
    std::string Serialize(const char* encoding) const;
    // Serialize, written so that the file is replaced completely or not at all.
    void SaveFile(const std::string& path, const char* encoding) const;

private:
    struct Free {
        void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
    };
    explicit XmlDoc(xmlDoc* doc) : m_doc(doc) {}
    std::unique_ptr<xmlDoc, Free> m_doc;
};

// The element children of a node in document order; text, comments and the like are skipped.
class ChildElements {
public:
    class iterator {
    public:
        explicit iterator(xmlNode* n) : m_node(n) {}
        xmlNode* operator*() const { return m_node; }
        iterator& operator++();
        bool operator==(const iterator& o) const { return m_node == o.m_node; }

    private:
        xmlNode* m_node;
    };
    explicit ChildElements(const xmlNode* parent) : m_parent(parent) {}
    iterator begin() const;
    iterator end() const { return iterator(nullptr); }

private:
    const xmlNode* m_parent;
};

std::string_view ElementName(const xmlNode* node);
// The attribute's value; nullopt when the element has no such attribute.
std::optional<std::string> GetAttribute(const xmlNode* node, const char* name);
// The attribute's value, or the fallback when it is absent.
std::string AttributeOr(const xmlNode* node, const char* name, std::string_view fallback = {});
// The text of the element: its text and CDATA descendants joined in document order.
std::string ElementText(const xmlNode* node);

void SetAttribute(xmlNode* node, const char* name, std::string_view value);
// Appends a child element with the given text (no text node when the text is empty).
xmlNode* AppendElement(xmlNode* parent, const char* name, std::string_view text = {});

}  // namespace zizaza
