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

Money sumOfLines(const mTThirteenPercent& source) {
    Money sum;
    for (const mTSourseIncome& line : source.Lines())
        sum += line.IncomeAmount;
    return sum;
}

Money sumOfLines(const mTInvestTov& partnership) {
    Money sum;
    for (const mTInvestTovIncome& line : partnership.Lines())
        sum += line.Income;
    return sum;
}

}  // namespace

void kTSvodSumPrilA13::ClassifySource(mTThirteenPercent& source, std::vector<mbPrilA>& cadastralItems) {
    std::string& code = source.IncomeKindCode;
    code.clear();
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
}

void kTSvodSumPrilA13::Reset() {
    *this = kTSvodSumPrilA13();
}

bool kTSvodSumPrilA13::Compute(mTDeclaration& declaration) {
    Reset();
    ForeignerFixedPayments = declaration.ForeignerFixedPayments;
    if (declaration.DeclarationForm == kForm3Ndfl) {
        for (size_t i = 0; i < declaration.ResidentIncome13Count(); ++i) {
            mTThirteenPercent& source = declaration.ResidentIncome13(i);
            ClassifySource(source, CadastralItems);
            TotalIncome += sumOfLines(source);
            TaxableAmount += source.TaxableAmount;
            TaxComputed += source.TaxComputed;
            TaxWithheld += WholeRoubles(source.TaxWithheld);
        }
        for (size_t i = 0; i < declaration.Income30Count(); ++i) {
            mTThirtyPercent& source = declaration.Income30(i);
            source.IncomeKindCode = "08";
            DividendTaxableAmount += source.TaxableAmount;
            DividendTaxComputed += source.TaxComputed;
            DividendTaxWithheld += WholeRoubles(source.TaxWithheld);
        }
        for (size_t i = 0; i < declaration.InvestPartnershipIncomeCount(); ++i) {
            mTInvestTov& partnership = declaration.InvestPartnershipIncome(i);
            partnership.IncomeKindCode = "03";
            TotalIncome += sumOfLines(partnership);
            TaxableAmount += partnership.TaxableAmount;
            TaxComputed += partnership.TaxComputed;
            TaxWithheld += WholeRoubles(partnership.TaxWithheld);
        }
    } else if (declaration.DeclarationForm == kForm3NdflNonResident) {
        for (size_t i = 0; i < declaration.NonResidentIncome13Count(); ++i) {
            mTThirteenPercent& source = declaration.NonResidentIncome13(i);
            source.IncomeKindCode = source.TaxComputed > source.TaxWithheld ? "07" : "06";
            TotalIncome += sumOfLines(source);
            TaxableAmount += source.TaxableAmount;
            TaxComputed += source.TaxComputed;
            TaxWithheld += WholeRoubles(source.TaxWithheld);
        }
    }
    return true;
}

}  // namespace zizaza
