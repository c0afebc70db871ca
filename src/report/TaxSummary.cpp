#include "report/TaxSummary.h"

#include "calc/kTSvodSum.h"
#include "model/mTDeclaration.h"
#include "report/ReportText.h"

#include <ostream>

namespace zizaza {

void WriteTaxSummary(const mTDeclaration& doc, const kTSvodSum& sum, std::ostream& out) {
    out << "Декларация " << FormTitle(doc) << " " << ForTaxYear() << "\n";
    out << "Налогоплательщик: " << PersonName(doc);
    if (!doc.Person.Name.Inn.empty())
        out << ", ИНН " << doc.Person.Name.Inn;
    out << "\n";
    if (doc.DeclarationForm == kForm4Ndfl) {
        out << "Предполагаемый доход: " << MoneyText(doc.EstimatedIncome) << " руб.; налог не исчисляется\n";
        return;
    }
    const Outcome o = OutcomeOf(sum);
    if (o.toPay > Money())
        out << "К уплате: " << MoneyText(o.toPay) << " руб.\n";
    if (o.toRefund > Money())
        out << "К возврату: " << MoneyText(o.toRefund) << " руб.\n";
    if (o.toPay.IsZero() && o.toRefund.IsZero())
        out << "Ни к уплате, ни к возврату\n";
    for (const bmTList1& line : sum.List6().Lines) {
        const char* what = line.ПрУплВозв == kSignPay      ? "к уплате"
                           : line.ПрУплВозв == kSignRefund ? "к возврату"
                                                           : "нет";
        out << "  КБК " << line.КБК << " ОКТМО " << line.ОКТМО << ": " << what << " " << MoneyText(line.Amount)
            << " руб. (" << KbkMeaning(line.КБК) << ")\n";
    }
    for (const std::string& date : DueDates(doc, sum))
        out << date << "\n";
    for (const Section2Block& block : Section2Blocks()) {
        const kTSvodSumList& b = block.get(sum);
        if (!BlockHasFigures(b))
            continue;
        out << block.title << ":\n";
        for (const Section2Figure& f : Section2Figures())
            if (!(b.*f.value).IsZero())
                out << "  " << f.label << ": " << MoneyText(b.*f.value) << "\n";
    }
}

}  // namespace zizaza
