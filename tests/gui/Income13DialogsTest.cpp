#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "dictionaries/ui/TCodeListPicker.h"
#include "model/mTThirteenPercent.h"
#include "screens/TfmInput13Income.h"
#include "screens/TfmInput13NRIncome.h"
#include "screens/TfmInput13SourseIncome.h"

namespace zizaza::test {
namespace {

const QString kCaption = QStringLiteral("Проверка: Доходы, облагаемые по ставке 13%");

// The entry dialogs of the 13% screen, made over a main window as their host.
class Income13DialogsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
    }
    template <typename T = QWidget>
    static T* W(QDialog& dialog, const char* name) {
        return Find<T>(&dialog, name);
    }
    static QString Text(QDialog& dialog, const char* name) { return W<QLineEdit>(dialog, name)->text(); }
    static void Set(QDialog& dialog, const char* name, const QString& text) {
        W<QLineEdit>(dialog, name)->setText(text);
    }
    static bool Editable(QDialog& dialog, const char* name) {
        auto* edit = W<QLineEdit>(dialog, name);
        return edit->isEnabled() && !edit->isReadOnly() && !edit->isHidden();
    }
    // Presses "Да"; true when the dialog accepted.
    static bool Yes(TEntryDialog& dialog) {
        dialog.setResult(-1);
        dialog.YesButton()->click();
        return dialog.result() == QDialog::Accepted;
    }
    // An income dialog with the income code (and the deduction code) chosen in the pickers.
    std::unique_ptr<TfmInput13Income> Income(const char* code, const char* deduction = nullptr,
                                             bool nonResident = false) {
        auto dialog = std::make_unique<TfmInput13Income>(*window, nonResident);
        ui.PickCode(QString::fromLatin1(code));
        dialog->ChooseIncomeCode();
        if (deduction) {
            ui.PickCode(QString::fromLatin1(deduction));
            dialog->ChooseDeductCode();
        }
        return dialog;
    }
};

TEST_F(Income13DialogsTest, SourceDialogRunsThePaymentSourceCheck) {
    TfmInput13SourseIncome dialog(*window, false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Источник выплаты"));
    Set(dialog, "meName", QStringLiteral("ООО Ромашка"));
    Set(dialog, "meINN", QStringLiteral("1234567894"));
    Set(dialog, "meOKTMO", QStringLiteral("45382000"));
    ui.Click(QStringLiteral("Button1"));
    EXPECT_FALSE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Отсутствует КПП")});
    EXPECT_EQ(ui.checkCaptions, QStringList{kCaption});
    EXPECT_EQ(dialog.focusWidget(), W(dialog, "meKPP"));

    // A missing OKTMO may be skipped; nothing else is wrong, so the source is taken.
    Set(dialog, "meKPP", QStringLiteral("770101001"));
    Set(dialog, "meOKTMO", QString());
    ui.Modal([](QDialog& check) {
        EXPECT_FALSE(Find<QPushButton>(&check, "Button3")->isEnabled()) << "no skip-all in a source check";
        Find<QPushButton>(&check, "Button2")->click();
        return check.result();
    });
    EXPECT_TRUE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages.last(),
              QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)"));

    mTThirteenPercent source;
    W<QCheckBox>(dialog, "cbStandartDeduct")->setChecked(true);
    dialog.Apply(source);
    EXPECT_EQ(source.Name, "ООО Ромашка");
    EXPECT_EQ(source.Inn, "1234567894");
    EXPECT_EQ(source.Kpp, "770101001");
    EXPECT_EQ(source.Oktmo, "");
    EXPECT_TRUE(source.WorkplaceFlag);
}

TEST_F(Income13DialogsTest, SourceDialogFilledFromTheSourceAndWithoutTheTickForNonResidents) {
    mTThirteenPercent source;
    source.Name = "  Петров П.П.  ";
    source.Inn = ValidPersonInn("7701234567");
    source.Oktmo = "45382000";
    source.WorkplaceFlag = true;
    TfmInput13SourseIncome dialog(*window, true);
    dialog.Fill(source);
    EXPECT_TRUE(W(dialog, "cbStandartDeduct")->isHidden());
    EXPECT_TRUE(W<QCheckBox>(dialog, "cbStandartDeduct")->isChecked());
    EXPECT_EQ(dialog.TrimmedName(), QStringLiteral("Петров П.П."));
    EXPECT_EQ(Text(dialog, "meINN"), QString::fromStdString(source.Inn));
    EXPECT_TRUE(Yes(dialog)) << "a natural person needs no KPP";
}

