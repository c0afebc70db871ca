#pragma once

#include "model/mTDeclaration.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace zizaza::testsupport {

struct RandomDeclarationOptions {
    // IncomeFlags of the document; a negative value picks a random combination that always
    // includes bit 1.
    int incomeFlags = -1;
    // Records per list and lines per source, inclusive ranges.
    size_t minRecords = 2;
    size_t maxRecords = 4;
    size_t minLines = 2;
    size_t maxLines = 4;
};

// A declaration whose every stored field holds a random value of its kind: texts with Cyrillic
// letters, quotes and "@" stream names, money with four decimals and negative amounts, full-range
// integers, dates with fractions. Fields that a flag keeps out of the file (a deduction not
// granted, monthly values of a constant count, norm expenses of itemized expenses, ...) keep their
// defaults, so the document survives a save and a load unchanged. Fields that are never stored
// are filled too; CompareDeclarations skips them unless asked.
std::unique_ptr<mTDeclaration> RandomDeclaration(uint32_t seed, const RandomDeclarationOptions& options = {});

// The random value generators behind RandomDeclaration, for tests that build records by hand.
class RandomFields {
public:
    explicit RandomFields(uint32_t seed) : m_rng(seed) {}

    std::string Text(size_t maxLength = 24);
    Money Amount();  // four decimals, about one in five negative
    Date Day();      // a day number, sometimes with a time of day
    int32_t Integer();
    uint16_t Word();
    uint8_t Byte();
    bool Flag();
    size_t Between(size_t lo, size_t hi);

    void Fill(mTPersonInformation& p);
    void Fill(mTThirteenPercent& r);
    void Fill(mTThirtyFivePercent& r);
    void Fill(mTThirtyPercent& r);
    void Fill(mTInvestTov& r);
    void Fill(mTCurrencyIncome& r);
    void Fill(mTBusinessNew& r);
    void Fill(mTNalog& r);
    void Fill(mTStandartDeduct& r);
    void Fill(mTSocialDeduct& r);
    void Fill(mTPens& r);
    void Fill(mTConstructionDeduct& r);
    void Fill(mTConstructionDeductObj& r);
    void Fill(mTCBDeduct& r);

    size_t minLines = 2;
    size_t maxLines = 4;
    size_t minRecords = 2;
    size_t maxRecords = 4;

private:
    void fillSource(mTSourseIncomeInfo& r);
    std::mt19937 m_rng;
};

enum class CompareMode {
    Stored,  // only the fields that a declaration file holds
    All,     // also the working fields that are never stored
};

// Every difference between two documents, one line each ("Person.Name.Surname: 'a' != 'b'").
std::vector<std::string> CompareDeclarations(const mTDeclaration& a, const mTDeclaration& b,
                                             CompareMode mode = CompareMode::Stored);

// For EXPECT_TRUE: success when CompareDeclarations finds nothing; else the first differences.
::testing::AssertionResult SameDeclaration(const mTDeclaration& a, const mTDeclaration& b,
                                           CompareMode mode = CompareMode::Stored);

}  // namespace zizaza::testsupport
