#pragma once

#include "calc/kTIncomeKindCodes.h"
#include "calc/kTSvodSumList.h"
#include "calc/kTSvodSumList6.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace zizaza {

class mTDeclaration;
class mTSourseIncomeInfo;
template <class T>
class OwnedList;
class kTSvodSumPrilA9;
class kTSvodSumPrilA13;
class kTSvodSumPrilA15;
class kTSvodSumPrilA30;
class kTSvodSumPrilA35;
class kTSvodSumPrilB;
class kTSvodSumPrilV1;
class kTSvodSumPrilM;
class kTSvodSumPrilG;
class kTSvodSumPrilG_In;
class kTSvodSumPrilE1;
class kTSvodSumPrilE2;
class kTSvodSumPrilE3;
class kTSvodSumPrilH1;
class kTSvodSumPrilZ;
class kTSvodSumPrilJ;
class kTSvodSumPrilI;

// A source whose tax section 1 refunds under the source's own OKTMO: the list and the position
// of the source in it.
struct RefundedSource {
    SourceList list;
    size_t index;
    bool operator==(const RefundedSource&) const = default;
};

// The calculation of a whole 3-NDFL declaration: every sheet, then section 2 (tax per rate and
// kind of income), then section 1 (amounts to pay or refund per budget code and OKTMO).
// Created for one use; Compute may run again on the same object.
class kTSvodSum {
public:
    kTSvodSum();
    ~kTSvodSum();
    kTSvodSum(const kTSvodSum&) = delete;
    kTSvodSum& operator=(const kTSvodSum&) = delete;

    // Every value of every object 0, every list empty.
    void Reset();
    // Computes everything from the document, which it only reads. True when nothing is payable
    // and there is at least one refund line; false when something is to be paid, when there is
    // nothing at all, or when a sheet fails. A 4-NDFL declaration computes nothing and gives true.
    bool Compute(const mTDeclaration& doc);

    // Section 2.
    const kTSvodSumList1& List1() const { return m_list1; }
    const kTSvodSumListKIK& ListKIK() const { return m_listKik; }
    const kTSvodSumListDiv& ListDiv() const { return m_listDiv; }
    const kTSvodSumList2& List2() const { return m_list2; }
    const kTSvodSumList3& List3() const { return m_list3; }
    const kTSvodSumList4& List4() const { return m_list4; }
    const kTSvodSumList5& List5() const { return m_list5; }
    // Section 1.
    const kTSvodSumList6& List6() const { return m_list6; }
    // The sources that got a refund line of section 1, in the order the lines were made.
    const std::vector<RefundedSource>& RefundedSources() const { return m_refunded; }
    // The income kind codes of the sources of payment in Russia, as the income sheets derived them.
    const kTIncomeKindCodes& IncomeKindCodes() const { return m_kindCodes; }

