// The whole path of a declaration file: load arbitrary bytes, calculate, check, export, save,
// load the saved file again and compare. Whatever loads must end in the program's own errors or
// in a clean pass, must save, and must come back from its file as the same declaration with the
// same export.
#include "calc/kTSvodSum.h"
#include "checks/DeclarationCheck.h"
#include "export/DeclarationXml.h"
#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"
#include "storage/Money.h"
#include "storage/StorageErrors.h"

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using namespace zizaza;

const std::string& scratchFolder() {
    static const std::string folder = [] {
        // In memory where the system has it: every save flushes its file to the disk.
        std::string tmpl = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/zizaza-fuzz-declaration-XXXXXX"
                                                           : "/tmp/zizaza-fuzz-declaration-XXXXXX";
        if (!::mkdtemp(tmpl.data()))
            std::abort();
        return tmpl;
    }();
    return folder;
}

[[noreturn]] void finding(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "FINDING: %s %s\n", what, detail.c_str());
    std::abort();
}

// The export of a declaration with the figures that make it reproducible; the calculation writes
// into the records, so it works on a copy.
std::string exported(const mTDeclaration& declaration) {
    mTDeclaration copy(declaration);
    XmlExportOptions options;
    options.today = Date::Ymd(2018, 3, 1);
    options.fileGuid = "01234567-89AB-CDEF-0123-456789ABCDEF";
    std::string text;
    BuildDeclarationXml("", copy, XmlExportMode::Text, text, options);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = scratchFolder() + "/input.tv7";
    const std::string saved = scratchFolder() + "/saved.tv7";
    if (FILE* f = std::fopen(input.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }

    mTDeclaration declaration;
    try {
        declaration.Load(input);
    } catch (const mEPrivBase&) {
        return 0;
    } catch (const EConvertError&) {
        return 0;
    } catch (const MoneyOverflow&) {  // lines whose sum has no amount
        return 0;
    }

    // Calculation and check: an amount beyond the range is the only failure they may raise.
    try {
        mTDeclaration copy(declaration);
        kTSvodSum sum;
        sum.Compute(copy);
        std::ostringstream report;
        DeclarationPassesCheck(declaration, report);
    } catch (const MoneyOverflow&) {
    }
    const std::string xml = exported(declaration);

    // What loaded saves, and its file reads back as the same declaration with the same export.
    try {
        declaration.Save(saved);
    } catch (const std::exception& e) {
        finding("a loaded declaration does not save:", e.what());
    }
    mTDeclaration again;
    try {
        again.Load(saved);
    } catch (const std::exception& e) {
        finding("a saved declaration does not load:", e.what());
    }
    if (SaveDeclarationToBytes(again) != SaveDeclarationToBytes(declaration))
        finding("the declaration changed on its way through the file");
    if (exported(again) != xml)
        finding("the export changed on the declaration's way through the file");
    return 0;
}
