#pragma once

#include "export/XmlDom.h"

namespace zizaza {

class mTDeclaration;
class kTSvodSum;
class kTIncomeKindCodes;
class kTSvodSumList1;
class kTSvodSumListKIK;
class kTSvodSumListDiv;
class kTSvodSumList2;
class kTSvodSumList3;
class kTSvodSumList4;
class kTSvodSumList5;
class kTSvodSumList6;
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

// The computed figures the 3-NDFL body is written from: the objects of a computed kTSvodSum,
// or sheets filled by hand (tests).
struct XmlFigures {
    const kTSvodSumList6& list6;
    const kTSvodSumListDiv& listDiv;
    const kTSvodSumListKIK& listKik;
    const kTSvodSumList1& list1;
    const kTSvodSumList2& list2;
    const kTSvodSumList3& list3;
    const kTSvodSumList4& list4;
    const kTSvodSumList5& list5;
    const kTSvodSumPrilA13& prilA13;
    const kTSvodSumPrilA15& prilA15;
    const kTSvodSumPrilA30& prilA30;
    const kTSvodSumPrilA35& prilA35;
    const kTSvodSumPrilB& prilB9;
    const kTSvodSumPrilB& prilB13;
    const kTSvodSumPrilB& prilB35;
    const kTSvodSumPrilV1& prilV1;
    const kTSvodSumPrilM& prilM;
    const kTSvodSumPrilZ& prilZ;
    const kTSvodSumPrilH1& prilH1;
    const kTSvodSumPrilE1& prilE1;
    const kTSvodSumPrilE2& prilE2;
    const kTSvodSumPrilE3& prilE3;
    const kTSvodSumPrilG& prilG;
    const kTSvodSumPrilG_In& prilGIn;
    const kTSvodSumPrilJ& prilJ;     // ordinary accounts
    const kTSvodSumPrilJ& prilJIis;  // individual investment account
    const kTSvodSumPrilI& prilI;
    const kTIncomeKindCodes& kindCodes;  // of the sources of payment in Russia

    static XmlFigures Of(const kTSvodSum& calc);
};

// The 3-NDFL body (НДФЛ3), child of Документ, with its sections in the order of the format.
void Write3NdflBody(XmlElement document, const mTDeclaration& declaration, const XmlFigures& f);

// The sections, each appending its elements (or nothing, when its condition fails) to НДФЛ3.
void WriteSection1(XmlElement ndfl3, const XmlFigures& f);
void WriteSection2(XmlElement ndfl3, const XmlFigures& f);
void WriteRussianIncomes(XmlElement ndfl3, const mTDeclaration& declaration, const XmlFigures& f);
void WriteForeignIncomes(XmlElement ndfl3, const mTDeclaration& declaration, const XmlFigures& f);
void WriteBusinessIncome(XmlElement ndfl3, const mTDeclaration& declaration, const XmlFigures& f);
void WriteExemptIncomes(XmlElement ndfl3, const mTDeclaration& declaration, const XmlFigures& f);
void WritePurchaseDeduction(XmlElement ndfl3, const mTDeclaration& declaration, const XmlFigures& f);
void WriteSaleDeductions(XmlElement ndfl3, const XmlFigures& f);
void WriteStandardSocialDeductions(XmlElement ndfl3, const mTDeclaration& declaration, const XmlFigures& f);
void WritePensionInvestmentDeductions(XmlElement ndfl3, const XmlFigures& f);
void WriteProfessionalDeductions(XmlElement ndfl3, const XmlFigures& f);
void WriteSecurities(XmlElement ndfl3, const mTDeclaration& declaration, const XmlFigures& f);
void WriteInvestPartnerships(XmlElement ndfl3, const XmlFigures& f);
void WriteCadastralSales(XmlElement ndfl3, const XmlFigures& f);

}  // namespace zizaza
