#include "model/mTDeclaration.h"

#include <stdexcept>

namespace zizaza {

mTDeclaration::mTDeclaration() : DocumentDate(Date::Today()) {}

void mTDeclaration::SetIncomeFlags(uint16_t flags) {
    for (uint16_t bit : {kIncomeRussia, kIncomeForeign, kIncomeInvestTov, kIncomeBusiness, kIncomeUnused}) {
        bool had = HasIncome(bit);
        bool wanted = (flags & bit) != 0;
        if (had == wanted)
            continue;
        if (wanted) {
            m_incomeFlags |= bit;  // the lists of the bit are empty whenever the bit is clear
            continue;
        }
        m_incomeFlags &= static_cast<uint16_t>(~bit);
        switch (bit) {
            case kIncomeRussia:
                m_residentIncomes13.Clear();
                m_nonResidentIncomes13.Clear();
                m_incomes35.Clear();
                m_incomes30.Clear();
                m_incomes9.Clear();
                ForeignerFixedPayments = Money();
                MonthsWorked = 0;
                break;
            case kIncomeForeign:
                m_currencyIncomes.Clear();
                break;
            case kIncomeInvestTov:
                m_investPartnershipIncomes.Clear();
                break;
            case kIncomeBusiness:
                m_businessIncomes.Clear();
                break;
            default:
                break;
        }
    }
}

void mTDeclaration::SetAppendixCount(int32_t value) {
    if (AppendixCountLocked == 0)
        AppendixCount = value;
}

void mTDeclaration::requireIncome(uint16_t bit) const {
    if (!HasIncome(bit))
        throw std::logic_error("the income list of bit " + std::to_string(bit) + " does not exist");
}

size_t mTDeclaration::AddResidentIncome13() {
    requireIncome(kIncomeRussia);
    return m_residentIncomes13.Add();
}
void mTDeclaration::SetResidentIncome13(size_t i, std::unique_ptr<mTThirteenPercent> e) {
    m_residentIncomes13.Set(i, std::move(e));
}

size_t mTDeclaration::AddNonResidentIncome13() {
    requireIncome(kIncomeRussia);
    return m_nonResidentIncomes13.Add();
}
void mTDeclaration::SetNonResidentIncome13(size_t i, std::unique_ptr<mTThirteenPercent> e) {
    m_nonResidentIncomes13.Set(i, std::move(e));
}

size_t mTDeclaration::AddIncome35() {
    requireIncome(kIncomeRussia);
    return m_incomes35.Add();
}
void mTDeclaration::SetIncome35(size_t i, std::unique_ptr<mTThirtyFivePercent> e) {
    m_incomes35.Set(i, std::move(e));
}

size_t mTDeclaration::AddIncome30() {
    requireIncome(kIncomeRussia);
    return m_incomes30.Add();
}
void mTDeclaration::SetIncome30(size_t i, std::unique_ptr<mTThirtyPercent> e) {
    m_incomes30.Set(i, std::move(e));
}

size_t mTDeclaration::AddIncome9() {
    requireIncome(kIncomeRussia);
    return m_incomes9.Add();
}
void mTDeclaration::SetIncome9(size_t i, std::unique_ptr<mTThirtyPercent> e) {
    m_incomes9.Set(i, std::move(e));
}

size_t mTDeclaration::AddCurrencyIncome() {
    requireIncome(kIncomeForeign);
    return m_currencyIncomes.Add();
}
void mTDeclaration::SetCurrencyIncome(size_t i, std::unique_ptr<mTCurrencyIncome> e) {
    m_currencyIncomes.Set(i, std::move(e));
}

size_t mTDeclaration::AddBusinessIncome() {
    requireIncome(kIncomeBusiness);
    return m_businessIncomes.Add();
}
void mTDeclaration::SetBusinessIncome(size_t i, std::unique_ptr<mTBusinessNew> e) {
    m_businessIncomes.Set(i, std::move(e));
}

size_t mTDeclaration::AddInvestPartnershipIncome() {
    requireIncome(kIncomeInvestTov);
    return m_investPartnershipIncomes.Add();
}
void mTDeclaration::SetInvestPartnershipIncome(size_t i, std::unique_ptr<mTInvestTov> e) {
    m_investPartnershipIncomes.Set(i, std::move(e));
}

std::unique_ptr<mTDeclaration> NewShellDeclaration(Date today) {
    auto doc = std::make_unique<mTDeclaration>();
    doc->SetIncomeFlags(kIncomeRussia);
    doc->SignerKind = SignerKind::InPerson;
    doc->AppendixCountLocked = 1;
    doc->DocumentDate = today;
    return doc;
}

}  // namespace zizaza
