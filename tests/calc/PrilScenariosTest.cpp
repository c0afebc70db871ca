// Whole declarations run through the income, foreign, business, exempt, professional, partnership
// and securities sheets in the order of the calculation, every figure checked against the hand
// computation in the comments.
#include "calc/kTSvodSumPrilA13.h"
#include "calc/kTSvodSumPrilA15.h"
#include "calc/kTSvodSumPrilA30.h"
#include "calc/kTSvodSumPrilA35.h"
#include "calc/kTSvodSumPrilA9.h"
#include "calc/kTSvodSumPrilB.h"
#include "calc/kTSvodSumPrilG.h"
#include "calc/kTSvodSumPrilG_In.h"
#include "calc/kTSvodSumPrilI.h"
#include "calc/kTSvodSumPrilJ.h"
#include "calc/kTSvodSumPrilM.h"
#include "calc/kTSvodSumPrilV1.h"

#include "support/DeclarationBuilder.h"
#include "support/RandomDeclaration.h"

#include <gtest/gtest.h>

#include <string>

namespace zizaza {
namespace {

using testsupport::AddBusiness;
using testsupport::AddDividendSource;
using testsupport::AddForeignIncome;
using testsupport::AddLine;
using testsupport::AddMonthlyLines;
using testsupport::AddNonResidentSource13;
using testsupport::AddSource13;
using testsupport::AddSource35;
using testsupport::AddSource9;
using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

// The sheets of this area, computed in the driver's order.
struct Sheets {
    kTSvodSumPrilA9 a9;
    kTSvodSumPrilA13 a13;
    kTSvodSumPrilA15 a15;
    kTSvodSumPrilA30 a30;
    kTSvodSumPrilA35 a35;
    kTSvodSumPrilV1 v1;
    kTSvodSumPrilM m;
    kTSvodSumPrilG g;
    kTSvodSumPrilG_In gIn;
    kTSvodSumPrilI i;
    kTSvodSumPrilJ j{kTSvodSumPrilJ::Account::Ordinary};
    kTSvodSumPrilJ jIis{kTSvodSumPrilJ::Account::Iis};
    kTSvodSumPrilB b13{13}, b9{9}, b35{35};

    bool Compute(const mTDeclaration& doc) {
        return a9.Compute(doc) && a13.Compute(doc) && a15.Compute(doc) && a30.Compute(doc) && a35.Compute(doc) &&
               v1.Compute(doc) && m.Compute(doc, &a35) && g.Compute(doc) &&
               gIn.Compute(doc, g.RemainingLimit905907()) && i.Compute(doc) && j.Compute(doc, i.ExitLoss()) &&
               jIis.Compute(doc) && b13.Compute(doc) && b9.Compute(doc) && b35.Compute(doc);
    }
};

TEST(PrilScenarios, ResidentWithSalaryAndSideIncomes) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    // Employer: 12 × 60000 of salary, a gift of 6000 and material aid of 3000.
    mTThirteenPercent& employer = AddSource13(*doc, "45000000", Rub(93600), true);
    AddMonthlyLines(employer, 2000, Rub(60000));
    AddLine(employer, 2720, Rub(6000), 12, 501, Rub(4000));
    AddLine(employer, 2760, Rub(3000), 3, 503, Rub(3000));
    employer.TaxableAmount = Rub(722000);  // 729000 − 4000 − 3000
    employer.TaxComputed = Rub(93860);
    // Civil contract: 100000 with 120000 of expenses; nothing withheld.
    mTThirteenPercent& client = AddSource13(*doc, "46000000", Rub(0));
    AddLine(client, 2010, Rub(100000), 5, 403, Rub(120000));
    client.TaxableAmount = Rub(100000);
    client.TaxComputed = Rub(13000);
    // Bank: a deposit at 35% and a lottery prize with a deduction of 4000, and a 9% coupon.
    AddSource35(*doc, "45000000", 2610, Rub(1000), Rub(350));
    AddSource35(*doc, "45000000", 2740, Rub(20000), Rub(5600), 502, Rub(4000));
    AddSource9(*doc, "45000000", Rub(10000), Rub(900)).TaxComputed = Rub(900);
    AddDividendSource(*doc, "45000000", Rub(50000), Rub(50000), Rub(6500), Rub(6500));
    // Abroad: dividends of 20000 with 3000 of foreign tax.
    AddForeignIncome(*doc, 14, 1010, Rub(20000), Rub(3000));