TEST_F(Income13DialogsTest, IncomeDialogOffersOnlyTheCodeChooserUntilACodeIsChosen) {
    TfmInput13Income dialog(*window, false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Сведения о доходе"));
    EXPECT_TRUE(W(dialog, "bnIncomeCode")->isEnabled());
    for (const char* off : {"meIncomeSum", "bnDeductCode", "meMonth"})
        EXPECT_FALSE(W(dialog, off)->isEnabled()) << off;
    EXPECT_TRUE(W(dialog, "pnlProperty")->isHidden());

    ui.PickCode(QStringLiteral("2000"));
    dialog.ChooseIncomeCode();
    EXPECT_EQ(ui.modalTitles.last(), QStringLiteral("Справочник видов доходов"));
    EXPECT_EQ(Text(dialog, "meIncomeCode"), QStringLiteral("2000"));
    EXPECT_TRUE(W<QLabel>(dialog, "lbIncomeName")->text().startsWith(QStringLiteral("Заработная плата")));
    EXPECT_TRUE(Editable(dialog, "meIncomeSum"));
    EXPECT_TRUE(W(dialog, "meMonth")->isEnabled());
    EXPECT_FALSE(W(dialog, "bnDeductCode")->isEnabled()) << "2000 has no deductions";

    Set(dialog, "meIncomeSum", QStringLiteral("50000"));
    Set(dialog, "meMonth", QStringLiteral("13"));
    EXPECT_EQ(Text(dialog, "meMonth"), QStringLiteral("12"));
    Set(dialog, "meMonth", QStringLiteral("0"));
    EXPECT_EQ(Text(dialog, "meMonth"), QStringLiteral("1"));
    Set(dialog, "meMonth", QString());
    EXPECT_TRUE(Yes(dialog));
    const mTSourseIncome line = dialog.Line();
    EXPECT_EQ(line.IncomeCode, 2000);
    EXPECT_EQ(line.IncomeAmount, Money::Roubles(50000));
    EXPECT_EQ(line.Month, 1) << "an empty month is January";
    EXPECT_EQ(line.DeductionCode, 0);
}

TEST_F(Income13DialogsTest, PropertyBoughtAfter2016TakesTheLargerOfPriceAndSeventyPercentOfTheCadastralValue) {
    auto dialog = Income("1510");
    EXPECT_FALSE(W(*dialog, "pnlProperty")->isHidden());
    EXPECT_FALSE(W(*dialog, "meCadValue")->isEnabled());
    Set(*dialog, "meIncomeSum", QStringLiteral("123"));

    W<QCheckBox>(*dialog, "cbAfter2016")->click();
    EXPECT_FALSE(Editable(*dialog, "meIncomeSum"));
    Set(*dialog, "meCadNumber", QStringLiteral("77:01:0001001:1001"));
    Set(*dialog, "meCadValue", QStringLiteral("1000000"));
    Set(*dialog, "mePrice", QStringLiteral("600000"));
    EXPECT_EQ(Text(*dialog, "meIncomeSum"), QStringLiteral("700000"));
    Set(*dialog, "mePrice", QStringLiteral("800000"));
    EXPECT_EQ(Text(*dialog, "meIncomeSum"), QStringLiteral("800000"));
    Set(*dialog, "mePrice", QString());
    Set(*dialog, "meCadValue", QStringLiteral("0,03"));
    EXPECT_EQ(Text(*dialog, "meIncomeSum"), QStringLiteral("0,02")) << "0.021 to kopecks";
    Set(*dialog, "meCadValue", QStringLiteral("1000000"));
    const mTSourseIncome line = dialog->Line();
    EXPECT_TRUE(line.AcquiredAfter2016);
    EXPECT_EQ(line.CadastralNumber, "77:01:0001001:1001");
    EXPECT_EQ(line.CadastralValue, Money::Roubles(1000000));
    EXPECT_EQ(line.IncomeAmount, Money::Roubles(700000));

    W<QCheckBox>(*dialog, "cbAfter2016")->click();
    EXPECT_TRUE(Editable(*dialog, "meIncomeSum"));
    EXPECT_EQ(Text(*dialog, "meCadValue"), QStringLiteral("0"));
    EXPECT_EQ(Text(*dialog, "mePrice"), QStringLiteral("0"));
    EXPECT_TRUE(Text(*dialog, "meCadNumber").isEmpty());

    // Other codes keep no cadastral items.
    ui.PickCode(QStringLiteral("2000"));
    dialog->ChooseIncomeCode();
    EXPECT_TRUE(W(*dialog, "pnlProperty")->isHidden());
    Set(*dialog, "meIncomeSum", QStringLiteral("10"));
    EXPECT_EQ(dialog->Line().CadastralValue, Money());
    EXPECT_FALSE(dialog->Line().AcquiredAfter2016);
}

TEST_F(Income13DialogsTest, EquivalentDeductionFollowsTheIncomeUpToItsLimit) {
    auto dialog = Income("1510", "901");
    EXPECT_EQ(ui.modalTitles.last(), QStringLiteral("Справочник видов вычетов"));
    EXPECT_EQ(Text(*dialog, "meDeductCode"), QStringLiteral("901"));
    EXPECT_EQ(Text(*dialog, "meDeductSum"), QStringLiteral("0")) << "no income yet";
    EXPECT_FALSE(Editable(*dialog, "meDeductSum")) << "901 is computed";
    Set(*dialog, "meIncomeSum", QStringLiteral("1500000"));
    EXPECT_EQ(Text(*dialog, "meDeductSum"), QStringLiteral("1000000"));
    Set(*dialog, "meIncomeSum", QStringLiteral("800000,5"));
    EXPECT_EQ(Text(*dialog, "meDeductSum"), QStringLiteral("800000,5"));
    Set(*dialog, "meIncomeSum", QString());
    EXPECT_TRUE(Text(*dialog, "meDeductSum").isEmpty());

    // A deduction typed freely, up to its limit.
    auto share = Income("1512", "902");
    Set(*share, "meIncomeSum", QStringLiteral("400000"));
    EXPECT_TRUE(Editable(*share, "meDeductSum"));
    EXPECT_TRUE(Text(*share, "meDeductSum").isEmpty());
    auto* deduct = W<QLineEdit>(*share, "meDeductSum");
    deduct->setFocus();
    TypeText(deduct, QStringLiteral("300000"));
    EXPECT_EQ(deduct->text(), QStringLiteral("250000"));
    EXPECT_EQ(share->Line().DeductionAmount, Money::Roubles(250000));
}

TEST_F(Income13DialogsTest, PercentDeductionIsAShareOfTheIncomeRoundedHalfUp) {
    auto fee = Income("2206", "405");
    EXPECT_EQ(Text(*fee, "meDeductSum"), QStringLiteral("0"));
    Set(*fee, "meIncomeSum", QStringLiteral("10000"));
    EXPECT_EQ(Text(*fee, "meDeductSum"), QStringLiteral("2500"));
    Set(*fee, "meIncomeSum", QStringLiteral("10,02"));
    EXPECT_EQ(Text(*fee, "meDeductSum"), QStringLiteral("2,51")) << "2.505 rounds up";
    EXPECT_EQ(fee->Line().DeductionPercent, 25);

    auto fifth = Income("2201", "405");
    Set(*fifth, "meIncomeSum", QStringLiteral("1000,03"));
    EXPECT_EQ(Text(*fifth, "meDeductSum"), QStringLiteral("200,01"));
    EXPECT_FALSE(Editable(*fifth, "meDeductSum"));

    // Choosing "no deduction" hides the amount.
    ui.PickCode(QStringLiteral("0"));
    fifth->ChooseDeductCode();
    EXPECT_TRUE(W(*fifth, "meDeductSum")->isHidden());
    EXPECT_TRUE(Yes(*fifth));
    EXPECT_EQ(fifth->Line().DeductionAmount, Money());
}

TEST_F(Income13DialogsTest, DeductionAboveTheIncomeOnlyForSecurities) {
    auto securities = Income("1530", "201");
    Set(*securities, "meIncomeSum", QStringLiteral("1000"));
    Set(*securities, "meDeductSum", QStringLiteral("5000"));
    EXPECT_TRUE(Yes(*securities));
    EXPECT_TRUE(ui.checkMessages.isEmpty());

    auto author = Income("2010", "403");
    Set(*author, "meIncomeSum", QStringLiteral("1000"));
    Set(*author, "meDeductSum", QStringLiteral("5000"));
    ui.Modal([](QDialog& check) {
        EXPECT_FALSE(Find<QPushButton>(&check, "Button2")->isEnabled());
        check.reject();
        return check.result();
    });
    EXPECT_FALSE(Yes(*author)) << "closing the message does not let the deduction through";
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Сумма вычета превышает сумму дохода")});
    EXPECT_EQ(author->focusWidget(), W(*author, "meDeductSum"));
    Set(*author, "meDeductSum", QStringLiteral("1000"));
    EXPECT_TRUE(Yes(*author)) << "a deduction equal to the income is allowed";
}

TEST_F(Income13DialogsTest, AcceptanceAsksForCodeAmountAndDeduction) {
    TfmInput13Income empty(*window, false);
    ui.Click(QStringLiteral("Button1"));
    ui.CloseBox();  // the income picker opened by the fix
    EXPECT_FALSE(Yes(empty));
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Не выбран доход")});
    EXPECT_EQ(ui.modalTitles.last(), QStringLiteral("Справочник видов доходов"));

    auto noAmount = Income("2010");
    ui.Modal([](QDialog& check) {
        EXPECT_FALSE(Find<QPushButton>(&check, "Button2")->isEnabled());
        Find<QPushButton>(&check, "Button1")->click();
        return check.result();
    });
    EXPECT_FALSE(Yes(*noAmount));
    EXPECT_EQ(ui.checkMessages.last(), QStringLiteral("Не указана сумма дохода"));
    EXPECT_EQ(noAmount->focusWidget(), W(*noAmount, "meIncomeSum"));

    Set(*noAmount, "meIncomeSum", QStringLiteral("100"));
    ui.Click(QStringLiteral("Button1"));
    ui.PickCode(QStringLiteral("403"));  // the deduction picker opened by the fix
    EXPECT_FALSE(Yes(*noAmount));
    EXPECT_EQ(ui.checkMessages.last(), QStringLiteral("Не выбран вычет"));
    EXPECT_EQ(Text(*noAmount, "meDeductCode"), QStringLiteral("403"));
    EXPECT_TRUE(Yes(*noAmount));
}

TEST_F(Income13DialogsTest, NonResidentLinesHaveNoMonthAndFewerDeductions) {
    auto salary = Income("2000", nullptr, true);
    EXPECT_FALSE(W(*salary, "meMonth")->isEnabled());
    Set(*salary, "meIncomeSum", QStringLiteral("1000"));
    EXPECT_EQ(salary->Line().Month, 1);

    auto sale = Income("1510", nullptr, true);
    EXPECT_FALSE(W(*sale, "bnDeductCode")->isEnabled()) << "not among the non-resident's deductible incomes";

    auto gift = Income("2720", nullptr, true);
    ASSERT_TRUE(W(*gift, "bnDeductCode")->isEnabled());
    ui.Modal([](QDialog& picker) {
        auto& list = dynamic_cast<TCodeListPicker&>(picker);
        EXPECT_EQ(list.List()->topLevelItemCount(), 2);
        return int(QDialog::Rejected);
    });
    gift->ChooseDeductCode();
}

TEST_F(Income13DialogsTest, EditingALineShowsItAsStored) {
    mTSourseIncome stored;
    stored.IncomeCode = 2760;
    stored.IncomeName = "Материальная помощь";
    stored.IncomeAmount = Money::Roubles(9000);
    stored.DeductionCode = 503;
    stored.DeductionAmount = Money::Roubles(2000);  // lowered by the user below the income
    stored.Month = 7;
    TfmInput13Income dialog(*window, false);
    dialog.Fill(stored);
    EXPECT_EQ(Text(dialog, "meIncomeCode"), QStringLiteral("2760"));
    EXPECT_EQ(Text(dialog, "meIncomeSum"), QStringLiteral("9000"));
    EXPECT_EQ(Text(dialog, "meDeductSum"), QStringLiteral("2000")) << "a typed amount is kept";
    EXPECT_EQ(Text(dialog, "meMonth"), QStringLiteral("7"));
    EXPECT_TRUE(Editable(dialog, "meDeductSum"));
    EXPECT_TRUE(W(dialog, "bnDeductCode")->isEnabled());
    Set(dialog, "meIncomeSum", QStringLiteral("3000"));
    EXPECT_EQ(Text(dialog, "meDeductSum"), QStringLiteral("3000")) << "a new income is followed again";

    mTSourseIncome sale;
    sale.IncomeCode = 1510;
    sale.IncomeAmount = Money::Roubles(700000);
    sale.DeductionCode = 901;
    sale.DeductionAmount = Money::Roubles(5);
    sale.Month = 3;
    sale.AcquiredAfter2016 = true;
    sale.CadastralNumber = "77:01:1";
    sale.CadastralValue = Money::Roubles(1000000);
    sale.ContractPrice = Money::Roubles(600000);
    TfmInput13Income saleDialog(*window, false);
    saleDialog.Fill(sale);
    EXPECT_FALSE(W(saleDialog, "pnlProperty")->isHidden());
    EXPECT_TRUE(W<QCheckBox>(saleDialog, "cbAfter2016")->isChecked());
    EXPECT_FALSE(Editable(saleDialog, "meIncomeSum"));
    EXPECT_EQ(Text(saleDialog, "meDeductSum"), QStringLiteral("700000")) << "a computed deduction is recomputed";
    EXPECT_EQ(Text(saleDialog, "meCadNumber"), QStringLiteral("77:01:1"));

    mTSourseIncome blank;
    TfmInput13Income blankDialog(*window, false);
    blankDialog.Fill(blank);
    EXPECT_FALSE(blankDialog.HasIncomeCode());
    EXPECT_FALSE(W(blankDialog, "meIncomeSum")->isEnabled());
}

TEST_F(Income13DialogsTest, TypedCodeShowsItsNameAtOnceAndKeepsTheAmount) {
    auto dialog = Income("2010");
    Set(*dialog, "meIncomeSum", QStringLiteral("1000"));
    auto* code = W<QLineEdit>(*dialog, "meIncomeCode");
    auto* name = W<QLabel>(*dialog, "lbIncomeName");
    EXPECT_TRUE(name->wordWrap()) << "a long name is shown whole";
    code->setFocus();
    code->selectAll();
    for (QChar digit : QStringLiteral("2000")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(digit));
        QApplication::sendEvent(code, &press);
    }
    EXPECT_EQ(name->text(), QStringLiteral("Заработная плата и другие выплаты во исполнение трудового договора (кроме "
                                           "договоров ГП характера)"));
    EXPECT_EQ(Text(*dialog, "meIncomeSum"), QStringLiteral("1000")) << "a new code keeps the amount typed";
    EXPECT_EQ(dialog->Line().IncomeCode, 2000);
    dialog->show();
    QApplication::processEvents();
    EXPECT_GE(name->height(), name->heightForWidth(name->width())) << "no line of the name is cut off";

    // A line that keeps only its code shows the dictionary's name when it is edited.
    mTSourseIncome stored;
    stored.IncomeCode = 2000;
    stored.IncomeAmount = Money::Roubles(500);
    TfmInput13NRIncome nonResident(*window);
    nonResident.Fill(stored);
    EXPECT_EQ(W<QLabel>(nonResident, "lbIncomeName")->text(), name->text());
}

}  // namespace
}  // namespace zizaza::test
