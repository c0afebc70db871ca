#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "model/mTDeclaration.h"
#include "model/mTInvestTov.h"
#include "screens/TfmIncomeInvestTov.h"
#include "screens/TfrInvestTov.h"

namespace zizaza::test {
namespace {

Money Amount(const char* text) {
    return *Money::Parse(text);
}

mTInvestTovIncome Line(int32_t kind, const char* income, const char* expense, const char* reward = "0",
                       const char* past = "0") {
    return {kind, Amount(income), Amount(expense), Amount(reward), Amount(past), Money()};
}

void Set(QDialog& dialog, const char* name, const QString& text) {
    Find<QLineEdit>(&dialog, name)->setText(text);
}

// Presses "Да" of an entry dialog and returns its result (-1 while it stays open).
int Yes(QDialog& dialog) {
    dialog.setResult(-1);
    Find<QPushButton>(&dialog, "btYes")->click();
    return dialog.result();
}

// Answers an entry dialog: the fields typed in the order given, then "Да".
ScriptedUi::ModalHandler Enter(std::vector<std::pair<const char*, QString>> fields, int kind = 0) {
    return [=](QDialog& dialog) {
        if (kind)
            Find<QComboBox>(&dialog, "cbIncomeCod")->setCurrentIndex(kind - 1);
        for (const auto& [name, text] : fields)
            Set(dialog, name, text);
        return Yes(dialog);
    };
}

QStringList RowTexts(QTreeWidget* view, int row) {
    QStringList texts;
    for (int c = 0; c < view->columnCount(); ++c)
        texts << view->topLevelItem(row)->text(c);
    return texts;
}

class PartnershipScreenTest : public MainWindowTest {
protected:
    // A 3-NDFL declaration with investment partnerships: the first with two lines, the second
    // without any (none when empty is set).
    static void Prepare(mTDeclaration& doc, bool empty = false) {
        doc.InspectionCode = "7701";
        doc.SetIncomeFlags(kIncomeInvestTov);
        if (empty)
            return;
        Add(doc, "Товарищество Альфа", 150, "1234.56", 160).AddLine(Line(1, "100000.5", "20000", "3000", "1000"));
        doc.InvestPartnershipIncome(0).AddLine(Line(6, "50000", "80000"));
        Add(doc, "Товарищество Бета", 0, "0", 7);
    }
    static mTInvestTov& Add(mTDeclaration& doc, const char* name, int64_t withheld, const char* taxable,
                            int64_t computed) {
        mTInvestTov& source = doc.InvestPartnershipIncome(doc.AddInvestPartnershipIncome());
        source.Name = name;
        source.Inn = "7707083893";
        source.Kpp = "773601001";
        source.Oktmo = "45382000";
        source.TaxWithheld = Money::Roubles(withheld);
        source.TaxableAmount = Amount(taxable);
        source.TaxComputed = Money::Roubles(computed);
        return source;
    }
    // Opens the declaration in the program's window and shows the screen by its button.
    TfrInvestTov& Open(const mTDeclaration& doc) {
        const QString file = files.path() + QStringLiteral("/partners.tv7");
        doc.Save(file.toStdString());
        Start({file}, false);
        window->ScreenButton(ScreenId::InvestTov)->click();
        auto* screen = dynamic_cast<TfrInvestTov*>(window->CurrentScreen());
        EXPECT_NE(screen, nullptr) << "the partnership screen is not shown";
        return *screen;
    }
    template <typename T = QWidget>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    QString Text(const char* name) { return W<QLineEdit>(name)->text(); }
    QTreeWidget* Sources() { return W<QTreeWidget>("lvSourseIncomeInfo"); }
    QTreeWidget* Lines() { return W<QTreeWidget>("lvIncome"); }
    QString Total() { return W<QLabel>("pnlItogIncomeSum")->text(); }
    void Select(QTreeWidget* view, int row) { view->setCurrentItem(view->topLevelItem(row)); }
    static int Selected(QTreeWidget* view) {
        const QList<QTreeWidgetItem*> items = view->selectedItems();
        return items.isEmpty() ? -1 : view->indexOfTopLevelItem(items.front());
    }
    void Click(const char* button) { W<QPushButton>(button)->click(); }
    mTInvestTov& Partnership(size_t i) { return window->Declaration().InvestPartnershipIncome(i); }
    size_t Count() { return window->Declaration().InvestPartnershipIncomeCount(); }
};

TEST_F(PartnershipScreenTest, ShowsTheSelectedPartnershipWithItsLinesAndTotals) {
    mTDeclaration doc;
    Prepare(doc);
    TfrInvestTov& screen = Open(doc);
    ASSERT_EQ(Sources()->topLevelItemCount(), 2);
    EXPECT_EQ(Selected(Sources()), 0) << "opened by its button: the first partnership";
    EXPECT_EQ(window->focusWidget(), Sources());
    ASSERT_EQ(Lines()->topLevelItemCount(), 2);
    EXPECT_EQ(Selected(Lines()), 0);
    EXPECT_EQ(RowTexts(Lines(), 0), (QStringList{"1", "100000,5", "20000", "3000", "1000"}));
    EXPECT_EQ(RowTexts(Lines(), 1), (QStringList{"6", "50000", "80000", "0", "0"}));
    EXPECT_EQ(Total(), QStringLiteral("150000,5"));
    EXPECT_EQ(Text("meHoldSum"), QStringLiteral("150"));
    EXPECT_EQ(Text("meObl"), QStringLiteral("1234,56"));

    W("fbAddSourse")->setFocus();
    screen.FocusItem(2);
    EXPECT_EQ(window->focusWidget(), Sources());
    EXPECT_EQ(Selected(Sources()), 1);
    EXPECT_EQ(Lines()->topLevelItemCount(), 0);
    EXPECT_EQ(Total(), QStringLiteral("0"));
    EXPECT_EQ(Text("meTaxIsch"), QStringLiteral("7"));
    screen.FocusItem(3);
    EXPECT_EQ(Selected(Sources()), 1) << "a number that names no partnership does nothing";
    EXPECT_TRUE(window->Saved()) << "showing partnerships changes nothing";
    EXPECT_EQ(screen.CheckScreen(), 0);
}

TEST_F(PartnershipScreenTest, TotalsGoToThePartnershipTheyWereTypedFor) {
    mTDeclaration doc;
    Prepare(doc);
    TfrInvestTov& screen = Open(doc);
    W<QLineEdit>("meHoldSum")->clear();
    W<QLineEdit>("meObl")->clear();
    TypeText(W("meObl"), QStringLiteral("77,5"));
    EXPECT_FALSE(window->Saved());

    Select(Sources(), 1);
    EXPECT_EQ(Partnership(0).TaxWithheld, Money()) << "an emptied field saves as 0";
    EXPECT_EQ(Partnership(0).TaxableAmount, Amount("77.5"));
    W<QLineEdit>("meTaxIsch")->setText(QStringLiteral("42"));
    screen.SaveToDocument();
    EXPECT_EQ(Partnership(1).TaxComputed, Money::Roubles(42));
    EXPECT_EQ(Partnership(0).TaxComputed, Money::Roubles(160));
}

TEST_F(PartnershipScreenTest, DeletingPartnershipsLeavesNoTotalsBehindAndFinallyDisablesTheirControls) {
    mTDeclaration doc;
    Prepare(doc);
    TfrInvestTov& screen = Open(doc);
    Select(Sources(), 1);
    W<QLineEdit>("meHoldSum")->setText(QStringLiteral("999"));
    Click("fbDeleteSourse");
    ASSERT_EQ(Count(), 1u);
    EXPECT_EQ(Selected(Sources()), 0);
    EXPECT_EQ(Partnership(0).TaxWithheld, Money::Roubles(150)) << "the deleted one's totals went with it";
    EXPECT_EQ(Text("meHoldSum"), QStringLiteral("150"));

    Click("fbDeleteSourse");
    EXPECT_EQ(Count(), 0u);
    EXPECT_EQ(Lines()->topLevelItemCount(), 0);
    EXPECT_EQ(Total(), QString());
    for (const char* name : {"fbAddIncome", "fbEditSourse", "fbDeleteSourse", "meHoldSum", "meObl", "meTaxIsch"})
        EXPECT_FALSE(W(name)->isEnabled()) << name;
    EXPECT_EQ(Text("meObl"), QString());
    screen.SaveToDocument();
    EXPECT_FALSE(window->Saved());
}

TEST_F(PartnershipScreenTest, AddedPartnershipPassesTheSourceCheckWhereNothingCanBeSkipped) {
    mTDeclaration doc;
    Prepare(doc, true);
    Open(doc);
    ui.Modal([this](QDialog& dialog) {
        Set(dialog, "meSourseName", QStringLiteral("Товарищество Гамма"));
        Set(dialog, "meINN", QStringLiteral("7707083893"));
        Set(dialog, "meOKATO", QStringLiteral("45382000"));
        ui.Modal([](QDialog& check) {
            EXPECT_FALSE(Find<QPushButton>(&check, "Button2")->isEnabled()) << "no skipping here";
            Find<QPushButton>(&check, "Button1")->click();
            return check.result();
        });
        EXPECT_EQ(Yes(dialog), -1) << "the KPP is missing";
        EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meKPP"));
        Set(dialog, "meKPP", QStringLiteral("773601001"));
        return Yes(dialog);
    });
    Click("fbAddSourse");
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Отсутствует КПП")});
    EXPECT_EQ(ui.checkCaptions,
              QStringList{QStringLiteral("Проверка: Доходы от участия в инвестиционном товариществе")});
    ASSERT_EQ(Count(), 1u);
    EXPECT_EQ(Partnership(0).Name, "Товарищество Гамма");
    EXPECT_EQ(Partnership(0).Kpp, "773601001");
    EXPECT_EQ(Partnership(0).Oktmo, "45382000");
    EXPECT_EQ(Selected(Sources()), 0);
    EXPECT_TRUE(W("fbAddIncome")->isEnabled());
    EXPECT_FALSE(window->Saved());
}

TEST_F(PartnershipScreenTest, APartnershipWithABlankNameIsNotAddedEvenWhenTheCheckLetsItPass) {
    mTDeclaration doc;
    Prepare(doc, true);
    Open(doc);
    // The name and OKTMO problems are closed with the close box, so the check passes.
    ui.Modal(Enter({{"meSourseName", QStringLiteral("   ")}})).CloseBox().CloseBox();
    Click("fbAddSourse");
    EXPECT_EQ(ui.checkMessages.size(), 2);
    EXPECT_EQ(Count(), 0u);
    EXPECT_EQ(Sources()->topLevelItemCount(), 0);
    EXPECT_TRUE(window->Saved());
}

TEST_F(PartnershipScreenTest, EditingAPartnershipReplacesItsFieldsAndKeepsTheTypedTotals) {
    mTDeclaration doc;
    Prepare(doc);
    TfrInvestTov& screen = Open(doc);
    W<QLineEdit>("meObl")->setText(QStringLiteral("500"));
    const QString natural = QString::fromStdString(ValidPersonInn("7701234567"));
    ui.Modal([&](QDialog& dialog) {
        EXPECT_EQ(Find<QLineEdit>(&dialog, "meKPP")->text(), QStringLiteral("773601001")) << "filled from the record";
        return Enter({{"meSourseName", QStringLiteral("Альфа-2")}, {"meINN", natural}, {"meKPP", QString()}})(dialog);
    });
    PressKey(Sources(), Qt::Key_Return);
    EXPECT_TRUE(ui.checkMessages.isEmpty());
    EXPECT_EQ(Partnership(0).Name, "Альфа-2");
    EXPECT_EQ(Partnership(0).Inn, natural.toStdString());
    EXPECT_EQ(Partnership(0).Kpp, "");
    EXPECT_EQ(Sources()->topLevelItem(0)->text(0), QStringLiteral("Альфа-2"));
    EXPECT_EQ(Text("meObl"), QStringLiteral("500"));

    // A blank name leaves the partnership as it was.
    ui.Modal(Enter({{"meSourseName", QStringLiteral(" ")}, {"meOKATO", QStringLiteral("12345678")}})).CloseBox();
    Click("fbEditSourse");
    EXPECT_EQ(Partnership(0).Oktmo, "45382000");
    screen.SaveToDocument();
    EXPECT_EQ(Partnership(0).TaxableAmount, Amount("500"));
}

TEST_F(PartnershipScreenTest, LinesAreAddedEditedAndDeletedWithTheTotalIncome) {
    mTDeclaration doc;
    Prepare(doc);
    mTInvestTov& first = doc.InvestPartnershipIncome(0);
    first.ReplaceLine(0, nullptr);
    mTInvestTovIncome loaded = Line(2, "300", "100", "10", "5");
    loaded.SixthValue = Amount("77");
    first.AddLine(loaded);  // lines: kind 6 with 50000, kind 2 with 300
    Open(doc);

    ui.Modal(Enter({{"meIncomeSum", QStringLiteral("1000,25")}, {"mePrevYearsSum", QStringLiteral("50")}}, 5));
    Click("fbAddIncome");
    ASSERT_EQ(Partnership(0).LineCount(), 3u);
    EXPECT_EQ(Selected(Lines()), 2);
    EXPECT_EQ(RowTexts(Lines(), 2), (QStringList{"5", "1000,25", "0", "0", "50"}));
    EXPECT_EQ(Total(), QStringLiteral("51300,25"));

    // The dialog shows the line; what it does not show survives the edit.
    Select(Lines(), 1);
    ui.Modal([](QDialog& dialog) {
        EXPECT_EQ(Find<QComboBox>(&dialog, "cbIncomeCod")->currentIndex(), 1);
        EXPECT_EQ(Find<QLineEdit>(&dialog, "mePrevYearsSum")->text(), QStringLiteral("5"));
        return Enter({{"meIncomeSum", QStringLiteral("400")}})(dialog);
    });
    Click("fbEditIncome");
    const mTInvestTovIncome& edited = Partnership(0).Line(1);
    EXPECT_EQ(edited.Income, Amount("400"));
    EXPECT_EQ(edited.ManagementExpenses, Amount("10"));
    EXPECT_EQ(edited.SixthValue, Amount("77"));
    EXPECT_EQ(Selected(Lines()), 1);
    EXPECT_EQ(Total(), QStringLiteral("51400,25"));

    Click("fbDeleteIncome");
    EXPECT_EQ(Selected(Lines()), 0) << "the row before the deleted one";
    Click("fbDeleteIncome");
    EXPECT_EQ(Selected(Lines()), 0) << "the first row when the first was deleted";
    EXPECT_EQ(Total(), QStringLiteral("1000,25"));
    Click("fbDeleteIncome");
    EXPECT_EQ(Partnership(0).TotalIncome(), Money());
    EXPECT_EQ(Total(), QStringLiteral("0"));
    EXPECT_FALSE(W("fbDeleteIncome")->isEnabled());
}

TEST_F(PartnershipScreenTest, LineOfTheExitKindHoldsOnlyIncomeAndContributions) {
    mTDeclaration doc;
    Prepare(doc);
    Open(doc);
    Select(Sources(), 1);
    ui.Modal([](QDialog& dialog) {
        auto* kind = Find<QComboBox>(&dialog, "cbIncomeCod");
        kind->setCurrentIndex(5);
        kind->setCurrentIndex(0);
        EXPECT_FALSE(Find<QWidget>(&dialog, "meRewardSum")->isHidden()) << "shown again for another kind";
        EXPECT_EQ(Find<QLabel>(&dialog, "lbExpenseSum")->text(), QStringLiteral("Доля расходов"));
        Set(dialog, "meRewardSum", QStringLiteral("30"));
        Set(dialog, "mePrevYearsSum", QStringLiteral("40"));
        return Enter({{"meIncomeSum", QStringLiteral("700")}, {"meExpenseSum", QStringLiteral("1000")}}, 6)(dialog);
    });
    Click("fbAddIncome");
    ASSERT_EQ(Partnership(1).LineCount(), 1u);
    const mTInvestTovIncome& line = Partnership(1).Line(0);
    EXPECT_EQ(line.OperationKind, 6);
    EXPECT_EQ(line.ExpenseShare, Amount("1000"));
    EXPECT_EQ(line.ManagementExpenses, Money()) << "typed under another kind, gone with kind 6";
    EXPECT_EQ(line.PastLosses, Money());

    ui.Modal([](QDialog& dialog) {
        EXPECT_EQ(Find<QLabel>(&dialog, "lbExpenseSum")->text(), QStringLiteral("Сумма вкладов"));
        for (const char* hidden : {"meRewardSum", "lbRewardSum", "mePrevYearsSum", "lbPrevYearsSum"})
            EXPECT_TRUE(Find<QWidget>(&dialog, hidden)->isHidden()) << hidden;
        dialog.reject();
        return dialog.result();
    });
    Click("fbEditIncome");
}

using PartnershipDialogTest = MainWindowTest;

TEST_F(PartnershipDialogTest, LineDialogRefusesALineWithoutItsKind) {
    Start();
    TfmIncomeInvestTov dialog(*window);
    Set(dialog, "meIncomeSum", QStringLiteral("10"));
    ui.Modal([](QDialog& check) {
        EXPECT_FALSE(Find<QPushButton>(&check, "Button2")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(&check, "Button3")->isEnabled());
        Find<QPushButton>(&check, "Button1")->click();
        return check.result();
    });
    EXPECT_EQ(Yes(dialog), -1);
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Не выбран вид операций")});
    EXPECT_EQ(ui.checkCaptions, QStringList{QStringLiteral("Проверка: Проверка данных участия в инвест. тов.")});
    EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "cbIncomeCod"));
    ui.CloseBox();
    EXPECT_EQ(Yes(dialog), -1) << "closing the check dialog lets no line through either";

    // Only the buttons end this dialog, not Enter or Escape.
    Find<QComboBox>(&dialog, "cbIncomeCod")->setCurrentIndex(0);
    dialog.setResult(-1);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
        PressKey(Find<QWidget>(&dialog, "meIncomeSum"), key);
    EXPECT_EQ(dialog.result(), -1);
    EXPECT_EQ(Yes(dialog), QDialog::Accepted);
}

}  // namespace
}  // namespace zizaza::test
