#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "model/mTDeclaration.h"
#include "screens/TfrThirteenPercent.h"
#include "screens/controls/TFlashButton.h"

namespace zizaza::test {
namespace {

mTSourseIncome Line(int code, int64_t roubles, uint16_t month, int deduction = 0, int64_t deductionRoubles = 0) {
    mTSourseIncome line;
    line.IncomeCode = code;
    line.IncomeAmount = Money::Roubles(roubles);
    line.Month = month;
    line.DeductionCode = deduction;
    line.DeductionAmount = Money::Roubles(deductionRoubles);
    return line;
}

class ThirteenPercentTest : public MainWindowTest {
protected:
    static mTDeclaration Declaration(DeclarationForm form = kForm3Ndfl) {
        return ScreenDeclaration(kIncomeRussia, form);
    }
    static mTThirteenPercent& AddSource(mTDeclaration& doc, const std::string& name, int64_t withheld = 0) {
        mTThirteenPercent& source = doc.ResidentIncome13(doc.AddResidentIncome13());
        source.Name = name;
        source.TaxWithheld = Money::Roubles(withheld);
        return source;
    }
    // Two sources: a salary with a tax withheld, and an author's fee.
    static mTDeclaration TwoSources() {
        mTDeclaration doc = Declaration();
        mTThirteenPercent& work = AddSource(doc, "ООО Ромашка", 6500);
        work.TaxableAmount = Money::Kopecks(5000050);
        work.TaxComputed = Money::Roubles(6500);
        work.AddLine(Line(2000, 50000, 1));
        work.AddLine(Line(2000, 0, 0));
        AddSource(doc, "Издательство", 0).AddLine(Line(2201, 10000, 5, 405, 2000));
        return doc;
    }

    TfrThirteenPercent& Open(const mTDeclaration& doc) {
        OpenDeclaration(doc, QStringLiteral("incomes.tv7"));
        return ShowScreen<TfrThirteenPercent>(ScreenId::RussianIncome);
    }
    TfrThirteenPercent& Screen() { return ShownScreen<TfrThirteenPercent>(); }
    template <typename T = QWidget>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    QString Text(const char* name) { return W<QLineEdit>(name)->text(); }
    QTreeWidget* Sources() { return W<QTreeWidget>("lvSourseIncomeInfo"); }
    QTreeWidget* Lines() { return W<QTreeWidget>("lvIncome"); }
    int SelectedRow(QTreeWidget* list) {
        const auto items = list->selectedItems();
        return items.isEmpty() ? -1 : list->indexOfTopLevelItem(items.front());
    }
    QStringList Row(QTreeWidget* list, int row) {
        QStringList texts;
        for (int c = 0; c < list->columnCount(); ++c)
            texts << list->topLevelItem(row)->text(c);
        return texts;
    }
    const mTDeclaration& Doc() { return window->Declaration(); }

