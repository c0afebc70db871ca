#pragma once

#include "print/module/DeclarationXml.h"
#include "print/module/SheetWriter.h"

#include <vector>

namespace zizaza::print {

// One line of the paper form fed by an attribute: path "Attr", "Child/Attr", alternatives by "|".
struct FieldDef {
    QString path;
    QString code;
    QString label;
    ValueSpec shape;
    bool wide = false;
};

// How one element of the declaration appears on the form. The element's own attributes are rows
// of a block under the heading; child elements are blocks of their own, or, when they name a
// row code, one row each of their parent's table (columns captioned by the parent).
struct ElementDef {
    QString name;
    QString heading;
    std::vector<FieldDef> fields;
    std::vector<ElementDef> children;
    QString rowCode;  // this element is a row of its parent's table
    QString rowLabel;
    QStringList columns;      // captions of the table formed by the row children
    bool fieldsLast = false;  // the element's own rows (its totals) follow its children
};

// A part of the paper form (a section, an appendix) and the top-level elements it shows.
struct SectionDef {
    QString section;
    QString title;
    std::vector<ElementDef> elements;
    bool pagePerElement = false;  // every element starts a sheet of its own
};

// The blocks showing element e as d describes it. Every field of d is shown, dashed when the
// element lacks it; attributes and child elements that d does not know are shown too, under
// their own names, so that nothing in the declaration is left off the paper.
std::vector<FormBlock> ElementBlocks(const XmlElement& e, const ElementDef& d);

}  // namespace zizaza::print
