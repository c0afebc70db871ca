#pragma once

#include "cli/Commands.h"
#include "export/DeclarationXml.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace zizaza::cli {

// The exchange file's text of a declaration given as a file: an .xml file as it is, a
// declaration file (.tv7) exported as the export would write it. nullopt after the reason went
// to err.
std::optional<std::string> DeclarationXmlOf(const std::string& path, const XmlExportOptions& options,
                                            std::ostream& err);

// Writes the HTML page to output, or lays it out as PDF through the renderer when the name ends in
// .pdf; kExitOk or kExitFailure with the reason on err.
int WriteHtmlOrPdf(const std::string& html, const std::string& output, std::ostream& err);

// Keeps a copy of the exported file in the user's data folder (ExportArchive), so that a later
// correction finds it, without a word; a copy that cannot be kept is told on err and does not fail
// the export.
void KeepExportCopy(const std::string& declarationFile, const std::string& inn, const std::string& exportedFile,
                    std::ostream& err);

}  // namespace zizaza::cli