    Sheets s;
    ASSERT_TRUE(s.Compute(*doc));

    // Salary makes "06" and the gift and the aid keep it; 93860 computed is above the 93600
    // withheld, so the code ends as "07". The contract source has nothing withheld: "07" too.
    EXPECT_EQ(s.a13.KindCodes.Of(SourceList::ResidentIncomes13, 0), "07");
    EXPECT_EQ(s.a13.KindCodes.Of(SourceList::ResidentIncomes13, 1), "07");
    EXPECT_EQ(s.a13.TotalIncome, Rub(829000));  // 720000 + 6000 + 3000 + 100000
    EXPECT_EQ(s.a13.TaxableAmount, Rub(822000));
    EXPECT_EQ(s.a13.TaxComputed, Rub(106860));
    EXPECT_EQ(s.a13.TaxWithheld, Rub(93600));
    EXPECT_EQ(s.a13.DividendTaxableAmount, Rub(50000));
    EXPECT_EQ(s.a13.DividendTaxWithheld, Rub(6500));
    EXPECT_EQ(s.a9.TotalIncome, Rub(10000));
    EXPECT_EQ(s.a9.TaxWithheld, Rub(900));
    EXPECT_EQ(s.a15.TotalIncome, Rub(0));
    EXPECT_EQ(s.a30.TotalIncome, Rub(0));
    // 35%: 1000 + 20000 of income, 350 + 5600 withheld.
    EXPECT_EQ(s.a35.TotalIncome, Rub(21000));
    EXPECT_EQ(s.a35.TaxWithheld, Rub(5950));
    // The prize: 4000 exempt, 16000 taxable, 5600 of tax.
    EXPECT_EQ(s.a35.Source(1).TaxableAmount, Rub(16000));
    EXPECT_EQ(s.a35.Source(1).TaxComputed, Rub(5600));
    EXPECT_EQ(s.m.ПризРекл, (kTExemptIncome{Rub(20000), Rub(4000)}));
    // Gift: min(6000, 4000); aid: 3000.
    EXPECT_EQ(s.m.ПодарНП, (kTExemptIncome{Rub(6000), Rub(4000)}));
    EXPECT_EQ(s.m.МатПомРаб, (kTExemptIncome{Rub(3000), Rub(3000)}));
    EXPECT_EQ(s.m.ДохНеНалОбщ, Rub(7000));
    // The contract's expenses are limited to its income.
    EXPECT_EQ(s.g.РасхФактДогГПХ, (kTProfDeductionPair{Rub(100000), Rub(100000)}));
    EXPECT_EQ(s.g.РасходОбщИт, Rub(100000));
    EXPECT_EQ(s.gIn.РасходОбщИт, Rub(0));
    // Foreign dividends: 2600 of Russian tax, 2600 credited of the 3000 paid.
    ASSERT_EQ(s.b13.LineCount(), 1u);
    EXPECT_EQ(s.b13.DividendIncome, Rub(20000));
    EXPECT_EQ(s.b13.DividendTaxComputed, Rub(2600));
    EXPECT_EQ(s.b13.DividendCredit, Rub(2600));
    EXPECT_EQ(s.b13.OtherIncome, Rub(0));
    EXPECT_EQ(s.b9.LineCount(), 0u);
    EXPECT_EQ(s.j.ИтогСовОпер, kTSecuritiesTotals());
    EXPECT_EQ(s.v1.BusinessIncome, Rub(0));
}

TEST(PrilScenarios, SecuritiesSaleWithLossesOfEarlierYears) {
    auto doc = NewDeclaration();
    mTThirteenPercent& broker = AddSource13(*doc, "45000000", Rub(39000), false, "АО \"Брокер\"");
    // Shares sold for 1200000, bought for 700000 with 20000 of commission.
    AddLine(broker, 1530, Rub(1200000), 11, 201, Rub(720000));
    // Futures on an index: 150000 of income against 190000 of expenses.
    AddLine(broker, 1532, Rub(150000), 12, 206, Rub(190000));
    // Coupon-free bonds not traded: 80000 against 90000.
    AddLine(broker, 1531, Rub(80000), 12, 202, Rub(90000));
    broker.TaxableAmount = Rub(300000);
    broker.TaxComputed = Rub(39000);
    doc->SecuritiesDeductions.SecuritiesLoss(2014) = Rub(100000);
    doc->SecuritiesDeductions.SecuritiesLoss(2016) = Rub(50000);
    doc->SecuritiesDeductions.SecuritiesLoss(2010) = Rub(30000);
    doc->SecuritiesDeductions.DerivativesLoss(2016) = Rub(5000);
    doc->InvestmentDeductionZ = Rub(200000);

    Sheets s;
    ASSERT_TRUE(s.Compute(*doc));
    EXPECT_EQ(s.a13.KindCodes.Of(SourceList::ResidentIncomes13, 0), "03");
    const kTSecuritiesTraded& t = s.j.ДохОперЦБОрг;
    // Traded: base 1200000 − 720000 = 480000; investment deduction 200000; earlier losses
    // 180000 (all ten years) of the 280000 open; then the derivative loss of 40000: 100000 open.
    EXPECT_EQ(t.НалБазаОпер, Rub(480000));
    EXPECT_EQ(t.ИнвВычУмФР, Rub(200000));
    EXPECT_EQ(t.УбытПрПерУмНБ, Rub(180000));
    EXPECT_EQ(t.УбытУмНБ_4_10, Rub(40000));
    EXPECT_EQ(t.ДоходОбл, Rub(60000));
    // Futures: a loss of 40000, all of it used by the traded securities; nothing carried.
    EXPECT_EQ(s.j.ДохПФИОргЦБ.УбытРезОпер, Rub(40000));
    EXPECT_EQ(s.j.ДохПФИОргЦБ.УбытУмНБ_1_10, Rub(40000));
    EXPECT_EQ(s.j.ДохПФИОргЦБ.УбытУмНББуд, Rub(0));
    // Non-traded: 80000 − 90000: nothing taxable, and the loss is not carried.
    EXPECT_EQ(s.j.ДохОперЦБНеОрг.ДоходОбл, Rub(0));
    // Earlier losses: 180000 securities, all used; 5000 derivatives, unused (no derivative base).
    EXPECT_EQ(s.j.ОстУбытНачВс, (kTLossPair{Rub(180000), Rub(5000)}));
    EXPECT_EQ(s.j.НалБазаПер, (kTLossPair{Rub(480000), Rub(0)}));
    EXPECT_EQ(s.j.СумУмНБПер, (kTLossPair{Rub(180000), Rub(0)}));
    EXPECT_EQ(s.j.ОстУбытКонВс, (kTLossPair{Rub(0), Rub(5000)}));
    EXPECT_EQ(s.j.УбытПрхПер, (kTLossesCarried{Rub(0), Rub(5000)}));
    // 1430000 of income, 60000 taxable: 1370000 reduce the 13% income.
    EXPECT_EQ(s.j.ИтогСовОпер, (kTSecuritiesTotals{Rub(1430000), Rub(60000), Rub(1370000)}));
    EXPECT_EQ(s.jIis.ИтогСовОпер, kTSecuritiesTotals());
    EXPECT_EQ(s.a13.TotalIncome, Rub(1430000));
    // None of these lines is a professional deduction.
    EXPECT_EQ(s.g.РасходОбщИт, Rub(0));
}

TEST(PrilScenarios, InvestorInAPartnership) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeInvestTov);
    mTInvestTov& partnership = doc->InvestPartnershipIncome(doc->AddInvestPartnershipIncome());
    partnership.Oktmo = "45000000";
    // Traded securities: 300000, share of expenses 100000, managers 20000, past losses 30000.
    partnership.AddLine(mTInvestTovIncome{1, Rub(300000), Rub(100000), Rub(20000), Rub(30000), Rub(0)});
    // Shares in capital: 40000 against 70000.
    partnership.AddLine(mTInvestTovIncome{4, Rub(40000), Rub(70000), Rub(0), Rub(0), Rub(0)});
    // Leaving the partnership: 100000 back for 160000 contributed.
    partnership.AddLine(mTInvestTovIncome{6, Rub(100000), Rub(160000), Rub(0), Rub(0), Rub(0)});
    partnership.TaxableAmount = Rub(100000);
    partnership.TaxComputed = Rub(13000);
    partnership.TaxWithheld = Rub(13000);
    doc->InvestmentDeductionI = Rub(50000);
    // A non-traded bond sale by a broker, against which the exit loss counts.
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 1531, Rub(200000), 9, 202, Rub(120000));

    Sheets s;
    ASSERT_TRUE(s.Compute(*doc));
    EXPECT_EQ(s.a13.KindCodes.Of(SourceList::InvestPartnerships, 0), "03");
    // Kind 1: 300000 − 100000 − 20000 − 30000 = 150000; deduction 50000; taxable 100000.
    EXPECT_EQ(s.i.ДохЦБОбрИТ.РазмерФинРез, Rub(150000));
    EXPECT_EQ(s.i.ДохЦБОбрИТ.ИнвВычУмФР, Rub(50000));
    EXPECT_EQ(s.i.ДохЦБОбрИТ.ДоходОбл, Rub(100000));
    // Kind 4: loss 30000 carried forward.
    EXPECT_EQ(s.i.ДохУстКапИТ.ДоходОбл, Rub(0));
    EXPECT_EQ(s.i.ДохУстКапИТ.УбытПерБудущ, Rub(30000));
    // Kind 6: loss 60000.
    EXPECT_EQ(s.i.РасчДохВыхИТ, (kTPartnershipExit{Rub(100000), Rub(160000), Rub(0), Rub(60000)}));
    // 440000 of income, 100000 taxable.
    EXPECT_EQ(s.i.ИтогСовОпер, (kTPartnershipTotals{Rub(440000), Rub(100000), Rub(340000)}));
    // The bonds: 200000 − 120000 − 60000 = 20000 taxable.
    EXPECT_EQ(s.j.ДохОперЦБНеОрг.УбытВыхИТ, Rub(60000));
    EXPECT_EQ(s.j.ДохОперЦБНеОрг.ДоходОбл, Rub(20000));
    EXPECT_EQ(s.j.ИтогСовОпер, (kTSecuritiesTotals{Rub(200000), Rub(20000), Rub(180000)}));
    EXPECT_EQ(s.jIis.ДохОперЦБНеОрг.УбытВыхИТ, Rub(0));
    // The 13% sheet: 200000 of the broker + 440000 of the partnership lines.
    EXPECT_EQ(s.a13.TotalIncome, Rub(640000));
    EXPECT_EQ(s.a13.TaxWithheld, Rub(13000));
}

