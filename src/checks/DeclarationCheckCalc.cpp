// The parts of the check that need the calculation.
#include "calc/kTSvodSum.h"
#include "checks/DeclarationCheck.h"
#include "checks/ScriptedCheckAnswerer.h"
#include "model/mTDeclaration.h"

#include <ostream>

namespace zizaza {

DeclarationCalcFacts ComputeCalcFacts(const mTDeclaration& declaration) {
    kTSvodSum sum;
    DeclarationCalcFacts facts;
    try {
        facts.oktmoRequired = !sum.Compute(declaration);
        facts.refundedSources = sum.RefundedSources();
    } catch (const MoneyOverflow&) {
        // Amounts each within the file's range may add up beyond it: the check says so.
        facts.amountsOutOfRange = true;
    }
    return facts;
}

bool DeclarationRequiresOktmo(const mTDeclaration& declaration) {
    return ComputeCalcFacts(declaration).oktmoRequired;
}

uint32_t CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer,
                          const DeclarationCheckOptions& options) {
    return CheckDeclaration(declaration, ComputeCalcFacts(declaration), answerer, options);
}

bool DeclarationPassesCheck(const mTDeclaration& declaration, std::ostream& report,
                            const DeclarationCheckOptions& options) {
    ScriptedCheckAnswerer cancelEverything;
    CheckDeclaration(declaration, cancelEverything, options);
    for (const auto& shown : cancelEverything.ShownProblems())
        report << shown.Line() << "\n";
    return cancelEverything.ShownCount() == 0;
}

}  // namespace zizaza
