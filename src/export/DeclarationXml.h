#pragma once

#include "export/XmlDom.h"
#include "storage/Date.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zizaza {

class mTDeclaration;
struct XmlFigures;

enum class XmlExportMode {
    File = 1,  // the document is saved as a file in the folder; the result is its name
    Text = 2,  // nothing is written; the result is the document's bytes
};

struct XmlExportOptions {
    // The document's date and the date in the file name; empty: today.
    std::optional<Date> today;
    // The GUID part of the file identifier; empty: a new one (NewFileGuid).
    std::string fileGuid;
    // Shows a message to the user (the calculation and export failure texts below); may be empty.
    std::function<void(const std::string&)> showMessage;
};

inline constexpr const char* kXmlExportFailed = "ERROR";
inline constexpr const char* kXmlCalculationErrorMessage =
    "Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу поддержки";
inline constexpr const char* kXmlExportErrorMessage =
    "Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через службу поддержки";
inline constexpr const char* kXmlEncoding = "windows-1251";
inline constexpr const char* kXmlProgramVersion = "Tavo2017_1.2.1";

// Computes the declaration and writes it in the tax service's exchange format (3-NDFL 5.12,
// 4-NDFL 5.02).
// File: saves folder + name + ".xml" completely or not at all; result is the name with ".xml".
// An empty folder is the current one; a separator is added when the folder lacks it.
// Text: result is exactly the bytes the file would hold (windows-1251, with its declaration).
// On any failure: the export error message is shown (for a file the system could not write, the
// file and the system's reason instead), result is "ERROR", no file is written, and false is
// returned. A failing calculation shows its own message and the export goes on with the
// values computed so far.
bool BuildDeclarationXml(const std::string& folder, const mTDeclaration& declaration, XmlExportMode mode,
                         std::string& result, const XmlExportOptions& options = {});

// Writes an exported file: the one place an export reaches the disk, through the program's atomic
// writer (the target whole or untouched, read back, a link's target written, a read-only file
// kept). FileWriteError names the file and the system's reason.
void WriteDeclarationXmlFile(const std::string& path, std::string_view bytes);

// The file identifier (ИдФайл), also the file name without ".xml".
std::string DeclarationFileId(const mTDeclaration& declaration, Date today, const std::string& guid);

// The whole tree of an already computed declaration (the figures are not used for 4-NDFL and may
// then be null). Raises on failure.
XmlDocument BuildDeclarationDocument(const mTDeclaration& declaration, const XmlFigures* figures,
                                     const std::string& fileId, Date today);

}  // namespace zizaza
