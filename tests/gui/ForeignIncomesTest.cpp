#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <array>
#include <functional>
#include <tuple>

#include "GuiTest.h"
#include "checks/ui/TfmCheckError.h"
#include "dictionaries/CurrencyRates.h"
#include "imports/BrokerTrades.h"
#include "imports/SettlementDates.h"
#include "model/DocumentHistory.h"
#include "model/mTDeclaration.h"
#include "screens/ForeignIncomeModel.h"
#include "screens/TfrCurrency.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedDocEdit.h"

namespace zizaza::test {
namespace {

// Dollars with rates on 10.01 and 12.01 only, yen quoted per 100 with four decimals, and a
// Belarusian rouble without rates.
const char kRatesXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><CurrencyRates>"
    "<Currency Code=\"840\" Name=\"Доллар США\">"
    "<Rate Date=\"10.01.2017\" Rate=\"60.5\" Quantity=\"1\"/>"
    "<Rate Date=\"12.01.2017\" Rate=\"61.25\" Quantity=\"1\"/></Currency>"
    "<Currency Code=\"392\" Name=\"Японская иена\">"
    "<Rate Date=\"01.01.2017\" Rate=\"52.2458\" Quantity=\"100\"/></Currency>"
    "<Currency Code=\"974\" Name=\"Белорусский рубль\"/>"
    "</CurrencyRates>";

const char kCountriesXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Oksm><C Code=\"643\">РОССИЯ</C><C Code=\"840\">США</C></Oksm>";

Money Amount(const char* text) {
    return *Money::Parse(text);
}

ScriptedUi::ModalHandler Answer(int answer) {
    return [answer](QDialog&) { return answer; };
}

class ForeignIncomesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // The splitter's place and the dates of trades are kept in the program's settings.
        QSettings().clear();
    }
    static mTDeclaration Declaration() { return ScreenDeclaration(kIncomeForeign); }
    // A record that passes the screen's check.
    static mTCurrencyIncome& Add(mTDeclaration& doc, const char* name, int32_t incomeCode = 1010) {
        mTCurrencyIncome& r = doc.CurrencyIncome(doc.AddCurrencyIncome());
        r.SourceName = name;
        r.CountryCode = "840";
        r.IncomeCode = incomeCode;
        r.RateCode = 14;
        r.CurrencyCode = "840";
        r.IncomeUnits = 1;
        r.IncomeRate = Amount("60.5");
        return r;
    }
    TfrCurrency& Open(const mTDeclaration& doc) {
        folder.Write(QStringLiteral("CurrencyRates.xml"), QByteArray(kRatesXml));
        folder.Write(QStringLiteral("Oksm.xml"), QByteArray(kCountriesXml));
        OpenDeclaration(doc, QStringLiteral("foreign.tv7"));
        return ShowScreen<TfrCurrency>(ScreenId::ForeignIncome);
    }
    template <typename T = QWidget>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    TMaskedEdit* Edit(const char* name) { return W<TMaskedEdit>(name); }
    // The text of a label or of a field shown like one.
    QString Label(const char* name) {
        if (auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return edit->text();
        return W<QLabel>(name)->text();
    }
    QTableView* List() { return W<QTableView>("lvSourseIncomeInfo"); }
    // Rows as the list shows them, sorted or not.
    void Select(int row, QItemSelectionModel::SelectionFlags how = QItemSelectionModel::ClearAndSelect) {
        List()->selectionModel()->setCurrentIndex(List()->model()->index(row, 0), how | QItemSelectionModel::Rows);
    }
    QString Cell(int row, int column) { return List()->model()->index(row, column).data().toString(); }
    int CurrentRow() { return List()->currentIndex().row(); }
    QCheckBox* AutoBox() { return W<QCheckBox>("chbAutoExchange"); }
    void SetDate(const char* name, int day) { W<TDtpPanel>(name)->SetDate(Date::Ymd(2017, 1, day)); }
    mTCurrencyIncome& Record(size_t i) { return window->Declaration().CurrencyIncome(i); }
    // A report file for "Загрузить из отчета брокера...".
    QString ReportFile(const QByteArray& text) {
        const QString name = files.path() + QStringLiteral("/report.csv");
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        return name;
    }
    QStringList Rows() {
        QStringList rows;
        for (int i = 0; i < List()->model()->rowCount(); ++i)
            rows << Cell(i, ForeignIncomeModel::Source);
        return rows;
    }
};

TEST_F(ForeignIncomesTest, RoublesFollowAmountUnitsAndRate) {
    mTDeclaration doc = Declaration();
    Add(doc, "Bank").IncomeUnits = 0;
    Open(doc);
    Select(0);
    Edit("meCurrencyUnits")->setText(QStringLiteral("1"));
    Edit("meCurrencyExchange")->setText(QStringLiteral("64,5"));
    Edit("meIncomeCurrencySum")->setText(QStringLiteral("1000"));
    EXPECT_EQ(Label("pnlIncomeRublSum"), QStringLiteral("64500"));

    Edit("meCurrencyUnits")->setText(QStringLiteral("100"));
    Edit("meCurrencyExchange")->setText(QStringLiteral("30,25"));
    Edit("meIncomeCurrencySum")->setText(QStringLiteral("333,33"));
    EXPECT_EQ(Label("pnlIncomeRublSum"), QStringLiteral("100,83"));
    window->CurrentScreen()->SaveToDocument();
    EXPECT_EQ(Record(0).IncomeInRoubles, Amount("100.83"));
    EXPECT_EQ(Record(0).IncomeUnits, 100);

    Edit("meCurrencyUnits")->setText(QStringLiteral("0"));
    EXPECT_EQ(Label("pnlIncomeRublSum"), QStringLiteral("0"));
    Edit("meCurrencyUnits")->setText(QStringLiteral("1"));
    Edit("meCurrencyExchange")->clear();
    EXPECT_EQ(Label("pnlIncomeRublSum"), QStringLiteral("0"));

    // The tax goes by the rate of the payment date.
    Edit("meCurrencyUnits2")->setText(QStringLiteral("10"));
    Edit("meCurrencyExchange2")->setText(QStringLiteral("642,025"));
    Edit("meTaxCurrencySum")->setText(QStringLiteral("2,5"));
    EXPECT_EQ(Label("pnlTaxRoubleSum"), QStringLiteral("160,51"));
}

TEST_F(ForeignIncomesTest, AutomaticRateComesFromTheRateInForceOnTheDate) {
    mTDeclaration doc = Declaration();
    mTCurrencyIncome& bank = Add(doc, "Bank");
    bank.CurrencyCode.clear();
    // A payment date of its own, which the income date does not move.
    bank.IncomeDate = Date::Ymd(2017, 1, 2);
    Open(doc);
    Select(0);
    EXPECT_FALSE(AutoBox()->isEnabled());
    SetDate("dtIncomeGetDate", 11);
    Edit("meCurrencyCode")->setText(QStringLiteral("840"));
    EXPECT_EQ(Edit("meCurrencyName")->text(), QStringLiteral("Доллар США"));
    EXPECT_TRUE(Edit("meCurrencyName")->isReadOnly());
    ASSERT_TRUE(AutoBox()->isEnabled());
    AutoBox()->click();
    EXPECT_EQ(Edit("meCurrencyExchange")->text(), QStringLiteral("60,5"));
    EXPECT_EQ(Edit("meCurrencyUnits")->text(), QStringLiteral("1"));
    EXPECT_TRUE(Edit("meCurrencyExchange")->isReadOnly());
    SetDate("dtIncomeGetDate", 12);
    EXPECT_EQ(Edit("meCurrencyExchange")->text(), QStringLiteral("61,25"));
    // The payment date 01.01 has no rate in force: it stays for the user to type.
    EXPECT_FALSE(Edit("meCurrencyExchange2")->isReadOnly());
    EXPECT_TRUE(Edit("meCurrencyExchange2")->text().isEmpty());

    SetDate("dtIncomeGetDate", 9);
    EXPECT_FALSE(AutoBox()->isEnabled());
    EXPECT_FALSE(AutoBox()->isChecked());
    EXPECT_FALSE(Edit("meCurrencyExchange")->isReadOnly());
    // The user is told why the tick went away, and the disabled box says it too.
    const QString noRate = QString::fromUtf8(kNoRateMessage);
    ASSERT_FALSE(ui.Texts(ScriptedUi::Kind::Inform).isEmpty());
    EXPECT_EQ(ui.Texts(ScriptedUi::Kind::Inform).back(), noRate);
    EXPECT_EQ(AutoBox()->toolTip(), noRate);

    // Four decimals of the Central Bank rate are kept.
    Edit("meCurrencyCode")->setText(QStringLiteral("392"));
    AutoBox()->click();
    EXPECT_EQ(Edit("meCurrencyExchange")->text(), QStringLiteral("52,2458"));
    EXPECT_EQ(Edit("meCurrencyUnits")->text(), QStringLiteral("100"));
    AutoBox()->click();
    EXPECT_TRUE(Edit("meCurrencyExchange")->text().isEmpty());

    Edit("meCurrencyCode")->setText(QStringLiteral("999"));
    EXPECT_TRUE(Edit("meCurrencyName")->text().isEmpty());
    EXPECT_FALSE(Edit("meCurrencyName")->isReadOnly());
    EXPECT_FALSE(AutoBox()->isEnabled());
}

// Rates of another currency or another day are never kept: with the automatic box unticked a
// change of the currency or of a date empties the rates it concerns, and so do the roubles.
TEST_F(ForeignIncomesTest, ChangedCurrencyOrDateEmptiesTheTypedRates) {
    mTDeclaration doc = Declaration();
    Add(doc, "Bank").SetIncomeInCurrency(Amount("1000"));
    Open(doc);
    Select(0);
    const auto typeRates = [this] {
        for (const char* name : {"meCurrencyUnits", "meCurrencyUnits2"})
            Edit(name)->setText(QStringLiteral("1"));
        Edit("meCurrencyExchange")->setText(QStringLiteral("60,5"));
        Edit("meCurrencyExchange2")->setText(QStringLiteral("61"));
    };
    const struct {
        const char* name;
        std::function<void()> change;
        bool incomeRateKept, taxRateKept;
    } cases[] = {
        {"payment date", [this] { SetDate("dtSubtractDate", 20); }, true, false},
        {"income date", [this] { SetDate("dtIncomeGetDate", 20); }, false, true},
        {"currency in the dictionary", [this] { Edit("meCurrencyCode")->setText(QStringLiteral("392")); }, false,
         false},
        {"currency the dictionary lacks", [this] { Edit("meCurrencyCode")->setText(QStringLiteral("999")); }, false,
         false},
    };
    for (const auto& c : cases) {
        typeRates();
        ASSERT_EQ(Label("pnlIncomeRublSum"), QStringLiteral("60500")) << c.name;
        c.change();
        EXPECT_FALSE(AutoBox()->isChecked()) << c.name;
        EXPECT_EQ(Edit("meCurrencyExchange")->text().isEmpty(), !c.incomeRateKept) << c.name;
        EXPECT_EQ(Edit("meCurrencyUnits")->text().isEmpty(), !c.incomeRateKept) << c.name;
        EXPECT_EQ(Edit("meCurrencyExchange2")->text().isEmpty(), !c.taxRateKept) << c.name;
        EXPECT_EQ(Edit("meCurrencyUnits2")->text().isEmpty(), !c.taxRateKept) << c.name;
        EXPECT_EQ(Label("pnlIncomeRublSum"), c.incomeRateKept ? QStringLiteral("60500") : QStringLiteral("0"))
            << c.name;
        Edit("meCurrencyCode")->setText(QStringLiteral("840"));
    }
    window->CurrentScreen()->SaveToDocument();
    EXPECT_TRUE(Record(0).IncomeRate.IsZero());
    EXPECT_TRUE(Record(0).IncomeInRoubles.IsZero());

    // Rates the dictionary gave for the dollar do not stay for a currency without rates.
    SetDate("dtIncomeGetDate", 11);
    AutoBox()->click();
    ASSERT_EQ(Edit("meCurrencyExchange")->text(), QStringLiteral("60,5"));
    Edit("meCurrencyCode")->setText(QStringLiteral("974"));
    EXPECT_FALSE(AutoBox()->isChecked());
    EXPECT_TRUE(Edit("meCurrencyExchange")->text().isEmpty());
    EXPECT_FALSE(Edit("meCurrencyExchange")->isReadOnly());
}

TEST_F(ForeignIncomesTest, PickingABelarusianRoubleWarnsOnce) {
    mTDeclaration doc = Declaration();
    Add(doc, "Bank");
    Open(doc);
    Select(0);
    ui.PickCode(QStringLiteral("974"));
    W<QPushButton>("bnCurrencyCode")->click();
    EXPECT_EQ(Edit("meCurrencyCode")->text(), QStringLiteral("974"));
    ASSERT_EQ(ui.Texts(ScriptedUi::Kind::Inform).size(), 1);
    EXPECT_TRUE(ui.Texts(ScriptedUi::Kind::Inform).front().startsWith(QStringLiteral("Курс старого белорусского")));
    ui.PickCode(QStringLiteral("974"));
    W<QPushButton>("bnCurrencyCode")->click();
    EXPECT_EQ(ui.Texts(ScriptedUi::Kind::Inform).size(), 1);
}

TEST_F(ForeignIncomesTest, CheckOfTheControlledCompany) {
    mTDeclaration doc = Declaration();
    Add(doc, "Clean");
    mTCurrencyIncome& cfc = Add(doc, "Company", 1000);
    cfc.CfcNumber = "АБ 1234";
    TfrCurrency& screen = Open(doc);

    ui.Modal(Answer(TfmCheckError::kSkip)).Modal(Answer(TfmCheckError::kFix));
    EXPECT_EQ(screen.CheckScreen(), 2);
    EXPECT_EQ(ui.checkMessages,
              QStringList({QStringLiteral("По данному источнику номер КИК указан некорректно (состоит из двух букв и "
                                          "пяти цифр)"),
                           QStringLiteral("По данному источнику не указан порядок определения прибыли КИК")}));
    EXPECT_EQ(ui.checkCaptions.front(), QStringLiteral("Проверка: Доходы в валюте"));

    // A missing number is reported as missing only; skipping all ends the run.
    window->Declaration().CurrencyIncome(1).CfcNumber.clear();
    ui.checkMessages.clear();
    ui.Modal(Answer(TfmCheckError::kSkipAll));
    EXPECT_EQ(screen.CheckScreen(), 0);
    EXPECT_EQ(ui.checkMessages, QStringList({QStringLiteral("По данному источнику необходимо указать номер КИК")}));

    window->Declaration().CurrencyIncome(1).CfcNumber = "АБ 12345";
    window->Declaration().CurrencyIncome(1).CfcProfitRule = CfcProfitRule::ByRussianRules;
    ui.checkMessages.clear();
    EXPECT_EQ(screen.CheckScreen(), 0);
    EXPECT_TRUE(ui.checkMessages.isEmpty());
}

TEST_F(ForeignIncomesTest, CheckStopsAtTheFirstProblemOutsideTheCompany) {
    mTDeclaration doc = Declaration();
    Add(doc, "Securities", 1530).DeductionCode = 201;
    Add(doc, "Rent", 1400).DeductionCode = 201;
    Add(doc, "No currency").CurrencyCode.clear();
    TfrCurrency& screen = Open(doc);
    ui.Modal(Answer(TfmCheckError::kSkip));
    EXPECT_EQ(screen.CheckScreen(), 0);
    EXPECT_EQ(ui.checkMessages, QStringList({QStringLiteral("По данному источнику выплаты не указана сумма вычета")}));

    window->Declaration().CurrencyIncome(1).DeductionAmount = Amount("10");
    ui.Modal(Answer(TfmCheckError::kFix));
    EXPECT_EQ(screen.CheckScreen(), 3);
    EXPECT_EQ(ui.checkMessages.back(), QStringLiteral("По данному источнику выплаты не указан код валюты"));
    screen.FocusItem(3);
    EXPECT_EQ(CurrentRow(), 2);
}

TEST_F(ForeignIncomesTest, EquivalentDeductionFollowsTheIncomeUpToItsCap) {
    mTDeclaration doc = Declaration();
    Add(doc, "Gift", 0).RateCode = 0;
    Open(doc);
    Select(0);
    EXPECT_FALSE(Edit("meIncomeCurrencySum")->isEnabled());
    EXPECT_FALSE(Label("lbNeedIncomeCode").isEmpty()) << "the disabled amount says why";
    ui.PickCode(QStringLiteral("2720"));
    W<QPushButton>("bnIncomeCod")->click();
    EXPECT_EQ(Label("pnlIncomeCod"), QStringLiteral("2720"));
    EXPECT_TRUE(Label("lbNeedIncomeCode").isEmpty());
    ASSERT_TRUE(Edit("meIncomeCurrencySum")->isEnabled());
    ASSERT_TRUE(W<QPushButton>("bnSubtractCod")->isEnabled());
    EXPECT_FALSE(W<TMaskedDocEdit>("meKIKNum")->isEnabled());
    Edit("meIncomeCurrencySum")->setText(QStringLiteral("5000"));
    Edit("meCurrencyExchange")->setText(QStringLiteral("1"));
    ui.PickCode(QStringLiteral("501"));
    W<QPushButton>("bnSubtractCod")->click();
    EXPECT_EQ(Edit("meSubtractSum")->text(), QStringLiteral("4000"));
    Edit("meIncomeCurrencySum")->setText(QStringLiteral("3000"));
    EXPECT_EQ(Edit("meSubtractSum")->text(), QStringLiteral("3000"));
    Edit("meIncomeCurrencySum")->setText(QStringLiteral("6000"));
    EXPECT_EQ(Edit("meSubtractSum")->text(), QStringLiteral("4000"));

    window->CurrentScreen()->SaveToDocument();
    EXPECT_EQ(Record(0).IncomeCode, 2720);
    EXPECT_EQ(Record(0).RateCode, 13);
    EXPECT_EQ(Record(0).DeductionCode, 501);
    EXPECT_EQ(Record(0).DeductionAmount, Amount("4000"));
    EXPECT_EQ(Record(0).IncomeInRoubles, Amount("6000"));
}

TEST_F(ForeignIncomesTest, TypedIncomeCodeIsTakenWithItsName) {
    mTDeclaration doc = Declaration();
    Add(doc, "Gift", 0).RateCode = 0;
    Add(doc, "Other");
    Open(doc);
    Select(0);
    TMaskedEdit* code = Edit("pnlIncomeCod");
    QTest::keyClicks(code, QStringLiteral("272"));
    EXPECT_TRUE(Label("lbIncomeName").isEmpty());
    EXPECT_FALSE(Edit("meIncomeCurrencySum")->isEnabled()) << "a part of a code is no code";
    QTest::keyClicks(code, QStringLiteral("0"));
    EXPECT_FALSE(Label("lbIncomeName").isEmpty()) << "the name shows as the code is typed";
    EXPECT_TRUE(Edit("meIncomeCurrencySum")->isEnabled());
    EXPECT_TRUE(W<QPushButton>("bnSubtractCod")->isEnabled());
    EXPECT_TRUE(Label("lbNeedIncomeCode").isEmpty());
    Select(1);
    EXPECT_EQ(Label("pnlIncomeCod"), QStringLiteral("1010"));
    EXPECT_EQ(window->Declaration().CurrencyIncome(0).IncomeCode, 2720);
}

TEST_F(ForeignIncomesTest, CompanyEntriesFollowTheIncomeCode) {
    mTDeclaration doc = Declaration();
    mTCurrencyIncome& cfc = Add(doc, "Company", 1000);
    cfc.CfcNumber = "АБ 12345";
    cfc.CfcProfitRule = CfcProfitRule::ByStatements;
    Add(doc, "Liquidation", 1001).CfcNumber = "ВГ 54321";
    Open(doc);
    Select(0);
    EXPECT_EQ(W<TMaskedDocEdit>("meKIKNum")->text(), QStringLiteral("АБ 12345"));
    EXPECT_TRUE(W<QRadioButton>("rb1")->isChecked());
    Select(1);
    EXPECT_EQ(W<TMaskedDocEdit>("meKIKNum")->text(), QStringLiteral("ВГ 54321"));
    EXPECT_TRUE(W<TMaskedDocEdit>("meKIKNum")->isEnabled());
    EXPECT_FALSE(W<QRadioButton>("rb1")->isEnabled());
    EXPECT_FALSE(W<QRadioButton>("rb1")->isChecked());
    // Leaving a row keeps what it shows.
    Select(0);
    EXPECT_EQ(Record(1).CfcNumber, "ВГ 54321");
    EXPECT_EQ(Record(0).CfcProfitRule, CfcProfitRule::ByStatements);
}

TEST_F(ForeignIncomesTest, CopyKeepsTheWholeRecord) {
    mTDeclaration doc = Declaration();
    mTCurrencyIncome& r = Add(doc, "Bank", 1000);
    r.CountryCode = "826";
    r.CurrencyName = "Доллар США";
    r.IncomeDate = Date::Ymd(2017, 3, 1);
    r.TaxPaymentDate = Date::Ymd(2017, 3, 2);
    r.TaxUnits = 1;
    r.TaxRate = Amount("61");
    r.SetIncomeInCurrency(Amount("100"));
    r.AutomaticRate = true;
    r.CfcNumber = "АБ 12345";
    r.CfcProfitRule = CfcProfitRule::ByRussianRules;
    Open(doc);
    Select(0);
    Edit("meTaxCurrencySum")->setText(QStringLiteral("7"));
    W<QPushButton>("fbCopySourse")->click();
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("Bank"), QStringLiteral("Bank")}));
    EXPECT_EQ(CurrentRow(), 1);
    // What the copy shows is what it keeps: leaving it saves the entries into it.
    Select(0);
    const mTCurrencyIncome& from = Record(0);
    const mTCurrencyIncome& copy = Record(1);
    EXPECT_EQ(from.TaxInCurrency, Amount("7"));
    EXPECT_EQ(std::tuple(copy.SourceName, copy.CountryCode, copy.IncomeCode, copy.RateCode, copy.CurrencyCode,
                         copy.CurrencyName, copy.CfcNumber, copy.CfcProfitRule),
              std::tuple(from.SourceName, from.CountryCode, from.IncomeCode, from.RateCode, from.CurrencyCode,
                         from.CurrencyName, from.CfcNumber, from.CfcProfitRule));
    EXPECT_EQ(std::tuple(copy.IncomeDate, copy.TaxPaymentDate, copy.IncomeUnits, copy.TaxUnits, copy.AutomaticRate),
              std::tuple(from.IncomeDate, from.TaxPaymentDate, from.IncomeUnits, from.TaxUnits, from.AutomaticRate));
    EXPECT_EQ(std::tuple(copy.IncomeRate, copy.TaxRate, copy.IncomeInCurrency, copy.IncomeInRoubles, copy.TaxInCurrency,
                         copy.TaxInRoubles),
              std::tuple(Amount("60.5"), Amount("61"), Amount("100"), Amount("6050"), Amount("7"), Amount("427")));
    EXPECT_FALSE(window->Saved());
}

