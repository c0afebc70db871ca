#include "calc/kTSvodSum.h"

#include "calc/SheetMath.h"
#include "calc/kTSvodSumPrilA13.h"
#include "calc/kTSvodSumPrilA15.h"
#include "calc/kTSvodSumPrilA30.h"
#include "calc/kTSvodSumPrilA35.h"
#include "calc/kTSvodSumPrilA9.h"
#include "calc/kTSvodSumPrilB.h"
#include "calc/kTSvodSumPrilE1.h"
#include "calc/kTSvodSumPrilE2.h"
#include "calc/kTSvodSumPrilE3.h"
#include "calc/kTSvodSumPrilG.h"
#include "calc/kTSvodSumPrilG_In.h"
#include "calc/kTSvodSumPrilH1.h"
#include "calc/kTSvodSumPrilI.h"
#include "calc/kTSvodSumPrilJ.h"
#include "calc/kTSvodSumPrilM.h"
#include "calc/kTSvodSumPrilV1.h"
#include "calc/kTSvodSumPrilZ.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

namespace zizaza {
namespace {

// Taxpayer categories whose "nothing to pay" line goes under the entrepreneurs' code: entrepreneur,
// farm head, notary, lawyer, arbitration manager.
}  // namespace

kTSvodSum::kTSvodSum()
    : m_prilA9(std::make_unique<kTSvodSumPrilA9>()),
      m_prilA13(std::make_unique<kTSvodSumPrilA13>()),
      m_prilA15(std::make_unique<kTSvodSumPrilA15>()),
      m_prilA30(std::make_unique<kTSvodSumPrilA30>()),
      m_prilA35(std::make_unique<kTSvodSumPrilA35>()),
      m_prilB13(std::make_unique<kTSvodSumPrilB>(kRatePercent13)),
      m_prilB9(std::make_unique<kTSvodSumPrilB>(kRatePercent9)),
      m_prilB35(std::make_unique<kTSvodSumPrilB>(kRatePercent35)),
      m_prilV1(std::make_unique<kTSvodSumPrilV1>()),
      m_prilM(std::make_unique<kTSvodSumPrilM>()),
      m_prilG(std::make_unique<kTSvodSumPrilG>()),
      m_prilGIn(std::make_unique<kTSvodSumPrilG_In>()),
      m_prilE1(std::make_unique<kTSvodSumPrilE1>()),
      m_prilE2(std::make_unique<kTSvodSumPrilE2>()),
      m_prilE3(std::make_unique<kTSvodSumPrilE3>()),
      m_prilH1(std::make_unique<kTSvodSumPrilH1>()),
      m_prilZ(std::make_unique<kTSvodSumPrilZ>()),
      m_prilJ(std::make_unique<kTSvodSumPrilJ>(kTSvodSumPrilJ::Account::Ordinary)),
      m_prilJIis(std::make_unique<kTSvodSumPrilJ>(kTSvodSumPrilJ::Account::Iis)),
      m_prilI(std::make_unique<kTSvodSumPrilI>()) {}

kTSvodSum::~kTSvodSum() = default;

void kTSvodSum::Reset() {
    for (kTSvodSumList* block : {static_cast<kTSvodSumList*>(&m_list1), static_cast<kTSvodSumList*>(&m_listKik),
                                 static_cast<kTSvodSumList*>(&m_listDiv), static_cast<kTSvodSumList*>(&m_list2),
                                 static_cast<kTSvodSumList*>(&m_list3), static_cast<kTSvodSumList*>(&m_list4),
                                 static_cast<kTSvodSumList*>(&m_list5)})
        block->Reset();
    m_list6.Reset();
    m_refunded.clear();
    m_kindCodes.Reset();
    m_prilA9->Reset();
    m_prilA13->Reset();
    m_prilA15->Reset();
    m_prilA30->Reset();
    m_prilA35->Reset();
    m_prilB13->Reset();
    m_prilB9->Reset();
    m_prilB35->Reset();
    m_prilV1->Reset();
    m_prilM->Reset();
    m_prilG->Reset();
    m_prilGIn->Reset();
    m_prilE1->Reset();
    m_prilE2->Reset();
    m_prilE3->Reset();
    m_prilH1->Reset();
    m_prilZ->Reset();
    m_prilJ->Reset();
    m_prilJIis->Reset();
    m_prilI->Reset();
}

bool kTSvodSum::Compute(const mTDeclaration& doc) {
    Reset();
    if (doc.DeclarationForm == kForm4Ndfl)
        return true;
    const bool sheets = computeSheets(doc);
    collectKindCodes();
    if (!sheets)
        return false;
    computeSection2(doc);
    return computeSection1(doc);
}

void kTSvodSum::collectKindCodes() {
    m_kindCodes.Take(m_prilA9->KindCodes);
    m_kindCodes.Take(m_prilA13->KindCodes);
    m_kindCodes.Take(m_prilA15->KindCodes);
    m_kindCodes.Take(m_prilA30->KindCodes);
    m_kindCodes.Take(m_prilA35->KindCodes);
}

bool kTSvodSum::computeSheets(const mTDeclaration& doc) {
    // Each sheet runs only while every sheet before it succeeded.
    bool ok = m_prilA9->Compute(doc) && m_prilA13->Compute(doc) && m_prilA15->Compute(doc) && m_prilA30->Compute(doc) &&
              m_prilA35->Compute(doc) && m_prilV1->Compute(doc);
    if (!ok || doc.IncomeFlags() == 0)
        return ok;
    ok = m_prilM->Compute(doc, m_prilA35.get()) && m_prilG->Compute(doc) &&
         m_prilGIn->Compute(doc, Max(m_prilG->RemainingLimit905907(), Money())) &&
         m_prilH1->Compute(doc, otherPropertyLeft()) && m_prilI->Compute(doc) &&
         m_prilJ->Compute(doc, m_prilI->ExitLoss()) && m_prilJIis->Compute(doc) && m_prilB13->Compute(doc) &&
         m_prilB9->Compute(doc) && m_prilB35->Compute(doc) && m_prilE1->Compute(doc) && m_prilE3->Compute(doc);
    if (!ok)
        return false;

    kTSvodSumPrilE2::Inputs social;
    social.Income13 = m_prilA13->TotalIncome;
    social.ForeignOtherIncome13 = m_prilB13->OtherIncome;
    social.BusinessIncome = m_prilV1->BusinessIncome;
    social.ForeignLiquidationIncome13 = m_prilB13->LiquidationIncome;
    social.ExemptTotal = m_prilM->NonTaxableIncomesTotal();
    if (!m_prilE2->Compute(doc, *m_prilE3, social))
        return false;

    kTSvodSumPrilZ::Inputs property;
    property.Income13 = m_prilA13->TotalIncome;
    property.ForeignOtherIncome13 = m_prilB13->OtherIncome;
    property.BusinessIncome = m_prilV1->BusinessIncome;
    property.RestoredInvestmentIncome = m_prilE3->ИнвВычПредВосст;
    property.BusinessExpenses = m_prilV1->BusinessExpenses;
    property.SaleDeduction = m_prilH1->ВычетОбщ;
    property.ExemptTotal = m_prilM->NonTaxableIncomesTotal();
    property.ProfessionalDeductions = m_prilG->РасходОбщИт + m_prilGIn->РасходОбщИт;
    property.SocialDeductionsDue = m_prilE2->ОбщВычСоциал;
    property.InvestmentDeduction = m_prilE3->СумИнвВыч219;
    property.SocialDeductionsByAgents = m_prilE2->ОбщСНВОтчПерНА;
    property.ForeignLiquidationIncome13 = m_prilB13->LiquidationIncome;
    property.StandardDeductions = m_prilE1->ОбщВычСтанд;
    property.IncomeReductions = incomeReductions();
    return m_prilZ->Compute(doc, property);
}

// The fixed deduction of other property is one for company shares and movables together
// (art. 220 p. 2 pp. 1): the shares of both professional-deduction sheets take theirs first.
Money kTSvodSum::otherPropertyLeft() const {
    return AtLeastZero(kOtherPropertySaleLimit - m_prilG->Total905907 - m_prilGIn->Total905907);
}

Money kTSvodSum::incomeReductions() const {
    return m_prilJ->IncomeReduction() + m_prilJIis->IncomeReduction() + m_prilI->IncomeReduction();
}

void kTSvodSum::computeSection2(const mTDeclaration& doc) {
    const bool resident = doc.DeclarationForm == kForm3Ndfl;
    m_list1.Ставка = RateCode(kRatePercent13);
    m_listKik.Ставка = RateCode(kRatePercent13);
    m_listDiv.Ставка = RateCode(kRatePercent13);
    m_list2.Ставка = RateCode(kRatePercent30);
    if (resident) {
        computeResident13(doc);
        computeCfc();
        computeDividends();
    } else {
        computeNonResident13(doc);
    }
    if (!resident)
        compute30();
    if (resident) {
        compute35();
        compute9();
    } else {
        compute15();
    }
}

void kTSvodSum::computeResident13(const mTDeclaration& doc) {
    kTSvodSumList& b = m_list1;
    b.ДоходОбщ = m_prilA13->TotalIncome + m_prilV1->BusinessIncome + m_prilB13->OtherIncome + m_prilE3->ИнвВычПредВосст;
    b.ДоходОбщНеНал = m_prilM->NonTaxableIncomesTotal() + m_prilB13->LiquidationIncome;
    b.ДоходОбщНал = AtLeastZero(b.ДоходОбщ - b.ДоходОбщНеНал);
    b.СумНалВыч = m_prilE1->ОбщВычСтанд + m_prilE2->ОбщВычСоциал + m_prilE2->ОбщСНВОтчПерНА + m_prilE3->СумИнвВыч219 +
                  m_prilH1->ВычетОбщ + m_prilZ->РасхНовВычНД + m_prilZ->ПроцВычНД + m_prilZ->ВычНАУвед +
                  m_prilZ->ПроцНАУвед + m_prilV1->BusinessExpenses + m_prilG->РасходОбщИт + m_prilGIn->РасходОбщИт;
    b.СумРасхУм = incomeReductions();
    // Deductions never take the base below 0, and are never negative themselves.
    b.СумНалВыч = Min(b.СумНалВыч, AtLeastZero(b.ДоходОбщНал - b.СумРасхУм));
    b.УдержОбщ = m_prilA13->TaxWithheld;
    b.УплАвФакт = WholeRoubles(m_prilV1->ActualPrepayments);
    b.ОбщАвУплЗач227_1 = WholeRoubles(doc.ForeignerFixedPayments);
    b.УплИнПодлЗач = WholeRoubles(m_prilB13->OtherCredit);
    b.УплПатентЗач = WholeRoubles(m_prilV1->PatentPayments);
    // The trade fee reduces only the tax on the business it was paid for (art. 225 p. 5).
    b.ComputeTax(kRatePercent13);
    b.ТСУплПерЗач = Min(Min(WholeRoubles(m_prilV1->TradeFee), businessTax()), b.Исчисл);
    b.ApplyBaseSteps(kRatePercent13);
}

Money kTSvodSum::businessTax() const {
    return TaxAtRate(AtLeastZero(m_prilV1->BusinessIncome - m_prilV1->BusinessExpenses), kRatePercent13);
}

void kTSvodSum::computeNonResident13(const mTDeclaration& doc) {
    kTSvodSumList& b = m_list1;
    b.ДоходОбщ = m_prilA13->TotalIncome;
    b.ДоходОбщНал = b.ДоходОбщ;
    // A non-resident's 13% income is taxed without the deductions of art. 218-221 (art. 210 p. 4).
    b.СумНалВыч = Money();
    b.УдержОбщ = m_prilA13->TaxWithheld;
    b.ОбщАвУплЗач227_1 = WholeRoubles(doc.ForeignerFixedPayments);
    b.ApplyBaseSteps(kRatePercent13);
}

void kTSvodSum::computeCfc() {
    kTSvodSumList& b = m_listKik;
    b.СумДохДивКИК = m_prilB13->CfcIncome;
    b.НалБаза = b.СумДохДивКИК;
    b.Исчисл = TaxAtRate(b.НалБаза, kRatePercent13);
    b.УплИнПодлЗач = WholeRoubles(m_prilB13->CfcCredit);
    b.ИсчислУпл = AtLeastZero(b.Исчисл - b.УплИнПодлЗач);
    b.ПодлУпл = b.ИсчислУпл;
}

void kTSvodSum::computeDividends() {
    kTSvodSumList& b = m_listDiv;
    b.ДоходОбщ = m_prilA13->DividendTaxableAmount + m_prilB13->DividendIncome;
    b.ДоходОбщНеНал = m_prilB13->CfcDividendIncome;
    b.ДоходОбщНал = b.ДоходОбщ - b.ДоходОбщНеНал;
    b.УдержОбщ = m_prilA13->DividendTaxWithheld;
    b.УплИнПодлЗач = WholeRoubles(m_prilB13->DividendCredit);
    b.ApplyBaseSteps(kRatePercent13);
}

void kTSvodSum::compute30() {
    kTSvodSumList& b = m_list2;
    b.ДоходОбщ = m_prilA30->TotalIncome;
    b.ДоходОбщНеНал = m_prilM->NonTaxableIncomesTotal() + m_prilM->NonTaxablePrizesTotal();
    b.ДоходОбщНал = b.ДоходОбщ - b.ДоходОбщНеНал;
    b.СумРасхУм = incomeReductions();
    const Money rest = b.ДоходОбщНал - b.СумРасхУм;
    b.СумНалВыч = rest < Money() ? rest : Money();
    b.УдержОбщ = m_prilA30->TaxWithheld;
    b.ApplyBaseSteps(kRatePercent30);
}

void kTSvodSum::compute35() {
    kTSvodSumList& b = m_list3;
    b.Ставка = RateCode(kRatePercent35);
    b.ДоходОбщ = m_prilA35->TotalIncome + m_prilB35->OtherIncome;
    b.ДоходОбщНеНал = m_prilM->NonTaxablePrizesTotal();
    b.ДоходОбщНал = AtLeastZero(b.ДоходОбщ - b.ДоходОбщНеНал);
    b.УдержОбщ = m_prilA35->TaxWithheld;
    b.УдержОбщМВ = m_prilA35->TaxWithheld2620;
    b.УплИнПодлЗач = WholeRoubles(m_prilB35->OtherCredit);
    b.ApplyBaseSteps(kRatePercent35);
}

void kTSvodSum::compute9() {
    kTSvodSumList& b = m_list4;
    b.Ставка = RateCode(kRatePercent9);
    b.ДоходОбщ = m_prilA9->TotalIncome + m_prilB9->OtherIncome;
    b.ДоходОбщНал = b.ДоходОбщ;
    b.УдержОбщ = m_prilA9->TaxWithheld;
    b.УплИнПодлЗач = WholeRoubles(m_prilB9->OtherCredit);
    b.ApplyBaseSteps(kRatePercent9);
}

void kTSvodSum::compute15() {
    kTSvodSumList& b = m_list5;
    b.Ставка = RateCode(kRatePercent15);
    b.ДоходОбщ = m_prilA15->TaxableAmount;
    b.ДоходОбщНал = b.ДоходОбщ;
    b.УдержОбщ = m_prilA15->TaxWithheld;
    b.ApplyBaseSteps(kRatePercent15);
}

template <class T>
void kTSvodSum::allocateRefund(Money& rest, const OwnedList<T>& sources, SourceList list) {
    size_t index = 0;
    for (const T& source : sources) {
        if (rest <= Money())
            return;
        const Money withheld = WholeRoubles(source.TaxWithheld);
        if (withheld > Money()) {
            const Money portion = Min(rest, withheld);
            m_list6.AddMerged(kKbkAgentRefund, source.Oktmo, kSignRefund, portion);
            m_refunded.push_back({list, index});
            rest -= portion;
        }
        ++index;
    }
}

void kTSvodSum::refundRest(Money rest, const mTDeclaration& doc) {
    if (rest > Money())
        m_list6.AddMerged(kKbkAgentRefund, doc.Person.Address.Oktmo, kSignRefund, rest);
}

template <class T>
void kTSvodSum::payOrRefund(const kTSvodSumList& block, const char* payKbk, const OwnedList<T>& sources,
                            SourceList list, const mTDeclaration& doc) {
    const Money net = block.Net();
    if (net > Money()) {
        m_list6.AddMerged(payKbk, doc.Person.Address.Oktmo, kSignPay, net);
    } else if (net < Money()) {
        Money rest = -net;
        allocateRefund(rest, sources, list);
        refundRest(rest, doc);
    }
}

bool kTSvodSum::computeSection1(const mTDeclaration& doc) {
    bool result = true;
    for (const kTSvodSumList* b :
         {static_cast<const kTSvodSumList*>(&m_list1), static_cast<const kTSvodSumList*>(&m_listKik),
          static_cast<const kTSvodSumList*>(&m_listDiv), static_cast<const kTSvodSumList*>(&m_list2),
          static_cast<const kTSvodSumList*>(&m_list3), static_cast<const kTSvodSumList*>(&m_list4),
          static_cast<const kTSvodSumList*>(&m_list5)})
        if (b->ПодлУпл > b->ПодлВозв)
            result = false;

    if (doc.DeclarationForm == kForm3Ndfl)
        section1Resident(doc);
    else
        section1NonResident(doc);

    if (m_list6.Count() == 0) {
        result = false;
        m_list6.Add(IsPrivatePractice(doc.TaxpayerCategory) ? kKbkBusiness : kKbkOther, doc.Person.Address.Oktmo,
                    kSignNothing, Money());
    }
    return result;
}

void kTSvodSum::section1Resident(const mTDeclaration& doc) {
    const std::string& oktmo = doc.Person.Address.Oktmo;
    const bool business = doc.HasIncome(kIncomeBusiness);

    Money net = m_list1.Net();
    if (net > Money()) {
        if (business) {
            const Money toPay = businessTax() - m_list1.УплАвФакт - m_list1.ТСУплПерЗач;
            if (toPay > Money()) {
                const Money part = Min(toPay, net);
                m_list6.Add(kKbkBusiness, oktmo, kSignPay, part);
                net -= part;
            }
        }
        if (net > Money())
            m_list6.Add(kKbkOther, oktmo, kSignPay, net);
    } else if (net < Money()) {
        Money rest = -net;
        if (business && doc.BusinessIncomeCount() > 0 && doc.ActualPrepayments > Money()) {
            const Money part = Min(doc.ActualPrepayments, rest);
            m_list6.Add(kKbkBusiness, oktmo, kSignRefund, part);
            rest -= part;
        }
        allocateRefund(rest, doc.ResidentIncomes13(), SourceList::ResidentIncomes13);
        allocateRefund(rest, doc.InvestPartnershipIncomes(), SourceList::InvestPartnerships);
        refundRest(rest, doc);
    }

    payOrRefund(m_listDiv, kKbkOther, doc.Incomes30(), SourceList::Incomes30, doc);
    if (m_listKik.Net() > Money())
        m_list6.AddMerged(kKbkCfc, oktmo, kSignPay, m_listKik.Net());
    payOrRefund(m_list4, kKbkOther, doc.Incomes9(), SourceList::Incomes9, doc);
    payOrRefund(m_list3, kKbkOther, doc.Incomes35(), SourceList::Incomes35, doc);
}

void kTSvodSum::section1NonResident(const mTDeclaration& doc) {
    const std::string& oktmo = doc.Person.Address.Oktmo;
    const Money net = m_list1.Net();
    if (net > Money()) {
        m_list6.Add(kKbkOther, oktmo, kSignPay, net);
    } else if (net < Money()) {
        Money rest = -net;
        allocateRefund(rest, doc.NonResidentIncomes13(), SourceList::NonResidentIncomes13);
        allocateRefund(rest, doc.InvestPartnershipIncomes(), SourceList::InvestPartnerships);
        refundRest(rest, doc);
    }
    payOrRefund(m_list5, kKbkOther, doc.Incomes30(), SourceList::Incomes30, doc);
    // The 30% tax of a non-resident was withheld by the sources of ResidentIncomes13 and by the
    // investment partnerships.
    const Money net30 = m_list2.Net();
    if (net30 > Money()) {
        m_list6.AddMerged(kKbkOther, oktmo, kSignPay, net30);
    } else if (net30 < Money()) {
        Money rest = -net30;
        allocateRefund(rest, doc.ResidentIncomes13(), SourceList::ResidentIncomes13);
        allocateRefund(rest, doc.InvestPartnershipIncomes(), SourceList::InvestPartnerships);
        refundRest(rest, doc);
    }
}

}  // namespace zizaza
