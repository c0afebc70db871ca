#pragma once

#include "calc/kTSvodSum.h"
#include "checks/ICheckAnswerer.h"
#include "checks/NavigationCode.h"

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace zizaza {

class mTDeclaration;

struct DeclarationCheckOptions {
    // The interactive check stops after the first section that showed a problem, and most
    // sections after their first problem. With listAll every section runs and every problem found
    // is shown (for batch work; meant for an answerer that always says "Отмена").
    bool listAll = false;
};

// The whole-declaration check. Runs the calculation to learn whether the taxpayer's OKTMO is
// required, walks the areas of the declaration in their fixed order and shows each problem
// through the answerer. Returns the navigation code (see NavigationCode.h). Changes nothing in the
// declaration. An exception of the calculation leaves the check unchanged.
uint32_t CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer,
                          const DeclarationCheckOptions& options = {});

// What the check learns from the calculation.
struct DeclarationCalcFacts {
    // The taxpayer's OKTMO is needed: something is payable, or there is no payment or refund line.
    bool oktmoRequired = false;
    // The sources that get a refund line of section 1 under their own OKTMO.
    std::vector<RefundedSource> refundedSources;
    // The calculation could not add the declaration's amounts up: they leave the money range.
    bool amountsOutOfRange = false;
};

// The same walk with the calculation's facts given instead of computed.
uint32_t CheckDeclaration(const mTDeclaration& declaration, const DeclarationCalcFacts& facts, ICheckAnswerer& answerer,
                          const DeclarationCheckOptions& options = {});
// With only the OKTMO-required flag: no source is taken as refunded.
uint32_t CheckDeclaration(const mTDeclaration& declaration, bool oktmoRequired, ICheckAnswerer& answerer,
                          const DeclarationCheckOptions& options = {});

// The calculation's facts, computed over a copy, so the declaration stays as it is.
DeclarationCalcFacts ComputeCalcFacts(const mTDeclaration& declaration);
// Whether the declaration needs the taxpayer's OKTMO (ComputeCalcFacts().oktmoRequired).
bool DeclarationRequiresOktmo(const mTDeclaration& declaration);

// For commands without windows (export, batch): runs the check answering "Отмена" to every
// problem and writes each problem shown to report, one line each, "Проверка: " + section title +
// ": " + message. True when no problem was shown.
bool DeclarationPassesCheck(const mTDeclaration& declaration, std::ostream& report,
                            const DeclarationCheckOptions& options = {});

}  // namespace zizaza
