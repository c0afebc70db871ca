#include "calc/kTSvodSum.h"
#include "cli/CalcText.h"
#include "cli/Commands.h"
#include "model/mTDeclaration.h"

#include <exception>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage = "ФАЙЛ.tv7 [--sheets]  расчет декларации: раздел 1 и раздел 2; --sheets: и все листы";

const char* formName(uint16_t form) {
    switch (form) {
        case kForm3Ndfl:
            return "3-НДФЛ";
        case kForm3NdflNonResident:
            return "3-НДФЛ нерезидента";
        case kForm4Ndfl:
            return "4-НДФЛ";
        default:
            return "неизвестная";
    }
}

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    const bool sheets = TakeFlag(args, "--sheets");
    if (args.size() != 1) {
        err << "Использование: zizaza-cli show " << kUsage << "\n";
        return kExitFailure;
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    kTSvodSum sum;
    const bool nothingPayable = sum.Compute(declaration);
    out << "Форма " << formName(declaration.DeclarationForm) << "\n";
    out << "Результат " << (nothingPayable ? "true" : "false") << "\n";
    WriteSections(sum, out);
    if (sheets)
        WriteSheets(sum, out);
    return kExitOk;
}

const CommandRegistrar registrar({"show", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
