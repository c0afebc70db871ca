#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "dictionaries/ui/TCodeListPicker.h"
#include "model/mTDeclaration.h"
#include "screens/TTfrThirteenPercentNR.h"
#include "screens/TfmInput13NRIncome.h"

namespace zizaza::test {
namespace {

bool Yes(TEntryDialog& dialog) {
    dialog.setResult(-1);
    dialog.YesButton()->click();
    return dialog.result() == QDialog::Accepted;
}

QLineEdit* Edit(QDialog& dialog, const char* name) {
    return Find<QLineEdit>(&dialog, name);
}

class NonResident13Test : public MainWindowTest {
protected:
    static mTSourseIncome Line(int code, int64_t roubles, int deduction, int64_t deductionRoubles = 0) {
        mTSourseIncome line;
        line.IncomeCode = code;
        line.IncomeAmount = Money::Roubles(roubles);
        line.DeductionCode = deduction;
        line.DeductionAmount = Money::Roubles(deductionRoubles);
        line.Month = 3;
        return line;
    }
    template <typename T = QWidget>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
};

TEST_F(NonResident13Test, IncomeDialogOffersTheNonResidentIncomesAndLeavesTheDeductionToBeTyped) {
    Start();
    TfmInput13NRIncome dialog(*window);
    ui.Modal([](QDialog& picker) {
        auto* list = qobject_cast<TCodeListPicker*>(&picker)->List();
        EXPECT_FALSE(list->findItems(QStringLiteral("2000"), Qt::MatchExactly, 0).isEmpty());
        EXPECT_TRUE(list->findItems(QStringLiteral("1530"), Qt::MatchExactly, 0).isEmpty());
        EXPECT_TRUE(list->findItems(QStringLiteral("2760"), Qt::MatchExactly, 0).isEmpty()) << "not marked";
        return int(QDialog::Rejected);
    });
    dialog.ChooseIncomeCode();
    EXPECT_FALSE(dialog.HasIncomeCode());

    // 2760 is not offered, but a stored line may hold it: its deduction 503 follows the income
    // up to 4000 in the other dialogs, here it is typed.
    dialog.Fill(Line(2760, 10000, 0));
    EXPECT_TRUE(Edit(dialog, "meMonth")->isEnabled());
    EXPECT_EQ(Edit(dialog, "meMonth")->text(), QStringLiteral("3"));
    ui.PickCode(QStringLiteral("503"));
    dialog.ChooseDeductCode();
    EXPECT_TRUE(Edit(dialog, "meDeductSum")->text().isEmpty());
    Edit(dialog, "meIncomeSum")->setText(QStringLiteral("9000"));
    EXPECT_TRUE(Edit(dialog, "meDeductSum")->text().isEmpty()) << "not computed from the income";
    Edit(dialog, "meDeductSum")->setText(QStringLiteral("5000"));
    EXPECT_EQ(Edit(dialog, "meDeductSum")->text(), QStringLiteral("4000")) << "limited as typed";
    Edit(dialog, "meMonth")->setText(QString());
    EXPECT_TRUE(Yes(dialog));
    const mTSourseIncome line = dialog.Line();
    EXPECT_EQ(line.IncomeCode, 2760);
    EXPECT_EQ(line.IncomeAmount, Money::Roubles(9000));
    EXPECT_EQ(line.DeductionCode, 503);
    EXPECT_EQ(line.DeductionAmount, Money::Roubles(4000));
    EXPECT_EQ(line.Month, 1) << "an empty month is January";
    EXPECT_TRUE(line.IncomeName.empty());
    EXPECT_EQ(line.DeductionPercent, 0);

    // Reopened, the deduction that follows the income shows the income, limited.
    TfmInput13NRIncome reopened(*window);
    reopened.Fill(Line(2760, 3000, 503, 100));
    EXPECT_EQ(Edit(reopened, "meDeductSum")->text(), QStringLiteral("3000"));
    TfmInput13NRIncome limited(*window);
    limited.Fill(Line(2760, 10000, 503, 100));
    EXPECT_EQ(Edit(limited, "meDeductSum")->text(), QStringLiteral("4000"));
    // A deduction the income does not offer is dropped.
    TfmInput13NRIncome foreign(*window);
    foreign.Fill(Line(2000, 10000, 403, 100));
    EXPECT_TRUE(Edit(foreign, "meDeductCode")->text().isEmpty());
    EXPECT_FALSE(Find<QWidget>(&foreign, "bnDeductCode")->isEnabled());
}

TEST_F(NonResident13Test, ADeductionAboveTheIncomeIsRefusedOnlyWhenTheUserFixesIt) {
    Start();
    TfmInput13NRIncome dialog(*window);
    dialog.Fill(Line(2010, 100, 403, 200));
    EXPECT_EQ(Edit(dialog, "meDeductSum")->text(), QStringLiteral("200"));
    ui.Click(QStringLiteral("Button1"));
    EXPECT_FALSE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Сумма вычета превышает сумму дохода")});
    EXPECT_EQ(ui.checkCaptions, QStringList{QStringLiteral("Проверка: Доходы нерезедентов, облагаемые по ставке 13%")});
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "meDeductSum"));
    ui.CloseBox();
    EXPECT_TRUE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages.size(), 2);

    // The dialog does not preview keys: Enter and Escape in a field neither accept nor cancel.
    TfmInput13NRIncome keys(*window);
    keys.Fill(Line(2000, 100, 0));
    keys.setResult(-1);
    PressKey(Edit(keys, "meIncomeSum"), Qt::Key_Return);
    PressKey(Edit(keys, "meIncomeSum"), Qt::Key_Escape);
    EXPECT_EQ(keys.result(), -1);
    EXPECT_EQ(ui.checkMessages.size(), 2) << "no check ran";
    TfmInput13Income resident(*window, false);
    resident.Fill(Line(2000, 100, 0));
    resident.setResult(-1);
    PressKey(Edit(resident, "meIncomeSum"), Qt::Key_Return);
    EXPECT_EQ(resident.result(), QDialog::Accepted) << "the resident dialog takes Enter as Да";
}

