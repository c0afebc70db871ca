// Temporary: persistence lands in the next commit.
#include "model/mTDeclaration.h"

#include <stdexcept>

namespace zizaza {
namespace {
[[noreturn]] void pending() { throw std::logic_error("declaration persistence is not built yet"); }
}  // namespace

void mTPersonInformation::SaveToStorage(mTDocumentStorage&) const { pending(); }
void mTPersonInformation::LoadFromStorage(mTDocumentStorage&) { pending(); }
uint64_t mTPersonInformation::ComputeSize() const { pending(); }
void mTThirteenPercent::SaveToStorage(mTDocumentStorage&, uint16_t, bool) const { pending(); }
void mTThirteenPercent::LoadFromStorage(mTDocumentStorage&, uint16_t, bool) { pending(); }
uint64_t mTThirteenPercent::ComputeSize(uint16_t, bool) const { pending(); }
void mTThirtyFivePercent::SaveToStorage(mTDocumentStorage&, uint16_t, bool) const { pending(); }
void mTThirtyFivePercent::LoadFromStorage(mTDocumentStorage&, uint16_t, bool) { pending(); }
uint64_t mTThirtyFivePercent::ComputeSize(uint16_t) const { pending(); }
void mTThirtyPercent::SaveToStorage(mTDocumentStorage&, uint16_t, bool) const { pending(); }
void mTThirtyPercent::LoadFromStorage(mTDocumentStorage&, uint16_t, bool) { pending(); }
uint64_t mTThirtyPercent::ComputeSize(uint16_t, bool) const { pending(); }
void mTInvestTov::SaveToStorage(mTDocumentStorage&, uint16_t, bool) const { pending(); }
void mTInvestTov::LoadFromStorage(mTDocumentStorage&, uint16_t, bool) { pending(); }
uint64_t mTInvestTov::ComputeSize(uint16_t) const { pending(); }
void mTStandartDeduct::SaveToStorage(mTDocumentStorage&) const { pending(); }
void mTStandartDeduct::LoadFromStorage(mTDocumentStorage&) { pending(); }
uint64_t mTStandartDeduct::ComputeSize() const { pending(); }
void mTSocialDeduct::SaveToStorage(mTDocumentStorage&) const { pending(); }
void mTSocialDeduct::LoadFromStorage(mTDocumentStorage&) { pending(); }
uint64_t mTSocialDeduct::ComputeSize() const { pending(); }
void mTPens::SaveToStorage(mTDocumentStorage&, uint16_t) const { pending(); }
void mTPens::LoadFromStorage(mTDocumentStorage&, uint16_t) { pending(); }
uint64_t mTPens::ComputeSize(uint16_t) const { pending(); }
void mTConstructionDeduct::SaveToStorage(mTDocumentStorage&) const { pending(); }
void mTConstructionDeduct::LoadFromStorage(mTDocumentStorage&) { pending(); }
uint64_t mTConstructionDeduct::ComputeSize() const { pending(); }
void mTConstructionDeductObj::SaveToStorage(mTDocumentStorage&, uint16_t) const { pending(); }
void mTConstructionDeductObj::LoadFromStorage(mTDocumentStorage&, uint16_t) { pending(); }
uint64_t mTConstructionDeductObj::ComputeSize(uint16_t) const { pending(); }
void mTCBDeduct::SaveToStorage(mTDocumentStorage&) const { pending(); }
void mTCBDeduct::LoadFromStorage(mTDocumentStorage&) { pending(); }
uint64_t mTCBDeduct::ComputeSize() const { pending(); }
void mTCurrencyIncome::SaveToStorage(mTDocumentStorage&, uint16_t) const { pending(); }
void mTCurrencyIncome::LoadFromStorage(mTDocumentStorage&, uint16_t) { pending(); }
uint64_t mTCurrencyIncome::ComputeSize(uint16_t) const { pending(); }
void mTBusinessNew::SaveToStorage(mTDocumentStorage&, uint16_t) const { pending(); }
void mTBusinessNew::LoadFromStorage(mTDocumentStorage&, uint16_t) { pending(); }
uint64_t mTBusinessNew::ComputeSize(uint16_t) const { pending(); }
void mTNalog::SaveToStorage(mTDocumentStorage&, uint16_t) const { pending(); }
void mTNalog::LoadFromStorage(mTDocumentStorage&, uint16_t) { pending(); }
uint64_t mTNalog::ComputeSize(uint16_t) const { pending(); }
uint64_t mTDeclaration::ComputeFileSize() const { pending(); }
void mTDeclaration::Save(const std::string&) const { pending(); }
void mTDeclaration::Load(const std::string&) { pending(); }
void mTDeclaration::SaveToStorage(mTDocumentStorage&) const { pending(); }
void mTDeclaration::LoadFromStorage(mTDocumentStorage&) { pending(); }

}  // namespace zizaza