    // Answers the source dialog with the texts and "Да".
    void SourceDialog(const QString& name, const QString& inn, const QString& kpp, const QString& oktmo) {
        ui.Modal([=](QDialog& dialog) {
            Find<QLineEdit>(&dialog, "meName")->setText(name);
            Find<QLineEdit>(&dialog, "meINN")->setText(inn);
            Find<QLineEdit>(&dialog, "meKPP")->setText(kpp);
            Find<QLineEdit>(&dialog, "meOKTMO")->setText(oktmo);
            dialog.setResult(-1);
            Find<QPushButton>(&dialog, "btYes")->click();
            return dialog.result();
        });
    }
    // Answers the income dialog: the code from the picker, the amount and the month, "Да".
    void IncomeDialog(const QString& code, const QString& amount, const QString& month) {
        ui.Modal([=, this](QDialog& dialog) {
            ui.PickCode(code);
            Find<QPushButton>(&dialog, "bnIncomeCode")->click();
            Find<QLineEdit>(&dialog, "meIncomeSum")->setText(amount);
            auto* monthEdit = Find<QLineEdit>(&dialog, "meMonth");
            EXPECT_EQ(monthEdit->isEnabled(), !month.isNull());
            if (monthEdit->isEnabled())
                monthEdit->setText(month);
            dialog.setResult(-1);
            Find<QPushButton>(&dialog, "btYes")->click();
            return dialog.result();
        });
    }
};

// Tab goes through the rate buttons in the order they stand in, left to right.
TEST_F(ThirteenPercentTest, TabGoesThroughTheRateButtonsInTheirOrderOnScreen) {
    Open(Declaration());
    window->show();
    QList<TFlashButton*> shown;
    for (TFlashButton* b : window->CurrentScreen()->findChildren<TFlashButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (b->isVisible())
            shown << b;
    std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    ASSERT_GE(shown.size(), 4);
    QList<TFlashButton*> tabbed{shown.front()};
    for (QWidget* w = shown.front()->nextInFocusChain(); w != shown.front() && tabbed.size() < shown.size();
         w = w->nextInFocusChain())
        if (auto* b = qobject_cast<TFlashButton*>(w); b && shown.contains(b))
            tabbed << b;
    EXPECT_EQ(tabbed, shown);
}

TEST_F(ThirteenPercentTest, ShowsTheSourcesAndTheLinesAndTotalsOfTheSelectedOne) {
    Open(TwoSources());
    EXPECT_EQ(W("FlashButton1")->toolTip().left(36), QStringLiteral("Доходы, облагаемые по ставке 13% (КР"));
    ASSERT_EQ(Sources()->topLevelItemCount(), 2);
    EXPECT_EQ(Sources()->topLevelItem(1)->text(0), QStringLiteral("Издательство"));
    EXPECT_EQ(SelectedRow(Sources()), 0) << "the shell selects the first source";
    ASSERT_EQ(Lines()->topLevelItemCount(), 2);
    EXPECT_EQ(Row(Lines(), 0), QStringList({"1", "2000", "50000", "Нет", "-"}));
    EXPECT_EQ(Row(Lines(), 1), QStringList({"Нет", "2000", "-", "Нет", "-"}));
    EXPECT_EQ(SelectedRow(Lines()), 0);
    EXPECT_EQ(W<QLabel>("pnlItogIncomeSum")->text(), QStringLiteral("50000"));
    EXPECT_EQ(Text("meHoldSum"), QStringLiteral("6500"));
    EXPECT_EQ(Text("meObl"), QStringLiteral("50000,5"));
    EXPECT_FALSE(W("gbA25")->isHidden());
    EXPECT_TRUE(W("gbFerm")->isHidden());
    EXPECT_TRUE(window->Saved()) << "showing the document changes nothing";

    // The totals typed for a source stay with it when another source is selected.
    W<QLineEdit>("meHoldSum")->setText(QStringLiteral("6000"));
    Sources()->setCurrentItem(Sources()->topLevelItem(1));
    EXPECT_EQ(Row(Lines(), 0), QStringList({"5", "2201", "10000", "405", "2000"}));
    EXPECT_EQ(Text("meHoldSum"), QStringLiteral("0"));
    EXPECT_EQ(Doc().ResidentIncome13(0).TaxWithheld, Money::Roubles(6000));
    W<QLineEdit>("meTaxIsch")->setText(QStringLiteral("1300"));
    W<QLineEdit>("meA25")->setText(QStringLiteral("12000"));
    Screen().SaveToDocument();
    EXPECT_EQ(Doc().ResidentIncome13(1).TaxComputed, Money::Roubles(1300));
    EXPECT_EQ(Doc().ForeignerFixedPayments, Money::Roubles(12000));
    EXPECT_FALSE(window->Saved());

    Screen().FocusItem(1);
    EXPECT_EQ(SelectedRow(Sources()), 0);
    Screen().FocusItem(3);
    EXPECT_EQ(SelectedRow(Sources()), 0) << "no third source";
}

TEST_F(ThirteenPercentTest, AddsSourcesAndIncomeLines) {
    Open(Declaration());
    EXPECT_EQ(Sources()->topLevelItemCount(), 0);
    for (const char* off : {"fbAddIncome", "meHoldSum", "meObl", "meTaxIsch", "fbEditSourseIncome"})
        EXPECT_FALSE(W(off)->isEnabled()) << off;

    SourceDialog(QStringLiteral("ООО Ромашка"), QStringLiteral("1234567894"), QStringLiteral("770101001"),
                 QStringLiteral("45382000"));
    W<QPushButton>("fbAddSourseIncome")->click();
    ASSERT_EQ(Doc().ResidentIncome13Count(), 1u);
    EXPECT_EQ(Doc().ResidentIncome13(0).Kpp, "770101001");
    EXPECT_EQ(SelectedRow(Sources()), 0);
    EXPECT_TRUE(W("fbAddIncome")->isEnabled());
    EXPECT_FALSE(window->Saved());

    // A blank name passes no check; when the message is closed the dialog closes, with no source.
    SourceDialog(QStringLiteral("   "), QString(), QString(), QStringLiteral("45382000"));
    ui.CloseBox();
    W<QPushButton>("fbAddSourseIncome")->click();
    EXPECT_EQ(Doc().ResidentIncome13Count(), 1u);
    EXPECT_EQ(Sources()->topLevelItemCount(), 1);

    IncomeDialog(QStringLiteral("2000"), QStringLiteral("30000,5"), QStringLiteral("12"));
    W<QPushButton>("fbAddIncome")->click();
    const mTThirteenPercent& source = Doc().ResidentIncome13(0);
    ASSERT_EQ(source.LineCount(), 1u);
    EXPECT_EQ(source.Line(0).Month, 12);
    EXPECT_EQ(source.TotalIncome(), Money::Kopecks(3000050));
    EXPECT_EQ(W<QLabel>("pnlItogIncomeSum")->text(), QStringLiteral("30000,5"));

    // Repeating a December line gives another December line.
    W<QPushButton>("fbCopy")->click();
    ASSERT_EQ(source.LineCount(), 2u);
    EXPECT_EQ(source.Line(1).Month, 12);
    EXPECT_EQ(SelectedRow(Lines()), 1);
    EXPECT_EQ(W<QLabel>("pnlItogIncomeSum")->text(), QStringLiteral("60001"));

    W<QPushButton>("fbRemoveIncome")->click();
    EXPECT_EQ(source.LineCount(), 1u);
    EXPECT_EQ(SelectedRow(Lines()), 0);
    EXPECT_EQ(W<QLabel>("pnlItogIncomeSum")->text(), QStringLiteral("30000,5"));
}

TEST_F(ThirteenPercentTest, EditingKeepsTheSelectionAndCorrectsTheTotal) {
    Open(TwoSources());
    ui.Modal([](QDialog& dialog) {
        Find<QLineEdit>(&dialog, "meIncomeSum")->setText(QStringLiteral("45000"));
        dialog.setResult(-1);
        Find<QPushButton>(&dialog, "btYes")->click();
        return dialog.result();
    });
    W<QPushButton>("fbEditIncome")->click();
    EXPECT_EQ(Doc().ResidentIncome13(0).TotalIncome(), Money::Roubles(45000));
    EXPECT_EQ(Row(Lines(), 0)[2], QStringLiteral("45000"));
    EXPECT_EQ(W<QLabel>("pnlItogIncomeSum")->text(), QStringLiteral("45000"));

    // Renaming a source; the totals typed meanwhile are kept.
    W<QLineEdit>("meHoldSum")->setText(QStringLiteral("5850"));
    SourceDialog(QStringLiteral("АО Ромашка"), QString(), QString(), QStringLiteral("45382000"));
    W<QPushButton>("fbEditSourseIncome")->click();
    EXPECT_EQ(Sources()->topLevelItem(0)->text(0), QStringLiteral("АО Ромашка"));
    EXPECT_EQ(Text("meHoldSum"), QStringLiteral("5850"));
    Screen().SaveToDocument();
    EXPECT_EQ(Doc().ResidentIncome13(0).TaxWithheld, Money::Roubles(5850));
}

TEST_F(ThirteenPercentTest, DeletingTheLastSourceClearsAndDisablesWhatBelongsToIt) {
    Open(TwoSources());
    Sources()->setCurrentItem(Sources()->topLevelItem(1));
    W<QLineEdit>("meHoldSum")->setText(QStringLiteral("999"));
    W<QPushButton>("fbDeleteSourseIncome")->click();
    ASSERT_EQ(Doc().ResidentIncome13Count(), 1u);
    EXPECT_EQ(Doc().ResidentIncome13(0).Name, "ООО Ромашка");
    EXPECT_EQ(Doc().ResidentIncome13(0).TaxWithheld, Money::Roubles(6500)) << "the deleted source's totals go with it";
    EXPECT_EQ(SelectedRow(Sources()), 0);
    EXPECT_EQ(Lines()->topLevelItemCount(), 2);

    W<QPushButton>("fbDeleteSourseIncome")->click();
    EXPECT_EQ(Doc().ResidentIncome13Count(), 0u);
    EXPECT_EQ(Lines()->topLevelItemCount(), 0);
    for (const char* field : {"meHoldSum", "meObl", "meTaxIsch"}) {
        EXPECT_TRUE(Text(field).isEmpty()) << field;
        EXPECT_FALSE(W(field)->isEnabled()) << field;
    }
    EXPECT_TRUE(W<QLabel>("pnlItogIncomeSum")->text().isEmpty());
    for (const char* button : {"fbAddIncome", "fbEditIncome", "fbRemoveIncome", "fbCopy"})
        EXPECT_FALSE(W(button)->isEnabled()) << button;
    Screen().SaveToDocument();  // nothing selected: nothing to store, nothing to fail
}

TEST_F(ThirteenPercentTest, AWithheldTaxAboveTheIncomeStopsTheSwitchUnlessSkipped) {
    mTDeclaration doc = TwoSources();
    doc.ResidentIncome13(1).TaxWithheld = Money::Roubles(10001);
    doc.ResidentIncome13(0).TaxWithheld = Money::Roubles(50001);
    Open(doc);
    ui.Click(QStringLiteral("Button1"));
    window->ScreenButton(ScreenId::PersonInfo)->click();
    EXPECT_EQ(ui.checkMessages,
              QStringList{QStringLiteral("По данному источнику выплаты общая сумма дохода меньше удержанной суммы")});
    EXPECT_EQ(ui.checkCaptions, QStringList{QStringLiteral("Проверка: Доходы, облагаемые ставкой 13%")});
    EXPECT_EQ(SelectedRow(Screen().findChild<QTreeWidget*>(QStringLiteral("lvSourseIncomeInfo"))), 0);
    EXPECT_TRUE(window->ScreenButton(ScreenId::RussianIncome)->Down());

    // The first source fixed, the second one is next; skipping it lets the user leave.
    Sources()->setCurrentItem(Sources()->topLevelItem(1));
    ui.Click(QStringLiteral("Button1"));
    window->ScreenButton(ScreenId::PersonInfo)->click();
    EXPECT_EQ(SelectedRow(Sources()), 0) << "the first source is still wrong";
    W<QLineEdit>("meHoldSum")->setText(QStringLiteral("6500"));
    ui.Click(QStringLiteral("Button1"));
    window->ScreenButton(ScreenId::PersonInfo)->click();
    EXPECT_EQ(SelectedRow(Sources()), 1);
    EXPECT_EQ(ui.checkMessages.size(), 3);
    ui.Click(QStringLiteral("Button2"));
    window->ScreenButton(ScreenId::PersonInfo)->click();
    EXPECT_EQ(window->CurrentScreen()->objectName(), QStringLiteral("frPersonNaim"));
}

TEST_F(ThirteenPercentTest, NonResidentLinesAreOfJanuaryAndNoFixedPaymentsAreAsked) {
    mTDeclaration doc = Declaration(kForm3NdflNonResident);
    AddSource(doc, "ООО Ромашка");
    Open(doc);
    EXPECT_EQ(W("FlashButton1")->toolTip(), QStringLiteral("Доходы нерезидента"));
    EXPECT_TRUE(W("gbA25")->isHidden());
    IncomeDialog(QStringLiteral("2610"), QStringLiteral("1000"), QString());
    W<QPushButton>("fbAddIncome")->click();
    ASSERT_EQ(Doc().ResidentIncome13(0).LineCount(), 1u);
    EXPECT_EQ(Doc().ResidentIncome13(0).Line(0).Month, 1);
    EXPECT_EQ(Row(Lines(), 0)[0], QStringLiteral("1"));
}

TEST_F(ThirteenPercentTest, AgriculturalMonthsOnlyWithAnAgriculturalIncomeLine) {
    mTDeclaration doc = TwoSources();
    doc.MonthsWorked = 5;
    doc.ResidentIncome13(1).AddLine(Line(2791, 20000, 3, 1, 1000));
    Open(doc);
    Sources()->setCurrentItem(Sources()->topLevelItem(1));
    EXPECT_FALSE(W("gbFerm")->isHidden());
    EXPECT_EQ(Text("meFerm"), QStringLiteral("5"));
    auto* months = W<QLineEdit>("meFerm");
    months->setText(QStringLiteral("13"));
    EXPECT_EQ(months->text(), QStringLiteral("12"));
    months->setText(QStringLiteral("0"));
    EXPECT_EQ(months->text(), QStringLiteral("1"));
    months->setText(QStringLiteral("9"));
    Screen().SaveToDocument();
    EXPECT_EQ(Doc().MonthsWorked, 9);

    Lines()->setCurrentItem(Lines()->topLevelItem(1));
    W<QPushButton>("fbRemoveIncome")->click();
    EXPECT_TRUE(W("gbFerm")->isHidden());
    EXPECT_FALSE(TfrThirteenPercent::AgriculturalWorkShown(Doc()));
}

}  // namespace
}  // namespace zizaza::test
