// Incomes and deductions: 13% sources (screen 4), foreign incomes (7), entrepreneurs (8),
// social (10) and standard (9) deductions.
#include "DeclarationCheckTestSupport.h"

#include <gtest/gtest.h>

namespace zizaza::checktest {
namespace {

using Strings = std::vector<std::string>;

// The one dialog of a run answered "Исправить": its message and where it leads.
struct Expect {
    const char* message;
    uint16_t screen;
    uint16_t item;
};

void ExpectSingle(const mTDeclaration& doc, const Expect& e) {
    CheckResult r = RunCheck(doc, {Fix});
    ASSERT_EQ(r.shown.size(), 1u) << (r.shown.empty() ? "nothing shown" : r.shown[1].message);
    EXPECT_EQ(r.shown[0].message, e.message);
    EXPECT_EQ(r.code, MakeNavigationCode(e.screen, e.item));
}

void ExpectNothing(const mTDeclaration& doc) {
    CheckResult r = RunCheck(doc);
    EXPECT_TRUE(r.shown.empty()) << r.shown.front().message;
}

TEST(DeclarationCheckIncomes13, FirstSourceInListOrder) {
    auto doc = CleanDeclaration();
    AddSource(*doc);
    doc->AddResidentIncome13();  // no lines
    AddSource(*doc, Money::Roubles(1000), Money::Roubles(1001));
    // The withheld-tax problem goes first even though its source comes later.
    ExpectSingle(*doc, {"По данному источнику выплаты общая сумма дохода меньше удержанной суммы", 4, 3});
    doc->ResidentIncome13(2).TaxWithheld = Money::Roubles(1000);
    ExpectSingle(*doc, {"По данному источнику не указаны доходы", 4, 2});
    CheckResult r = RunCheck(*doc, {Fix});
    EXPECT_EQ(r.shown[0].sectionTitle, "Доходы, облагаемые ставкой 13%");
}

TEST(DeclarationCheckIncomes13, OnlyResidentSourcesWithRussianIncomes) {
    auto doc = CleanDeclaration();
    doc->AddNonResidentIncome13();  // not looked at
    ExpectNothing(*doc);
    doc->AddResidentIncome13();
    doc->SetIncomeFlags(kIncomeForeign);  // the Russian lists go away with bit 1
    ExpectNothing(*doc);
}

TEST(DeclarationCheckCurrency, RowsInOrderEachAtItsFirstRecord) {
    auto doc = CleanDeclaration();
    doc->SetIncomeFlags(kIncomeRussia | kIncomeForeign);
    AddCurrencyIncome(*doc);
    AddCurrencyIncome(*doc).IncomeUnits = 0;
    AddCurrencyIncome(*doc).CurrencyCode.clear();
    // The missing currency code (record 3) is found before the missing rate (record 2).
    ExpectSingle(*doc, {"По данному источнику выплаты не указан код валюты", 7, 3});
    doc->CurrencyIncome(2).CurrencyCode = "978";
    ExpectSingle(*doc, {"По данному источнику выплаты не указан курс валюты", 7, 2});
    doc->CurrencyIncome(1).IncomeUnits = 100;
    doc->CurrencyIncome(0).IncomeRate = Money();
    ExpectSingle(*doc, {"По данному источнику выплаты не указан курс валюты", 7, 1});
    doc->CurrencyIncome(0).IncomeRate = Money::Roubles(60);
    doc->CurrencyIncome(1).IncomeCode = 0;
    ExpectSingle(*doc, {"По данному источнику выплаты не указан код дохода", 7, 2});
}

struct CfcCase {
    const char* number;
    uint16_t rule;
    const char* message;
};

TEST(DeclarationCheckCurrency, ControlledForeignCompany) {
    const char* kBadNumber = "По данному источнику номер КИК указан некорректно (состоит из двух букв и пяти цифр)";
    for (const CfcCase& c : {
             CfcCase{"", 1, "По данному источнику необходимо указать номер КИК"},
             CfcCase{"", 0, "По данному источнику необходимо указать номер КИК"}, CfcCase{"AB12345", 1, kBadNumber},
             CfcCase{"AB-123456", 0, kBadNumber},
             CfcCase{"AB-12345", 0, "По данному источнику не указан порядок определения прибыли КИК"},
             CfcCase{"AB-12345", 2, nullptr},
             CfcCase{"КИ-12345", 1, nullptr},  // eight characters, sixteen bytes in UTF-8
         }) {
        SCOPED_TRACE(c.number);
        auto doc = CleanDeclaration();
        doc->SetIncomeFlags(kIncomeRussia | kIncomeForeign);
        AddCurrencyIncome(*doc);
        mTCurrencyIncome& cfc = AddCurrencyIncome(*doc, 1000);
        cfc.CfcNumber = c.number;
        cfc.CfcProfitRule = static_cast<CfcProfitRule>(c.rule);
        if (c.message)
            ExpectSingle(*doc, {c.message, 7, 2});
        else
            ExpectNothing(*doc);
    }
    // Other income codes carry no CFC number.
    auto doc = CleanDeclaration();
    doc->SetIncomeFlags(kIncomeRussia | kIncomeForeign);
    AddCurrencyIncome(*doc, 1010).CfcNumber = "x";
    ExpectNothing(*doc);
}

TEST(DeclarationCheckCurrency, DeductionWithoutAmount) {
    struct Case {
        int32_t incomeCode;
        int32_t deductionCode;
        Money amount;
        bool problem;
    };
    for (const Case& c :
         {Case{1010, 0, Money(), false}, Case{1010, 201, Money(), true}, Case{1010, 201, Money::Roubles(5), false},
          Case{1530, 201, Money(), false}, Case{9552, 201, Money(), false}, Case{1540, 201, Money(), true}}) {
        auto doc = CleanDeclaration();
        doc->SetIncomeFlags(kIncomeRussia | kIncomeForeign);
        mTCurrencyIncome& income = AddCurrencyIncome(*doc, c.incomeCode);
        income.DeductionCode = c.deductionCode;
        income.DeductionAmount = c.amount;
        SCOPED_TRACE(c.incomeCode);
        if (c.problem)
            ExpectSingle(*doc, {"По данному источнику выплаты не указана сумма вычета", 7, 1});
        else
            ExpectNothing(*doc);
    }
}

const char* kNorm = "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.";

std::unique_ptr<mTDeclaration> BusinessDeclaration() {
    auto doc = CleanDeclaration();
    doc->SetIncomeFlags(kIncomeRussia | kIncomeBusiness);
    return doc;
}

TEST(DeclarationCheckBusiness, NormAndDocumentedExpensesAreNotMixed) {
    auto doc = BusinessDeclaration();
    AddActivity(*doc, "2", false);  // a notary is not compared
    AddActivity(*doc, "1", true);
    AddActivity(*doc, "3", false);
    AddActivity(*doc, "1", false);
    ExpectSingle(*doc, {kNorm, 8, 4});
    doc->BusinessIncome(3).ActivityKind = "2";
    ExpectNothing(*doc);
    doc->BusinessIncome(3).ActivityKind = "5";  // a farm head is compared with the entrepreneur
    ExpectSingle(*doc, {kNorm, 8, 4});
}

TEST(DeclarationCheckBusiness, ActivityCodeOfEntrepreneurs) {
    auto doc = BusinessDeclaration();
    AddActivity(*doc, "2").OkvedCode = "..";
    ExpectNothing(*doc);
    AddActivity(*doc, "1").OkvedCode = " 01. ";
    ExpectSingle(*doc, {"Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку", 8, 2});
    doc->BusinessIncome(1).OkvedCode = "01.1";
    ExpectNothing(*doc);
}

TEST(DeclarationCheckBusiness, ItemizedExpensesAddUpWithAmountsInMessages) {
    auto doc = BusinessDeclaration();
    mTBusinessNew& record = AddActivity(*doc, "1");
    record.Labour = Money::FromRaw(10005000);  // 1000.5
    record.LabourContracts = Money::Roubles(2000);
    record.OtherExpenses = Money::Roubles(100);
    record.FurtherExpenses[0] = Money::Roubles(60);
    record.FurtherExpenses[12] = Money::Kopecks(4001);  // 40.01
    record.MaterialExpenses = Money::Roubles(10);
    record.ExpensesTotal = Money::Roubles(1110);
    ExpectSingle(
        *doc, {"Расходы по оплате трудовых договоров(2000) превышают сумму расходов на оплату труда (1000,5)", 8, 1});
    record.LabourContracts = Money::Roubles(1000);
    ExpectSingle(*doc, {"Сумма прочих расходов (100) меньше суммы ее составляющих (100,01)", 8, 1});
    record.FurtherExpenses[12] = Money::Roubles(40);
    ExpectSingle(*doc, {"Общие расходы (1110) меньше суммы расходов материальных, на оплату труда, прочих и "
                        "амортизационных отчислений (1110,5)",
                        8, 1});
    record.ExpensesTotal = Money::FromRaw(11105000);
    ExpectNothing(*doc);
    // Expenses taken by the norm are not itemized and not added up.
    record.Itemized = false;
    record.ExpensesTotal = Money();
    ExpectNothing(*doc);
}

std::unique_ptr<mTDeclaration> SocialDeclaration() {
    auto doc = CleanDeclaration();
    doc->SocialDeductions.Granted = true;
    return doc;
}

TEST(DeclarationCheckSocial, NothingEntered) {
    const Expect kEmpty{"Не введены данные по социальным налоговым вычетам", 10, 1};
    auto doc = SocialDeclaration();
    ExpectSingle(*doc, kEmpty);
    doc->SocialDeductions.AddContract();
    ExpectNothing(*doc);
    doc = SocialDeclaration();
    doc->SocialDeductions.AddChildEducation(Money());
    ExpectNothing(*doc);
    doc = SocialDeclaration();
    doc->SocialDeductions.QualificationAssessment = Money::Roubles(1);
    ExpectNothing(*doc);
    doc = SocialDeclaration();
    doc->SocialDeductions.Granted = false;
    ExpectNothing(*doc);
    // Deductions are looked at only in a declaration with incomes.
    doc = SocialDeclaration();
    doc->SetIncomeFlags(0);
    ExpectNothing(*doc);
}

TEST(DeclarationCheckSocial, AgentDeductionAboveDeclaredExpenses) {
    auto doc = SocialDeclaration();
    mTSocialDeduct& social = doc->SocialDeductions;
    social.AddChildEducation(Money::Roubles(70000));  // counts as 50000
    social.OwnEducation = Money::Roubles(5000);
    social.Charity = Money::Roubles(100000);  // charity is not a ground for the agent's deduction
    social.AgentSocialDeductions = Money::Roubles(55001);
    ExpectSingle(*doc, {"Предоставленный налоговым агентом вычет превышает заявленные затраты", 10, 4});
    social.AgentSocialDeductions = Money::Roubles(55000);
    ExpectNothing(*doc);
    social.Medical = Money::Roubles(1);
    social.ExpensiveMedical = Money::Roubles(1);
    social.VoluntaryInsurance = Money::Roubles(1);
    social.AgentSocialDeductions = Money::Roubles(55003);
    ExpectNothing(*doc);
}

// Two sources paying in March while standard deductions are claimed.
std::unique_ptr<mTDeclaration> TwoJobsInMarch() {
    auto doc = CleanDeclaration();
    AddSource(*doc).SetMonthIncome(2, Money::Roubles(30000));
    AddSource(*doc).SetMonthIncome(2, Money());  // a slot holding 0 has a value
    AddSource(*doc).SetMonthIncome(3, Money::Roubles(30000));
    return doc;
}

TEST(DeclarationCheckStandard, TwoPlacesOfWorkAtOnce) {
    const Expect kTwoJobs{"Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.", 9, 2};
    auto doc = TwoJobsInMarch();
    ExpectSingle(*doc, kTwoJobs);
    CheckResult r = RunCheck(*doc, {Fix});
    EXPECT_EQ(r.shown[0].sectionTitle, "Стандартные вычеты");

    doc->StandardDeductions.Granted = false;
    ExpectNothing(*doc);

    doc = TwoJobsInMarch();
    doc->StandardDeductions.SetMonthMark(5, true);
    ExpectNothing(*doc);

    doc = TwoJobsInMarch();
    doc->SetIncomeFlags(kIncomeRussia | kIncomeBusiness);  // keeps the sources
    ExpectNothing(*doc);

    doc = TwoJobsInMarch();
    doc->ResidentIncome13(1).SetMonthIncome(2, Money::Roubles(-1));  // empties the slot
    ExpectNothing(*doc);
}

// An object the export's structure would refuse (one of an earlier edition or of another tool) is
// refused with the object dialog's own message, and leads to the object (screen 11, its number).
TEST(DeclarationCheckProperty, ObjectFieldsTheExportNeeds) {
    auto complete = [] {
        mTConstructionDeductObj o;
        o.ObjectKind = PropertyObjectKind::Flat;
        o.OwnershipKind = PropertyOwnership::Individual;
        o.TaxpayerSign = PropertyTaxpayerSign::Owner;
        o.NumberKind = PropertyNumberKind::Cadastral;
        o.Number = "77:01:0001001:1001";
        o.Place = "г. Москва";
        return o;
    };
    const struct {
        void (*change)(mTConstructionDeductObj&);
        const char* message;
    } cases[] = {
        {[](mTConstructionDeductObj& o) { o.NumberKind = PropertyNumberKind::None; }, "Не введен код номера объекта"},
        {[](mTConstructionDeductObj& o) { o.NumberKind = PropertyNumberKind{5}; }, "Не введен код номера объекта"},
        {[](mTConstructionDeductObj& o) { o.ObjectKind = PropertyObjectKind::None; },
         "Не введено наименование объекта"},
        {[](mTConstructionDeductObj& o) { o.OwnershipKind = PropertyOwnership{9}; }, "Не введен вид собственности"},
        {[](mTConstructionDeductObj& o) { o.TaxpayerSign = PropertyTaxpayerSign::None; },
         "Не введен признак налогоплательщика"},
        {[](mTConstructionDeductObj& o) { o.Number = " "; }, "Не введен номер объекта"},
        {[](mTConstructionDeductObj& o) {
             o.NumberKind = PropertyNumberKind::NoNumber;
             o.Place.clear();
         },
         "Не указано место нахождения объекта"},
    };
    for (const auto& c : cases) {
        auto doc = CleanDeclaration();
        AddSource(*doc);
        doc->PropertyDeductions.Granted = true;
        doc->PropertyDeductions.AddObject(std::make_unique<mTConstructionDeductObj>(complete()));
        auto second = std::make_unique<mTConstructionDeductObj>(complete());
        c.change(*second);
        doc->PropertyDeductions.AddObject(std::move(second));
        ExpectSingle(*doc, {c.message, kScreenPropertyDeductions, 2});
        CheckResult r = RunCheck(*doc, {Fix});
        EXPECT_EQ(r.shown[0].sectionTitle.rfind("Имущественный налоговый вычет, объект 2", 0), 0u)
            << r.shown[0].sectionTitle;

        doc->PropertyDeductions.Granted = false;  // not exported, not checked
        ExpectNothing(*doc);
    }
    auto doc = CleanDeclaration();
    AddSource(*doc);
    doc->PropertyDeductions.Granted = true;
    doc->PropertyDeductions.AddObject(std::make_unique<mTConstructionDeductObj>(complete()));
    ExpectNothing(*doc);
}

// What the export would refuse is refused by the check, naming the field and leading to it.
TEST(DeclarationCheckExport, RefusesWhatTheFileCannotHold) {
    const struct {
        const char* name;
        void (*change)(mTDeclaration&);
        std::string message;
        uint16_t screen, item;
    } cases[] = {
        {"unknown taxpayer category", [](mTDeclaration& d) { d.TaxpayerCategory = static_cast<TaxpayerCategory>(4); },
         "Не выбран признак налогоплательщика", kScreenInitialData, kItemTaxpayerCategory},
        {"control character in the surname", [](mTDeclaration& d) { d.Person.Name.Surname = "Иванов\x01"; },
         "В поле «Фамилия» есть недопустимый символ (управляющий символ или байт, не являющийся текстом): удалите "
         "или замените его",
         kScreenPerson, kItemSurname},
        {"bytes that are not text in a source's name",
         [](mTDeclaration& d) { d.ResidentIncome13(0).Name = "ООО \xff"; },
         "В поле «Наименование источника выплаты (источник 1)» есть недопустимый символ (управляющий символ или "
         "байт, не являющийся текстом): удалите или замените его",
         kScreenRussianIncome13, 1},
        {"inspection code of letters", [](mTDeclaration& d) { d.InspectionCode = "77О1"; },
         "В поле «Код инспекции» должно быть 4 цифры", kScreenInitialData, kItemInspection},
        // The lengths and forms of the tax service's format.
        {"surname over 60 characters", [](mTDeclaration& d) { d.Person.Name.Surname = std::string(61, 'a'); },
         "В поле «Фамилия» больше 60 символов: сократите текст", kScreenPerson, kItemSurname},
        {"activity code of another form",
         [](mTDeclaration& d) {
             d.SetIncomeFlags(kIncomeRussia | kIncomeBusiness);
             d.TaxpayerCategory = TaxpayerCategory::Entrepreneur;
             mTBusinessNew& b = AddActivity(d, "1", false);
             b.OkvedCode = "62.01.123";
         },
         "В поле «Код ОКВЭД (вид деятельности 1)» больше 8 символов: сократите текст", kScreenBusinessIncome, 1},
        {"land registration date not set",
         [](mTDeclaration& d) {
             d.PropertyDeductions.Granted = true;
             auto o = std::make_unique<mTConstructionDeductObj>();
             o->ObjectKind = PropertyObjectKind::HouseWithLand;
             o->OwnershipKind = PropertyOwnership::Individual;
             o->TaxpayerSign = PropertyTaxpayerSign::Owner;
             o->NumberKind = PropertyNumberKind::Cadastral;
             o->Number = "77:01:0001001:1001";
             d.PropertyDeductions.AddObject(std::move(o));
         },
         "Не введена дата регистрации права собственности на земельный участок", kScreenPropertyDeductions, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = CleanDeclaration();
        AddSource(*doc);
        c.change(*doc);
        ExpectSingle(*doc, {c.message.c_str(), c.screen, c.item});
    }

    // Amounts that each fit the file but add up beyond the money range: the calculation of the
    // check cannot run, and says so instead of the export failing.
    auto doc = CleanDeclaration();
    AddSource(*doc, Money::FromRaw(INT64_MAX / 2 + 1), Money());
    AddSource(*doc, Money::FromRaw(INT64_MAX / 2 + 1), Money());
    ScriptedCheckAnswerer answerer({Fix});
    EXPECT_EQ(CheckDeclaration(*doc, answerer), MakeNavigationCode(kScreenInitialData, kItemAmounts));
    ASSERT_EQ(answerer.ShownCount(), 1u);
    EXPECT_EQ(answerer.ShownProblems()[0].message,
              "Налог не может быть рассчитан: суммы декларации в итоге превышают 15 знаков рублей. Проверьте "
              "введенные суммы доходов, расходов и вычетов");
}

}  // namespace
}  // namespace zizaza::checktest
