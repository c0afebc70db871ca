// The report explains each figure of section 2 by the figures it is made of: the parts it names
// add up to the figure it explains, for every sample declaration; and the standard deductions name
// the amount and article of the tax facts the calculation uses.
#include "calc/kTSvodSum.h"
#include "calc/kTSvodSumPrilE1.h"
#include "model/TaxFacts.h"
#include "report/ReportText.h"
#include "report/TaxReport.h"
#include "support/DeclarationBuilder.h"
#include "support/SampleDeclarations.h"

#include <algorithm>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

const std::string kNbsp = "\u00a0";
const std::string kMinus = " \u2212 ";

// "1 234,56" as the report writes it.
std::optional<Money> figure(std::string text) {
    for (size_t at; (at = text.find(kNbsp)) != std::string::npos;)
        text.erase(at, kNbsp.size());
    std::replace(text.begin(), text.end(), ',', '.');
    return Money::Parse(text);
}

struct Row {
    std::string key;
    Money value;
    std::string how;
};

std::vector<Row> section2Rows(const std::string& html) {
    static const std::regex row("data-f=\"([^\".]+\\.[^\"]+)\">([^<]+)</td><td>([^<]*)</td>");
    std::vector<Row> rows;
    for (std::sregex_iterator i(html.begin(), html.end(), row), end; i != end; ++i) {
        if ((*i)[1].str().rfind("s1.", 0) == 0)
            continue;
        const auto value = figure((*i)[2].str());
        EXPECT_TRUE(value) << (*i)[2].str();
        rows.push_back({(*i)[1].str(), value.value_or(Money()), (*i)[3].str()});
    }
    return rows;
}

// The explanation as a sum: "a (what) + b (what) − c (what)" before any "; ..." remark. Nothing
// when the explanation is words, a product or a difference of named figures.
std::optional<Money> sumOfParts(const std::string& how) {
    std::string expression = how.substr(0, how.find(';'));
    static const std::regex term("^([0-9\u00a0]+,[0-9]+)( \\([^)]*\\))?$");
    Money total;
    int sign = 1;
    size_t pos = 0;
    bool any = false;
    while (pos <= expression.size()) {
        size_t plus = expression.find(" + ", pos), minus = expression.find(kMinus, pos);
        size_t next = std::min(plus, minus);
        // A label's parentheses may hold a sign of their own: take the term up to its closing one.
        const size_t open = expression.find(" (", pos);
        if (open != std::string::npos && open < next) {
            const size_t close = expression.find(')', open);
            if (close == std::string::npos)
                return std::nullopt;
            plus = expression.find(" + ", close);
            minus = expression.find(kMinus, close);
            next = std::min(plus, minus);
        }
        const std::string part = expression.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
        std::smatch m;
        if (!std::regex_match(part, m, term))
            return std::nullopt;
        const auto value = figure(m[1].str());
        if (!value)
            return std::nullopt;
        total += sign > 0 ? *value : -*value;
        any = true;
        if (next == std::string::npos)
            break;
        sign = next == plus ? 1 : -1;
        pos = next + (next == plus ? 3 : kMinus.size());
    }
    return any ? std::optional<Money>(total) : std::nullopt;
}

TEST(ReportExplanation, PartsAddUpToEveryFigureOfSection2) {
    int explained = 0;
    for (const auto& sample : testsupport::SampleDeclarations()) {
        SCOPED_TRACE(sample.name);
        auto doc = sample.build();
        kTSvodSum sum;
        sum.Compute(*doc);
        for (const Row& r : section2Rows(TaxReportHtml(*doc, sum))) {
            const auto parts = sumOfParts(r.how);
            if (!parts)
                continue;
            ++explained;
            if (r.how.find("не больше") != std::string::npos)
                EXPECT_LE(r.value, *parts) << r.key << ": " << r.how;
            else if (r.how.find("не меньше 0") != std::string::npos)
                EXPECT_EQ(r.value, Max(*parts, Money())) << r.key << ": " << r.how;
            else
                EXPECT_EQ(r.value, *parts) << r.key << ": " << r.how;
        }
    }
    EXPECT_GT(explained, 40);
}

// Codes 104 and 105 with their amounts and articles as the calculation applies them.
TEST(ReportExplanation, PersonalDeductionsNameTheirAmountAndArticle) {
    for (const MonthlyDeductionFact& fact : {kPersonalDeduction104, kPersonalDeduction105}) {
        auto doc = testsupport::NewDeclaration();
        testsupport::AddMonthlyLines(testsupport::AddSource13(*doc, "45000000", Money(), true), 2000,
                                     testsupport::Rub(40000));
        doc->StandardDeductions.PersonalCode = static_cast<PersonalDeductionCode>(fact.Code);
        kTSvodSum sum;
        sum.Compute(*doc);
        const Money total = fact.Monthly * 12;
        ASSERT_EQ(fact.Code == 104 ? sum.PrilE1().ВычСт218_1_2 : sum.PrilE1().ВычСт218_1_1, total);
        const std::string html = TaxReportHtml(*doc, sum);
        const std::string monthly = MoneyText(fact.Monthly);
        const std::string row = "на себя " + monthly.substr(0, monthly.size() - 3) + " руб. в месяц (код " +
                                std::to_string(fact.Code) + ")</td><td align=\"right\">" + MoneyText(total, kNbsp) +
                                "</td><td>" + fact.Article + "</td>";
        EXPECT_NE(html.find(row), std::string::npos) << fact.Code;
    }
    EXPECT_EQ(kPersonalDeduction104.Monthly, Money::Roubles(500));
    EXPECT_EQ(std::string(kPersonalDeduction104.Article), "ст. 218 п. 1 пп. 2");
    EXPECT_EQ(kPersonalDeduction105.Monthly, Money::Roubles(3000));
    EXPECT_EQ(std::string(kPersonalDeduction105.Article), "ст. 218 п. 1 пп. 1");
}

}  // namespace
}  // namespace zizaza
