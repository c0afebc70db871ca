// The checks of incomes and deductions: 13% sources, incomes in foreign currency, entrepreneurial
// activity, social and standard deductions; in the whole-declaration check and on the screens.
#include "checks/DeclarationCheckRun.h"
#include "checks/EntryRules.h"
#include "checks/IncomeDeduction.h"
#include "checks/ScreenChecks.h"
#include "model/IncomeCodes.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace zizaza {
namespace {

constexpr const char* kIncomes13Title = "Доходы, облагаемые ставкой 13%";
constexpr const char* kCurrencyTitle = "Доходы в валюте";
constexpr const char* kBusinessTitle = "Доходы от предпринимательской деятельности";
constexpr const char* kSocialTitle = "Социальные вычеты";
constexpr const char* kStandardTitle = "Стандартные вычеты";
constexpr const char* kPropertyTitle = "Имущественный налоговый вычет";

constexpr std::string_view kIncomeBelowWithheld =
    "По данному источнику выплаты общая сумма дохода меньше удержанной суммы";
constexpr std::string_view kNoCurrencyCode = "По данному источнику выплаты не указан код валюты";
constexpr std::string_view kNoCurrencyRate = "По данному источнику выплаты не указан курс валюты";
constexpr std::string_view kNoIncomeCode = "По данному источнику выплаты не указан код дохода";
constexpr std::string_view kNoCfcNumber = "По данному источнику необходимо указать номер КИК";
constexpr std::string_view kBadCfcNumber =
    "По данному источнику номер КИК указан некорректно (состоит из двух букв и пяти цифр)";
constexpr std::string_view kNoCfcProfitRule = "По данному источнику не указан порядок определения прибыли КИК";
constexpr std::string_view kNoDeductionAmount = "По данному источнику выплаты не указана сумма вычета";
const std::string kMixedExpenseKinds = "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом " +
                                       std::to_string(kBusinessExpenseNormPercent) + "%.";
constexpr std::string_view kNothingClaimed = "Не введены данные по социальным налоговым вычетам";
constexpr std::string_view kAgentAboveExpenses = "Предоставленный налоговым агентом вычет превышает заявленные затраты";

uint16_t RecordNumber(size_t index) {
    return static_cast<uint16_t>(index + 1);
}

// Shows the problem of the first record (every record with listAll) for which fails is true.
template <class List, class Fails>
void ShowFirstFailing(DeclarationCheckRun& run, const List& list, std::string_view message, Fails fails) {
    size_t index = 0;
    for (const auto& record : list) {
        if (fails(record)) {
            run.Show(message, RecordNumber(index));
            if (run.StopAtFirstRecord())
                return;
        }
        ++index;
    }
}

// The first applicable of the three problems of a controlled foreign company's profit, or none.
std::optional<std::string_view> CfcProblem(const mTCurrencyIncome& income) {
    if (income.IncomeCode != kIncomeCodeCfcProfit)
        return std::nullopt;
    if (income.CfcNumber.empty())
        return kNoCfcNumber;
    if (CharCount(income.CfcNumber) != 8)
        return kBadCfcNumber;
    if (income.CfcProfitRule == CfcProfitRule::NotChosen)
        return kNoCfcProfitRule;
    return std::nullopt;
}

// The number of a controlled foreign company as its field takes it: two capital Russian letters,
// a space and five digits.
bool IsCfcNumber(std::string_view number) {
    auto capitalLetter = [](std::string_view s) {  // А to Я in UTF-8: D0 90 to D0 AF
        return static_cast<unsigned char>(s[0]) == 0xD0 && static_cast<unsigned char>(s[1]) >= 0x90 &&
               static_cast<unsigned char>(s[1]) <= 0xAF;
    };
    if (number.size() != 10 || !capitalLetter(number) || !capitalLetter(number.substr(2)) || number[4] != ' ')
        return false;
    return std::all_of(number.begin() + 5, number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool CurrencyRateMissing(const mTCurrencyIncome& income) {
    return income.IncomeUnits == 0 || income.IncomeRate.IsZero();
}

bool LacksDeductionAmount(const mTCurrencyIncome& income) {
    if (income.DeductionCode == 0 || !income.DeductionAmount.IsZero())
        return false;
    return !IsSecuritiesIncomeCode(income.IncomeCode);
}

bool KindIs(const mTBusinessNew& record, std::string_view kind) {
    return record.ActivityKind == kind;
}

bool MayUseNorm(const mTBusinessNew& record) {
    return KindIs(record, "1") || KindIs(record, "5");
}

bool LabourContractsAboveLabour(const mTBusinessNew& record) {
    return record.Labour < record.LabourContracts;
}

std::string LabourContractsMessage(const mTBusinessNew& record) {
    return "Расходы по оплате трудовых договоров(" + record.LabourContracts.ToText(',') +
           ") превышают сумму расходов на оплату труда (" + record.Labour.ToText(',') + ")";
}

Money ExpensesSum(const mTBusinessNew& record) {
    return record.MaterialExpenses + record.Depreciation + record.Labour + record.OtherExpenses;
}

// Nothing at all entered for a claim of social deductions.
bool NothingClaimed(const mTSocialDeduct& social) {
    return social.Charity.IsZero() && social.OwnEducation.IsZero() && social.Medical.IsZero() &&
           social.ExpensiveMedical.IsZero() && social.VoluntaryInsurance.IsZero() &&
           social.AdditionalPensionContributions.IsZero() && social.QualificationAssessment.IsZero() &&
           social.AgentSocialDeductions.IsZero() && social.ChildEducationCount() == 0 && social.ContractCount() == 0;
}

// The tax agent can only have given a deduction for expenses the taxpayer declares: education,
// treatment and insurance, not charity or the assessment.
bool AgentAboveExpenses(const mTSocialDeduct& social) {
    const Money declared = social.ChildEducationTotal() + social.OwnEducation + social.Medical +
                           social.ExpensiveMedical + social.VoluntaryInsurance;
    return social.AgentSocialDeductions > declared;
}

// The itemized expenses of one activity must add up.
void CheckItemizedExpenses(DeclarationCheckRun& run, const mTBusinessNew& record, uint16_t number) {
    if (LabourContractsAboveLabour(record))
        run.Show(LabourContractsMessage(record), number);
    if (!run.SectionQuiet())
        return;
    Money parts;
    for (Money part : record.FurtherExpenses)
        parts += part;
    if (parts > record.OtherExpenses)
        run.Show("Сумма прочих расходов (" + record.OtherExpenses.ToText(',') + ") меньше суммы ее составляющих (" +
                     parts.ToText(',') + ")",
                 number);
    if (!run.SectionQuiet())
        return;
    const Money sum = ExpensesSum(record);
    if (sum > record.ExpensesTotal)
        run.Show("Общие расходы (" + record.ExpensesTotal.ToText(',') +
                     ") меньше суммы расходов материальных, на оплату труда, прочих и амортизационных отчислений (" +
                     sum.ToText(',') + ")",
                 number);
}

}  // namespace

void CheckIncomes13(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    if (!doc.HasIncome(kIncomeRussia))
        return;
    run.BeginSection(kScreenRussianIncome13, kIncomes13Title);
    const auto& sources = doc.ResidentIncomes13();
    ShowFirstFailing(run, sources, kIncomeBelowWithheld,
                     [](const mTThirteenPercent& s) { return s.TotalIncome() < s.TaxWithheld; });
    if (run.SectionQuiet())
        ShowFirstFailing(run, sources, "По данному источнику не указаны доходы",
                         [](const mTThirteenPercent& s) { return s.LineCount() == 0; });
}

void CheckCurrencyIncomes(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    if (!doc.HasIncome(kIncomeForeign))
        return;
    run.BeginSection(kScreenCurrencyIncome, kCurrencyTitle);
    const auto& incomes = doc.CurrencyIncomes();
    ShowFirstFailing(run, incomes, kNoCurrencyCode, [](const mTCurrencyIncome& c) { return c.CurrencyCode.empty(); });
    if (run.SectionQuiet())
        ShowFirstFailing(run, incomes, kNoCurrencyRate, CurrencyRateMissing);
    if (run.SectionQuiet())
        ShowFirstFailing(run, incomes, kNoIncomeCode, [](const mTCurrencyIncome& c) { return c.IncomeCode == 0; });
    if (run.SectionQuiet()) {
        size_t index = 0;
        for (const mTCurrencyIncome& income : incomes) {
            if (const std::optional<std::string_view> problem = CfcProblem(income)) {
                run.Show(*problem, RecordNumber(index));
                if (run.StopAtFirstRecord())
                    break;
            }
            ++index;
        }
    }
    if (run.SectionQuiet())
        ShowFirstFailing(run, incomes, kNoDeductionAmount, LacksDeductionAmount);
}

void CheckBusinessIncomes(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    if (!doc.HasIncome(kIncomeBusiness))
        return;
    run.BeginSection(kScreenBusinessIncome, kBusinessTitle);
    // Entrepreneurs and farm heads either document all their expenses or take the norm of kBusinessExpenseNormPercent.
    bool haveReference = false;
    bool referenceItemized = false;
    size_t index = 0;
    for (const mTBusinessNew& record : doc.BusinessIncomes()) {
        const uint16_t number = RecordNumber(index++);
        if (MayUseNorm(record)) {
            if (!haveReference) {
                haveReference = true;
                referenceItemized = record.Itemized;
            } else if (record.Itemized != referenceItemized) {
                run.Show(kMixedExpenseKinds, number);
            }
        }
        if (run.SectionQuiet() && KindIs(record, "1") && CharCount(TrimBlanks(record.OkvedCode)) < 4)
            run.Show("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку", number);
        if (run.SectionQuiet() && record.Itemized)
            CheckItemizedExpenses(run, record, number);
        if (!run.SectionQuiet())
            break;
    }
}

void CheckSocialDeductions(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    if (doc.IncomeFlags() == 0)
        return;
    run.BeginSection(kScreenSocialDeductions, kSocialTitle);
    const mTSocialDeduct& social = doc.SocialDeductions;
    if (!social.Granted)
        return;
    if (NothingClaimed(social))
        run.Show(kNothingClaimed, kItemCharity);
    if (run.SectionQuiet() && AgentAboveExpenses(social))
        run.Show(kAgentAboveExpenses, kItemAgent);
}

void CheckStandardDeductions(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    if (doc.IncomeFlags() == 0)
        return;
    run.BeginSection(kScreenStandardDeductions, kStandardTitle);
    const mTStandartDeduct& standard = doc.StandardDeductions;
    const bool entrepreneurMonths =
        std::any_of(standard.MonthMarks.begin(), standard.MonthMarks.end(), [](bool marked) { return marked; });
    if (!standard.Granted || entrepreneurMonths || doc.HasIncome(kIncomeBusiness) || !doc.HasIncome(kIncomeRussia))
        return;
    // Standard deductions come from one employer at a time: two sources paying in the same month
    // means they were claimed twice.
    for (int month = 0; month < 12; ++month) {
        int sources = 0;
        for (const mTThirteenPercent& source : doc.ResidentIncomes13())
            sources += source.MonthFilled(month) ? 1 : 0;
        if (sources >= 2) {
            run.Show("Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.",
                     kItemConcurrentEmployers);
            return;
        }
    }
}

// The object dialog's own messages, in its order: what the structure of the export needs of an
// object (an object of an earlier edition or of another tool may lack it).
std::optional<std::string> PropertyObjectProblem(const mTConstructionDeductObj& o) {
    if (const EntryProblems entry = PropertyObjectProblems(o); !entry.empty())
        return entry.front().message;
    // The dates the export writes for the object: those of the tax service's formats lie in 1900 to 2099.
    auto unset = [](Date d) { return d.Year() < 1900 || d.Year() > 2099; };
    if (!o.ByInvestment && HasLand(o.ObjectKind) && unset(o.LandRegistrationDate))
        return "Не введена дата регистрации права собственности на земельный участок";
    if (NeedsApplication(o.OwnershipKind, o.TaxpayerSign) && unset(o.ApplicationDate))
        return "Не введена дата заявления о распределении имущественного вычета";
    return std::nullopt;
}

void CheckPropertyDeductions(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    const mTConstructionDeduct& property = doc.PropertyDeductions;
    if (!property.Granted || doc.DeclarationForm != kForm3Ndfl || doc.IncomeFlags() == 0)
        return;
    for (size_t i = 0; i < property.ObjectCount(); ++i) {
        const mTConstructionDeductObj& o = property.Object(i);
        if (const auto problem = PropertyObjectProblem(o)) {
            // The title names the object: its place in the list and its number.
            std::string title = std::string(kPropertyTitle) + ", объект " + std::to_string(i + 1);
            if (!IsBlank(o.Number))
                title += " (" + std::string(TrimBlanks(o.Number)) + ")";
            run.BeginSection(kScreenPropertyDeductions, title);
            run.Show(*problem, RecordNumber(i));
            if (run.StopAtFirstRecord())
                return;
        }
    }
}

uint16_t CheckIncomes13Screen(const mTDeclaration& declaration, IAreaCheckDialog& dialog) {
    AreaCheckRun run(dialog, kIncomes13Title);
    run.StopAtFirstProblem();
    for (size_t i = 0; i < declaration.ResidentIncome13Count() && !run.Finished(); ++i) {
        const mTThirteenPercent& source = declaration.ResidentIncome13(i);
        run.Problem(source.TotalIncome() < source.TaxWithheld, kIncomeBelowWithheld, RecordNumber(i));
    }
    return run.Result();
}

uint16_t CheckCurrencyScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog) {
    AreaCheckRun run(dialog, kCurrencyTitle);
    for (size_t i = 0; i < declaration.CurrencyIncomeCount(); ++i) {
        const mTCurrencyIncome& income = declaration.CurrencyIncome(i);
        const uint16_t item = RecordNumber(i);
        if (run.Problem(IsBlank(income.CurrencyCode), kNoCurrencyCode, item) ||
            run.Problem(CurrencyRateMissing(income), kNoCurrencyRate, item) ||
            run.Problem(income.IncomeCode == 0, kNoIncomeCode, item))
            return run.Result();
        if (income.IncomeCode == kIncomeCodeCfcProfit) {
            // An empty number is missing, not malformed: one message for it is enough.
            const bool noNumber = IsBlank(income.CfcNumber);
            bool shown = run.Problem(noNumber, kNoCfcNumber, item);
            shown |= run.Problem(!noNumber && !IsCfcNumber(income.CfcNumber), kBadCfcNumber, item);
            shown |= run.Problem(income.CfcProfitRule == CfcProfitRule::NotChosen, kNoCfcProfitRule, item);
            if (shown)
                return run.Result();
        }
        if (run.Problem(LacksDeductionAmount(income), kNoDeductionAmount, item))
            return run.Result();
        const IncomeDeduction line{income.IncomeCode, income.IncomeInRoubles, income.DeductionCode,
                                   income.DeductionAmount};
        if (run.Problem(line.PropertySaleDeduction() && line.DeductionExceedsIncome(), kDeductionExceedsIncome, item))
            return run.Result();
    }
    return run.Result();
}

uint16_t CheckBusinessScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog) {
    AreaCheckRun run(dialog, kBusinessTitle);
    run.GoOnAfterFix();
    std::optional<bool> reference;
    for (size_t i = 0; i < declaration.BusinessIncomeCount() && !run.Finished(); ++i) {
        const mTBusinessNew& record = declaration.BusinessIncome(i);
        const uint16_t item = RecordNumber(i);
        if (MayUseNorm(record)) {
            if (!reference)
                reference = record.Itemized;
            else
                run.Problem(record.Itemized != *reference, kMixedExpenseKinds, item);
        }
        if (!record.Itemized || run.Fixing())
            continue;
        run.Problem(LabourContractsAboveLabour(record), LabourContractsMessage(record), item);
        if (run.Fixing())
            continue;
        const Money sum = ExpensesSum(record);
        run.Problem(sum != record.ExpensesTotal,
                    "Общие расходы (" + record.ExpensesTotal.ToText(',') +
                        ") не совпадают с суммой расходов материальных, на оплату труда, прочих и амортизационных "
                        "отчислений (" +
                        sum.ToText(',') + ")",
                    item);
    }
    return run.Result();
}

uint16_t CheckSocialDeductionsScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog) {
    const mTSocialDeduct& social = declaration.SocialDeductions;
    if (!social.Granted)
        return 0;
    AreaCheckRun run(dialog, kSocialTitle);
    run.Problem(NothingClaimed(social), kNothingClaimed, kItemCharity);
    run.Problem(AgentAboveExpenses(social), kAgentAboveExpenses, kItemAgent);
    return run.Result();
}

}  // namespace zizaza
