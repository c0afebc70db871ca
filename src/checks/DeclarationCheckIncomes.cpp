// The sections about incomes and deductions: 13% sources, incomes in foreign currency,
// entrepreneurial activity, social and standard deductions.
#include "checks/DeclarationCheckRun.h"
#include "model/IncomeCodes.h"
#include "model/mTDeclaration.h"

#include <algorithm>
#include <array>

namespace zizaza {
namespace {

constexpr const char* kIncomes13Title = "Доходы, облагаемые ставкой 13%";
constexpr const char* kCurrencyTitle = "Доходы в валюте";
constexpr const char* kBusinessTitle = "Доходы от предпринимательской деятельности";
constexpr const char* kSocialTitle = "Социальные вычеты";
constexpr const char* kStandardTitle = "Стандартные вычеты";

constexpr int32_t kIncomeCodeCfcProfit = 1000;

uint16_t RecordNumber(size_t index) {
    return static_cast<uint16_t>(index + 1);
}

// Shows the problem of the first record (every record with listAll) for which fails is true.
template <class List, class Fails>
void ShowFirstFailing(DeclarationCheckRun& run, const List& list, const std::string& message, Fails fails) {
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
const char* CfcProblem(const mTCurrencyIncome& income) {
    if (income.IncomeCode != kIncomeCodeCfcProfit)
        return nullptr;
    if (income.CfcNumber.empty())
        return "По данному источнику необходимо указать номер КИК";
    if (CharCount(income.CfcNumber) != 8)
        return "По данному источнику номер КИК указан некорректно (состоит из двух букв и пяти цифр)";
    if (income.CfcProfitRule == 0)
        return "По данному источнику не указан порядок определения прибыли КИК";
    return nullptr;
}

bool LacksDeductionAmount(const mTCurrencyIncome& income) {
    if (income.DeductionCode == 0 || !income.DeductionAmount.IsZero())
        return false;
    return !IsSecuritiesIncomeCode(income.IncomeCode);
}

bool KindIs(const mTBusinessNew& record, std::string_view kind) {
    return record.ActivityKind == kind;
}

// The itemized expenses of one activity must add up.
void CheckItemizedExpenses(DeclarationCheckRun& run, const mTBusinessNew& record, uint16_t number) {
    if (record.Labour < record.LabourContracts)
        run.Show("Расходы по оплате трудовых договоров(" + record.LabourContracts.ToText(',') +
                     ") превышают сумму расходов на оплату труда (" + record.Labour.ToText(',') + ")",
                 number);
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
    Money sum = record.MaterialExpenses + record.Depreciation + record.Labour + record.OtherExpenses;
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
    ShowFirstFailing(run, sources, "По данному источнику выплаты общая сумма дохода меньше удержанной суммы",
                     [](const mTThirteenPercent& s) { return s.TotalIncome < s.TaxWithheld; });
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
    ShowFirstFailing(run, incomes, "По данному источнику выплаты не указан код валюты",
                     [](const mTCurrencyIncome& c) { return c.CurrencyCode.empty(); });
    if (run.SectionQuiet())
        ShowFirstFailing(run, incomes, "По данному источнику выплаты не указан курс валюты",
                         [](const mTCurrencyIncome& c) { return c.IncomeUnits == 0 || c.IncomeRate.IsZero(); });
    if (run.SectionQuiet())
        ShowFirstFailing(run, incomes, "По данному источнику выплаты не указан код дохода",
                         [](const mTCurrencyIncome& c) { return c.IncomeCode == 0; });
    if (run.SectionQuiet()) {
        size_t index = 0;
        for (const mTCurrencyIncome& income : incomes) {
            if (const char* problem = CfcProblem(income)) {
                run.Show(problem, RecordNumber(index));
                if (run.StopAtFirstRecord())
                    break;
            }
            ++index;
        }
    }
    if (run.SectionQuiet())
        ShowFirstFailing(run, incomes, "По данному источнику выплаты не указана сумма вычета", LacksDeductionAmount);
}

void CheckBusinessIncomes(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    if (!doc.HasIncome(kIncomeBusiness))
        return;
    run.BeginSection(kScreenBusinessIncome, kBusinessTitle);
    // Entrepreneurs and farm heads either document all their expenses or take the 20% norm.
    bool haveReference = false;
    bool referenceItemized = false;
    size_t index = 0;
    for (const mTBusinessNew& record : doc.BusinessIncomes()) {
        const uint16_t number = RecordNumber(index++);
        if (KindIs(record, "1") || KindIs(record, "5")) {
            if (!haveReference) {
                haveReference = true;
                referenceItemized = record.Itemized;
            } else if (record.Itemized != referenceItemized) {
                run.Show("Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.", number);
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
    const bool nothingEntered = social.Charity.IsZero() && social.OwnEducation.IsZero() && social.Medical.IsZero() &&
                                social.ExpensiveMedical.IsZero() && social.VoluntaryInsurance.IsZero() &&
                                social.AdditionalPensionContributions.IsZero() &&
                                social.QualificationAssessment.IsZero() && social.AgentSocialDeductions.IsZero() &&
                                social.ChildEducationCount() == 0 && social.ContractCount() == 0;
    if (nothingEntered)
        run.Show("Не введены данные по социальным налоговым вычетам", 1);
    // The tax agent can only have given a deduction for expenses the taxpayer declares.
    const Money declared = social.ChildEducationTotal() + social.OwnEducation + social.Medical +
                           social.ExpensiveMedical + social.VoluntaryInsurance;
    if (run.SectionQuiet() && social.AgentSocialDeductions > declared)
        run.Show("Предоставленный налоговым агентом вычет превышает заявленные затраты", 4);
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
            run.Show("Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.", 2);
            return;
        }
    }
}

}  // namespace zizaza
