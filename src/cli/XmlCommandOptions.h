#pragma once

#include "cli/Commands.h"
#include "export/DeclarationXml.h"

#include <iosfwd>
#include <string>

namespace zizaza::cli {

// The options that make an export reproducible: "--today DD.MM.YYYY" and "--guid GUID".
// Removes them from args; false (with the reason written to err) for a value that is not a date
// or not a GUID of 8-4-4-4-12 hexadecimal digits.
bool TakeXmlOptions(Args& args, XmlExportOptions& options, std::ostream& err);

}  // namespace zizaza::cli
