#include <QTreeWidget>

#include "GuiTest.h"
#include "dictionaries/IncomeCodeDict.h"
#include "dictionaries/ui/TfmInputDeductCode.h"
#include "dictionaries/ui/TfmInputIncomeCode.h"

namespace zizaza::test {
namespace {

QStringList Codes(const TCodeListPicker& picker) {
    QStringList codes;
    for (int i = 0; i < picker.List()->topLevelItemCount(); ++i)
        codes << picker.List()->topLevelItem(i)->text(0);
    return codes;
}

QString SelectedCode(const TCodeListPicker& picker) {
    const std::optional<int> row = picker.SelectedRow();
    return row ? picker.List()->topLevelItem(*row)->text(0) : QString();
}

// Highlights the row of the code and accepts with Enter, as the user does.
void Accept(TCodeListPicker& picker, const QString& code) {
    const QList<QTreeWidgetItem*> rows = picker.List()->findItems(code, Qt::MatchExactly, 0);
    ASSERT_EQ(rows.size(), 1) << code.toStdString();
    picker.List()->setCurrentItem(rows.front());
    PressKey(picker.List(), Qt::Key_Return);
    ASSERT_EQ(picker.result(), QDialog::Accepted);
}

class CodePickersTest : public ::testing::Test, public WithApp {
protected:
    const IncomeCodeDict& dict = IncomeCodeDict::Embedded();
};

TEST_F(CodePickersTest, IncomeRowsByRateFilter) {
    TfmInputIncomeCode at35(nullptr, false, QString(), QStringLiteral("35"), dict);
    EXPECT_EQ(at35.windowTitle(), QStringLiteral("Справочник видов доходов"));
    EXPECT_EQ(at35.List()->headerItem()->text(1), QStringLiteral("Наименование дохода"));
    EXPECT_EQ(Codes(at35), QStringList({"2610", "2620", "2740", "3020", "3022"}));

    TfmInputIncomeCode nonResident(nullptr, false, QString(), QStringLiteral("100"), dict);
    const QStringList codes = Codes(nonResident);
    EXPECT_EQ(codes.size(), 95);
    for (const char* absent : {"2620", "1000", "1001", "1010", "1012", "1110", "1120"})
        EXPECT_FALSE(codes.contains(QLatin1String(absent))) << absent;
    for (const char* present : {"2000", "2610", "1510", "4800"})
        EXPECT_TRUE(codes.contains(QLatin1String(present))) << present;

    TfmInputIncomeCode nrez13(nullptr, true, QString(), QStringLiteral("13"), dict);
    EXPECT_EQ(Codes(nrez13),
              QStringList({"2000", "2001", "2002", "2003", "2010", "2012", "2013", "2014", "2300", "2301", "2530"}));

    TfmInputIncomeCode resident(nullptr, false, QString(), QStringLiteral("13"), dict);
    EXPECT_EQ(Codes(resident).size(), 91);
    TfmInputIncomeCode all(nullptr, false, QString(), QString(), dict);
    EXPECT_EQ(Codes(all).size(), 102);
}

TEST_F(CodePickersTest, IncomePickerPreselectsTheCurrentCodeOrTheFirstRow) {
    TfmInputIncomeCode current(nullptr, false, QStringLiteral("2630"), QStringLiteral("100"), dict);
    EXPECT_EQ(SelectedCode(current), QStringLiteral("2630"));
    TfmInputIncomeCode unknown(nullptr, false, QStringLiteral("1000"), QStringLiteral("13"), dict);
    EXPECT_EQ(SelectedCode(unknown), QStringLiteral("1011")) << "1000 is not at 13%: the first row";
    TfmInputIncomeCode empty(nullptr, false, QString(), QStringLiteral("35"), dict);
    EXPECT_EQ(SelectedCode(empty), QStringLiteral("2610"));
}

TEST_F(CodePickersTest, IncomeAnswerOfTheAcceptedRow) {
    TfmInputIncomeCode unfiltered(nullptr, false, QString(), QString(), dict);
    Accept(unfiltered, QStringLiteral("1000"));
    EXPECT_EQ(unfiltered.ChosenCode(), QStringLiteral("1000"));
    EXPECT_EQ(unfiltered.ChosenName(), QStringLiteral("Суммы прибыли контролируемых иностранных компаний"));
    EXPECT_EQ(unfiltered.ChosenRate(), 99);

    TfmInputIncomeCode dividends(nullptr, false, QString(), QString(), dict);
    Accept(dividends, QStringLiteral("1010"));
    EXPECT_EQ(dividends.ChosenRate(), 14);
    EXPECT_FALSE(dividends.ChosenHasDeductions());
    EXPECT_FALSE(dividends.ChosenIsSale());

    TfmInputIncomeCode sale(nullptr, false, QString(), QStringLiteral("13"), dict);
    Accept(sale, QStringLiteral("1510"));
    EXPECT_EQ(sale.ChosenRate(), 13) << "the filter's rate";
    EXPECT_TRUE(sale.ChosenHasDeductions());
    EXPECT_TRUE(sale.ChosenIsSale());

    TfmInputIncomeCode nonResident(nullptr, false, QString(), QStringLiteral("100"), dict);
    Accept(nonResident, QStringLiteral("2610"));
    EXPECT_EQ(nonResident.ChosenRate(), 100);
}

TEST_F(CodePickersTest, DeductionRowsOfTheIncome) {
    TfmInputDeductCode gift(nullptr, false, QString(), QStringLiteral("2720"), dict);
    EXPECT_EQ(gift.windowTitle(), QStringLiteral("Справочник видов вычетов"));
    EXPECT_EQ(gift.List()->headerItem()->text(1), QStringLiteral("Виды вычетов"));
    EXPECT_EQ(Codes(gift), QStringList({"501", "0"}));

    TfmInputDeductCode saleNonResident(nullptr, false, QString(), QStringLiteral("1510"), dict);
    EXPECT_EQ(Codes(saleNonResident), QStringList({"0"}));
    TfmInputDeductCode sale(nullptr, true, QStringLiteral("903"), QStringLiteral("1510"), dict);
    EXPECT_EQ(Codes(sale), QStringList({"901", "903", "0"}));
    EXPECT_EQ(SelectedCode(sale), QStringLiteral("903"));
    TfmInputDeductCode unknownCurrent(nullptr, true, QStringLiteral("501"), QStringLiteral("1510"), dict);
    EXPECT_EQ(SelectedCode(unknownCurrent), QStringLiteral("901"));
}

TEST_F(CodePickersTest, DeductionAnswerCarriesTheEntryRules) {
    TfmInputDeductCode sale(nullptr, true, QString(), QStringLiteral("1510"), dict);
    EXPECT_EQ(sale.Chosen(), nullptr);
    Accept(sale, QStringLiteral("901"));
    EXPECT_EQ(sale.ChosenCode(), QStringLiteral("901"));
    EXPECT_TRUE(sale.ChosenName().startsWith(QStringLiteral("Продажа имущ-ва")));
    EXPECT_EQ(sale.ChosenMaxSum(), Money::Roubles(1000000));
    EXPECT_TRUE(sale.ChosenVisible());
    EXPECT_FALSE(sale.ChosenEnabled());
    EXPECT_TRUE(sale.ChosenEquivalent());
    EXPECT_EQ(sale.ChosenPercent(), 0);

    TfmInputDeductCode fee(nullptr, true, QString(), QStringLiteral("2206"), dict);
    Accept(fee, QStringLiteral("405"));
    EXPECT_EQ(fee.ChosenPercent(), 25);
    EXPECT_FALSE(fee.ChosenEnabled());

    TfmInputDeductCode none(nullptr, true, QString(), QStringLiteral("2206"), dict);
    Accept(none, QStringLiteral("0"));
    EXPECT_FALSE(none.ChosenVisible());
    EXPECT_EQ(none.ChosenPercent(), 0);
    EXPECT_EQ(none.ChosenMaxSum(), Money());
}

}  // namespace
}  // namespace zizaza::test
