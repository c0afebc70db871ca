#include "calc/kTSvodSum.h"
#include "cli/CalcText.h"
#include "cli/Commands.h"
#include "model/mTDeclaration.h"
#include "report/TaxSummary.h"

#include <exception>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ФАЙЛ.tv7 [--raw | --sheets]  итоги расчета: форма, налогоплательщик, суммы к уплате и к возврату по КБК и "
    "ОКТМО, ненулевые показатели раздела 2; --raw: разделы 1 и 2 целиком под внутренними именами объектов "
    "расчета, по одному значению в строке; --sheets: то же и все листы расчета";

const char* formName(DeclarationForm form) {
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
    const bool raw = TakeFlag(args, "--raw");
    if (args.size() != 1 || (raw && sheets)) {
        err << "Использование: zizaza-cli show " << kUsage << "\n";
        return kExitFailure;
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    kTSvodSum sum;
    const bool nothingPayable = sum.Compute(declaration);
    if (!raw && !sheets) {
        WriteTaxSummary(declaration, sum, out);
        return kExitOk;
    }
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
