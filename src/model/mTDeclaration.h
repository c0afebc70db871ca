#pragma once

#include "model/OwnedList.h"
#include "model/TaxpayerCodes.h"
#include "model/mTBusinessNew.h"
#include "model/mTCBDeduct.h"
#include "model/mTConstructionDeduct.h"
#include "model/mTCurrencyIncome.h"
#include "model/mTInvestTov.h"
#include "model/mTNalog.h"
#include "model/mTPersonInformation.h"
#include "model/mTSocialDeduct.h"
#include "model/mTStandartDeduct.h"
#include "model/mTThirteenPercent.h"
#include "model/mTThirtyFivePercent.h"
#include "model/mTThirtyPercent.h"
#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zizaza {

class mTDocumentStorage;

// Bits of IncomeFlags.
inline constexpr uint16_t kIncomeRussia = 1;  // "Доходы, полученные в РФ": the five lists of Russian incomes
inline constexpr uint16_t kIncomeForeign = 2;     // "Доходы за пределами РФ": CurrencyIncomes
inline constexpr uint16_t kIncomeBusiness = 4;    // "Предприниматели": BusinessIncomes
inline constexpr uint16_t kIncomeUnused = 8;      // no screen uses it; it holds no records
inline constexpr uint16_t kIncomeInvestTov = 16;  // investment partnerships: InvestPartnershipIncomes

// DeclarationForm values.
// The names the code gives the forms.
inline constexpr DeclarationForm kForm3Ndfl = DeclarationForm::Ndfl3;
inline constexpr DeclarationForm kForm3NdflNonResident = DeclarationForm::Ndfl3NonResident;
inline constexpr DeclarationForm kForm4Ndfl = DeclarationForm::Ndfl4;

// The document name this edition writes into the file header.
inline constexpr const char* kDocumentName = "Tavo2017";
// The year of a document name "TavoNNNN" (2017 for this edition's files); 0 for any other name.
int EditionYear(std::string_view documentName);

// The one declaration document: header, personal data, income lists by kind, deductions and tax
// payments. Every element of every list belongs to the document.
//
// The income lists of a kind exist exactly while its bit of IncomeFlags is set. The four list
// operations of each list: AddX (appends a new empty element, returns its position; raises
// std::logic_error while the list does not exist), X(i) (the element), XCount (0 while the list
// does not exist) and SetX(i, element or nullptr: the element takes position i, or the element at
// i is freed and the later ones move up). A position outside the list raises std::out_of_range.
class mTDeclaration {
public:
    bool operator==(const mTDeclaration&) const = default;
    mTDeclaration();

    // Header fields, in the order of "@TavoInfo".
    std::string InspectionCode;
    std::string InspectionName;  // handed to the print module as the recipient's name
    uint8_t ReservedByte = 0;
    int32_t CorrectionNumber = 0;  // 0 = primary declaration
    Date DocumentDate;             // today, when constructed
    zizaza::SignerKind SignerKind = SignerKind::InPerson;
    zizaza::TaxpayerCategory TaxpayerCategory = TaxpayerCategory::Other;
    zizaza::DeclarationForm DeclarationForm = kForm3Ndfl;
    // IncomeFlags (field 9) is changed only by SetIncomeFlags.
    uint8_t AppendixCountLocked = 0;  // 1 until saved from the initial data screen; locks SetAppendixCount
    int32_t AppendixCount = 0;
    int32_t ForeignAppendixValue = 0;  // shown by the foreign-incomes screen (meAppB)
    int32_t ReservedNumber1 = 0;
    int32_t MonthsWorked = 0;  // full months worked (agricultural producers under a patent)
    int32_t ReservedNumber2 = 0;
    int32_t ReservedNumber3 = 0;
    int32_t ReservedNumber4 = 0;
    int32_t ReservedNumber5 = 0;
    int32_t ReservedNumber6 = 0;
    int32_t ReservedNumber7 = 0;
    std::string RepresentativeDocument;  // document of the representative's authority
    Money EstimatedIncome;               // "Предполагаемый доход" (4-NDFL)
    std::string RepresentativeName;
    std::string RepresentativeOrganization;
    Money ForeignerFixedPayments;  // "Сумма фиксированных платежей"
    Money InvestmentDeductionE2;
    Money InvestmentDeductionReturn;
    Money InvestmentDeductionZ;
    Money InvestmentDeductionI;

