#include "model/mTDeclaration.h"
#include "storage/StorageErrors.h"
#include "support/RandomDeclaration.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

using namespace zizaza;
using namespace zizaza::testsupport;

namespace {

struct RoundTripCase {
    const char* name;
    uint32_t firstSeed;
    int documents;
    RandomDeclarationOptions options;
};

class DeclarationRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Save, load into a fresh document, compare, save again: the bytes must not change and the
// precomputed size must be the file's length.
void roundTrip(const mTDeclaration& original, const TempDir& dir) {
    std::string first = dir.file("first.tv7");
    std::string second = dir.file("second.tv7");
    original.Save(first);
    std::string bytes = ReadBytes(first);
    ASSERT_EQ(original.ComputeFileSize(), bytes.size());
    ASSERT_NE(bytes.back(), '\0') << "the file must end with its last field";

    mTDeclaration loaded;
    loaded.Load(first);
    EXPECT_TRUE(SameDeclaration(original, loaded));
    EXPECT_EQ(loaded.ComputeFileSize(), bytes.size());

    loaded.Save(second);
    EXPECT_TRUE(ReadBytes(second) == bytes) << "saving a loaded document changed the file";
}

TEST_P(DeclarationRoundTrip, EveryFieldSurvivesAndTheBytesRepeat) {
    const RoundTripCase& c = GetParam();
    TempDir dir;
    for (int i = 0; i < c.documents; ++i) {
        uint32_t seed = c.firstSeed + static_cast<uint32_t>(i);
        SCOPED_TRACE("seed " + std::to_string(seed));
        auto doc = RandomDeclaration(seed, c.options);
        roundTrip(*doc, dir);
        if (HasFailure())
            return;
    }
}

RandomDeclarationOptions flags(int f, size_t records = 2, size_t lines = 2) {
    RandomDeclarationOptions o;
    o.incomeFlags = f;
    o.minRecords = records;
    o.maxRecords = records + 2;
    o.minLines = lines;
    o.maxLines = lines + 3;
    return o;
}

INSTANTIATE_TEST_SUITE_P(Documents, DeclarationRoundTrip,
                         ::testing::Values(RoundTripCase{"RandomIncomeKinds", 1, 40, RandomDeclarationOptions{}},
                                           RoundTripCase{"EveryIncomeKind", 100, 10, flags(1 | 2 | 4 | 8 | 16)},
                                           RoundTripCase{"NoIncomeKindNoDeductions", 200, 5, flags(0)},
                                           RoundTripCase{"ForeignAndPartnershipsOnly", 300, 5, flags(2 | 16)},
                                           RoundTripCase{"BusinessOnly", 400, 5, flags(4, 3)},
                                           RoundTripCase{"EmptyListsAndSourcesWithoutLines", 500, 5,
                                                         flags(1 | 2 | 4 | 16, 0, 0)}),
                         [](const auto& info) { return std::string(info.param.name); });

// Positions of 1000 and more are written with four digits; the size must still be exact and every
// source found again by its name.
TEST(DeclarationRoundTripLarge, PositionsBeyondThreeDigits) {
    TempDir dir;
    auto doc = RandomDeclaration(7, flags(1, 0, 0));
    RandomFields rnd(8);
    rnd.minLines = 0;
    rnd.maxLines = 1;
    for (int i = 0; i < 1003; ++i)
        rnd.Fill(doc->ResidentIncome13(doc->AddResidentIncome13()));
    for (int i = 0; i < 1002; ++i)
        rnd.Fill(doc->TaxPayment(doc->AddTaxPayment()));
    roundTrip(*doc, dir);
    mTDeclaration loaded;
    loaded.Load(dir.file("first.tv7"));
    EXPECT_EQ(loaded.ResidentIncome13(1002).Name, doc->ResidentIncome13(1002).Name);
}

TEST(DeclarationRoundTripLarge, ThirteenPercentSourceWithMoreThanAThousandLines) {
    TempDir dir;
    auto doc = RandomDeclaration(9, flags(1, 1, 0));
    RandomFields rnd(10);
    rnd.minLines = 1001;
    rnd.maxLines = 1001;
    rnd.Fill(doc->ResidentIncome13(0));
    roundTrip(*doc, dir);
}

}  // namespace