TEST(PrilScenarios, NonResident) {
    auto doc = NewDeclaration(kForm3NdflNonResident, kIncomeRussia | kIncomeBusiness);
    // A highly qualified specialist at 13%: salary and a civil contract with expenses.
    mTThirteenPercent& employer = AddNonResidentSource13(*doc, "45000000", Rub(130000));
    AddMonthlyLines(employer, 2000, Rub(100000), 1, 10);
    AddLine(employer, 2010, Rub(50000), 11, 403, Rub(20000));
    employer.TaxableAmount = Rub(1030000);
    employer.TaxComputed = Rub(133900);
    // Incomes at 30%: rent and a prize with its 4000.
    mTThirteenPercent& tenant = AddSource13(*doc, "46000000", Rub(0));
    AddLine(tenant, 1400, Rub(60000), 4);
    AddLine(tenant, 2740, Rub(10000), 6, 502, Rub(4000));
    tenant.TaxableAmount = Rub(66000);
    tenant.TaxComputed = Rub(19800);
    // Dividends at 15%: 15% of 20000.30 is 3000.045.
    AddDividendSource(*doc, "45000000", Amount("20000.30"), Amount("20000.30"), Rub(2600), Rub(2600));
    // Lists of a resident that a non-resident does not use.
    AddSource35(*doc, "45000000", 2610, Rub(1000), Rub(350));
    AddSource9(*doc, "45000000", Rub(1000), Rub(90));
    AddBusiness(*doc, Rub(300000), Rub(100000));
    doc->TradeFee = Rub(1000);

    Sheets s;
    ASSERT_TRUE(s.Compute(*doc));
    // 13%: 1000000 + 50000 of income; 133900 computed above 130000 withheld: "07".
    EXPECT_EQ(s.a13.KindCodes.Of(SourceList::NonResidentIncomes13, 0), "07");
    EXPECT_EQ(s.a13.TotalIncome, Rub(1050000));
    EXPECT_EQ(s.a13.TaxableAmount, Rub(1030000));
    EXPECT_EQ(s.a13.TaxComputed, Rub(133900));
    EXPECT_EQ(s.a13.TaxWithheld, Rub(130000));
    EXPECT_EQ(s.a13.DividendTaxableAmount, Rub(0));
    // 30%: rent then another income: "10".
    EXPECT_EQ(s.a30.KindCodes.Of(SourceList::ResidentIncomes13, 0), "10");
    EXPECT_EQ(s.a30.TotalIncome, Rub(70000));
    EXPECT_EQ(s.a30.TaxableAmount, Rub(66000));
    EXPECT_EQ(s.a30.TaxComputed, Rub(19800));
    // 15%.
    EXPECT_EQ(s.a15.TotalIncome, Amount("20000.30"));
    EXPECT_EQ(s.a15.TaxComputed, Rub(3000));
    EXPECT_EQ(s.a15.TaxWithheld, Rub(2600));
    EXPECT_EQ(s.a9.TotalIncome, Rub(0));
    EXPECT_EQ(s.a35.TotalIncome, Rub(0));
    EXPECT_EQ(s.a35.Source(0).TaxableAmount, Rub(0));
    // The prize of the 30% list with its deduction.
    EXPECT_EQ(s.m.ПризРекл, (kTExemptIncome{Rub(10000), Rub(4000)}));
    // No professional deduction for a non-resident.
    EXPECT_EQ(s.g.РасхФактДогГПХ, kTProfDeductionPair());
    EXPECT_EQ(s.g.РасходОбщИт, Rub(0));
    // Business records are computed whatever the form.
    EXPECT_EQ(s.v1.BusinessIncome, Rub(300000));
    EXPECT_EQ(s.v1.BusinessExpenses, Rub(100000));
    EXPECT_EQ(doc->TradeFee, Rub(1000));
}

