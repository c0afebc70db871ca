#pragma once

#include "print/module/DeclarationXml.h"
#include "print/module/FormPage.h"

#include <vector>

namespace zizaza::print {

// Whether the document is an application for a refund (form КНД 1150058) rather than a
// declaration.
bool IsRefundApplication(const XmlElement& root);

// The pages of every application of the text, one after another: the title page, the page of the
// account and, for a taxpayer without an INN, the page of the person, each application numbering
// its own pages from 001.
std::vector<FormPage> RefundApplicationPages(const XmlElement& root);

}  // namespace zizaza::print
