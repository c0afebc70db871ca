#pragma once

#include <stdexcept>
#include <string>

class QPrinter;
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

    // Stores a named value for the renderings that follow. Known names:
    // "Наименование налогового органа-получателя", shown beside the inspection code on the
    // title page; "Имя файла декларации", the declaration's file (its name, with .pdf, is what
    // the preview's "Сохранить в PDF" proposes, in the user's documents folder; for a declaration not
    // saved yet it proposes "3-НДФЛ ФАМИЛИЯ 2017.pdf").
    // Other names are kept and ignored.
    virtual void SetPrintTiffParam(const std::string& name, const std::string& value) = 0;

    // The module's working folder: a relative output file of PrintData is taken from there.
    virtual void PrintTiffFolder(const std::string& folder) = 0;

    // Shows the rendered declaration in a modal preview window owned by ownerWindow (may be null):
    // page navigation, zoom, printing and saving as PDF. The window opens at once and paints the
    // pages as they are shown. Returns when the window is closed.
    virtual void PreviewData(const std::string& xmlText, QWidget* ownerWindow) = 0;

    // Prints one copy of the rendered declaration on the printer named printerName (the system's
    // default printer when empty). When outputFile is not empty, the pages go into that PDF file
    // instead and printerName is not used. options is reserved and must be 0.
    virtual void PrintData(const std::string& xmlText, const std::string& outputFile, const std::string& printerName,
                           int options) = 0;

    // Prints the rendered declaration as the print dialog set printer up: on the printer chosen or,
    // for "Print to File", into the PDF file chosen (written whole or not at all), with the copies,
    // page range and page order chosen. A progress window over ownerWindow (may be null) lets the
    // user cancel; returns false when cancelled (the printer's job is dropped, no file written).
    virtual bool PrintOn(const std::string& xmlText, QPrinter& printer, QWidget* ownerWindow) = 0;
};

// The parameter under which the program passes the name of the receiving inspection.
inline constexpr const char* kRecipientNameParam = "Наименование налогового органа-получателя";
// The parameter under which the program passes the declaration's file (empty for a new one).
inline constexpr const char* kDocumentFileParam = "Имя файла декларации";
// The parameter under which a program without windows asks PrintData for the pages written so
// far on its standard output, a terminal ("1"; otherwise nothing is written there).
inline constexpr const char* kTerminalProgressParam = "Ход записи на терминал";

// Base name of the plug-in file (libzizaza-print.so on Linux) and its exported entry points:
//   extern "C" int ZizazaPrintModuleVersion();            returns kPrintModuleInterfaceVersion
//   extern "C" zizaza::IPrintModule* ZizazaCreatePrintModule();   a new module, owned by the caller
// A Qt application object (QApplication) must exist before the module is created.
inline constexpr const char* kPrintModuleLibrary = "zizaza-print";
inline constexpr int kPrintModuleInterfaceVersion = 2;

}  // namespace zizaza
