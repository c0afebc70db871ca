#include "checks/EntryRules.h"

#include "DeclarationCheckTestSupport.h"
#include "model/mTConstructionDeductObj.h"
#include "model/mTCurrencyIncome.h"
#include "model/mTInvestTovIncome.h"
#include "model/mTPens.h"
#include "model/mTSourseIncome.h"
#include "model/mTThirtyFivePercent.h"
#include "model/mTThirtyPercent.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zizaza {
namespace {

struct Expected {
    std::string message;
    uint16_t item;
    bool refuses;
};

struct Case {
    const char* name;
    std::function<EntryProblems()> rules;
    std::vector<Expected> problems;
};

mTSourseIncome Line(int32_t code, int64_t income, int32_t deduction = 0, int64_t deducted = 0) {
    mTSourseIncome line;
    line.IncomeCode = code;
    line.IncomeAmount = Money::Roubles(income);
    line.DeductionCode = deduction;
    line.DeductionAmount = Money::Roubles(deducted);
    return line;
}

mTThirtyFivePercent Source35(int32_t code, int64_t income, int64_t withheld = 0) {
    mTThirtyFivePercent source;
    source.IncomeCode = code;
    source.TotalIncome = Money::Roubles(income);
    source.TaxWithheld = Money::Roubles(withheld);
    return source;
}

mTThirtyPercent Source30(int64_t income, int64_t withheld, int64_t taxable = 0, int64_t computed = 0) {
    mTThirtyPercent source;
    source.TotalIncome = Money::Roubles(income);
    source.TaxWithheld = Money::Roubles(withheld);
    source.TaxableAmount = Money::Roubles(taxable);
    source.TaxComputed = Money::Roubles(computed);
    return source;
}

mTPens Contract(int32_t kind, const char* number, int64_t contribution, int64_t agent) {
    mTPens contract;
    contract.ContractKind = kind;
    contract.ContractNumber = number;
    contract.Contribution = Money::Roubles(contribution);
    contract.AgentDeduction = Money::Roubles(agent);
    return contract;
}

mTConstructionDeductObj Object(PropertyNumberKind numberKind, const char* number, const char* place) {
    mTConstructionDeductObj object;
    object.ObjectKind = PropertyObjectKind::Flat;
    object.OwnershipKind = PropertyOwnership::Individual;
    object.TaxpayerSign = PropertyTaxpayerSign::Owner;
    object.NumberKind = numberKind;
    object.Number = number;
    object.Place = place;
    return object;
}

mTConstructionDeductObj Registered(int registered, int firstYear, bool pensioner = false) {
    mTConstructionDeductObj object = Object(PropertyNumberKind::Cadastral, "77:01:1", "");
    object.OwnershipRegistrationDate = Date::Ymd(registered, 5, 1);
    object.FirstYearOfUse = Date::Ymd(firstYear, 1, 1);
    object.Pensioner = pensioner;
    return object;
}

TEST(EntryRulesTest, GiveTheDialogsProblemsInTheirOrder) {
    using K = IncomeLineKind;
    const std::string exceeds = kDeductionExceedsIncome;
    const Case cases[] = {
        {"a complete line", [] { return IncomeLineProblems(Line(2010, 1000, 403, 500), K::Resident); }, {}},
        {"a line without code or amount",
         [] { return IncomeLineProblems(Line(0, 0), K::Resident, false); },
         {{"Не выбран доход", kLineIncomeCode, false}, {"Не указана сумма дохода", kLineIncomeCode, false}}},
        {"an income offering deductions, none chosen",
         [] { return IncomeLineProblems(Line(2010, 1000), K::Resident, false); },
         {{"Не выбран вычет", kLineDeductCode, false}}},
        {"a resident's deduction above the income",
         [] { return IncomeLineProblems(Line(2010, 1000, 403, 5000), K::Resident); },
         {{exceeds, kLineDeductSum, true}}},
        {"a deduction without an income",
         [] { return IncomeLineProblems(Line(2010, 0, 403, 5000), K::Resident); },
         {{"Не указана сумма дохода", kLineIncomeSum, false}, {exceeds, kLineIncomeSum, true}}},
        {"a non-resident 13% deduction above the income only warns",
         [] { return IncomeLineProblems(Line(2010, 1000, 403, 5000), K::NonResident13); },
         {{exceeds, kLineDeductSum, false}}},
        {"securities expenses above the income",
         [] { return IncomeLineProblems(Line(1530, 1000, 201, 5000), K::Resident); },
         {}},
        {"a 35% source without code",
         [] { return Income35Problems(Source35(0, 0)); },
         {{"Не выбран доход", kIncome35Code, true}, {"Не указана сумма дохода", kIncome35Sum, true}}},
        {"35%: withheld above the income",
         [] { return Income35Problems(Source35(3020, 100, 500)); },
         {{"Удержанная сумма превышает сумму дохода", kIncome35Withheld, false}}},
        {"9%: withheld without income",
         [] { return Income9Problems(Source30(0, 50)); },
         {{"Не указана сумма дохода", kIncome9Sum, true}}},
        {"9%: withheld above the income",
         [] { return Income9Problems(Source30(40, 50)); },
         {{"Сумма дохода меньше суммы удержанного налога", kIncome9Withheld, false}}},
        {"9%: nothing withheld", [] { return Income9Problems(Source30(0, 0)); }, {}},
        {"dividends taxed as computed", [] { return DividendProblems(Source30(1000, 130, 1000, 130), 13); }, {}},
        {"dividends: taxable above the dividends, tax far from the rate",
         [] { return DividendProblems(Source30(100, 13, 1000, 13), 13); },
         {{"Сумма дивидендов меньше облагаемой суммы дивидендов", kDividendSum, false},
          {"Исчисленный налог значительно отличается от 13% от облагаемой суммы диведендов", kDividendComputed,
           false}}},
        {"dividends: none, withheld above the taxable, no tax",
         [] { return DividendProblems(Source30(0, 20, 10, 0), 13); },
         {{"Сумма дивидендов меньше облагаемой суммы дивидендов", kDividendSum, false},
          {"Не указана сумма дивидендов", kDividendSum, false},
          {"Облагаемая сумма дивидендов меньше суммы удержанного налога", kDividendWithheld, false},
          {"Не указан исчисленный налог", kDividendComputed, false}}},
        {"a contract without number, agent above the contribution",
         [] { return PensionContractProblems(Contract(1, " ", 100, 200)); },
         {{"Введите номер договора", kContractNumber, true},
          {"Сумма взносов меньше суммы предоставленного вычета", kContractContribution, true}}},
        {"additional contributions need no number",
         [] { return PensionContractProblems(Contract(4, "", 100, 100)); },
         {}},
        {"a partnership income without its kind",
         [] { return PartnershipIncomeProblems(mTInvestTovIncome{}); },
         {{"Не выбран вид операций", kPartnershipOperationKind, true}}},
        {"a source abroad without its country",
         [] { return CurrencySourceProblems(mTCurrencyIncome{}); },
         {{"Не выбран код страны", kCurrencySourceCountry, true}}},
        {"an object without kinds: the first gap only",
         [] { return PropertyObjectProblems(mTConstructionDeductObj{}); },
         {{"Не введено наименование объекта", kObjectKind, true}}},
        {"an object without its number",
         [] { return PropertyObjectProblems(Object(PropertyNumberKind::Cadastral, "", "")); },
         {{"Не введен номер объекта", kObjectNumber, true}}},
        {"an object without number and place",
         [] { return PropertyObjectProblems(Object(PropertyNumberKind::NoNumber, "", " ")); },
         {{"Не указано место нахождения объекта", kObjectPlace, true}}},
        {"deduction used before the registration",
         [] { return PropertyStartYearProblems(Registered(2015, 2014)); },
         {{"Год начала использования вычета меньше даты регистрации прав собственности", kObjectStartYear, true}}},
        {"a pensioner may carry the deduction back",
         [] { return PropertyStartYearProblems(Registered(2015, 2014, true)); },
         {}},
        {"objects registered up to 2008 are left out",
         [] { return PropertyStartYearProblems(Registered(2008, 2003)); },
         {}},
    };
    for (const Case& c : cases) {
        const EntryProblems problems = c.rules();
        ASSERT_EQ(problems.size(), c.problems.size()) << c.name;
        for (size_t i = 0; i < problems.size(); ++i) {
            EXPECT_EQ(problems[i].message, c.problems[i].message) << c.name;
            EXPECT_EQ(problems[i].item, c.problems[i].item) << c.name;
            EXPECT_EQ(problems[i].refuses, c.problems[i].refuses) << c.name;
        }
    }
}

struct ScriptedSourceDialog : ISourceCheckDialog {
    std::deque<CheckDialogAnswer> answers;
    std::vector<std::string> messages;
    CheckDialogAnswer ShowProblem(std::string_view, std::string_view message, bool) override {
        messages.emplace_back(message);
        const CheckDialogAnswer answer = answers.empty() ? CheckDialogAnswer::Skip : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
};

TEST(EntryRulesTest, ShowingEndsAtAFixOrAtAProblemThatRefuses) {
    using A = CheckDialogAnswer;
    const EntryProblems problems = {{"warns", 1, true, false}, {"refuses", 2, false, true}, {"never", 3, true, false}};
    const struct {
        std::deque<A> answers;
        uint16_t item;
        size_t shown;
    } cases[] = {{{A::Fix}, 1, 1}, {{A::Skip, A::Closed}, 2, 2}, {{A::Closed, A::Fix}, 2, 2}};
    for (const auto& c : cases) {
        ScriptedSourceDialog dialog;
        dialog.answers = c.answers;
        EXPECT_EQ(ShowEntryProblems(dialog, "title", problems), c.item);
        EXPECT_EQ(dialog.messages.size(), c.shown);
    }
    ScriptedSourceDialog dialog;
    EXPECT_EQ(ShowEntryProblems(dialog, "title", {{"warns", 1, true, false}}), 0);
}

TEST(EntryRulesTest, TheDeclarationCheckShowsOnlyWhatTheDialogsRefuse) {
    auto doc = checktest::CleanDeclaration();
    checktest::AddSource(*doc);
    doc->Income35(doc->AddIncome35()) = Source35(3020, 100, 500);
    EXPECT_TRUE(checktest::RunCheck(*doc).shown.empty()) << "a warning of the dialog is no problem of the file";

    doc->Income35(doc->AddIncome35()) = Source35(0, 100);
    const checktest::CheckResult result = checktest::RunCheck(*doc, {checktest::Fix});
    EXPECT_EQ(result.Messages(), std::vector<std::string>{"Не выбран доход"});
    EXPECT_EQ(result.Screen(), kScreenRussianIncome35);
    EXPECT_EQ(result.Item(), 2) << "the record's number";
}

}  // namespace
}  // namespace zizaza
