#include "checks/ScreenChecks.h"

#include "DeclarationCheckTestSupport.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zizaza {
namespace {

using checktest::AddActivity;
using checktest::AddCurrencyIncome;
using checktest::CleanDeclaration;

// Answers from a script ("Пропустить" once it is used up) and keeps every problem shown.
struct ScriptedAreaDialog : IAreaCheckDialog {
    std::deque<CheckDialogAnswer> answers;
    std::vector<std::string> titles;
    std::vector<std::string> messages;

    CheckDialogAnswer ShowProblem(std::string_view areaTitle, std::string_view message) override {
        titles.emplace_back(areaTitle);
        messages.emplace_back(message);
        if (answers.empty())
            return CheckDialogAnswer::Skip;
        const CheckDialogAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

using ScreenCheck = uint16_t (*)(const mTDeclaration&, IAreaCheckDialog&);

struct Case {
    const char* name;
    ScreenCheck check;
    std::function<void(mTDeclaration&)> change;
    std::vector<CheckDialogAnswer> answers;
    std::vector<std::string> messages;
    uint16_t result;
};

TEST(ScreenChecksTest, ShowTheAreasProblemsInTheirOrderAndReturnTheFixedItem) {
    using A = CheckDialogAnswer;
    const std::string badNumber =
        "По данному источнику номер КИК указан некорректно (состоит из двух букв и пяти цифр)";
    auto cfc = [](const char* number) {
        return [number](mTDeclaration& doc) {
            mTCurrencyIncome& income = AddCurrencyIncome(doc, 1000);
            income.CfcNumber = number;
            income.CfcProfitRule = CfcProfitRule::ByStatements;
        };
    };
    const Case cases[] = {
        {"a clean declaration", CheckInitialDataScreen, [](mTDeclaration&) {}, {}, {}, 0},
        {"blank representative, closing goes on",
         CheckInitialDataScreen,
         [](mTDeclaration& doc) {
             doc.SignerKind = SignerKind::Representative;
             doc.RepresentativeName = " ";
             doc.Person.Address.Oktmo = "123";
         },
         {A::Closed, A::Skip, A::Fix},
         {"Не указаны ФИО подписанта-представителя", "Не указан документ, подтверждающий полномочия представителя",
          "Код ОКТМО должен содержать 8 или 11 символов"},
         kItemOktmo},
        {"no INN on a 4-NDFL asks for nothing hidden",
         CheckPersonScreen,
         [](mTDeclaration& doc) {
             doc.DeclarationForm = kForm4Ndfl;
             doc.Person.Name.Inn.clear();
         },
         {},
         {"Не указан ИНН"},
         0},
        {"skip all ends the run",
         CheckPersonScreen,
         [](mTDeclaration& doc) {
             doc.Person.Name.Surname = "  ";
             doc.Person.Name.FirstName.clear();
         },
         {A::SkipAll},
         {"Не введена фамилия"},
         0},
        {"a well-formed company number", CheckCurrencyScreen, cfc("АБ 12345"), {}, {}, 0},
        {"latin letters", CheckCurrencyScreen, cfc("AB 12345"), {}, {badNumber}, 0},
        {"small letters", CheckCurrencyScreen, cfc("аб 12345"), {}, {badNumber}, 0},
        {"no space", CheckCurrencyScreen, cfc("АБВ12345"), {}, {badNumber}, 0},
        {"the first problem outside the company ends the run",
         CheckCurrencyScreen,
         [](mTDeclaration& doc) {
             AddCurrencyIncome(doc).IncomeUnits = 0;
             AddCurrencyIncome(doc).CurrencyCode = " ";
         },
         {A::Skip},
         {"По данному источнику выплаты не указан курс валюты"},
         0},
        // Like the Russian income dialog: a sold object's deduction never above its income.
        {"a sale deduction above its income",
         CheckCurrencyScreen,
         [](mTDeclaration& doc) {
             mTCurrencyIncome& sale = AddCurrencyIncome(doc, 1510);
             sale.SetIncomeInCurrency(Money::Roubles(100000));  // 5 750 000 roubles
             sale.DeductionCode = 903;
             sale.DeductionAmount = Money::Roubles(6000000);
             mTCurrencyIncome& within = AddCurrencyIncome(doc, 1520);
             within.SetIncomeInCurrency(Money::Roubles(100000));
             within.DeductionCode = 906;
             within.DeductionAmount = Money::Roubles(250000);
         },
         {A::Fix},
         {"Сумма вычета превышает сумму дохода"},
         1},
        {"securities expenses above the income",
         CheckCurrencyScreen,
         [](mTDeclaration& doc) {
             mTCurrencyIncome& trade = AddCurrencyIncome(doc, 1530);
             trade.SetIncomeInCurrency(Money::Roubles(1000));
             trade.DeductionCode = 201;
             trade.DeductionAmount = Money::Roubles(600000);
         },
         {},
         {},
         0},
        {"after a fix only the expense kinds are shown",
         CheckBusinessScreen,
         [](mTDeclaration& doc) {
             AddActivity(doc, "1", false);
             AddActivity(doc, "5").Labour = Money::Roubles(5);
             AddActivity(doc, "1").LabourContracts = Money::Roubles(9);
         },
         {A::Fix, A::Skip},
         {"Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.",
          "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%."},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = CleanDeclaration();
        doc->SetIncomeFlags(kIncomeForeign | kIncomeBusiness);
        c.change(*doc);
        ScriptedAreaDialog dialog;
        dialog.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(c.check(*doc, dialog), c.result);
        EXPECT_EQ(dialog.messages, c.messages);
    }
}

TEST(ScreenChecksTest, StopAtFirstProblemEndsTheRunWhateverTheAnswer) {
    ScriptedAreaDialog dialog;
    AreaCheckRun run(dialog, "Доходы");
    run.StopAtFirstProblem();
    EXPECT_FALSE(run.Problem(false, "не ошибка", 9));
    EXPECT_TRUE(run.Problem(true, "первая", 1));
    EXPECT_FALSE(run.Problem(true, "вторая", 2));
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(run.Result(), 0);
    EXPECT_EQ(dialog.titles, std::vector<std::string>{"Доходы"});
}

}  // namespace
}  // namespace zizaza
