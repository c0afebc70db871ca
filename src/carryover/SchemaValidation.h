#pragma once

#include <string>

namespace zizaza {

class XmlDoc;

// Checks the document against the XML schema in the file schemaPath. The schema is read as any
// other XML file of the program: no network, no document type declaration, no entities. Returns
// an empty text when the document is valid, otherwise the first complaint with its line.
// CarryOverError when the schema itself cannot be read.
std::string SchemaComplaint(const XmlDoc& document, const std::string& schemaPath);

}  // namespace zizaza
