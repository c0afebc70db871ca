// The rules of the entry dialogs over the records already in the declaration: a record written by
// an earlier edition, another tool or an import may break a rule its dialog would refuse. Only
// the rules that refuse the record are shown; those the dialog lets the user skip stay there, and so
// do the pension contract's number and the country of a source abroad, which files without them
// have always passed.
#include "checks/DeclarationCheckRun.h"
#include "checks/EntryRules.h"
#include "checks/IdentifierChecks.h"
#include "model/mTDeclaration.h"

#include <string_view>

namespace zizaza {
namespace {

// Shows the first refusing problem of each record (of the first such record only, unless every
// problem is listed); item is the record's number, as the list screens take it.
template <class List, class Rules>
void ShowRefusals(DeclarationCheckRun& run, uint16_t screen, std::string_view title, const List& list, Rules rules) {
    if (!run.SectionQuiet())
        return;
    run.BeginSection(screen, title);
    uint16_t number = 0;
    for (const auto& record : list) {
        ++number;
        for (const EntryProblem& problem : rules(record)) {
            if (!problem.refuses)
                continue;
            run.Show(problem.message, number);
            if (run.StopAtFirstRecord())
                return;
            break;
        }
    }
}

}  // namespace

void CheckEntryRecords(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    if (doc.HasIncome(kIncomeRussia)) {
        const IncomeLineKind kind =
            doc.DeclarationForm == kForm3NdflNonResident ? IncomeLineKind::NonResident : IncomeLineKind::Resident;
        ShowRefusals(run, kScreenRussianIncome13, kSectionIncome13, doc.ResidentIncomes13(),
                     [kind](const mTThirteenPercent& source) {
                         EntryProblems problems;
                         for (const mTSourseIncome& line : source.Lines())
                             for (EntryProblem& problem : IncomeLineProblems(line, kind))
                                 problems.push_back(std::move(problem));
                         return problems;
                     });
        ShowRefusals(run, kScreenRussianIncome35, kSectionIncome35, doc.Incomes35(),
                     [](const mTThirtyFivePercent& source) { return Income35Problems(source); });
        ShowRefusals(run, kScreenRussianIncome9, kSectionIncome9, doc.Incomes9(), Income9Problems);
    }
    ShowRefusals(run, kScreenInvestPartnership, kSectionInvestPartnership, doc.InvestPartnershipIncomes(),
                 [](const mTInvestTov& partnership) {
                     EntryProblems problems;
                     for (size_t i = 0; i < partnership.LineCount(); ++i)
                         for (EntryProblem& problem : PartnershipIncomeProblems(partnership.Line(i)))
                             problems.push_back(std::move(problem));
                     return problems;
                 });
}

}  // namespace zizaza