TEST_F(ForeignIncomesTest, ListShowsEachIncomeWithRoubleTotals) {
    mTDeclaration doc = Declaration();
    mTCurrencyIncome& apple = Add(doc, "Apple Inc.");
    apple.IncomeDate = Date::Ymd(2017, 5, 18);
    apple.TaxUnits = 1;
    apple.TaxRate = Amount("57.1");
    apple.SetIncomeInCurrency(Amount("57"));
    apple.SetTaxInCurrency(Amount("5.7"));
    mTCurrencyIncome& bank = Add(doc, "Bank", 1011);
    bank.CountryCode = "826";
    bank.IncomeDate = Date::Ymd(2017, 2, 1);
    bank.SetIncomeInCurrency(Amount("1000"));
    Open(doc);
    const std::array<const char*, ForeignIncomeModel::ColumnCount> first = {
        "18.05.2017", "840 США", "Apple Inc.", "1010", "840", "57", "5,7", "3448,5", "325,47"};
    for (int c = 0; c < ForeignIncomeModel::ColumnCount; ++c)
        EXPECT_EQ(Cell(0, c), QString::fromUtf8(first[static_cast<size_t>(c)])) << "column " << c;
    EXPECT_EQ(Cell(1, ForeignIncomeModel::TaxInCurrency), QString());
    EXPECT_EQ(Cell(1, ForeignIncomeModel::Country), QStringLiteral("826")) << "a code the dictionary lacks";
    EXPECT_EQ(Label("lbTotalIncome"), QStringLiteral("63948,5"));
    EXPECT_EQ(Label("lbTotalTax"), QStringLiteral("325,47"));

    // Sorted by date and by roubles, the selection follows its record.
    Select(0);
    List()->sortByColumn(ForeignIncomeModel::Date, Qt::AscendingOrder);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("Bank"), QStringLiteral("Apple Inc.")}));
    EXPECT_EQ(CurrentRow(), 1);
    List()->sortByColumn(ForeignIncomeModel::IncomeInRoubles, Qt::DescendingOrder);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("Bank"), QStringLiteral("Apple Inc.")}));
    List()->sortByColumn(ForeignIncomeModel::TaxInRoubles, Qt::DescendingOrder);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("Apple Inc."), QStringLiteral("Bank")}));

    // An amount typed on the screen reaches the row and the totals once the row is left.
    Select(1);
    Edit("meIncomeCurrencySum")->setText(QStringLiteral("2000"));
    Select(0);
    EXPECT_EQ(Label("lbTotalIncome"), QStringLiteral("124448,5"));
    EXPECT_EQ(Cell(1, ForeignIncomeModel::IncomeInRoubles), QStringLiteral("121000"));
}