    // Entrepreneur fields ("@TavoBusiness"; EstimatedIncome and RepresentativeDocument travel
    // there too).
    Money ActualPrepayments;   // "Фактические платежи"
    Money AccruedPrepayments;  // "Начисленные платежи"
    Money ReservedMoney;
    uint8_t IsFarm = 0;
    Date FarmRegistrationDate = Date::Ymd(2000, 1, 1);
    Money FarmExemptIncome;  // "Необлагаемый доход"
    Money CorrectedBase;     // "Скорректированная база"
    Money CorrectedTax;      // "Скорректированный налог", whole roubles
    Money TradeFee;          // "Торговый сбор"
    Money PatentPayments;

    // Objects that always exist.
    mTPersonInformation Person;
    mTStandartDeduct StandardDeductions;
    mTSocialDeduct SocialDeductions;
    mTConstructionDeduct PropertyDeductions;
    mTCBDeduct SecuritiesDeductions{mTCBDeduct::Kind::Securities};
    mTCBDeduct IisDeductions{mTCBDeduct::Kind::Iis};

    uint16_t IncomeFlags() const { return m_incomeFlags; }
    bool HasIncome(uint16_t bit) const { return (m_incomeFlags & bit) != 0; }
    // Bit by bit in the order 1, 2, 16, 4, 8: a bit cleared frees its records (clearing bit 1 also
    // zeroes ForeignerFixedPayments and MonthsWorked); a bit set creates its lists empty; a bit
    // unchanged keeps its records.
    void SetIncomeFlags(uint16_t flags);

    void SetMonthsWorked(int32_t value) { MonthsWorked = value; }
    // Ignored while AppendixCountLocked is not 0.
    void SetAppendixCount(int32_t value);

    // Bit 1.
    size_t AddResidentIncome13();
    mTThirteenPercent& ResidentIncome13(size_t i) { return m_residentIncomes13.At(i); }
    const mTThirteenPercent& ResidentIncome13(size_t i) const { return m_residentIncomes13.At(i); }
    size_t ResidentIncome13Count() const { return m_residentIncomes13.Count(); }
    void SetResidentIncome13(size_t i, std::unique_ptr<mTThirteenPercent> e);
    const OwnedList<mTThirteenPercent>& ResidentIncomes13() const { return m_residentIncomes13; }

    size_t AddNonResidentIncome13();
    mTThirteenPercent& NonResidentIncome13(size_t i) { return m_nonResidentIncomes13.At(i); }
    const mTThirteenPercent& NonResidentIncome13(size_t i) const { return m_nonResidentIncomes13.At(i); }
    size_t NonResidentIncome13Count() const { return m_nonResidentIncomes13.Count(); }
    void SetNonResidentIncome13(size_t i, std::unique_ptr<mTThirteenPercent> e);
    const OwnedList<mTThirteenPercent>& NonResidentIncomes13() const { return m_nonResidentIncomes13; }

    size_t AddIncome35();
    mTThirtyFivePercent& Income35(size_t i) { return m_incomes35.At(i); }
    const mTThirtyFivePercent& Income35(size_t i) const { return m_incomes35.At(i); }
    size_t Income35Count() const { return m_incomes35.Count(); }
    void SetIncome35(size_t i, std::unique_ptr<mTThirtyFivePercent> e);
    const OwnedList<mTThirtyFivePercent>& Incomes35() const { return m_incomes35; }

    size_t AddIncome30();
    mTThirtyPercent& Income30(size_t i) { return m_incomes30.At(i); }
    const mTThirtyPercent& Income30(size_t i) const { return m_incomes30.At(i); }
    size_t Income30Count() const { return m_incomes30.Count(); }
    void SetIncome30(size_t i, std::unique_ptr<mTThirtyPercent> e);
    const OwnedList<mTThirtyPercent>& Incomes30() const { return m_incomes30; }

    size_t AddIncome9();
    mTThirtyPercent& Income9(size_t i) { return m_incomes9.At(i); }
    const mTThirtyPercent& Income9(size_t i) const { return m_incomes9.At(i); }
    size_t Income9Count() const { return m_incomes9.Count(); }
    void SetIncome9(size_t i, std::unique_ptr<mTThirtyPercent> e);
    const OwnedList<mTThirtyPercent>& Incomes9() const { return m_incomes9; }

