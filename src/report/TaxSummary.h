#pragma once

#include <iosfwd>

namespace zizaza {

class kTSvodSum;
class mTDeclaration;

// A short plain-text summary of the computed declaration for a terminal: form, person, outcome per
// budget code and OKTMO with the dates that apply, and the section 2 figures that are not 0 under
// their Russian names. sum must have been computed from doc.
void WriteTaxSummary(const mTDeclaration& doc, const kTSvodSum& sum, std::ostream& out);

}  // namespace zizaza