TEST_F(ForeignIncomesTest, DeleteRemovesEverySelectedSourceAndKeepsTheListFocused) {
    mTDeclaration doc = Declaration();
    for (const char* name : {"A", "B", "C", "D", "E"})
        Add(doc, name).SetIncomeInCurrency(Amount("1"));
    Open(doc);
    List()->setFocus();
    Select(1);
    Select(3, QItemSelectionModel::Select);
    Select(4, QItemSelectionModel::Select);
    // As a mouse click would, the button takes the focus.
    W<QPushButton>("fbDeleteSourse")->setFocus();
    W<QPushButton>("fbDeleteSourse")->click();
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(CurrentRow(), 0);
    EXPECT_EQ(window->focusWidget(), List());
    EXPECT_EQ(Label("lbTotalIncome"), QStringLiteral("121"));
    // The Delete key does the same.
    Select(0);
    Select(1, QItemSelectionModel::Select);
    PressKey(List(), Qt::Key_Delete);
    EXPECT_EQ(window->Declaration().CurrencyIncomeCount(), 0u);
    EXPECT_FALSE(W<QGroupBox>("gbIncome")->isEnabled());
}

TEST_F(ForeignIncomesTest, SourceDialogNeedsACountry) {
    Open(Declaration());
    EXPECT_FALSE(W<QGroupBox>("gbIncome")->isEnabled());
    EXPECT_FALSE(W<QLabel>("lbNoSource")->isHidden()) << "the disabled entries say why";
    bool skipEnabled = true;
    bool stayedOpen = false;
    ui.Modal([&](QDialog& dialog) {
        Find<TMaskedEdit>(&dialog, "meSourseName")->setText(QStringLiteral("  Bank of Nowhere "));
        ui.Modal([&](QDialog& check) {
              skipEnabled = dynamic_cast<TfmCheckError&>(check).Button2()->isEnabled();
              return TfmCheckError::kFix;
          }).PickCode(QStringLiteral("840"));
        Find<QPushButton>(&dialog, "btYes")->click();
        stayedOpen = dialog.result() != QDialog::Accepted;
        EXPECT_EQ(Find<TMaskedEdit>(&dialog, "meGos")->text(), QStringLiteral("840"));
        // Enter with a blank country asks again but opens no picker.
        Find<TMaskedEdit>(&dialog, "meGos")->clear();
        ui.Modal(Answer(TfmCheckError::kFix));
        PressKey(Find<TMaskedEdit>(&dialog, "meGos"), Qt::Key_Return);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        Find<TMaskedEdit>(&dialog, "meGos")->setText(QStringLiteral("643"));
        Find<QPushButton>(&dialog, "btYes")->click();
        return dialog.result();
    });
    W<QPushButton>("fbAddSourse")->click();
    EXPECT_FALSE(skipEnabled);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(ui.NothingPending());
    ASSERT_EQ(window->Declaration().CurrencyIncomeCount(), 1u);
    EXPECT_EQ(Record(0).CountryCode, "643");
    EXPECT_EQ(ui.checkMessages,
              QStringList({QStringLiteral("Не выбран код страны"), QStringLiteral("Не выбран код страны")}));
    EXPECT_TRUE(W<QGroupBox>("gbIncome")->isEnabled());
    EXPECT_TRUE(W<QLabel>("lbNoSource")->isHidden());
    // A new income takes the Central Bank rate as soon as its currency and date have one.
    EXPECT_FALSE(AutoBox()->isEnabled());
    SetDate("dtIncomeGetDate", 11);
    Edit("meCurrencyCode")->setText(QStringLiteral("840"));
    EXPECT_TRUE(AutoBox()->isChecked());
    EXPECT_EQ(Edit("meCurrencyExchange")->text(), QStringLiteral("60,5"));

    // A blank name adds nothing.
    ui.Modal([](QDialog& dialog) {
        Find<TMaskedEdit>(&dialog, "meGos")->setText(QStringLiteral("643"));
        Find<QPushButton>(&dialog, "btYes")->click();
        return dialog.result();
    });
    W<QPushButton>("fbAddSourse")->click();
    EXPECT_EQ(window->Declaration().CurrencyIncomeCount(), 1u);
}

