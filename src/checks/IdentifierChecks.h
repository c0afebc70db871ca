#pragma once

#include "checks/AreaCheckRun.h"

#include <string>
#include <string_view>

namespace zizaza {

// Whose INN CheckInn checks.
enum class InnKind {
    Any,            // organisation (10 digits) or natural person (12)
    Organization,   // 10 digits
    NaturalPerson,  // 12 digits
};

// Results of CheckInn.
enum class InnCheck {
    Valid,
    Empty,
    WrongLength,    // any kind: neither 10 nor 12 characters
    WrongLength10,  // an organisation's: not 10 characters
    WrongLength12,  // a natural person's: not 12 characters
    WrongDigits,    // control digits wrong, all zeros, or not digits
};

// Results of CheckKpp.
enum class KppCheck { Valid, Empty, WrongLength, Zeros };

// The INN after trimming blanks: its length for the kind, then its control digits.
InnCheck CheckInn(std::string_view text, InnKind kind);
// The message of an INN whose control digits are wrong.
inline constexpr std::string_view kInnWrongMessage = "Номер ИНН введен неверно";
// The KPP after trimming blanks: present, 9 characters, not "000000000".
KppCheck CheckKpp(std::string_view text);

// Fields of a source entry dialog that the source checks send the focus to. The dialogs take
// the values as their item codes 1 to 4.
enum class SourceField {
    None = 0,  // nothing to fix: the dialog may accept
    Name = 1,
    Inn = 2,
    Kpp = 3,
    Oktmo = 4,
};

// The single-problem check dialog of one run of a source check. The desktop program answers with
// TfmCheckError ("Пропустить все" disabled, caption "Проверка: " and the section title); tests
// answer from a script.
class ISourceCheckDialog {
public:
    virtual ~ISourceCheckDialog() = default;
    // Shows one problem. skipEnabled tells whether "Пропустить" may be pressed; once a run has
    // disabled it, it stays disabled. Returns Fix, Skip or Closed.
    virtual CheckDialogAnswer ShowProblem(std::string_view sectionTitle, std::string_view message,
                                          bool skipEnabled) = 0;
};

// Section titles of the callers.
inline constexpr std::string_view kSectionIncome13 = "Доходы, облагаемые по ставке 13%";
inline constexpr std::string_view kSectionIncome35 = "Доходы, облагаемые по ставке 35%";
inline constexpr std::string_view kSectionInvestPartnership = "Доходы от участия в инвестиционном товариществе";
inline constexpr std::string_view kSectionIncome9 = "Доходы, облагаемые по ставке 9%";
inline constexpr std::string_view kSectionDividends = "Доходы в виде дивидендов";
inline constexpr std::string_view kSectionPensionContracts = "Пенсионные договоры";
inline constexpr std::string_view kSectionNonResident13 = "Доходы нерезидентов, высококвалифицированных специалистов";
// The pension-contract dialog has no OKTMO field; this text passes the OKTMO rule.
inline constexpr std::string_view kPensionContractOktmo = "12345678901";

// The first identifier of a source of payment that the declaration export would write invalid:
// an OKTMO that is not 8 or 11 digits (a blank one only when required, that is when section 1
// refunds tax under it), then the INN and the KPP as the payer is written (a natural person
// with an optional 12-digit INN, or an organisation with a 10-digit INN and a KPP). Returns the
// field to fix and the message, or SourceField::None.
struct SourceIdentifierProblem {
    SourceField field = SourceField::None;
    std::string_view message;
};
SourceIdentifierProblem ExportedSourceProblem(std::string_view oktmo, std::string_view kpp, std::string_view inn,
                                              bool oktmoRequired);

// Checks a source that may be a natural person or an organisation. Each problem is shown in turn;
// "Исправить" ends the run with the problem's field, any other answer goes on with the next rule.
// Only a missing OKTMO can be skipped, and only when skipAllowed and no problem came before it.
// Returns the field of the last problem fixed, or SourceField::None.
SourceField CheckPaymentSource(ISourceCheckDialog& dialog, std::string_view sectionTitle, std::string_view sourceName,
                               bool skipAllowed, std::string_view oktmo, std::string_view kpp, std::string_view inn);

// Checks a source that must be an organisation; nothing can be skipped.
SourceField CheckOrganizationSource(ISourceCheckDialog& dialog, std::string_view sectionTitle,
                                    std::string_view sourceName, std::string_view oktmo, std::string_view kpp,
                                    std::string_view inn);

}  // namespace zizaza
