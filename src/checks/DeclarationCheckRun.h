#pragma once

#include "checks/DeclarationCheck.h"
#include "checks/ICheckAnswerer.h"
#include "checks/NavigationCode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zizaza {

class mTDeclaration;

// The state of one whole-declaration check: the section being checked, the item code so far and
// the last answer. The sections ask it whether a rule may still run.
class DeclarationCheckRun {
public:
    DeclarationCheckRun(const mTDeclaration& declaration, const DeclarationCalcFacts& facts, ICheckAnswerer& answerer,
                        bool listAll);

    const mTDeclaration& Doc() const { return m_doc; }
    bool OktmoRequired() const { return m_facts.oktmoRequired; }
    // Whether section 1 refunds tax under the OKTMO of that source.
    bool Refunded(SourceList list, size_t index) const;

    void BeginSection(uint16_t screen, std::string_view title);
    // Shows the problem; "Исправить" makes its item the result, any other answer 65535.
    void Show(std::string_view message, uint16_t item);

    // A later section runs only while no dialog has been shown in the whole run.
    bool MayEnterNextSection() const { return m_listAll || m_item == kNavigationNoProblem; }
    // Rules guarded by "no dialog yet in this section".
    bool SectionQuiet() const { return m_listAll || !m_shownInSection; }
    // Whether a walk over records ends at the first record that shows a problem.
    bool StopAtFirstRecord() const { return !m_listAll; }
    bool LastAnswerWasFix() const { return m_shownAny && m_lastAnswer == CheckAnswer::Fix; }

    uint32_t Result() const { return MakeNavigationCode(m_screen, m_item); }

private:
    const mTDeclaration& m_doc;
    const DeclarationCalcFacts& m_facts;
    ICheckAnswerer& m_answerer;
    bool m_listAll;
    uint16_t m_screen = 0;
    std::string m_title;
    uint16_t m_item = kNavigationNoProblem;
    bool m_shownInSection = false;
    bool m_shownAny = false;
    CheckAnswer m_lastAnswer = CheckAnswer::Cancel;
};

// The sections of the check, in the order the driver runs them.
void CheckInitialConditions(DeclarationCheckRun& run);   // section 1
void CheckPersonData(DeclarationCheckRun& run);          // section 2
void CheckIncomes13(DeclarationCheckRun& run);           // section 3
void CheckSourceIdentifiers(DeclarationCheckRun& run);   // the sources' OKTMO, INN and KPP
void CheckEntryRecords(DeclarationCheckRun& run);        // what the entry dialogs refuse
void CheckCurrencyIncomes(DeclarationCheckRun& run);     // section 4
void CheckBusinessIncomes(DeclarationCheckRun& run);     // section 5
void CheckSocialDeductions(DeclarationCheckRun& run);    // section 6
void CheckStandardDeductions(DeclarationCheckRun& run);  // section 7
void CheckPropertyDeductions(DeclarationCheckRun& run);  // the objects of the purchase deduction
void CheckResidenceOktmo(DeclarationCheckRun& run);      // section 8
void CheckExportedTexts(DeclarationCheckRun& run);       // characters the export cannot write

// A character no XML file can carry, or bytes that are not UTF-8 text.
bool HasCharacterTheExportRefuses(std::string_view text);

// Texts: "blank" is empty once the leading and trailing blanks (and control characters) are
// removed; lengths count characters, as the declaration's code page does.
std::string_view TrimBlanks(std::string_view text);
inline bool IsBlank(std::string_view text) {
    return TrimBlanks(text).empty();
}
size_t CharCount(std::string_view text);

}  // namespace zizaza