TEST_F(NonResident13Test, ScreenKeepsItsSourcesApartFromThoseOfTheThirteenPercentScreen) {
    mTDeclaration doc;
    doc.InspectionCode = "7701";
    doc.DeclarationForm = kForm3NdflNonResident;
    doc.SetIncomeFlags(kIncomeRussia);
    doc.MonthsWorked = 4;
    for (const char* name : {"Первый", "Второй"})
        doc.ResidentIncome13(doc.AddResidentIncome13()).Name = name;
    const QString file = files.path() + QStringLiteral("/nonresident.tv7");
    doc.Save(file.toStdString());
    Start({file}, false);
    window->ScreenButton(ScreenId::RussianIncome)->click();
    W<TFlashButton>("FlashButton6")->click();
    auto* container = dynamic_cast<TContainerFrame*>(window->CurrentScreen());
    ASSERT_NE(container, nullptr);
    auto* screen = dynamic_cast<TTfrThirteenPercentNR*>(container->CurrentSubScreen());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(W<QTreeWidget>("lvSourseIncomeInfo")->topLevelItemCount(), 0);
    EXPECT_FALSE(W("gbA25")->isHidden()) << "the fixed payments are always asked";
    EXPECT_TRUE(W("gbFerm")->isHidden());

    for (const char* name : {"Альфа", "Бета"}) {
        ui.Modal([name](QDialog& dialog) {
            EXPECT_FALSE(Find<QWidget>(&dialog, "cbStandartDeduct")->isHidden());
            Edit(dialog, "meName")->setText(QString::fromUtf8(name));
            Edit(dialog, "meINN")->setText(QStringLiteral("1234567894"));
            Edit(dialog, "meKPP")->setText(QStringLiteral("770101001"));
            Edit(dialog, "meOKTMO")->setText(QStringLiteral("45382000"));
            dialog.setResult(-1);
            Find<QPushButton>(&dialog, "btYes")->click();
            return dialog.result();
        });
        W<QPushButton>("fbAddSourseIncome")->click();
    }
    ui.Modal([this](QDialog& dialog) {
        EXPECT_NE(qobject_cast<TfmInput13NRIncome*>(&dialog), nullptr);
        ui.PickCode(QStringLiteral("2000"));
        Find<QPushButton>(&dialog, "bnIncomeCode")->click();
        Edit(dialog, "meIncomeSum")->setText(QStringLiteral("50000"));
        Edit(dialog, "meMonth")->setText(QStringLiteral("7"));
        dialog.setResult(-1);
        Find<QPushButton>(&dialog, "btYes")->click();
        return dialog.result();
    });
    W<QPushButton>("fbAddIncome")->click();
    W<QLineEdit>("meA25")->setText(QStringLiteral("1200"));
    W<QLineEdit>("meHoldSum")->setText(QStringLiteral("6500"));
    EXPECT_EQ(screen->CheckScreen(), 0) << "the screen has no checks of its own";
    screen->SaveToDocument();

    const mTDeclaration& saved = window->Declaration();
    ASSERT_EQ(saved.NonResidentIncome13Count(), 2u);
    EXPECT_EQ(saved.ResidentIncome13Count(), 2u);
    EXPECT_EQ(saved.ResidentIncome13(0).Name, "Первый");
    EXPECT_EQ(saved.NonResidentIncome13(1).Name, "Бета");
    ASSERT_EQ(saved.NonResidentIncome13(1).LineCount(), 1u);
    EXPECT_EQ(saved.NonResidentIncome13(1).Line(0).Month, 7);
    EXPECT_EQ(saved.NonResidentIncome13(1).TaxWithheld, Money::Roubles(6500));
    EXPECT_EQ(saved.ForeignerFixedPayments, Money::Roubles(1200));
    EXPECT_EQ(saved.MonthsWorked, 4) << "the agricultural months belong to the 13% screen";

    W<TFlashButton>("FlashButton1")->click();
    EXPECT_EQ(W<QTreeWidget>("lvSourseIncomeInfo")->topLevelItem(1)->text(0), QStringLiteral("Второй"));
}

}  // namespace
}  // namespace zizaza::test
