#pragma once

#include "filing/FiledDeclaration.h"

#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

// Section 1 of the filed and of the new declaration for one budget code and OKTMO (whole roubles).
struct Section1Change {
    std::string kbk, oktmo;
    long long oldPay = 0, oldRefund = 0, newPay = 0, newRefund = 0;
    // What the correction adds to the tax due under this code: positive to pay, negative to refund.
    long long Difference() const { return (newPay - newRefund) - (oldPay - oldRefund); }
};

// One figure of the declaration that differs: where it is on the form and both values (empty when
// the value is absent on that side).
struct FigureChange {
    std::string sheet;  // "Титульный лист", "Раздел 2", "Приложение 1", ...
    std::string record;  // which record of the sheet ("Источник: ООО \"РОМАШКА\", ИНН 7701234567, КПП 770101001")
    std::string line;  // the line code on the sheet, empty when the sheet has none for it
    std::string label;
    std::string oldValue, newValue;
};

// A record that only one of the declarations has.
struct RecordChange {
    std::string sheet;
    std::string record;
    bool added = false;  // false: removed
};

struct DeclarationChanges {
    std::string oldCorrection, newCorrection;
    std::vector<Section1Change> section1;  // every code and OKTMO of either declaration
    std::vector<FigureChange> figures;
    std::vector<RecordChange> records;

    long long PayDifference() const;     // sum of the new minus the old amounts to pay
    long long RefundDifference() const;  // sum of the new minus the old amounts to refund
    bool Any() const { return !figures.empty() || !records.empty(); }
};

// Compares the filed declaration's exchange file with the new one, record by record: sources by
// their INN, KPP and name, deductions by their code, objects by their number, the rest by their
// place. Throws FilingError for a text that is not a declaration.
DeclarationChanges CompareDeclarations(std::string_view filedXml, std::string_view newXml);

// The advice of the Tax Code on what the correction changes (art. 81 p. 4, art. 88 p. 3, a new
// refund application); empty when section 1 stays as it was.
std::vector<std::string> CorrectionAdvice(const DeclarationChanges& changes);

// The changes as plain text for the terminal, and as an HTML page for the window and the PDF.
std::string ChangesText(const DeclarationChanges& changes);
std::string ChangesHtml(const DeclarationChanges& changes, const std::string& filedName);

// The filed declaration must be a 3-NDFL for 2017 of the same person (the INN, or the name and
// birth date without one); throws FilingError saying what differs.
void CheckFiledDeclaration(const FiledDeclaration& filed, const FiledDeclaration& current);

// The correction number that follows the filed declaration's (its НомКорр + 1). Throws
// FilingError when the filed number is not a number.
int NextCorrectionNumber(const FiledDeclaration& filed);

// CheckFiledDeclaration, and the new declaration's correction number must be the next one.
void CheckCorrectionFollows(const FiledDeclaration& filed, const FiledDeclaration& correction);

}  // namespace zizaza
