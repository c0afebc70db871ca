#include "calc/kTSvodSumPrilA13.h"

#include "calc/SheetMath.h"
#include "model/IncomeCodes.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

#include <string_view>

namespace zizaza {
namespace {

// Any line that does not fit the kind the code has so far: a salary source ("06") stays one,
// everything else becomes "10" (other incomes).
void fallback(std::string& code) {
    if (code != "06")
        code = "10";
}

// The line's kind is taken when the code is still empty or already of that kind.
void takeKind(std::string& code, std::string_view kind) {
    if (code.empty() || code == kind)
        code = kind;
    else
        fallback(code);
}

mbPrilA cadastralItemOf(const mTSourseIncome& line) {
    mbPrilA item;
    item.CadastralNumber = line.CadastralNumber;
    item.CadastralValue = line.CadastralValue;
    item.ContractPrice = line.ContractPrice;
    // The cadastral share rounded half up to kopecks, as the income screen computes it.
    item.CadastralValue70 = PercentInKopecks(line.CadastralValue, kCadastralSharePercent);
    item.Income = line.IncomeAmount;
    return item;
}

}  // namespace

std::string kTSvodSumPrilA13::ClassifySource(const mTThirteenPercent& source, std::vector<mbPrilA>& cadastralItems) {
    std::string code;
    for (const mTSourseIncome& line : source.Lines()) {
        int32_t c = line.IncomeCode;
        if (c == 1400 || c == 2400) {
            takeKind(code, "04");
        } else if (c == 1510 || c == 1511 || c == 1512) {
            if (line.AcquiredAfter2016)
                cadastralItems.push_back(cadastralItemOf(line));
            // The income differs from the price when it was raised to the cadastral share of the value.
            if (line.AcquiredAfter2016 && line.IncomeAmount != line.ContractPrice)
                takeKind(code, "09");
            else
                takeKind(code, "01");
        } else if (c == 1520) {
            takeKind(code, "02");
        } else if (IsSecuritiesIncomeCode(c)) {
            takeKind(code, "03");
        } else if (c == 2000 || c == 2010) {
            code = "06";
        } else if (c == 2220 || c == 2720 || c == 2790) {
            takeKind(code, "05");
        } else {
            fallback(code);
        }
    }
    if (code == "06" && source.TaxComputed > source.TaxWithheld)
        code = "07";
    return code;
}

void kTSvodSumPrilA13::Reset() {
    *this = kTSvodSumPrilA13();
}

bool kTSvodSumPrilA13::Compute(const mTDeclaration& declaration) {
    Reset();
    ForeignerFixedPayments = declaration.ForeignerFixedPayments;
    if (declaration.DeclarationForm == kForm3Ndfl) {
        for (size_t i = 0; i < declaration.ResidentIncome13Count(); ++i) {
            const mTThirteenPercent& source = declaration.ResidentIncome13(i);
            KindCodes.Set(SourceList::ResidentIncomes13, i, ClassifySource(source, CadastralItems));
            TotalIncome += source.TotalIncome();
            TaxableAmount += source.TaxableAmount;
            TaxComputed += source.TaxComputed;
            TaxWithheld += WholeRoubles(source.TaxWithheld);
        }
        for (size_t i = 0; i < declaration.Income30Count(); ++i) {
            const mTThirtyPercent& source = declaration.Income30(i);
            KindCodes.Set(SourceList::Incomes30, i, "08");
            DividendTaxableAmount += source.TaxableAmount;
            DividendTaxComputed += source.TaxComputed;
            DividendTaxWithheld += WholeRoubles(source.TaxWithheld);
        }
        for (size_t i = 0; i < declaration.InvestPartnershipIncomeCount(); ++i) {
            const mTInvestTov& partnership = declaration.InvestPartnershipIncome(i);
            KindCodes.Set(SourceList::InvestPartnerships, i, "03");
            TotalIncome += partnership.TotalIncome();
            TaxableAmount += partnership.TaxableAmount;
            TaxComputed += partnership.TaxComputed;
            TaxWithheld += WholeRoubles(partnership.TaxWithheld);
        }
    } else if (declaration.DeclarationForm == kForm3NdflNonResident) {
        for (size_t i = 0; i < declaration.NonResidentIncome13Count(); ++i) {
            const mTThirteenPercent& source = declaration.NonResidentIncome13(i);
            KindCodes.Set(SourceList::NonResidentIncomes13, i, source.TaxComputed > source.TaxWithheld ? "07" : "06");
            TotalIncome += source.TotalIncome();
            TaxableAmount += source.TaxableAmount;
            TaxComputed += source.TaxComputed;
            TaxWithheld += WholeRoubles(source.TaxWithheld);
        }
    }
    return true;
}

}  // namespace zizaza