    // The sheets.
    const kTSvodSumPrilA9& PrilA9() const { return *m_prilA9; }
    const kTSvodSumPrilA13& PrilA13() const { return *m_prilA13; }
    const kTSvodSumPrilA15& PrilA15() const { return *m_prilA15; }
    const kTSvodSumPrilA30& PrilA30() const { return *m_prilA30; }
    const kTSvodSumPrilA35& PrilA35() const { return *m_prilA35; }
    const kTSvodSumPrilB& PrilB13() const { return *m_prilB13; }
    const kTSvodSumPrilB& PrilB9() const { return *m_prilB9; }
    const kTSvodSumPrilB& PrilB35() const { return *m_prilB35; }
    const kTSvodSumPrilV1& PrilV1() const { return *m_prilV1; }
    const kTSvodSumPrilM& PrilM() const { return *m_prilM; }
    const kTSvodSumPrilG& PrilG() const { return *m_prilG; }
    const kTSvodSumPrilG_In& PrilG_In() const { return *m_prilGIn; }
    const kTSvodSumPrilE1& PrilE1() const { return *m_prilE1; }
    const kTSvodSumPrilE2& PrilE2() const { return *m_prilE2; }
    const kTSvodSumPrilE3& PrilE3() const { return *m_prilE3; }
    const kTSvodSumPrilH1& PrilH1() const { return *m_prilH1; }
    const kTSvodSumPrilZ& PrilZ() const { return *m_prilZ; }
    const kTSvodSumPrilJ& PrilJ() const { return *m_prilJ; }        // ordinary accounts
    const kTSvodSumPrilJ& PrilJIis() const { return *m_prilJIis; }  // individual investment account
    const kTSvodSumPrilI& PrilI() const { return *m_prilI; }

private:
    bool computeSheets(const mTDeclaration& doc);
    void collectKindCodes();
    // The income reductions of both securities sheets and of the partnership sheet.
    Money incomeReductions() const;
    Money otherPropertyLeft() const;
    void computeSection2(const mTDeclaration& doc);
    void computeResident13(const mTDeclaration& doc);
    // 13% of the business income less its expenses, in whole roubles.
    Money businessTax() const;
    void computeNonResident13(const mTDeclaration& doc);
    void computeCfc();
    void computeDividends();
    void compute30();
    void compute35();
    void compute9();
    void compute15();
    bool computeSection1(const mTDeclaration& doc);
    void section1Resident(const mTDeclaration& doc);
    void section1NonResident(const mTDeclaration& doc);
    // Spreads a refund over the sources that withheld tax, in list order, by their OKTMO.
    template <class T>
    void allocateRefund(Money& rest, const OwnedList<T>& sources, SourceList list);
    // What no source took is refunded under the person's OKTMO.
    void refundRest(Money rest, const mTDeclaration& doc);
    // A payment under payKbk and the person's OKTMO, or a refund spread over the sources.
    template <class T>
    void payOrRefund(const kTSvodSumList& block, const char* payKbk, const OwnedList<T>& sources, SourceList list,
                     const mTDeclaration& doc);

    kTSvodSumList1 m_list1;
    kTSvodSumListKIK m_listKik;
    kTSvodSumListDiv m_listDiv;
    kTSvodSumList2 m_list2;
    kTSvodSumList3 m_list3;
    kTSvodSumList4 m_list4;
    kTSvodSumList5 m_list5;
    kTSvodSumList6 m_list6;
    std::vector<RefundedSource> m_refunded;
    kTIncomeKindCodes m_kindCodes;

    std::unique_ptr<kTSvodSumPrilA9> m_prilA9;
    std::unique_ptr<kTSvodSumPrilA13> m_prilA13;
    std::unique_ptr<kTSvodSumPrilA15> m_prilA15;
    std::unique_ptr<kTSvodSumPrilA30> m_prilA30;
    std::unique_ptr<kTSvodSumPrilA35> m_prilA35;
    std::unique_ptr<kTSvodSumPrilB> m_prilB13;
    std::unique_ptr<kTSvodSumPrilB> m_prilB9;
    std::unique_ptr<kTSvodSumPrilB> m_prilB35;
    std::unique_ptr<kTSvodSumPrilV1> m_prilV1;
    std::unique_ptr<kTSvodSumPrilM> m_prilM;
    std::unique_ptr<kTSvodSumPrilG> m_prilG;
    std::unique_ptr<kTSvodSumPrilG_In> m_prilGIn;
    std::unique_ptr<kTSvodSumPrilE1> m_prilE1;
    std::unique_ptr<kTSvodSumPrilE2> m_prilE2;
    std::unique_ptr<kTSvodSumPrilE3> m_prilE3;
    std::unique_ptr<kTSvodSumPrilH1> m_prilH1;
    std::unique_ptr<kTSvodSumPrilZ> m_prilZ;
    std::unique_ptr<kTSvodSumPrilJ> m_prilJ;
    std::unique_ptr<kTSvodSumPrilJ> m_prilJIis;
    std::unique_ptr<kTSvodSumPrilI> m_prilI;
};

}  // namespace zizaza
