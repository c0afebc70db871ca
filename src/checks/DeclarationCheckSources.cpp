// The identifiers of the sources of payment in Russia: every source the export writes must carry
// an OKTMO, INN and KPP the tax service accepts, whatever the source dialog let through.
#include "checks/DeclarationCheckRun.h"
#include "checks/IdentifierChecks.h"
#include "model/IncomeCodes.h"
#include "model/mTDeclaration.h"

#include <string>
#include <type_traits>

namespace zizaza {
namespace {

// One list of sources as the screens show it.
struct SourceListArea {
    SourceList list;
    uint16_t screen;
    std::string_view title;
};

template <class T>
void CheckList(DeclarationCheckRun& run, const SourceListArea& area, const OwnedList<T>& sources) {
    if (sources.Count() == 0 || !run.MayEnterNextSection())
        return;
    run.BeginSection(area.screen, area.title);
    size_t index = 0;
    for (const T& source : sources) {
        const size_t position = index++;
        if constexpr (std::is_same_v<T, mTThirtyFivePercent>) {
            if (source.IncomeCode == kIncomeCodeMaterialBenefit)
                continue;
        }
        const SourceIdentifierProblem problem =
            ExportedSourceProblem(source.Oktmo, source.Kpp, source.Inn, run.Refunded(area.list, position));
        if (problem.field == SourceField::None)
            continue;
        run.Show("Источник выплаты \"" + source.Name + "\": " + std::string(problem.message),
                 static_cast<uint16_t>(position + 1));
        if (run.StopAtFirstRecord())
            return;
    }
}

}  // namespace

void CheckSourceIdentifiers(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    if (doc.DeclarationForm == kForm4Ndfl)
        return;
    const bool resident = doc.DeclarationForm == kForm3Ndfl;
    CheckList(run,
              {SourceList::ResidentIncomes13, kScreenRussianIncome13,
               resident ? "Доходы, облагаемые ставкой 13%" : "Доходы, облагаемые ставкой 30%"},
              doc.ResidentIncomes13());
    CheckList(run,
              {SourceList::Incomes30, kScreenRussianIncomeDividends,
               resident ? kSectionDividends : "Доходы, облагаемые ставкой 15%"},
              doc.Incomes30());
    if (resident) {
        CheckList(run, {SourceList::Incomes35, kScreenRussianIncome35, kSectionIncome35}, doc.Incomes35());
        CheckList(run, {SourceList::Incomes9, kScreenRussianIncome9, kSectionIncome9}, doc.Incomes9());
    } else {
        CheckList(run, {SourceList::NonResidentIncomes13, kScreenRussianIncomeNonResident13, kSectionNonResident13},
                  doc.NonResidentIncomes13());
    }
    CheckList(run, {SourceList::InvestPartnerships, kScreenInvestPartnership, kSectionInvestPartnership},
              doc.InvestPartnershipIncomes());
}

}  // namespace zizaza
