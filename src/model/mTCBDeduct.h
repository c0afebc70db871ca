#pragma once

#include "storage/Money.h"

#include <array>
#include <cstdint>

namespace zizaza {

class mTDocumentStorage;

// Losses of earlier tax periods on securities and derivatives. The document holds two: the
// securities deductions ("@CBDeduct") and those of the individual investment account
// ("@IISDeduct"), which uses only the losses of 2015 and 2016.
class mTCBDeduct {
public:
    bool operator==(const mTCBDeduct&) const = default;
    enum class Kind { Securities, Iis };

    explicit mTCBDeduct(Kind kind = Kind::Securities) : m_kind(kind) {}

    // In file order: securities 2014-2016, securities 2007-2013, derivatives 2014-2016,
    // derivatives 2007-2013.
    std::array<Money, 20> Values{};

    // year 2007 to 2016; other years raise std::out_of_range.
    Money& SecuritiesLoss(int year) { return Values[index(year, false)]; }
    Money SecuritiesLoss(int year) const { return Values[index(year, false)]; }
    Money& DerivativesLoss(int year) { return Values[index(year, true)]; }
    Money DerivativesLoss(int year) const { return Values[index(year, true)]; }

    Money LossTotalSecurities() const;   // values 1 to 10
    Money LossTotalDerivatives() const;  // values 11 to 20

    Kind GetKind() const { return m_kind; }

    void SaveToStorage(mTDocumentStorage& storage) const;
    void LoadFromStorage(mTDocumentStorage& storage);
    uint64_t ComputeSize() const;

private:
    static size_t index(int year, bool derivatives);

    Kind m_kind;
};

}  // namespace zizaza
