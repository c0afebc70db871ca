// The report "Расчет налога" and the plain summary: every figure of sections 1 and 2 as the
// calculation has it, the outcome and its dates, and the grouping of foreign incomes.
#include "calc/kTSvodSum.h"
#include "calc/kTSvodSumPrilB.h"
#include "calc/kTSvodSumPrilJ.h"
#include "report/ForeignIncomeGroups.h"
#include "report/ReportText.h"
#include "report/TaxReport.h"
#include "report/TaxSummary.h"
#include "report/TradeRegister.h"
#include "support/DeclarationBuilder.h"
#include "support/SampleDeclarations.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::AddForeignIncome;
using testsupport::AddMonthlyLines;
using testsupport::AddSource13;
using testsupport::Amount;
using testsupport::Rub;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The cell of a figure as the report writes it.
std::string figureCell(const std::string& key, Money value) {
    return "data-f=\"" + key + "\">" + MoneyText(value, "\u00a0") + "<";
}

TEST(TaxReport, EveryFigureOfSections1And2IsTheCalculations) {
    for (const auto& sample : testsupport::SampleDeclarations()) {
        SCOPED_TRACE(sample.name);
        std::unique_ptr<mTDeclaration> doc = sample.build();
        kTSvodSum sum;
        sum.Compute(*doc);
        const std::string html = TaxReportHtml(*doc, sum);
        const bool computed = doc->DeclarationForm != kForm4Ndfl;
        for (const Section2Block& block : Section2Blocks()) {
            for (const Section2Figure& f : Section2Figures()) {
                const std::string key = std::string(block.key) + "." + f.name;
                const Money value = block.get(sum).*f.value;
                if (value.IsZero())
                    EXPECT_FALSE(contains(html, "data-f=\"" + key + "\"")) << key;
                else
                    EXPECT_TRUE(contains(html, figureCell(key, value))) << key << " " << value.ToText();
            }
        }
        const auto& lines = sum.List6().Lines;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(contains(html, figureCell("s1." + std::to_string(i), lines[i].Amount)), computed) << i;
            EXPECT_EQ(contains(html, "<td>" + lines[i].КБК + "</td>"), computed);
            EXPECT_EQ(contains(html, "<td>" + lines[i].ОКТМО + "</td>"), computed);
        }
        EXPECT_FALSE(contains(html, "data-f=\"s1." + std::to_string(lines.size()) + "\""));
    }
}

TEST(TaxReport, OutcomeAndDatesComeFirstAndOnlyWhereTheyApply) {
    struct Case {
        const char* sample;
        const char* outcome;
        bool declarationDate;
        bool taxDate;
        bool refundAnyTime;
    };
    const Case cases[] = {
        {"foreign_dividends", "К уплате в бюджет: 2\u00a0775,00 руб.", true, true, false},
        {"salaried_flat_mortgage", "К возврату из бюджета: ", false, false, true},
        {"entrepreneur_norm", "К уплате в бюджет: ", true, true, false},
        {"resident_without_income", "Налога ни к уплате, ни к возврату нет.", false, false, false},
        {"estimated_income_4ndfl", "Декларация 4-НДФЛ сообщает предполагаемый доход", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sample);
        std::unique_ptr<mTDeclaration> doc;
        for (const auto& s : testsupport::SampleDeclarations())
            if (s.name == c.sample)
                doc = s.build();
        ASSERT_TRUE(doc);
        kTSvodSum sum;
        sum.Compute(*doc);
        const std::string html = TaxReportHtml(*doc, sum);
        const size_t outcome = html.find(c.outcome);
        ASSERT_NE(outcome, std::string::npos);
        EXPECT_LT(outcome, html.find("Раздел 2"));
        EXPECT_EQ(contains(html, "не позднее 03.05.2018"), c.declarationDate);
        EXPECT_EQ(contains(html, "не позднее 16.07.2018"), c.taxDate);
        EXPECT_EQ(contains(html, "в любое время в течение трех лет"), c.refundAnyTime);
    }
}