// Codes that the sheets react to, spread over the lines of a random document.
void useTellingCodes(mTDeclaration& doc, uint32_t seed) {
    static const int32_t incomeCodes[] = {2000, 1400, 1511, 1530, 1531, 1532, 1535, 1537, 9538, 2740,
                                          2720, 1540, 2010, 2201, 1211, 2762, 1536, 1544, 4800, 2790};
    static const int32_t deductionCodes[] = {0, 201, 202, 218, 905, 907, 501, 502, 403, 404, 315, 508, 225};
    size_t k = seed;
    for (size_t i = 0; i < doc.ResidentIncome13Count(); ++i) {
        mTThirteenPercent& source = doc.ResidentIncome13(i);
        for (size_t n = 0; n < source.LineCount(); ++n, ++k) {
            mTSourseIncome line = source.Line(n);
            line.IncomeCode = incomeCodes[k % std::size(incomeCodes)];
            line.DeductionCode = deductionCodes[k % std::size(deductionCodes)];
            source.ReplaceLine(n, &line);
        }
    }
    for (size_t i = 0; i < doc.Income35Count(); ++i, ++k) {
        doc.Income35(i).IncomeCode = k % 3 == 0 ? 2620 : 2740;
        doc.Income35(i).DeductionCode = k % 2 == 0 ? 502 : 0;
    }
    for (size_t i = 0; i < doc.CurrencyIncomeCount(); ++i, ++k) {
        mTCurrencyIncome& r = doc.CurrencyIncome(i);
        r.RateCode = k % 2 == 0 ? 13 : 14;
        r.IncomeCode = incomeCodes[k % std::size(incomeCodes)];
        r.DeductionCode = deductionCodes[k % std::size(deductionCodes)];
    }
}

