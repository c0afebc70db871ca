#include "export/XmlBody3Ndfl.h"

#include "calc/kTSvodSum.h"
#include "export/XmlExportText.h"

namespace zizaza {

XmlFigures XmlFigures::Of(const kTSvodSum& c) {
    return XmlFigures{c.List6(),  c.ListDiv(),  c.ListKIK(), c.List1(),          c.List2(),   c.List3(),
                      c.List4(),  c.List5(),    c.PrilA13(), c.PrilA15(),        c.PrilA30(), c.PrilA35(),
                      c.PrilB9(), c.PrilB13(),  c.PrilB35(), c.PrilV1(),         c.PrilM(),   c.PrilZ(),
                      c.PrilH1(), c.PrilE1(),   c.PrilE2(),  c.PrilE3(),         c.PrilG(),   c.PrilG_In(),
                      c.PrilJ(),  c.PrilJIis(), c.PrilI(),   c.IncomeKindCodes()};
}

void Write3NdflBody(XmlElement document, const mTDeclaration& d, const XmlFigures& f) {
    XmlElement ndfl3 = AppendElement(document, "НДФЛ3");
    WriteSection1(ndfl3, f);
    WriteSection2(ndfl3, f);
    WriteRussianIncomes(ndfl3, d, f);
    WriteForeignIncomes(ndfl3, d, f);
    WriteBusinessIncome(ndfl3, d, f);
    WriteExemptIncomes(ndfl3, d, f);
    WritePurchaseDeduction(ndfl3, d, f);
    WriteSaleDeductions(ndfl3, f);
    WriteStandardSocialDeductions(ndfl3, d, f);
    WritePensionInvestmentDeductions(ndfl3, f);
    WriteProfessionalDeductions(ndfl3, f);
    WriteSecurities(ndfl3, d, f);
    WriteInvestPartnerships(ndfl3, f);
    WriteCadastralSales(ndfl3, f);
}

}  // namespace zizaza