TEST(TaxReport, MoneyIsWrittenExactlyWithKopecksAndThousands) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0,00"},        {"5.5", "5,50"},
        {"999", "999,00"},    {"1000", "1 000,00"},
        {"-12.5", "−12,50"},  {"1234567.89", "1 234 567,89"},
        {"0.0001", "0,0001"}, {"100000.123", "100 000,123"},
    };
    for (auto [raw, text] : cases)
        EXPECT_EQ(MoneyText(*Money::Parse(raw)), text) << raw;
}

// Foreign dividends of 1000 roubles in the order given: (source, currency code).
void addForeign(mTDeclaration& doc, const std::vector<std::pair<const char*, const char*>>& lines) {
    for (auto [source, currency] : lines) {
        mTCurrencyIncome& r = AddForeignIncome(doc, 13, 1010, Rub(1000), Rub(100));
        r.SourceName = source;
        r.CurrencyCode = currency;
        r.CountryCode = "840";
    }
}

TEST(TaxReport, ForeignIncomesGroupBySourceCountryAndCurrencyInOrderOfFirstLine) {
    auto doc = testsupport::NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    addForeign(*doc, {{"A", "840"}, {"B", "978"}, {"A", "840"}, {"A", "978"}, {"B", "978"}});
    kTSvodSum sum;
    sum.Compute(*doc);
    const kTSvodSumPrilB& sheet = sum.PrilB13();
    ASSERT_EQ(sheet.LineCount(), 5u);
    const std::vector<ForeignIncomeGroup> groups = GroupForeignIncomes(sheet);
    ASSERT_EQ(groups.size(), 3u);
    const std::tuple<const char*, const char*, std::vector<size_t>> expected[] = {
        {"A", "840", {0, 2}}, {"B", "978", {1, 4}}, {"A", "978", {3}}};
    for (size_t g = 0; g < groups.size(); ++g) {
        const auto& [source, currency, lineIndexes] = expected[g];
        EXPECT_EQ(groups[g].sourceName, source);
        EXPECT_EQ(groups[g].currencyCode, currency);
        ASSERT_EQ(groups[g].lines.size(), lineIndexes.size());
        Money income, tax, russian, credit;
        for (size_t n = 0; n < lineIndexes.size(); ++n) {
            const DohodCur& line = sheet.Lines[lineIndexes[n]];
            EXPECT_EQ(groups[g].lines[n], &line);
            income += line.IncomeInRoubles;
            tax += line.TaxInRoubles;
            russian += line.RussianTaxComputed;
            credit += line.Credit;
        }
        EXPECT_EQ(groups[g].incomeInRoubles, income);
        EXPECT_EQ(groups[g].taxInRoubles, tax);
        EXPECT_EQ(groups[g].russianTaxComputed, russian);
        EXPECT_EQ(groups[g].credit, credit);
    }
    // A country of its own makes a group of its own.
    doc->CurrencyIncome(2).CountryCode = "826";
    sum.Compute(*doc);
    EXPECT_EQ(GroupForeignIncomes(sum.PrilB13()).size(), 4u);
}

TEST(TaxReport, LongForeignListsKeepTheirLinesInTheAppendix) {
    auto doc = testsupport::NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    addForeign(*doc, {{"A", "840"}, {"B", "978"}, {"A", "840"}});
    kTSvodSum sum;
    sum.Compute(*doc);
    for (size_t limit : {size_t{2}, size_t{3}}) {
        SCOPED_TRACE(limit);
        const std::string html = TaxReportHtml(*doc, sum, {limit});
        const size_t appendix = html.find("Приложение. Доходы за пределами РФ построчно");
        EXPECT_EQ(appendix != std::string::npos, limit < 3);
        // The groups stay in the text, before any appendix; the lines follow them or the appendix.
        const size_t groups = html.find(": по источникам и валютам");
        const size_t firstLine = html.find("<th>Дата дохода</th>");
        ASSERT_NE(groups, std::string::npos);
        ASSERT_NE(firstLine, std::string::npos);
        EXPECT_LT(groups, firstLine);
        if (appendix != std::string::npos) {
            EXPECT_LT(groups, appendix);
            EXPECT_LT(appendix, firstLine);
        }
    }
}

