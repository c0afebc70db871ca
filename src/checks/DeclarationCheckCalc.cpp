// The parts of the check that need the calculation.
#include "calc/kTSvodSum.h"
#include "checks/DeclarationCheck.h"
#include "checks/ScriptedCheckAnswerer.h"
#include "model/mTDeclaration.h"

#include <ostream>

namespace zizaza {

bool DeclarationRequiresOktmo(const mTDeclaration& declaration) {
    // The calculation writes its working values into the records; the check must leave the
    // user's document as it is.
    mTDeclaration scratch(declaration);
    kTSvodSum sum;
    return !sum.Compute(scratch);
}

uint32_t CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer,
                          const DeclarationCheckOptions& options) {
    const bool oktmoRequired = DeclarationRequiresOktmo(declaration);
    return CheckDeclaration(declaration, oktmoRequired, answerer, options);
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
