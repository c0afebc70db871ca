#include "export/DeclarationXml.h"

#include "calc/kTSvodSum.h"
#include "export/XmlBody3Ndfl.h"
#include "export/XmlExportText.h"
#include "model/mTDeclaration.h"
#include "storage/AtomicFile.h"

#include <exception>

namespace zizaza {
namespace {

void Show(const XmlExportOptions& options, const char* message) {
    if (options.showMessage)
        options.showMessage(message);
}

// The file name is made of document fields: a separator or a control character in them would
// put the file somewhere else than the chosen folder or give it a name no one can type.
void RequirePlainFileName(const std::string& name) {
    for (char c : name)
        if (c == '/' || static_cast<unsigned char>(c) < 0x20)
            throw XmlError("the file name \"" + name + "\" cannot be used");
}

std::string FolderPath(const std::string& folder) {
    if (folder.empty())
        return std::string();
    return folder.back() == '/' ? folder : folder + "/";
}

void Compute(kTSvodSum& calc, const mTDeclaration& declaration, const XmlExportOptions& options) {
    try {
        calc.Compute(declaration);
    } catch (const MoneyOverflow& e) {
        // An amount beyond the range has no figure to export: the export fails instead of writing
        // the values computed before it.
        Show(options, e.what());
        throw;
    } catch (const std::exception&) {
        Show(options, kXmlCalculationErrorMessage);
    }
}

}  // namespace

void WriteDeclarationXmlFile(const std::string& path, std::string_view bytes) {
    WriteFileAtomically(path, bytes);
}

bool BuildDeclarationXml(const std::string& folder, const mTDeclaration& declaration, XmlExportMode mode,
                         std::string& result, const XmlExportOptions& options) {
    try {
        kTSvodSum calc;
        Compute(calc, declaration, options);
        Date today = options.today ? *options.today : Date::Today();
        std::string fileId =
            DeclarationFileId(declaration, today, options.fileGuid.empty() ? NewFileGuid() : options.fileGuid);
        XmlFigures figures = XmlFigures::Of(calc);
        XmlDocument xml = BuildDeclarationDocument(declaration, &figures, fileId, today);
        if (mode == XmlExportMode::File) {
            std::string name = fileId + ".xml";
            RequirePlainFileName(name);
            WriteDeclarationXmlFile(FolderPath(folder) + name, xml.SaveToText(kXmlEncoding));
            result = name;
        } else {
            result = xml.SaveToText(kXmlEncoding);
        }
        return true;
    } catch (const FileWriteError& e) {
        // The disk, not the program: the user is told the file and the system's reason.
        Show(options, e.what());
    } catch (const std::exception&) {
        Show(options, kXmlExportErrorMessage);
    }
    result = kXmlExportFailed;
    return false;
}

}  // namespace zizaza
