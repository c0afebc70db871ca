#pragma once

#include <cstddef>
#include <string>

namespace zizaza {

class kTSvodSum;
class mTDeclaration;

struct TaxReportOptions {
    // Foreign incomes are listed line by line under their groups up to this many lines in all;
    // a longer list keeps the groups in the text and its lines in an appendix.
    size_t inlineForeignLines = 30;
};

// The report "Расчет налога" as an HTML page: the outcome first (to pay or to refund, per budget
// code and OKTMO, with the dates that apply), then each block of section 2 with every figure that
// is not 0, where it comes from and the article of the Tax Code behind it, then the sheets the
// figures come from. sum must have been computed from doc; every figure is read from it.
// Each figure of sections 1 and 2 carries its name in a data-f attribute ("13.НалБаза", "s1.0").
std::string TaxReportHtml(const mTDeclaration& doc, const kTSvodSum& sum, const TaxReportOptions& options = {});

}  // namespace zizaza
