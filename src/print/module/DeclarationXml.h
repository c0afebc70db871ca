#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace zizaza::print {

// One element of the declaration's XML: its name, its attributes in document order and its child
// elements. Text content is not kept: the declaration format has none.
class XmlElement {
public:
    QString name;
    std::vector<std::pair<QString, QString>> attributes;
    std::vector<std::unique_ptr<XmlElement>> children;

    bool Has(const QString& attribute) const;
    // The attribute's value, or an empty text when it is absent.
    QString Attr(const QString& attribute) const;
    // The first child of that name, or null.
    const XmlElement* Child(const QString& childName) const;
    std::vector<const XmlElement*> Children(const QString& childName) const;

    // Looks a value up by a path "Child/Grandchild/Attribute" (the last step is an attribute);
    // several paths separated by "|" are tried in order. nullptr when no path leads to a value.
    const QString* Find(const QString& paths) const;
    QString Value(const QString& paths) const;
};

// Parses a whole declaration. The text is taken as UTF-8 when it is valid UTF-8, otherwise in the
// encoding its XML declaration names (windows-1251 for the export's files). Throws
// PrintModuleError with a message naming the line when the text is not well-formed XML or is not
// a declaration (root element "Файл" with a "Документ").
std::unique_ptr<XmlElement> ParseDeclarationXml(const QByteArray& text);

}  // namespace zizaza::print
