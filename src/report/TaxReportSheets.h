#pragma once

// The parts of the tax report that show the sheets behind the figures of section 2.

namespace zizaza {

class HtmlText;
class kTSvodSum;
class mTDeclaration;
struct TaxReportOptions;

namespace report {

// Sources in Russia of each rate with their income, tax withheld and income codes.
void WriteRussianSources(HtmlText& out, const mTDeclaration& doc);
// Exempt incomes with their limits.
void WriteExemptIncomes(HtmlText& out, const kTSvodSum& sum);
// Business income and the deductions of every kind with their rules, limits and remainders.
void WriteDeductions(HtmlText& out, const mTDeclaration& doc, const kTSvodSum& sum);
// Securities and investment partnerships: results, losses used and carried forward.
void WriteSecurities(HtmlText& out, const kTSvodSum& sum);
// Foreign incomes grouped by source and currency; the lines go under their groups or, for a long
// list, into the appendix.
void WriteForeignIncomes(HtmlText& out, HtmlText& appendix, const kTSvodSum& sum, const TaxReportOptions& options);

}  // namespace report
}  // namespace zizaza
