// The documents to attach: one entry with its article for each kind of claim the declaration
// makes, none for what it does not claim.
#include "calc/kTSvodSum.h"
#include "report/Attachments.h"
#include "report/TaxReport.h"
#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::AddForeignIncome;
using testsupport::AddPropertyObject;
using testsupport::NewDeclaration;
using testsupport::Rub;

std::vector<std::string> articles(const mTDeclaration& doc) {
    std::vector<std::string> out;
    for (const DocumentsToAttach& entry : AttachmentsFor(doc))
        out.push_back(entry.article);
    return out;
}

TEST(Attachments, EachClaimHasItsDocumentsAndArticle) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    doc->StandardDeductions.Granted = false;
    EXPECT_TRUE(articles(*doc).empty());
    // Ticks without amounts claim nothing.
    doc->StandardDeductions.Granted = true;
    doc->SocialDeductions.Granted = true;
    doc->PropertyDeductions.Granted = true;
    EXPECT_TRUE(articles(*doc).empty());

    doc->StandardDeductions.SetChildrenCount(2);
    doc->SocialDeductions.Medical = Rub(30000);
    doc->SocialDeductions.AddChildEducation(Rub(20000));
    AddPropertyObject(*doc, Rub(3000000), Rub(150000), 2017).OwnershipKind = PropertyOwnership::MinorChild;
    AddForeignIncome(*doc, 840, 1010, Rub(10000), Rub(1000));
    EXPECT_EQ(articles(*doc), (std::vector<std::string>{
                                  "подпункт 4 пункта 1 статьи 218 НК РФ",
                                  "подпункт 2 пункта 1 статьи 219 НК РФ",
                                  "подпункт 3 пункта 1 статьи 219 НК РФ",
                                  "подпункт 3 пункта 1, подпункт 6 пункта 3 статьи 220 НК РФ",
                                  "подпункт 4 пункта 1, подпункт 7 пункта 3 статьи 220 НК РФ",
                                  "пункт 6 статьи 220 НК РФ",
                                  "пункт 2 статьи 232 НК РФ",
                              }));

    kTSvodSum sum;
    sum.Compute(*doc);
    const std::string html = TaxReportHtml(*doc, sum);
    EXPECT_NE(html.find("Что приложить к декларации"), std::string::npos);
    EXPECT_NE(html.find("справка банка об уплаченных процентах"), std::string::npos);
    EXPECT_NE(html.find("свидетельства о рождении"), std::string::npos);
}

}  // namespace
}  // namespace zizaza
