#pragma once

#include "print/module/DeclarationXml.h"
#include "print/module/FormPage.h"

namespace zizaza::print {

// The title pages of the forms, from the element "Документ". recipient is the name of the
// receiving inspection (may be empty); totalPages goes into "Декларация составлена на ... страницах".
FormPage Ndfl3TitlePage(const XmlElement& document, const QString& recipient, int totalPages);
FormPage Ndfl4TitlePage(const XmlElement& document, const QString& recipient, int totalPages);

}  // namespace zizaza::print