TEST(TaxSummary, TellsFormPersonOutcomeAndTheFiguresThatAreNotZero) {
    auto doc = testsupport::NewDeclaration();
    doc->Person.Name.Surname = "Иванов";
    doc->Person.Name.FirstName = "Петр";
    AddMonthlyLines(AddSource13(*doc, "46000000", Rub(10000)), 2000, Rub(10000));  // 120000, 15600 due
    kTSvodSum sum;
    sum.Compute(*doc);
    std::ostringstream out;
    WriteTaxSummary(*doc, sum, out);
    const std::string text = out.str();
    for (const char* part : {"Декларация 3-НДФЛ за 2017 год\n", "Налогоплательщик: Иванов Петр\n",
                             "К уплате: 5 600,00 руб.\n", "КБК 18210102030011000110 ОКТМО 45000000: к уплате 5 600,00",
                             "не позднее 16.07.2018", "Доходы по ставке 13%:\n", "  Общая сумма доходов: 120 000,00\n",
                             "  Налог к уплате (доплате) в бюджет: 5 600,00\n"})
        EXPECT_TRUE(contains(text, part)) << part << "\n" << text;
    EXPECT_FALSE(contains(text, "Налоговые вычеты")) << text;
    EXPECT_FALSE(contains(text, "Дивиденды")) << text;
}

// The register of the sample made by the broker import: its totals are the securities sheet's
// (all its securities lines come from abroad) and the report shows them.
TEST(TaxReport, TradeRegisterTotalsAreTheSecuritiesSheets) {
    mTDeclaration doc;
    doc.Load(std::string(ZIZAZA_TEST_DATA_DIR) + "/declarations/foreign_broker_trades.tv7");
    kTSvodSum sum;
    sum.Compute(doc);
    const std::vector<TradeRegisterGroup> groups = ForeignTradeRegister(doc);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].sales.size(), 3u);
    EXPECT_EQ(groups[0].income, sum.PrilJ().ДохОперЦБОрг.ДохСовОпер);
    EXPECT_EQ(groups[0].expenses, sum.PrilJ().ДохОперЦБОрг.РасхРеалЦБ);
    EXPECT_EQ(groups[1].income, sum.PrilJ().ДохПФИОргЦБ.ДохСовОпер);
    EXPECT_EQ(groups[1].expenses, sum.PrilJ().ДохПФИОргЦБ.РасхРеалПФИ);
    EXPECT_FALSE(groups[0].income.IsZero());
    // The lots and commissions stored by the import add up to the sheet's expenses to the kopeck.
    Money lots;
    for (const TradeRegisterGroup& g : groups)
        for (const mTCurrencyIncome* r : g.sales) {
            EXPECT_TRUE(r->TradesAgree()) << r->SourceName;
            for (const mTTradeSale& s : r->Trades)
                lots += s.CostRoubles();
        }
    EXPECT_EQ(lots, groups[0].expenses + groups[1].expenses);
    std::string html = TaxReportHtml(doc, sum);
    EXPECT_TRUE(contains(html, "Реестр: доходы " + MoneyText(groups[0].income, "\u00a0") + " руб., расходы " +
                                   MoneyText(groups[0].expenses, "\u00a0") + " руб."))
        << html;
    // The lot of 2016 of the 2016 statement, at the rate of its day.
    EXPECT_TRUE(contains(html,
                         "<td>18.03.2016 (сделка 15.03.2016)</td><td>лот по ФИФО</td><td align=\"right\">40"
                         "</td><td align=\"right\">4168 Доллар США</td><td align=\"right\">68,5598</td><td></td>"
                         "<td align=\"right\">285\u00a0757,25</td>"))
        << html;
    // A deduction typed over the import's: its sales are no longer shown as its computation.
    for (size_t i = 0; i < doc.CurrencyIncomeCount(); ++i)
        if (!doc.CurrencyIncome(i).Trades.empty()) {
            doc.CurrencyIncome(i).DeductionAmount += Money::Roubles(1);
            break;
        }
    html = TaxReportHtml(doc, sum);
    EXPECT_TRUE(contains(html, "сделки не показаны: доход или расход изменен после загрузки")) << html;
}

}  // namespace
}  // namespace zizaza
