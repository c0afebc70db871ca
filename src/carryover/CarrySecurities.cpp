#include "carryover/CarryParts.h"
#include "model/mTDeclaration.h"

#include <charconv>
#include <map>

namespace zizaza::carry {
namespace {

// The attributes of one kind of loss; format 5.10 names the derivatives "ФИСС", 5.12 "ПФИ".
struct LossKind {
    const char* row;     // in ОстУбытПрошПер: the loss of that year at the start of the period
    const char* total;   // in ОстУбытКонВс: the loss left at the end of the period
    const char* period;  // in УбытПрхПер: the loss of the period itself
    const char* label;
    bool derivatives;
};

constexpr LossKind kSecurities = {"УбытНачЦБОбр", "СуммаЦБ", "УбытОперЦБОбр", "ЦБ", false};
constexpr LossKind kDerivatives512 = {"УбытНачПФИОбр", "СуммаПФИ", "УбытОперПФИОбр", "ПФИ", true};
constexpr LossKind kDerivatives510 = {"УбытНачФИССОбр", "СуммаФИСС", "УбытОперФИССОбр", "ПФИ", true};

using LossesByYear = std::map<int, Money>;

int YearOf(const xmlNode* row) {
    const std::string text = AttributeOr(row, "ПериодПрош");
    int year = 0;
    std::from_chars(text.data(), text.data() + text.size(), year);
    return year;
}

// The losses still unused at the end of the file's year, by the year they arose. Losses are used
// in the order they arose (ст. 220.1 НК РФ), so the part used last year comes off the oldest.
// УбытПрхПер carries forward the year's own loss together with the earlier ones left over
// (ОстУбытКонВс): the year's own loss is the difference.
LossesByYear UnusedLosses(const xmlNode* account, const LossKind& kind, int taxYear, CarryOverReport& report,
                          const std::string& accountName) {
    LossesByYear losses;
    Money left;
    if (const xmlNode* earlier = Child(account, "УбытПредПер")) {
        Money opening;
        for (xmlNode* row : ChildElements(earlier)) {
            if (ElementName(row) != "ОстУбытПрошПер")
                continue;
            const Money amount = CarriedAmount(row, kind.row, report,
                                               "Убыток " + std::to_string(YearOf(row)) + " года по операциям с " +
                                                   kind.label + " (" + accountName + ")");
            losses[YearOf(row)] += amount;
            opening += amount;
        }
        left = CarriedAmount(Child(earlier, "ОстУбытКонВс"), kind.total, report,
                             "Остаток убытка по операциям с " + std::string(kind.label) + " (" + accountName + ")");
        Money used = opening - left;
        if (used < Money()) {
            report.notCarried.push_back("Остаток убытка по операциям с " + std::string(kind.label) + " (" +
                                        accountName + ") на конец года " + AmountText(left) +
                                        " больше суммы убытков по годам: перенесены убытки по годам");
            used = Money();
        }
        for (auto& [year, amount] : losses) {
            const Money taken = used < amount ? used : amount;
            amount -= taken;
            used -= taken;
        }
    }
    if (const xmlNode* period = Child(account, "УбытПрхПер")) {
        const Money own = CarriedAmount(period, kind.period, report,
                                        "Убыток " + std::to_string(taxYear) + " года по операциям с " +
                                            std::string(kind.label) + " (" + accountName + ")") -
                          left;
        if (own > Money())
            losses[taxYear] += own;
    }
    return losses;
}

bool AccountHoldsYear(const mTCBDeduct& target, int year) {
    if (target.GetKind() == mTCBDeduct::Kind::Iis)
        return year >= kIisFirstLossYear && year <= kNewestCarriedLossYear;
    return true;
}

// A loss may be carried ten years after the year it arose (ст. 214.1 п. 16, ст. 220.1 НК РФ) into
// the declaration that follows the file's; the loss of the file's own year is a loss of an earlier
// period for that declaration. The declaration this edition prepares holds the losses of
// kOldestCarriedLossYear to kNewestCarriedLossYear only.
void Place(const LossesByYear& losses, const LossKind& kind, int fileYear, mTCBDeduct& target,
           const std::string& accountName, CarryOverReport& report) {
    const int next = fileYear + 1;
    const int oldest = next - kLossCarryYears;
    std::string carried;
    for (const auto& [year, amount] : losses) {
        if (amount <= Money())
            continue;
        const std::string what = "Убыток " + std::to_string(year) + " года по операциям с " + kind.label + " (" +
                                 accountName + ") " + AmountText(amount);
        if (year < oldest) {
            report.notCarried.push_back(what + ": прошло более десяти лет, перенос на " + std::to_string(next) +
                                        " год не допускается (ст. 220.1 НК РФ)");
        } else if (year > fileYear) {
            report.notCarried.push_back(what + ": он не относится к прошлым налоговым периодам декларации за " +
                                        std::to_string(next) + " год");
        } else if (year < kOldestCarriedLossYear || year > kNewestCarriedLossYear) {
            report.notCarried.push_back(what + ": это убыток прошлого периода для декларации за " +
                                        std::to_string(next) + " год, а программа составляет декларацию за " +
                                        std::to_string(kCarryTargetYear) + " год и хранит убытки " +
                                        std::to_string(kOldestCarriedLossYear) + "–" +
                                        std::to_string(kNewestCarriedLossYear) + " годов");
        } else if (!AccountHoldsYear(target, year)) {
            report.notCarried.push_back(what + ": на индивидуальном инвестиционном счете учитываются убытки " +
                                        std::to_string(kIisFirstLossYear) + " и " +
                                        std::to_string(kNewestCarriedLossYear) + " годов");
        } else if (Money& loss = kind.derivatives ? target.DerivativesLoss(year) : target.SecuritiesLoss(year);
                   !FitsAmountField(loss + amount, what, report)) {
            continue;
        } else {
            loss += amount;
            carried += (carried.empty() ? "" : ", ") + std::to_string(year) + " год " + AmountText(amount);
        }
    }
    if (!carried.empty())
        report.carried.push_back("Убытки прошлых лет по операциям с " + std::string(kind.label) + " (" + accountName +
                                 "): " + carried);
}

}  // namespace

void CarrySecuritiesLosses(const PriorYearFile& file, const xmlNode* body, mTDeclaration& d, CarryOverReport& report) {
    const bool v510 = file.format == PriorYearFormat::V510;
    bool any = false;
    for (xmlNode* account : ChildElements(body)) {
        if (ElementName(account) != "ДохОперЦБ")
            continue;
        any = true;
        const bool iis = !v510 && AttributeOr(account, "ВидОпер") == "1";
        mTCBDeduct& target = iis ? d.IisDeductions : d.SecuritiesDeductions;
        const std::string accountName = iis ? "индивидуальный инвестиционный счет" : "обычные счета";
        for (const LossKind* kind : {&kSecurities, v510 ? &kDerivatives510 : &kDerivatives512}) {
            // Each amount fits the money fields, but thousands of rows can still sum beyond any.
            try {
                Place(UnusedLosses(account, *kind, file.taxYear, report, accountName), *kind, file.taxYear, target,
                      accountName, report);
            } catch (const MoneyOverflow&) {
                report.notCarried.push_back("Убытки прошлых лет по операциям с " + std::string(kind->label) + " (" +
                                            accountName + "): их сумма не помещается в декларацию");
            }
        }
    }
    if (!any) {
        report.notCarried.push_back("Убытки по операциям с ценными бумагами и ПФИ: в файле нет расчета по ним");
        return;
    }
    report.notCarried.push_back("Доходы и расходы по операциям с ценными бумагами и ПФИ за " +
                                std::to_string(file.taxYear) + " год");
    if (v510)
        report.notCarried.push_back(
            "В формате 5.10 убытки на индивидуальном инвестиционном счете не выделяются: "
            "все убытки перенесены как убытки по обычным счетам; перенесите убытки ИИС "
            "вручную, если они были");
}

}  // namespace zizaza::carry
