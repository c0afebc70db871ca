#include "model/mTDeclaration.h"
#include "storage/StorageErrors.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <functional>

using namespace zizaza;
using namespace zizaza::testsupport;

namespace {

using StorageFn = std::function<void(mTDocumentStorage&)>;

// The bytes that `write` puts behind the header of a container of exactly 60 + size bytes: a size
// too small fails the write, one too large leaves zero bytes that the comparison shows.
std::string recordBytes(uint64_t size, const StorageFn& write) {
    TempDir dir;
    std::string f = dir.file("r.tv7");
    WriteContainer(f, "Tavo2017", static_cast<uint32_t>(60 + size), write);
    return ReadBytes(f).substr(60);
}

// Reads what `read` wants from a file of the given body behind a header.
void readBody(const std::string& body, const StorageFn& read, const std::string& header = Header()) {
    TempDir dir;
    std::string f = dir.file("r.tv7");
    WriteBytes(f, header + body);
    ReadContainer(f, read);
}

std::string repeat(const char* value, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += Field(value);
    return s;
}

mTSourseIncome line(int64_t roubles) {
    mTSourseIncome l;
    l.IncomeCode = 2000;
    l.IncomeName = "Заработная плата";
    l.IncomeAmount = Money::Roubles(roubles);
    l.Month = 3;
    return l;
}

TEST(ThirteenPercent, SourceWithoutLinesWritesTheCountZeroAndEmptyMonthsAsA) {
    mTThirteenPercent r;
    std::string bytes = recordBytes(r.ComputeSize(0, false), [&](auto& s) { r.SaveToStorage(s, 0, false); });
    EXPECT_EQ(bytes, Field("@ThirteenPercent000") + Field("0") + repeat("", 4) + repeat("0", 4) + repeat("a", 12) +
                         Field("0"));
    mTThirteenPercent loaded;
    readBody(bytes, [&](auto& s) { loaded.LoadFromStorage(s, 0, false); });
    EXPECT_EQ(loaded.LineCount(), 0u);
    EXPECT_EQ(loaded.TotalIncome(), Money());
    EXPECT_FALSE(loaded.MonthFilled(0));
}

TEST(ThirteenPercent, TotalIncomeIsRebuiltFromTheLines) {
    mTThirteenPercent r;
    for (int64_t v : {1000, 2500, -300})
        r.AddLine(line(v));
    r.SetMonthIncome(0, Money());
    r.SetMonthIncome(5, Money::FromRaw(15));
    std::string bytes = recordBytes(r.ComputeSize(4, false), [&](auto& s) { r.SaveToStorage(s, 4, false); });
    EXPECT_NE(bytes.find(repeat("0", 1) + repeat("a", 4) + Field("0.0015") + repeat("a", 6) + Field("3")),
              std::string::npos)
        << "a filled slot of 0 is \"0\", an empty one \"a\"";
    EXPECT_NE(bytes.find(Field("@SourseIncome004002")), std::string::npos);

    mTThirteenPercent loaded;
    readBody(bytes, [&](auto& s) { loaded.LoadFromStorage(s, 4, false); });
    EXPECT_EQ(loaded.LineCount(), 3u);
    EXPECT_EQ(loaded.TotalIncome(), Money::Roubles(3200));
    EXPECT_TRUE(loaded.MonthFilled(0));
    EXPECT_EQ(loaded.MonthIncome(5), Money::FromRaw(15));
    EXPECT_FALSE(loaded.MonthFilled(6));
}

TEST(ThirteenPercent, StreamNamesOfBothVariants) {
    mTThirteenPercent r;
    r.AddLine(line(1));
    r.AddLine(line(2));
    std::string resident = recordBytes(r.ComputeSize(0, false), [&](auto& s) { r.SaveToStorage(s, 0, false); });
    EXPECT_EQ(resident.find(Field("@ThirteenPercent000")), 0u);
    EXPECT_NE(resident.find(Field("@SourseIncome000001")), std::string::npos);
    std::string nonResident = recordBytes(r.ComputeSize(0, true), [&](auto& s) { r.SaveToStorage(s, 0, true); });
    EXPECT_EQ(nonResident.find(Field("@ThirteenPerceNR000")), 0u);
    EXPECT_NE(nonResident.find(Field("@SourseIncoNR000000")), std::string::npos);
    EXPECT_EQ(resident.size(), nonResident.size());
}

TEST(ThirteenPercent, ContainerVersion10HasNoWorkplaceFlag) {
    std::string body = Field("@ThirteenPercent000") + Field("7701") + Field("770101001") + Field("45382000") +
                       Field("ООО \"Ромашка\"") + repeat("0", 4) + repeat("a", 12) + Field("0");
    mTThirteenPercent loaded;
    loaded.WorkplaceFlag = true;
    readBody(
        body, [&](auto& s) { loaded.LoadFromStorage(s, 0, false); }, Header("Tavo2017", "0100"));
    EXPECT_EQ(loaded.Inn, "7701");
    EXPECT_EQ(loaded.Name, "ООО \"Ромашка\"");
    EXPECT_TRUE(loaded.WorkplaceFlag) << "not read, so unchanged";
}

TEST(ThirteenPercent, ReplaceLineKeepsTheTotal) {
    mTThirteenPercent r;
    r.AddLine(line(100));
    r.AddLine(line(50));
    mTSourseIncome other = line(70);
    r.ReplaceLine(0, &other);
    EXPECT_EQ(r.TotalIncome(), Money::Roubles(120));
    EXPECT_EQ(r.Line(0).IncomeAmount, Money::Roubles(70));
    r.ReplaceLine(1, nullptr);
    r.ReplaceLine(0, nullptr);
    EXPECT_EQ(r.LineCount(), 0u);
    EXPECT_EQ(r.TotalIncome(), Money());
    EXPECT_THROW(r.ReplaceLine(0, nullptr), std::out_of_range);
}

TEST(ThirteenPercent, MinusOneRoubleEmptiesAMonth) {
    mTThirteenPercent r;
    r.SetMonthIncome(11, Money::Roubles(5));
    r.SetMonthIncome(11, Money::Roubles(-1));
    EXPECT_FALSE(r.MonthFilled(11));
    EXPECT_EQ(r.MonthIncome(11), Money());
    r.SetMonthIncome(11, Money::FromRaw(-9999));
    EXPECT_TRUE(r.MonthFilled(11));
    EXPECT_THROW(r.SetMonthIncome(12, Money()), std::out_of_range);
}

TEST(ThirteenPercent, MissingLineStreamKeepsTheLinesBefore) {
    std::string body = Field("@ThirteenPercent000") + Field("1") + repeat("", 4) + repeat("0", 4) + repeat("a", 12) +
                       Field("2") + Field("@SourseIncome000000") + Field("2000") + Field("Доход") + Field("10") +
                       repeat("0", 3) + Field("1") + Field("0") + Field("") + repeat("0", 2);
    mTThirteenPercent loaded;
    readBody(body, [&](auto& s) {
        try {
            loaded.LoadFromStorage(s, 0, false);
            ADD_FAILURE() << "no exception";
        } catch (const mEOpenStream& e) {
            EXPECT_EQ(e.ErrorNumber(), 210);
            EXPECT_EQ(e.CallerNumber(), 372);
        }
    });
    EXPECT_EQ(loaded.LineCount(), 1u);
    EXPECT_EQ(loaded.TotalIncome(), Money::Roubles(10));
}

TEST(InvestTov, LinesAndTheirStreams) {
    mTInvestTov r;
    r.AddLine(mTInvestTovIncome{6, Money::Roubles(10), Money::Roubles(4), {}, {}, Money::FromRaw(1)});
    r.AddLine(mTInvestTovIncome{1, Money::Roubles(5), {}, {}, {}, {}});
    std::string bytes = recordBytes(r.ComputeSize(2), [&](auto& s) { r.SaveToStorage(s, 2); });
    EXPECT_EQ(bytes, Field("@InvestTov002") + repeat("", 4) + repeat("0", 3) + Field("2") +
                         Field("@InvestTovIncome002000") + Field("6") + Field("10") + Field("4") + repeat("0", 2) +
                         Field("0.0001") + Field("@InvestTovIncome002001") + Field("1") + Field("5") + repeat("0", 4));
    mTInvestTov loaded;
    readBody(bytes, [&](auto& s) { loaded.LoadFromStorage(s, 2); });
    EXPECT_EQ(loaded.TotalIncome(), Money::Roubles(15));
    EXPECT_EQ(loaded.Line(0).SixthValue, Money::FromRaw(1));
}

TEST(FlatSources, FieldOrderOf35And30And9) {
    mTThirtyFivePercent r35;
    r35.IncomeCode = 2740;
    r35.TotalIncome = Money::Roubles(4000);
    r35.DeductionCode = 501;
    r35.DeductionAmount = Money::Roubles(4000);
    r35.TaxWithheld = Money::Roubles(1);
    EXPECT_EQ(recordBytes(r35.ComputeSize(0), [&](auto& s) { r35.SaveToStorage(s, 0); }),
              Field("@ThirtyFivePercent000") + Field("2740") + repeat("", 4) + Field("4000") + Field("501") +
                  Field("4000") + Field("1"));

    mTThirtyPercent r30;
    r30.IncomeCode = 1010;
    r30.TotalIncome = Money::Roubles(3);
    r30.TaxComputed = Money::Roubles(2);
    r30.TaxableAmount = Money::Roubles(1);
    std::string tail = Field("1010") + repeat("", 4) + Field("3") + Field("2") + Field("1") + Field("0");
    EXPECT_EQ(recordBytes(r30.ComputeSize(1, true), [&](auto& s) { r30.SaveToStorage(s, 1, true); }),
              Field("@ThirtyPercent001") + tail);
    EXPECT_EQ(recordBytes(r30.ComputeSize(1, false), [&](auto& s) { r30.SaveToStorage(s, 1, false); }),
              Field("@NinePercent001") + tail);
}

TEST(CurrencyIncome, RoublesAreAmountOverUnitsTimesRate) {
    struct Case {
        int64_t amountRaw;
        int32_t units;
        int64_t rateRaw;
        int64_t expectedRaw;
    };
    for (const Case& c : {Case{2500000, 1, 642025, 160506300},   // 250 at 64.2025: 16050.625 -> 16050.63
                          Case{2500000, 0, 642025, 0},           // no units: 0 whatever the rate
                          Case{10000000, 100, 455000, 4550000},  // 1000 at 45.5 per 100 units
                          Case{10000, 3, 10000, 3300},           // 1/3 rouble -> 0.33
                          Case{20000, 3, 10000, 6700},           // 0.666.. -> 0.67
                          Case{-20000, 3, 10000, -6600},         // negative amounts are cut toward zero
                          Case{10000, -3, 10000, -3300}}) {
        EXPECT_EQ(mTCurrencyIncome::ToRoubles(Money::FromRaw(c.amountRaw), c.units, Money::FromRaw(c.rateRaw)).raw(),
                  c.expectedRaw)
            << c.amountRaw << " / " << c.units << " * " << c.rateRaw;
    }
    mTCurrencyIncome r;
    r.IncomeUnits = 1;
    r.IncomeRate = Money::FromRaw(642025);
    r.SetIncomeInCurrency(Money::Roubles(250));
    EXPECT_EQ(r.IncomeInRoubles, Money::FromRaw(160506300));
    r.SetTaxInCurrency(Money::Roubles(10));
    EXPECT_EQ(r.TaxInRoubles, Money()) << "the tax units are 0";
}

TEST(CurrencyIncome, DefaultDatesAreWrittenAsDayNumbers) {
    mTCurrencyIncome r;
    std::string bytes = recordBytes(r.ComputeSize(0), [&](auto& s) { r.SaveToStorage(s, 0); });
    EXPECT_EQ(bytes, Field("@CurrencyIncome000") + repeat("0", 2) + repeat("", 3) + repeat("42736", 2) + Field("0") +
                         Field("") + repeat("0", 4) + Field("") + repeat("0", 8) + Field(""));
    EXPECT_EQ(r.ComputeSize(0), 114u + 2 + 10 + 1 + 4 + 8);
}

TEST(Business, NormExpensesOrItemizedExpenses) {
    mTBusinessNew fresh;
    EXPECT_EQ(recordBytes(fresh.ComputeSize(0), [&](auto& s) { fresh.SaveToStorage(s, 0); }),
              Field("@BusinessIncome000") + Field("") + Field("..") + Field("0") + Field("1") +
                  Field("@BusinessExpense000") + repeat("0", 19));

    mTBusinessNew norm;
    norm.Itemized = false;
    norm.NormExpenses = Money::Roubles(20);
    norm.ExpensesTotal = Money::Roubles(99);  // not written by this variant
    std::string bytes = recordBytes(norm.ComputeSize(3), [&](auto& s) { norm.SaveToStorage(s, 3); });
    EXPECT_EQ(bytes, Field("@BusinessIncome003") + Field("") + Field("..") + Field("0") + Field("0") + Field("20"));
    mTBusinessNew loaded;
    readBody(bytes, [&](auto& s) { loaded.LoadFromStorage(s, 3); });
    EXPECT_FALSE(loaded.Itemized);
    EXPECT_EQ(loaded.NormExpenses, Money::Roubles(20));
    EXPECT_EQ(loaded.ExpensesTotal, Money());
}

TEST(StandardDeductions, PresenceFlagThatIsNotANumberReadsAsZero) {
    std::string body = Field("@StandartDeduct") + Field("1") + Field("104") + Field("102") + Field("1") + Field("2") +
                       Field("1") + Field("1") + Field("x") + Field("0") + Field("0") + Field("1") + Field("3") +
                       Field("1");
    mTStandartDeduct loaded;
    loaded.EntrepreneurMonthsPresent = true;
    readBody(body, [&](auto& s) { loaded.LoadFromStorage(s); });
    EXPECT_FALSE(loaded.EntrepreneurMonthsPresent);
    EXPECT_EQ(loaded.PersonalCode, PersonalDeductionCode::Code104);
    EXPECT_EQ(loaded.ChildrenCount, 2);
    EXPECT_EQ(loaded.DisabledCount, 1);
    EXPECT_EQ(loaded.ThirdCount, 3);
    EXPECT_TRUE(loaded.Guardian);
}

TEST(StandardDeductions, MonthlyValuesReplaceTheCountAndAreWrittenInstead) {
    mTStandartDeduct r;
    r.SetChildrenCount(2);
    EXPECT_TRUE(r.ChildrenConstant);
    r.SetMonthlyChildren(0, 1);
    EXPECT_FALSE(r.ChildrenConstant);
    r.SetMonthlyIncome(11, Money::Roubles(7));
    EXPECT_EQ(r.MonthlyIncomes[11], Money::Roubles(7));
    EXPECT_THROW(r.SetMonthlyIncome(12, Money()), std::out_of_range);
    EXPECT_THROW(r.SetMonthMark(12, true), std::out_of_range);
    std::string bytes = recordBytes(r.ComputeSize(), [&](auto& s) { r.SaveToStorage(s); });
    std::string expected = Field("@StandartDeduct") + Field("1") + Field("103") + Field("101") + Field("0") +
                           Field("1") + repeat("0", 11) + Field("1") + Field("0");
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
    mTStandartDeduct notGranted;
    notGranted.Granted = false;
    EXPECT_EQ(recordBytes(notGranted.ComputeSize(), [&](auto& s) { notGranted.SaveToStorage(s); }),
              Field("@StandartDeduct") + Field("0"));
}

TEST(SocialDeductions, NotGrantedWritesOneValueAndLoadingKeepsTheRest) {
    mTSocialDeduct r;
    r.AddContract();
    r.AddChildEducation(Money::Roubles(1));
    std::string bytes = recordBytes(r.ComputeSize(), [&](auto& s) { r.SaveToStorage(s); });
    EXPECT_EQ(bytes, Field("@SocialDeduct") + Field("0"));
    readBody(bytes, [&](auto& s) { r.LoadFromStorage(s); });
    EXPECT_EQ(r.ContractCount(), 1u);
    EXPECT_EQ(r.ChildEducationCount(), 1u);
}

TEST(SocialDeductions, GrantedWithAmountsAndContracts) {
    mTSocialDeduct r;
    r.Granted = true;
    r.AddChildEducation(Money::Roubles(60000));
    r.AddChildEducation(Money::Roubles(30000));
    EXPECT_EQ(r.AddChildEducation(Money::Roubles(50000)), 2u);
    EXPECT_EQ(r.ChildEducationTotal(), Money::Roubles(130000));
    r.Contract(r.AddContract()).ContractKind = 3;
    r.AddContract();
    std::string bytes = recordBytes(r.ComputeSize(), [&](auto& s) { r.SaveToStorage(s); });
    EXPECT_EQ(bytes.substr(0, 4 + 13 + 5 + 10 + 5 + 9 + 9 + 9 + 30 + 4 + 5 + 5),
              Field("@SocialDeduct") + Field("1") + repeat("0", 2) + Field("3") + Field("60000") + Field("30000") +
                  Field("50000") + repeat("0", 6) + Field("@Pens") + Field("2"));
    EXPECT_NE(bytes.find(Field("@PensSub001")), std::string::npos);
    mTSocialDeduct loaded;
    readBody(bytes, [&](auto& s) { loaded.LoadFromStorage(s); });
    EXPECT_EQ(loaded.ChildEducationTotal(), Money::Roubles(130000));
    ASSERT_EQ(loaded.ContractCount(), 2u);
    EXPECT_EQ(loaded.Contract(0).ContractKind, 3);
}

TEST(SocialDeductions, IndexOutsideTheChildAmountsRaisesItsNumber) {
    mTSocialDeduct r;
    auto number = [](const std::function<void()>& f) -> int {
        try {
            f();
        } catch (const mEMemoryAllocate& e) {
            EXPECT_STREQ(e.what(), "Не выделена память.");
            return e.ErrorNumber();
        }
        return 0;
    };
    EXPECT_EQ(number([&] { r.ChildEducation(0); }), 310);
    EXPECT_EQ(number([&] { r.SetChildEducation(0, Money()); }), 320);
    EXPECT_EQ(number([&] { r.DeleteChildEducation(0); }), 330);
    r.AddChildEducation(Money::Roubles(5));
    EXPECT_EQ(number([&] { r.ChildEducation(1); }), 311);
    EXPECT_EQ(number([&] { r.SetChildEducation(1, Money()); }), 321);
    EXPECT_EQ(number([&] { r.DeleteChildEducation(1); }), 331);
    r.DeleteChildEducation(0);
    EXPECT_EQ(r.ChildEducationCount(), 0u);
}

TEST(PropertyDeductions, ObjectsFollowTheCountAndWorkingValuesAreNotStored) {
    mTConstructionDeduct r;
    r.Granted = true;
    r.FirstWorking = Money::Roubles(5);
    for (int i = 0; i < 2; ++i) {
        auto o = std::make_unique<mTConstructionDeductObj>();
        o->ShareDenominator = 0;
        r.AddObject(std::move(o));
    }
    std::string bytes = recordBytes(r.ComputeSize(), [&](auto& s) { r.SaveToStorage(s); });
    std::string objectFields = repeat("0", 3) + repeat("37622", 3) + repeat("0", 2) + repeat("0", 2) + repeat("0", 2) +
                               repeat("0", 2) + Field("0") + repeat("", 2);
    EXPECT_EQ(bytes, Field("@ConstructionDeduct") + Field("1") + repeat("0", 6) + Field("2") +
                         Field("@ConstructionDeductObj000") + objectFields + Field("@ConstructionDeductObj001") +
                         objectFields);
    mTConstructionDeduct loaded;
    readBody(bytes, [&](auto& s) { loaded.LoadFromStorage(s); });
    ASSERT_EQ(loaded.ObjectCount(), 2u);
    EXPECT_EQ(loaded.FirstWorking, Money());
}

TEST(SecuritiesDeductions, BothObjectsWriteTwentyValues) {
    mTCBDeduct iis(mTCBDeduct::Kind::Iis);
    iis.SecuritiesLoss(2015) = Money::Roubles(1);
    iis.SecuritiesLoss(2016) = Money::Roubles(2);
    iis.DerivativesLoss(2015) = Money::Roubles(3);
    iis.DerivativesLoss(2016) = Money::Roubles(4);
    EXPECT_EQ(recordBytes(iis.ComputeSize(), [&](auto& s) { iis.SaveToStorage(s); }),
              Field("@IISDeduct") + Field("0") + Field("1") + Field("2") + repeat("0", 8) + Field("3") + Field("4") +
                  repeat("0", 7));
    EXPECT_EQ(iis.LossTotalSecurities(), Money::Roubles(3));
    EXPECT_EQ(iis.LossTotalDerivatives(), Money::Roubles(7));
    mTCBDeduct cb;
    cb.SecuritiesLoss(2007) = Money::Roubles(10);
    EXPECT_EQ(cb.Values[3], Money::Roubles(10));
    EXPECT_THROW(cb.SecuritiesLoss(2017), std::out_of_range);
}

// Every record passes a storage failure on with its own caller number: loading from a file that
// lacks its stream, saving into a container too small for it.
struct CallerCase {
    const char* name;
    uint16_t saveCaller;
    uint16_t loadCaller;
    StorageFn save;
    StorageFn load;
};

class RecordCallerNumbers : public ::testing::TestWithParam<CallerCase> {};

TEST_P(RecordCallerNumbers, StorageFailuresCarryTheRecordsNumber) {
    auto caller = [](const std::function<void()>& f) -> std::pair<int, int> {
        try {
            f();
        } catch (const mEPrivBase& e) {
            return {e.ErrorNumber(), e.CallerNumber()};
        }
        return {0, 0};
    };
    readBody(Field("@TavoInfo"), [&](mTDocumentStorage& s) {
        EXPECT_EQ(caller([&] { GetParam().load(s); }), std::make_pair(210, int(GetParam().loadCaller)));
    });
    TempDir dir;
    EXPECT_EQ(caller([&] { WriteContainer(dir.file("small.tv7"), "Tavo2017", 63, GetParam().save); }),
              std::make_pair(68, int(GetParam().saveCaller)));
}

template <class T>
CallerCase plain(const char* name, uint16_t save, uint16_t load) {
    return {name, save, load, [](auto& s) { T().SaveToStorage(s); }, [](auto& s) { T().LoadFromStorage(s); }};
}

template <class T>
CallerCase positioned(const char* name, uint16_t save, uint16_t load) {
    return {name, save, load, [](auto& s) { T().SaveToStorage(s, 0); }, [](auto& s) { T().LoadFromStorage(s, 0); }};
}

template <class T>
CallerCase source(const char* name, uint16_t save, uint16_t load, bool variant) {
    return {name, save, load, [=](auto& s) { T().SaveToStorage(s, 0, variant); },
            [=](auto& s) { T().LoadFromStorage(s, 0, variant); }};
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordCallerNumbers,
    ::testing::Values(
        plain<mTPersonInformation>("Person", 370, 371), source<mTThirteenPercent>("Resident13", 372, 372, false),
        source<mTThirteenPercent>("NonResident13", 372, 372, true),
        source<mTThirtyFivePercent>("ThirtyFive", 373, 374, false),
        source<mTThirtyPercent>("Dividends", 375, 376, true), source<mTThirtyPercent>("Nine", 375, 376, false),
        source<mTInvestTov>("InvestTov", 399, 400, false), positioned<mTCurrencyIncome>("CurrencyIncome", 377, 378),
        positioned<mTBusinessNew>("Business", 379, 380), positioned<mTNalog>("Nalog", 375, 376),
        positioned<mTPens>("Pens", 375, 376), positioned<mTConstructionDeductObj>("PropertyObject", 397, 398),
        plain<mTStandartDeduct>("Standard", 381, 382), plain<mTSocialDeduct>("Social", 383, 384),
        plain<mTConstructionDeduct>("Property", 385, 386), plain<mTCBDeduct>("Securities", 395, 396),
        CallerCase{"Iis", 403, 404, [](auto& s) { mTCBDeduct(mTCBDeduct::Kind::Iis).SaveToStorage(s); },
                   [](auto& s) { mTCBDeduct(mTCBDeduct::Kind::Iis).LoadFromStorage(s); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
