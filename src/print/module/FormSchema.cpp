#include "print/module/FormSchema.h"

#include <QSet>

namespace zizaza::print {
namespace {

// Which attributes and children of the element the definition's fields read.
struct Consumed {
    QSet<QString> attributes;
    QSet<QString> children;
};

Consumed consumedBy(const ElementDef& d) {
    Consumed c;
    for (const FieldDef& field : d.fields)
        for (const QString& path : field.path.split(QLatin1Char('|'))) {
            qsizetype slash = path.indexOf(QLatin1Char('/'));
            if (slash < 0)
                c.attributes.insert(path);
            else
                c.children.insert(path.left(slash));
        }
    for (const ElementDef& child : d.children)
        if (!child.rowCode.isEmpty())
            c.children.insert(child.name);
    return c;
}

FormRow fieldRow(const XmlElement* e, const FieldDef& field) {
    FormRow row{field.code, field.label, {}, field.wide};
    const QString* value = e ? e->Find(field.path) : nullptr;
    row.values.push_back(FieldValue{field.shape, value ? std::optional<QString>(*value) : std::nullopt});
    return row;
}

void unknownAttributeRows(const XmlElement& e, const Consumed& consumed, std::vector<FormRow>& rows) {
    for (const auto& [name, value] : e.attributes)
        if (!consumed.attributes.contains(name))
            rows.push_back(FormRow{QString(), name, {FieldValue{ValueSpec{ValueKind::Text, 21}, value}}, false});
}

// Rows of the table formed by the row children, in the order of the definition; a row whose
// element is absent is dashed, a repeated element gives a row each time.
std::vector<FormRow> tableRows(const XmlElement& e, const ElementDef& d) {
    std::vector<FormRow> rows;
    for (const ElementDef& rowDef : d.children) {
        if (rowDef.rowCode.isEmpty())
            continue;
        std::vector<const XmlElement*> found = e.Children(rowDef.name);
        if (found.empty())
            found.push_back(nullptr);
        for (const XmlElement* child : found) {
            FormRow row{rowDef.rowCode, rowDef.rowLabel, {}, false};
            std::vector<FormRow> ownLines;  // fields with a code of their own follow the table row
            for (const FieldDef& field : rowDef.fields) {
                if (!field.code.isEmpty()) {
                    ownLines.push_back(fieldRow(child, field));
                    continue;
                }
                const QString* value = child ? child->Find(field.path) : nullptr;
                row.values.push_back(FieldValue{field.shape, value ? std::optional<QString>(*value) : std::nullopt});
            }
            rows.push_back(row);
            rows.insert(rows.end(), ownLines.begin(), ownLines.end());
        }
    }
    return rows;
}

const ElementDef* blockChildDef(const ElementDef& d, const QString& name) {
    for (const ElementDef& child : d.children)
        if (child.rowCode.isEmpty() && child.name == name)
            return &child;
    return nullptr;
}

}  // namespace

std::vector<FormBlock> ElementBlocks(const XmlElement& e, const ElementDef& d) {
    std::vector<FormBlock> blocks;
    const Consumed consumed = consumedBy(d);

    FormBlock own;
    for (const FieldDef& field : d.fields)
        own.rows.push_back(fieldRow(&e, field));
    unknownAttributeRows(e, consumed, own.rows);

    FormBlock table;
    table.columns = d.columns;
    table.rows = tableRows(e, d);

    const bool hasOwn = !own.rows.empty();
    if (!d.fieldsLast && hasOwn)
        blocks.push_back(own);
    if (!table.rows.empty())
        blocks.push_back(table);
    for (const auto& child : e.children) {
        if (consumed.children.contains(child->name))
            continue;
        const ElementDef* def = blockChildDef(d, child->name);
        ElementDef generic{child->name, child->name, {}, {}, {}, {}, {}, false};
        for (FormBlock& block : ElementBlocks(*child, def ? *def : generic))
            blocks.push_back(std::move(block));
    }
    if (d.fieldsLast && hasOwn)
        blocks.push_back(own);

    // The heading names the element's own rows; without them it leads its first block.
    if (!d.heading.isEmpty()) {
        if (blocks.empty())
            blocks.push_back(FormBlock{});
        FormBlock& target = d.fieldsLast && hasOwn ? blocks.back() : blocks.front();
        target.headings.prepend(d.heading);
    }
    return blocks;
}

}  // namespace zizaza::print
