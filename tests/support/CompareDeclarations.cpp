#include "support/RandomDeclaration.h"

#include <functional>

namespace zizaza::testsupport {
namespace {

// The fields the model keeps for the calculation's working and no file holds.
void takeWorkingFields(mTDeclaration& to, const mTDeclaration& from) {
    to.PropertyDeductions.FirstWorking = from.PropertyDeductions.FirstWorking;
    to.PropertyDeductions.SecondWorking = from.PropertyDeductions.SecondWorking;
}

// Names the list elements that differ, and the counts where they differ.
template <class L>
void compareList(std::vector<std::string>& diffs, const std::string& name, const L& a, const L& b) {
    if (a.Count() != b.Count())
        diffs.push_back(name + ".Count: " + std::to_string(a.Count()) + " != " + std::to_string(b.Count()));
    for (size_t i = 0; i < std::min(a.Count(), b.Count()); ++i) {
        if (!(a.At(i) == b.At(i)))
            diffs.push_back(name + "[" + std::to_string(i) + "] differs");
    }
}

template <class T>
void compareRecord(std::vector<std::string>& diffs, const std::string& name, const T& a, const T& b) {
    if (!(a == b))
        diffs.push_back(name + " differs");
}

}  // namespace

// The records' own comparisons (defaulted, so every member counts) decide; the parts are named
// only to tell where two documents part.
std::vector<std::string> CompareDeclarations(const mTDeclaration& a, const mTDeclaration& b, CompareMode mode) {
    mTDeclaration other = b;
    if (mode == CompareMode::Stored)
        takeWorkingFields(other, a);
    std::vector<std::string> diffs;
    if (a == other)
        return diffs;
    compareRecord(diffs, "Person", a.Person, other.Person);
    compareList(diffs, "ResidentIncomes13", a.ResidentIncomes13(), other.ResidentIncomes13());
    compareList(diffs, "NonResidentIncomes13", a.NonResidentIncomes13(), other.NonResidentIncomes13());
    compareList(diffs, "Incomes35", a.Incomes35(), other.Incomes35());
    compareList(diffs, "Incomes30", a.Incomes30(), other.Incomes30());
    compareList(diffs, "Incomes9", a.Incomes9(), other.Incomes9());
    compareList(diffs, "CurrencyIncomes", a.CurrencyIncomes(), other.CurrencyIncomes());
    compareList(diffs, "BusinessIncomes", a.BusinessIncomes(), other.BusinessIncomes());
    compareList(diffs, "InvestPartnershipIncomes", a.InvestPartnershipIncomes(), other.InvestPartnershipIncomes());
    compareList(diffs, "TaxPayments", a.TaxPayments(), other.TaxPayments());
    compareRecord(diffs, "StandardDeductions", a.StandardDeductions, other.StandardDeductions);
    compareRecord(diffs, "SocialDeductions", a.SocialDeductions, other.SocialDeductions);
    compareRecord(diffs, "PropertyDeductions", a.PropertyDeductions, other.PropertyDeductions);
    compareRecord(diffs, "SecuritiesDeductions", a.SecuritiesDeductions, other.SecuritiesDeductions);
    compareRecord(diffs, "IisDeductions", a.IisDeductions, other.IisDeductions);
    if (diffs.empty())
        diffs.push_back("the declaration's own fields differ (title page, flags, business totals)");
    return diffs;
}

::testing::AssertionResult SameDeclaration(const mTDeclaration& a, const mTDeclaration& b, CompareMode mode) {
    auto diffs = CompareDeclarations(a, b, mode);
    if (diffs.empty())
        return ::testing::AssertionSuccess();
    auto r = ::testing::AssertionFailure();
    r << diffs.size() << " difference(s):";
    for (size_t i = 0; i < diffs.size() && i < 20; ++i)
        r << "\n  " << diffs[i];
    return r;
}

}  // namespace zizaza::testsupport