TEST_F(ForeignIncomesTest, DeletingTheLastSourceClearsAndDisablesTheEntries) {
    mTDeclaration doc = Declaration();
    Add(doc, "Bank").SetIncomeInCurrency(Amount("12"));
    Open(doc);
    Select(0);
    EXPECT_EQ(Edit("meIncomeCurrencySum")->text(), QStringLiteral("12"));
    W<QPushButton>("fbDeleteSourse")->click();
    EXPECT_EQ(window->Declaration().CurrencyIncomeCount(), 0u);
    EXPECT_TRUE(Edit("meIncomeCurrencySum")->text().isEmpty());
    EXPECT_TRUE(Edit("meCurrencyCode")->text().isEmpty());
    EXPECT_TRUE(Label("pnlIncomeCod").isEmpty());
    for (const char* group : {"gbIncome", "gbExchange", "gbIncomeSum", "gbTaxSum", "gbDeduct", "gbKIK"})
        EXPECT_FALSE(W<QGroupBox>(group)->isEnabled()) << group;
    EXPECT_FALSE(W<QPushButton>("fbCopySourse")->isEnabled());
}

// A caption, a figure or a button is cut when its widget is narrower than its text: a fixed width must hold the text,
// any other widget at least the size it asks for, and a wrapped label the height of its lines.
bool ShownWhole(const QWidget& w) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->wordWrap())
            return label->height() >= label->heightForWidth(label->width());
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        text = button->text();
    } else {
        return true;
    }
    if (w.minimumWidth() > 0 && w.minimumWidth() == w.maximumWidth())
        return w.fontMetrics().horizontalAdvance(text.remove(QLatin1Char('&'))) < w.contentsRect().width();
    return w.width() >= w.minimumSizeHint().width();
}