    // Bit 2.
    size_t AddCurrencyIncome();
    mTCurrencyIncome& CurrencyIncome(size_t i) { return m_currencyIncomes.At(i); }
    const mTCurrencyIncome& CurrencyIncome(size_t i) const { return m_currencyIncomes.At(i); }
    size_t CurrencyIncomeCount() const { return m_currencyIncomes.Count(); }
    void SetCurrencyIncome(size_t i, std::unique_ptr<mTCurrencyIncome> e);
    const OwnedList<mTCurrencyIncome>& CurrencyIncomes() const { return m_currencyIncomes; }

    // Bit 4.
    size_t AddBusinessIncome();
    mTBusinessNew& BusinessIncome(size_t i) { return m_businessIncomes.At(i); }
    const mTBusinessNew& BusinessIncome(size_t i) const { return m_businessIncomes.At(i); }
    size_t BusinessIncomeCount() const { return m_businessIncomes.Count(); }
    void SetBusinessIncome(size_t i, std::unique_ptr<mTBusinessNew> e);
    const OwnedList<mTBusinessNew>& BusinessIncomes() const { return m_businessIncomes; }

    // Bit 16.
    size_t AddInvestPartnershipIncome();
    mTInvestTov& InvestPartnershipIncome(size_t i) { return m_investPartnershipIncomes.At(i); }
    const mTInvestTov& InvestPartnershipIncome(size_t i) const { return m_investPartnershipIncomes.At(i); }
    size_t InvestPartnershipIncomeCount() const { return m_investPartnershipIncomes.Count(); }
    void SetInvestPartnershipIncome(size_t i, std::unique_ptr<mTInvestTov> e);
    const OwnedList<mTInvestTov>& InvestPartnershipIncomes() const { return m_investPartnershipIncomes; }

    // Always.
    size_t AddTaxPayment() { return m_taxPayments.Add(); }
    mTNalog& TaxPayment(size_t i) { return m_taxPayments.At(i); }
    const mTNalog& TaxPayment(size_t i) const { return m_taxPayments.At(i); }
    size_t TaxPaymentCount() const { return m_taxPayments.Count(); }
    void SetTaxPayment(size_t i, std::unique_ptr<mTNalog> e) { m_taxPayments.Set(i, std::move(e)); }
    const OwnedList<mTNalog>& TaxPayments() const { return m_taxPayments; }

    // The exact number of bytes Save writes.
    uint64_t ComputeFileSize() const;
    // Writes the document to the file. The file is replaced only when the whole content has been
    // written and read back into the same declaration; a failure leaves an existing file as it
    // was. Raises the storage exceptions (a loader failure with CallerNumber 389, a read-back
    // failure as mEWriteStorage kErrReadBack).
    void Save(const std::string& fileName) const;
    // Reads the file into this document. A file of an earlier edition ("Tavo2004" to "Tavo2016")
    // yields its personal data only; any other document name is a damaged file (68). The document changes only when the
    // whole file has been read: on an exception it keeps what it held before. Raises the storage exceptions
    // (CallerNumber 390 for the loader, 391 for the header, a new mEBadStorage 392 for a header that is not a number)
    // and EConvertError.
    void Load(const std::string& fileName);

    // The streams of the document at the storage's position (the storage already open).
    void SaveToStorage(mTDocumentStorage& storage) const;
    void LoadFromStorage(mTDocumentStorage& storage);

private:
    void requireIncome(uint16_t bit) const;

    uint16_t m_incomeFlags = 0;
    OwnedList<mTThirteenPercent> m_residentIncomes13;
    OwnedList<mTThirteenPercent> m_nonResidentIncomes13;
    OwnedList<mTThirtyFivePercent> m_incomes35;
    OwnedList<mTThirtyPercent> m_incomes30;
    OwnedList<mTThirtyPercent> m_incomes9;
    OwnedList<mTCurrencyIncome> m_currencyIncomes;
    OwnedList<mTBusinessNew> m_businessIncomes;
    OwnedList<mTInvestTov> m_investPartnershipIncomes;
    OwnedList<mTNalog> m_taxPayments;
};

// A fresh declaration as the shell prepares it for New and at start-up: Russian incomes on
// (bit 1), signed in person, the appendix count locked, dated today.
std::unique_ptr<mTDeclaration> NewShellDeclaration(Date today = Date::Today());

}  // namespace zizaza
