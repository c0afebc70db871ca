#include "checks/EntryRules.h"

#include "checks/DeclarationCheckRun.h"
#include "dictionaries/IncomeCodeDict.h"
#include "model/IncomeCodes.h"
#include "model/mTConstructionDeductObj.h"
#include "model/mTCurrencyIncome.h"
#include "model/mTInvestTovIncome.h"
#include "model/mTPens.h"
#include "model/mTSourseIncome.h"
#include "model/mTThirtyFivePercent.h"
#include "model/mTThirtyPercent.h"

#include <string>

namespace zizaza {

namespace {

constexpr const char* kNoIncomeCode = "Не выбран доход";
constexpr const char* kNoIncome = "Не указана сумма дохода";
constexpr const char* kNoDeductionCode = "Не выбран вычет";

// Material benefit on loans for new housing: not taxed, so it needs no amount.
constexpr int32_t kUntaxedBenefit = kIncomeCodeMaterialBenefit;
// How far the tax computed on dividends may lie from the rate applied to the taxable amount.
constexpr int64_t kToleranceRoubles = 10;

EntryProblem Warning(std::string message, uint16_t item, bool skippable = true) {
    return {std::move(message), item, skippable, false};
}

EntryProblem Refusal(std::string message, uint16_t item, bool skippable = false) {
    return {std::move(message), item, skippable, true};
}

// What the code dictionary offers the income for its deduction, as the dialog's deduction part
// shows it: whether a deduction is to be chosen, and whether its amount is typed.
struct DeductionOffer {
    bool toChoose = false;
    bool amountTyped = false;
};

DeductionOffer OfferOf(const IncomeDeduction& line, bool mayDeduct) {
    const IncomeEntry* income = IncomeCodeDict::Embedded().FindIncome(std::to_string(line.IncomeCode));
    DeductionOffer offer;
    offer.toChoose = income && income->HasDeductions() && mayDeduct;
    const DeductionEntry* deduction =
        offer.toChoose ? income->FindDeduction(std::to_string(line.DeductionCode)) : nullptr;
    offer.amountTyped = deduction && deduction->Visible() && deduction->Enabled();
    return offer;
}

// Whether the tax lies more than the tolerance away from rate percent of the base. Compared in
// hundredths of ten-thousandths, so that no rounding moves the border.
bool FarFromRate(Money tax, Money base, int rate) {
    const int64_t difference = tax.raw() * 100 - base.raw() * rate;
    const int64_t tolerance = kToleranceRoubles * Money::kScale * 100;
    return difference > tolerance || difference < -tolerance;
}

}  // namespace

uint16_t ShowEntryProblems(ISourceCheckDialog& dialog, std::string_view title, const EntryProblems& problems,
                           bool* fixed) {
    for (const EntryProblem& problem : problems) {
        const CheckDialogAnswer answer = dialog.ShowProblem(title, problem.message, problem.skippable);
        if (fixed)
            *fixed = answer == CheckDialogAnswer::Fix;
        if (answer == CheckDialogAnswer::Fix || problem.refuses)
            return problem.item;
    }
    return 0;
}

EntryProblems IncomeLineProblems(const mTSourseIncome& record, IncomeLineKind kind, bool deductionChosen) {
    const IncomeDeduction line{record.IncomeCode, record.IncomeAmount, record.DeductionCode, record.DeductionAmount};
    const bool hasCode = line.IncomeCode != 0;
    const bool hasIncome = !line.Income.IsZero();
    EntryProblems problems;
    if (!hasCode)
        problems.push_back(Warning(kNoIncomeCode, kLineIncomeCode));
    // Shown without "Пропустить", yet only "Исправить" keeps the dialog open.
    if (!hasIncome)
        problems.push_back(Warning(kNoIncome, hasCode ? kLineIncomeSum : kLineIncomeCode, false));
    const bool mayDeduct = kind != IncomeLineKind::NonResident || NonResidentMayDeduct(line.IncomeCode);
    const DeductionOffer offer = OfferOf(line, mayDeduct);
    if (offer.toChoose && !deductionChosen)
        problems.push_back(Warning(kNoDeductionCode, kLineDeductCode));
    if (offer.amountTyped && !line.Deduction.IsZero() && (!hasIncome || line.DeductionExceedsIncome())) {
        const uint16_t item = !hasIncome ? kLineIncomeSum : line.DeductionCode != 0 ? kLineDeductSum : kLineDeductCode;
        // The non-resident 13% lines refuse it only when the user chooses to fix it.
        problems.push_back(kind == IncomeLineKind::NonResident13 ? Warning(kDeductionExceedsIncome, item, false)
                                                                 : Refusal(kDeductionExceedsIncome, item));
    }
    return problems;
}

EntryProblems Income35Problems(const mTThirtyFivePercent& source, bool deductionChosen) {
    const IncomeDeduction line{source.IncomeCode, source.TotalIncome, source.DeductionCode, source.DeductionAmount};
    const bool taxed = line.IncomeCode != kUntaxedBenefit;
    const bool hasIncome = !line.Income.IsZero();
    EntryProblems problems;
    if (line.IncomeCode == 0)
        problems.push_back(Refusal(kNoIncomeCode, kIncome35Code));
    if (!hasIncome && taxed)
        problems.push_back(Refusal(kNoIncome, kIncome35Sum));
    const DeductionOffer offer = OfferOf(line, true);
    if (offer.toChoose && !deductionChosen)
        problems.push_back(Warning(kNoDeductionCode, kIncome35DeductCode));
    if (offer.amountTyped && !line.Deduction.IsZero() && (!hasIncome || line.DeductionExceedsIncome()))
        problems.push_back(Refusal(kDeductionExceedsIncome, hasIncome ? kIncome35DeductSum : kIncome35Sum));
    const Money withheld = source.TaxWithheld;
    if (!withheld.IsZero() && taxed && withheld > line.Income)
        problems.push_back(
            Warning("Удержанная сумма превышает сумму дохода", hasIncome ? kIncome35Withheld : kIncome35Sum));
    return problems;
}

EntryProblems Income9Problems(const mTThirtyPercent& source) {
    EntryProblems problems;
    // Both rules weigh the income against a tax withheld: without one there is nothing to weigh.
    if (source.TaxWithheld.IsZero())
        return problems;
    if (source.TotalIncome.IsZero())
        problems.push_back(Refusal(kNoIncome, kIncome9Sum));
    else if (source.TaxWithheld > source.TotalIncome)
        problems.push_back(Warning("Сумма дохода меньше суммы удержанного налога", kIncome9Withheld));
    return problems;
}

EntryProblems DividendProblems(const mTThirtyPercent& source, int rate) {
    const Money dividends = source.TotalIncome;
    const Money taxable = source.TaxableAmount;
    const Money withheld = source.TaxWithheld;
    const Money computed = source.TaxComputed;
    EntryProblems problems;
    if (taxable > dividends)
        problems.push_back(Warning("Сумма дивидендов меньше облагаемой суммы дивидендов", kDividendSum));
    if (!(taxable + withheld).IsZero()) {
        if (dividends.IsZero())
            problems.push_back(Warning("Не указана сумма дивидендов", kDividendSum));
        else if (withheld > dividends)
            problems.push_back(Warning("Сумма дивидендов меньше суммы удержанного налога", kDividendWithheld));
        if (withheld > taxable)
            problems.push_back(
                Warning("Облагаемая сумма дивидендов меньше суммы удержанного налога", kDividendWithheld));
    }
    if (computed.IsZero())
        problems.push_back(Warning("Не указан исчисленный налог", kDividendComputed));
    if (FarFromRate(computed, taxable, rate))
        problems.push_back(Warning(
            "Исчисленный налог значительно отличается от " + std::to_string(rate) + "% от облагаемой суммы диведендов",
            kDividendComputed));
    return problems;
}

EntryProblems PensionContractProblems(const mTPens& contract) {
    EntryProblems problems;
    if (contract.ContractKind != mTPens::kAdditionalContributions && IsBlank(contract.ContractNumber))
        problems.push_back(Refusal("Введите номер договора", kContractNumber));
    if (contract.Contribution < contract.AgentDeduction)
        problems.push_back(Refusal("Сумма взносов меньше суммы предоставленного вычета", kContractContribution));
    return problems;
}

EntryProblems PartnershipIncomeProblems(const mTInvestTovIncome& income) {
    EntryProblems problems;
    if (income.OperationKind == 0)
        problems.push_back(Refusal("Не выбран вид операций", kPartnershipOperationKind));
    return problems;
}

EntryProblems CurrencySourceProblems(const mTCurrencyIncome& income) {
    EntryProblems problems;
    if (IsBlank(income.CountryCode))
        problems.push_back(Refusal("Не выбран код страны", kCurrencySourceCountry));
    return problems;
}

EntryProblems PropertyObjectProblems(const mTConstructionDeductObj& o) {
    // An object with a gap would reach the declaration without its kind, ownership or number.
    const bool noNumber = o.NumberKind == PropertyNumberKind::NoNumber;
    EntryProblems problems;
    auto refuse = [&problems](bool failing, const char* message, uint16_t item) {
        if (failing && problems.empty())
            problems.push_back(Refusal(message, item));
    };
    refuse(!IsListed(o.ObjectKind), "Не введено наименование объекта", kObjectKind);
    refuse(!IsListed(o.OwnershipKind), "Не введен вид собственности", kObjectOwnership);
    refuse(!IsListed(o.TaxpayerSign), "Не введен признак налогоплательщика", kObjectTaxpayer);
    refuse(!IsListed(o.NumberKind), "Не введен код номера объекта", kObjectNumberKind);
    refuse(!noNumber && IsBlank(o.Number), "Не введен номер объекта", kObjectNumber);
    refuse(noNumber && IsBlank(o.Place), "Не указано место нахождения объекта", kObjectPlace);
    return problems;
}

EntryProblems PropertyStartYearProblems(const mTConstructionDeductObj& o) {
    EntryProblems problems;
    const int acquired = o.ByInvestment ? o.TransferActDate.Year() : o.OwnershipRegistrationDate.Year();
    if (o.Pensioner || acquired <= 2008 || acquired <= o.FirstYearOfUse.Year())
        return problems;
    problems.push_back(Refusal(o.ByInvestment
                                   ? "Год начала использования вычета меньше даты акта о передаче"
                                   : "Год начала использования вычета меньше даты регистрации прав собственности",
                               kObjectStartYear));
    return problems;
}

}  // namespace zizaza