// The list takes most of the width and the height the entries leave, and keeps a few rows in the smallest window,
// where the entries scroll; every text is whole. The splitter's place is kept for the next time the screen is shown.
TEST_F(ForeignIncomesTest, ListTakesTheRoomAndEveryTextShowsWhole) {
    mTDeclaration doc = Declaration();
    for (int i = 0; i < 300; ++i)
        Add(doc, "Apple Inc.").SetIncomeInCurrency(Amount("9999999.99"));
    const auto show = [this, &doc](QSize size) -> TfrCurrency& {
        TfrCurrency& screen = Open(doc);
        Select(0);
        window->resize(size);
        window->show();
        QApplication::processEvents();
        return screen;
    };
    const auto rows = [this] { return List()->viewport()->height() / List()->verticalHeader()->defaultSectionSize(); };
    for (auto [size, fewestRows] : {std::pair(QSize(750, 550), 7), std::pair(QSize(1280, 900), 11)}) {
        SCOPED_TRACE(size.width());
        TfrCurrency& screen = show(size);
        ASSERT_EQ(window->size(), size);
        for (const QWidget* w : screen.findChildren<QWidget*>()) {
            EXPECT_TRUE(!w->isVisible() || ShownWhole(*w))
                << w->objectName().toStdString() << " " << w->metaObject()->className() << " " << w->width();
        }
        EXPECT_GT(List()->width(), screen.width() * 4 / 5);
        EXPECT_GE(rows(), fewestRows);
    }

    // The handle dragged down by a hundred pixels, as the mouse does it: the entries scroll.
    auto* splitter = W<QSplitter>("spCurrency");
    QWidget* handle = splitter->handle(1);
    const int before = splitter->sizes().front();
    const QPoint from = handle->rect().center();
    for (auto [type, at, buttons] : {std::tuple{QEvent::MouseButtonPress, from, Qt::LeftButton},
                                     std::tuple{QEvent::MouseMove, from + QPoint(0, 100), Qt::LeftButton},
                                     std::tuple{QEvent::MouseButtonRelease, from + QPoint(0, 100), Qt::NoButton}}) {
        QMouseEvent event(type, QPointF(at), QPointF(handle->mapToGlobal(at)), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    }
    const int after = splitter->sizes().front();
    EXPECT_EQ(after, before + 100);
    show(QSize(1280, 900));
    EXPECT_EQ(W<QSplitter>("spCurrency")->sizes().front(), after);
}

// A new income starts on a working day, the first of the year or the income date last used, with its tax paid that
// day; the payment date follows the income date until the user sets it apart.
TEST_F(ForeignIncomesTest, NewIncomeDatesAndThePaymentDateThatFollows) {
    Open(Declaration());
    const auto add = [this](const char* name) {
        ui.Modal([name](QDialog& dialog) {
            Find<TMaskedEdit>(&dialog, "meSourseName")->setText(QString::fromUtf8(name));
            Find<TMaskedEdit>(&dialog, "meGos")->setText(QStringLiteral("840"));
            Find<QPushButton>(&dialog, "btYes")->click();
            return dialog.result();
        });
        W<QPushButton>("fbAddSourse")->click();
    };
    const auto days = [this] {
        return std::pair(W<TDtpPanel>("dtIncomeGetDate")->GetDate().Day(),
                         W<TDtpPanel>("dtSubtractDate")->GetDate().Day());
    };
    add("Bank");
    EXPECT_EQ(W<TDtpPanel>("dtIncomeGetDate")->GetDate(), Date::Ymd(2017, 1, 9));
    EXPECT_EQ(days(), std::pair(9, 9));
    SetDate("dtIncomeGetDate", 20);
    EXPECT_EQ(days(), std::pair(20, 20));
    SetDate("dtSubtractDate", 25);
    SetDate("dtIncomeGetDate", 21);
    EXPECT_EQ(days(), std::pair(21, 25));
    add("Broker");
    EXPECT_EQ(days(), std::pair(21, 21));
    EXPECT_EQ(Record(0).TaxPaymentDate, Date::Ymd(2017, 1, 25));
}

// The dictionary holds dollar rates from 10.01 on and no rate of currency 999.
TEST_F(ForeignIncomesTest, ALineNamesTheDatesWithoutARateAndHowToLoadRates) {
    mTDeclaration doc = Declaration();
    Add(doc, "Bank").IncomeDate = Date::Ymd(2017, 1, 11);
    Open(doc);
    Select(0);
    const struct {
        const char* name;
        std::function<void()> change;
        const char* shown;  // nullptr: no line
    } cases[] = {
        {"payment date before the first rate", [] {}, "нет курса ЦБ РФ на 01.01.2017 (дата уплаты налога)"},
        {"both dates with a rate", [this] { SetDate("dtSubtractDate", 12); }, nullptr},
        {"income date before the first rate", [this] { SetDate("dtIncomeGetDate", 9); },
         "нет курса ЦБ РФ на 09.01.2017 (дата дохода)"},
        {"a currency without rates", [this] { Edit("meCurrencyCode")->setText(QStringLiteral("999")); },
         "Валюты с кодом 999 нет в справочнике курсов"},
    };
    const QLabel* line = W<QLabel>("lbNoRate");
    for (const auto& c : cases) {
        c.change();
        EXPECT_EQ(line->text().isEmpty(), c.shown == nullptr) << c.name;
        if (c.shown) {
            EXPECT_TRUE(line->text().contains(QString::fromUtf8(c.shown))) << line->text().toStdString();
            EXPECT_TRUE(line->text().contains(QStringLiteral("«Загрузить курсы ЦБ РФ...»"))) << c.name;
        }
    }
}

// Our template with two payments in dollars; the third line, when present, is refused.
QByteArray ImportTemplate(bool withBadLine) {
    QByteArray text =
        "Дата;Страна;Источник;КодДохода;Валюта;Доход;Налог\n"
        "10.01.2017;US;Apple Inc.;1010;840;57,00;5,70\n"
        "12.01.2017;840;Microsoft;;840;100;\n";
    if (withBadLine)
        text += "12.01.2017;840;Oracle;;840;12,345;\n";
    return text;
}

// The report's dialog is answered as the user would: a button, or Enter.
TEST_F(ForeignIncomesTest, ImportFromReportAddsTheConfirmedPaymentsAsOneStep) {
    const struct {
        const char* name;
        bool badLine;
        std::function<void(QDialog&)> answer;
        QStringList sources;
    } cases[] = {
        {"confirmed",
         false,
         [](QDialog& d) { Find<QPushButton>(&d, "btYes")->click(); },
         {"Bank", "Apple Inc.", "Microsoft"}},
        {"cancelled", false, [](QDialog& d) { Find<QPushButton>(&d, "btNo")->click(); }, {"Bank"}},
        {"refused line, cancelled", true, [](QDialog& d) { Find<QPushButton>(&d, "btNo")->click(); }, {"Bank"}},
        {"refused line, Enter", true, [](QDialog& d) { PressKey(&d, Qt::Key_Return); }, {"Bank"}},
        {"refused line, the rest imported",
         true,
         [](QDialog& d) { Find<QPushButton>(&d, "btYes")->click(); },
         {"Bank", "Apple Inc.", "Microsoft"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        mTDeclaration doc = Declaration();
        Add(doc, "Bank").SetIncomeInCurrency(Amount("10"));
        Open(doc);
        QString yes, shown;
        ui.OpenFile(ReportFile(ImportTemplate(c.badLine))).Modal([&](QDialog& dialog) {
            yes = Find<QPushButton>(&dialog, "btYes")->text();
            shown = Find<QPlainTextEdit>(&dialog, "teImportReport")->toPlainText();
            dialog.setResult(QDialog::Rejected);
            c.answer(dialog);
            return dialog.result();
        });
        W<QPushButton>("fbImportReport")->click();
        EXPECT_TRUE(ui.NothingPending());
        EXPECT_EQ(Rows(), c.sources);
        EXPECT_EQ(yes, c.badLine ? QStringLiteral("Загрузить остальные") : QStringLiteral("Загрузить"));
        EXPECT_TRUE(shown.contains(QStringLiteral("Загружено выплат: 2"))) << shown.toStdString();
        EXPECT_EQ(shown.contains(QStringLiteral("строка 4: неверное число «12,345» (доход)")), c.badLine);
        const bool imported = c.sources.size() > 1;
        EXPECT_EQ(window->Saved(), !imported);
        if (!imported)
            continue;
        // As the dialog computes them, at the dictionary's rates of the dates.
        EXPECT_EQ(std::tuple(Record(1).IncomeInRoubles, Record(1).TaxInRoubles, Record(1).CountryCode,
                             Record(2).IncomeInRoubles, Record(2).IncomeCode, Record(2).AutomaticRate),
                  std::tuple(Amount("3448.5"), Amount("344.85"), std::string("840"), Amount("6125"), 1010, true));
        EXPECT_EQ(Label("lbTotalIncome"), QStringLiteral("10178,5"));
        EXPECT_EQ(Label("lbTotalTax"), QStringLiteral("344,85"));
        EXPECT_EQ(CurrentRow(), 1);
        EXPECT_EQ(window->History().UndoName(), "загрузка из отчета брокера (выплат: 2)");
        window->Undo();
        EXPECT_EQ(Rows(), QStringList({QStringLiteral("Bank")}));
        EXPECT_TRUE(window->Saved());
    }
}

// Two statements chosen at once (the dictionary here has no letter codes: the currency is given by
// its number): the lot of one and the sale of the other (which repeats the purchase) make one sale of code 1530 with
// deduction 201, in one undo step. Bought 05.01.2017, settled T+3 on 10.01 at 60.5: 1000 × 60.5 = 60500; sold 06.01,
// settled 11.01 at 60.5: 1200 × 60.5 = 72600.
TEST_F(ForeignIncomesTest, ImportOfSeveralStatementsMatchesTheTrades) {
    folder.Write(QString::fromUtf8(kExchangeHolidaysFileName),
                 QByteArray("Дата;Праздник\n02.01.2017;New Year\n25.12.2017;Christmas\n"));
    const QByteArray header =
        "Trades,Header,DataDiscriminator,Asset Category,Currency,Symbol,Date/Time,Quantity,Proceeds,Comm/Fee,Code\n";
    const QByteArray buy = "Trades,Data,Order,Stocks,840,AAPL,\"2017-01-05, 10:00:00\",10,-1000,0,O\n";
    auto write = [&](const char* name, const QByteArray& text) {
        const QString path = files.path() + QLatin1Char('/') + QLatin1String(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        return path;
    };
    const QString first = write("a.csv", header + buy);
    const QString second =
        write("b.csv", header + buy + "Trades,Data,Order,Stocks,840,AAPL,\"2017-01-06, 10:00:00\",-10,1200,0,C\n");
    Open(Declaration());
    QString shown;
    const QString saved = files.path() + QStringLiteral("/register.txt");
    ui.OpenFile(first + QLatin1Char('\n') + second).Modal([&](QDialog& dialog) {
        shown = Find<QPlainTextEdit>(&dialog, "teImportReport")->toPlainText();
        ui.SaveFile(saved);
        Find<QPushButton>(&dialog, "btSaveReport")->click();
        Find<QPushButton>(&dialog, "btYes")->click();
        return int(QDialog::Accepted);
    });
    W<QPushButton>("fbImportReport")->click();
    EXPECT_TRUE(ui.NothingPending());
    ASSERT_EQ(window->Declaration().CurrencyIncomeCount(), 1u) << shown.toStdString();
    EXPECT_EQ(std::tuple(Record(0).IncomeCode, Record(0).IncomeInRoubles, Record(0).DeductionCode,
                         Record(0).DeductionAmount, Record(0).IncomeDate),
              std::tuple(1530, Amount("72600"), 201, Amount("60500"), Date::Ymd(2017, 1, 11)));
    EXPECT_TRUE(shown.contains(QStringLiteral("b.csv, строка 2: повтор строки другого отчета"))) << shown.toStdString();
    // The report saved from the dialog is the one shown, with the lot of the other file.
    QFile register_(saved);
    ASSERT_TRUE(register_.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(register_.readAll()), shown);
    EXPECT_EQ(ui.writtenFiles,
              QStringList({QStringLiteral("Отчет о загрузке сохранен в файл ") + QDir::toNativeSeparators(saved)}));
    EXPECT_TRUE(shown.contains(QStringLiteral("лот a.csv, строка 2, сделка 05.01.2017, оплата 10.01.2017")));
    window->Undo();
    EXPECT_EQ(window->Declaration().CurrencyIncomeCount(), 0u);
}

// Bought 10.01.2017 (Tuesday), settled 13.01; sold 12.01, settled 17.01: by the settlement dates the lot costs
// 1000 × 61.25 = 61250, by the trade dates 1000 × 60.5 = 60500; the sale brings 1200 × 61.25 = 73500 either way.
TEST_F(ForeignIncomesTest, ImportTakesTheTradesAtTheDatesChosenAndRemembersTheChoice) {
    folder.Write(QString::fromUtf8(kExchangeHolidaysFileName),
                 QByteArray("Дата;Праздник\n02.01.2017;New Year\n25.12.2017;Christmas\n"));
    const QString statement = ReportFile(
        "Trades,Header,DataDiscriminator,Asset Category,Currency,Symbol,Date/Time,Quantity,Proceeds,Comm/Fee,Code\n"
        "Trades,Data,Order,Stocks,840,AAPL,\"2017-01-10, 10:00:00\",10,-1000,0,O\n"
        "Trades,Data,Order,Stocks,840,AAPL,\"2017-01-12, 10:00:00\",-10,1200,0,C\n");
    Open(Declaration());
    TradeDates offered = TradeDates::Trade;
    QString bySettlement, byTrade;
    ui.OpenFile(statement).Modal([&](QDialog& dialog) {
        auto* dates = Find<QComboBox>(&dialog, "cbTradeDates");
        offered = static_cast<TradeDates>(dates->currentData().toInt());
        bySettlement = Find<QPlainTextEdit>(&dialog, "teImportReport")->toPlainText();
        dates->setCurrentIndex(dates->findData(static_cast<int>(TradeDates::Trade)));
        byTrade = Find<QPlainTextEdit>(&dialog, "teImportReport")->toPlainText();
        Find<QPushButton>(&dialog, "btYes")->click();
        return dialog.result();
    });
    W<QPushButton>("fbImportReport")->click();
    EXPECT_EQ(offered, TradeDates::Settlement);
    EXPECT_TRUE(bySettlement.contains(QStringLiteral("61250"))) << bySettlement.toStdString();
    EXPECT_TRUE(byTrade.contains(QStringLiteral("60500"))) << byTrade.toStdString();
    ASSERT_EQ(window->Declaration().CurrencyIncomeCount(), 1u);
    EXPECT_EQ(std::tuple(Record(0).IncomeDate, Record(0).IncomeInRoubles, Record(0).DeductionAmount),
              std::tuple(Date::Ymd(2017, 1, 12), Amount("73500"), Amount("60500")));

    // The next import offers the dates chosen last.
    ui.OpenFile(statement).Modal([&](QDialog& dialog) {
        offered = static_cast<TradeDates>(Find<QComboBox>(&dialog, "cbTradeDates")->currentData().toInt());
        return int(QDialog::Rejected);
    });
    W<QPushButton>("fbImportReport")->click();
    EXPECT_EQ(offered, TradeDates::Trade);
}

// A report without a payment that can be imported is only shown; a file that cannot be read is told.
TEST_F(ForeignIncomesTest, ImportOfNothingChangesNothing) {
    Open(Declaration());
    bool yesShown = true;
    ui.OpenFile(ReportFile("Дата;Страна;Источник;КодДохода;Валюта;Доход;Налог\n10.01.2017;US;X;;978;1;\n"))
        .Modal([&](QDialog& dialog) {
            yesShown = !Find<QPushButton>(&dialog, "btYes")->isHidden();
            EXPECT_EQ(Find<QPushButton>(&dialog, "btNo")->text(), QStringLiteral("Закрыть"));
            return int(QDialog::Rejected);
        });
    W<QPushButton>("fbImportReport")->click();
    EXPECT_FALSE(yesShown);
    ui.OpenFile(files.path() + QStringLiteral("/missing.csv"));
    W<QPushButton>("fbImportReport")->click();
    EXPECT_EQ(ui.Texts(ScriptedUi::Kind::Error).size(), 1);
    ui.OpenFile(QString());
    W<QPushButton>("fbImportReport")->click();
    EXPECT_TRUE(ui.NothingPending());
    EXPECT_EQ(window->Declaration().CurrencyIncomeCount(), 0u);
    EXPECT_TRUE(window->Saved());
}

}  // namespace
}  // namespace zizaza::test