class SheetWrites : public testing::TestWithParam<uint32_t> {};

TEST_P(SheetWrites, NoFieldOfTheDocumentChanges) {
    for (DeclarationForm form : {kForm3Ndfl, kForm3NdflNonResident}) {
        auto doc = testsupport::RandomDeclaration(GetParam());
        doc->DeclarationForm = form;
        useTellingCodes(*doc, GetParam());
        mTDeclaration before(*doc);
        Sheets s;
        ASSERT_TRUE(s.Compute(*doc));
        // The sheets only read the document.
        for (const std::string& d : testsupport::CompareDeclarations(before, *doc, testsupport::CompareMode::All))
            ADD_FAILURE() << "form " << static_cast<int>(form) << ": " << d;
        // Computing again gives the same document and the same sheets.
        mTDeclaration once(*doc);
        Sheets again;
        again.Compute(*doc);
        EXPECT_TRUE(testsupport::SameDeclaration(once, *doc, testsupport::CompareMode::All));
        EXPECT_EQ(again.j.ИтогСовОпер, s.j.ИтогСовОпер);
        EXPECT_EQ(again.a13.CadastralItems, s.a13.CadastralItems);
        EXPECT_EQ(again.m.ДохНеНалОбщ, s.m.ДохНеНалОбщ);
    }
}

INSTANTIATE_TEST_SUITE_P(PrilScenarios, SheetWrites, testing::Values(1u, 2u, 3u, 17u, 4242u));

}  // namespace
}  // namespace zizaza
