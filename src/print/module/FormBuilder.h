#pragma once

#include "print/module/DeclarationXml.h"
#include "print/module/FormPage.h"

#include <vector>

namespace zizaza::print {

struct RenderParams {
    QString recipientName;  // the receiving inspection's name, shown on the title page
};

// All pages of the paper form for a parsed declaration: the title page, then every section and
// appendix the declaration holds, each on pages of its own, numbered from 001. Throws
// PrintModuleError for a document of neither form.
std::vector<FormPage> BuildFormPages(const XmlElement& root, const RenderParams& params);

}  // namespace zizaza::print
