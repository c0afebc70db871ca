#pragma once

#include <stdexcept>
#include <string>

class QWidget;

// The print module: a plug-in library beside the program that renders a declaration's XML text
// (the export's mode 2 output) as the pages of the paper form, previews and prints them.
// The program includes only this header; it never links the plug-in, it loads it at run time
// (PrintModuleLoader.h).
//
// Texts are UTF-8. The XML text may also be the raw bytes of the export file in the encoding its
// declaration names (windows-1251): the module accepts both.
//
// Failures: every member throws PrintModuleError, a std::runtime_error whose what() is the Russian
// message for the user. Catch it as std::exception; nothing else escapes a member.
namespace zizaza {

class PrintModuleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IPrintModule {
public:
    virtual ~IPrintModule() = default;

    // Stores a named value for the renderings that follow. Known name:
    // "Наименование налогового органа-получателя", shown beside the inspection code on the
    // title page. Other names are kept and ignored.
    virtual void SetPrintTiffParam(const std::string& name, const std::string& value) = 0;

    // The module's working folder: the preview's "save as PDF" dialog starts there and a relative
    // output file of PrintData is taken from there.
    virtual void PrintTiffFolder(const std::string& folder) = 0;

    // Shows the rendered declaration in a modal preview window owned by ownerWindow (may be null):
    // page navigation, zoom, printing and saving as PDF. Returns when the window is closed.
    virtual void PreviewData(const std::string& xmlText, QWidget* ownerWindow) = 0;

    // Prints one copy of the rendered declaration on the printer named printerName (the system's
    // default printer when empty). When outputFile is not empty, the pages go into that PDF file
    // instead and printerName is not used. options is reserved and must be 0.
    virtual void PrintData(const std::string& xmlText, const std::string& outputFile, const std::string& printerName,
                           int options) = 0;
};

// The parameter under which the program passes the name of the receiving inspection.
inline constexpr const char* kRecipientNameParam = "Наименование налогового органа-получателя";

// Base name of the plug-in file (libzizaza-print.so on Linux) and its exported entry points:
//   extern "C" int ZizazaPrintModuleVersion();            returns kPrintModuleInterfaceVersion
//   extern "C" zizaza::IPrintModule* ZizazaCreatePrintModule();   a new module, owned by the caller
// A Qt application object (QApplication) must exist before the module is created.
inline constexpr const char* kPrintModuleLibrary = "zizaza-print";
inline constexpr int kPrintModuleInterfaceVersion = 1;

}  // namespace zizaza
