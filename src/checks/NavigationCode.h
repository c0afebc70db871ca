#pragma once

#include <cstdint>

namespace zizaza {

// The codes the checks, the screens and the shell share: screen numbers, item codes, and the
// navigation code that joins them.
//
// The result of the whole-declaration check: the low 16 bits name a screen, the high 16 bits the
// item that the screen's FocusItem should bring into view.
//   item 0      no problem was shown (the screen number then means nothing);
//   item 65535  problems were shown and the user did not choose "Исправить" on the last one;
//   otherwise   the user chose "Исправить" on the problem of that item.
inline constexpr uint16_t kNavigationNoProblem = 0;
inline constexpr uint16_t kNavigationNotFixed = 65535;

// Screen numbers the navigation understands.
inline constexpr uint16_t kScreenInitialData = 1;
inline constexpr uint16_t kScreenPerson = 2;
inline constexpr uint16_t kScreenRussianIncome13 = 4;         // Russian-income container, sub-screen 0
inline constexpr uint16_t kScreenRussianIncomeDividends = 5;  // sub-screen 1
inline constexpr uint16_t kScreenRussianIncome35 = 6;         // sub-screen 2
inline constexpr uint16_t kScreenCurrencyIncome = 7;
inline constexpr uint16_t kScreenBusinessIncome = 8;
inline constexpr uint16_t kScreenStandardDeductions = 9;  // deductions container, sub-screen 0
inline constexpr uint16_t kScreenSocialDeductions = 10;   // deductions container, sub-screen 1
inline constexpr uint16_t kScreenInvestPartnership = 12;
// Sub-screens of the Russian-income container that the numbers 4 to 6 do not reach.
inline constexpr uint16_t kScreenRussianIncomeNonResident13 = 13;  // sub-screen 3
inline constexpr uint16_t kScreenRussianIncome9 = 14;              // sub-screen 4
// Numbers the navigation accepts though no check produces them.
inline constexpr uint16_t kScreenPersonAlias = 3;          // the person screen, as 2
inline constexpr uint16_t kScreenPropertyDeductions = 11;  // deductions container, sub-screen 2

// The items of a screen that its FocusItem brings into view: the codes of the screen's own check
// and of the whole-declaration check. List screens take the 1-based number of a record instead.
enum InitialDataItem : uint16_t {
    kItemInspection = 1,
    kItemEstimatedIncome = 2,
    kItemRepresentativeName = 3,
    kItemRepresentativeDocument = 4,
    kItemRepresentativeOrganization = 5,
    kItemTaxpayerCategory = 6,
    kItemAmounts = 7,  // nothing to focus: the amounts are on the other screens
    kItemOktmo = 10,
};
enum PersonItem : uint16_t {
    kItemSurname = 1,
    kItemFirstName = 2,
    kItemPatronymic = 3,
    kItemInn = 4,
    kItemDocumentKind = 5,
    kItemSeriesNumber = 6,
    kItemIssueDate = 7,
    kItemIssuedBy = 8,
    kItemBirthPlace = 9,
    kItemPhone = 10,
    kItemAddressAbroad = 11,
    kItemCountry = 12,
};
enum SocialDeductionItem : uint16_t {
    kItemCharity = 1,
    kItemChildren = 3,
    kItemAgent = 4,
    kItemContracts = 5,
};
enum StandardDeductionItem : uint16_t {
    kItemConcurrentEmployers = 2,  // the standard tab has nothing to focus for it
};

// The items of the entry dialogs' own checks (EntryRules.h), which their FocusEntry brings into
// view. The source dialogs take 1 to 4 for the source's identifiers (SourceField).
enum IncomeLineItem : uint16_t {
    kLineIncomeCode = 1,
    kLineIncomeSum = 2,
    kLineDeductCode = 3,
    kLineDeductSum = 4,
};
enum Income35Item : uint16_t {
    kIncome35Sum = 5,
    kIncome35DeductCode = 6,
    kIncome35DeductSum = 7,
    kIncome35Withheld = 8,
    kIncome35Code = 9,
};
enum Income9Item : uint16_t {
    kIncome9Sum = 5,
    kIncome9Withheld = 6,
};
enum DividendItem : uint16_t {
    kDividendSum = 5,
    kDividendWithheld = 6,
    kDividendComputed = 7,
};
enum PensionContractItem : uint16_t {
    kContractNumber = 4,
    kContractContribution = 5,
};
enum PartnershipIncomeItem : uint16_t {
    kPartnershipOperationKind = 1,
};
enum CurrencySourceItem : uint16_t {
    kCurrencySourceCountry = 1,
};
enum PropertyObjectItem : uint16_t {
    kObjectKind = 1,
    kObjectOwnership = 2,
    kObjectTaxpayer = 3,
    kObjectNumberKind = 4,
    kObjectNumber = 5,
    kObjectPlace = 6,
    kObjectStartYear = 7,
};

constexpr uint32_t MakeNavigationCode(uint16_t screen, uint16_t item) {
    return (static_cast<uint32_t>(item) << 16) | screen;
}
constexpr uint16_t NavigationScreen(uint32_t code) {
    return static_cast<uint16_t>(code & 0xFFFFu);
}
constexpr uint16_t NavigationItem(uint32_t code) {
    return static_cast<uint16_t>(code >> 16);
}

// What the command that asked for the check does next; the values are those of
// RunDeclarationCheck.
enum class CheckOutcome {
    Passed = 0,        // no problem: the command goes on
    FixRequested = 1,  // "Исправить": the shell opens the screen at the item, the command stops
    GaveUp = 2,        // problems shown and not fixed: the command stops, nothing is opened
};
CheckOutcome DecideCheckOutcome(uint32_t code);

// Where the shell goes for a code whose outcome is FixRequested. Screens 4 to 6, 13 and 14 live
// in the Russian-income container and 9 to 11 in the deductions container: the shell opens the
// container, shows the sub-screen and focuses the item there.
struct NavigationTarget {
    enum class Container { None, RussianIncome, Deductions };
    uint16_t screen = 0;
    Container container = Container::None;
    uint16_t subScreen = 0;  // only with a container
    uint16_t item = 0;
};
NavigationTarget ResolveNavigation(uint32_t code);

}  // namespace zizaza
