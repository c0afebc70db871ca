#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <map>

#include "GuiTest.h"
#include "model/mTDeclaration.h"
#include "screens/TfmInput30SourseIncome.h"
#include "screens/TfmInput35SourseIncome.h"
#include "screens/TfmInput9SourseIncome.h"
#include "screens/TfrNinePercent.h"
#include "screens/TfrRussianIncome.h"
#include "screens/TfrThirtyFivePercent.h"
#include "screens/TfrThirtyPercent.h"

namespace zizaza::test {
namespace {

using Fields = std::map<const char*, QString>;

// An organisation that passes the source checks.
const Fields kOrganization = {{"meName", QStringLiteral("ООО Ромашка")},
                              {"meINN", QStringLiteral("1234567894")},
                              {"meKPP", QStringLiteral("770101001")},
                              {"meOKTMO", QStringLiteral("45382000")}};

Fields With(Fields fields, const Fields& more) {
    for (const auto& [name, text] : more)
        fields[name] = text;
    return fields;
}

// Presses "Да"; true when the dialog accepted.
bool Yes(TEntryDialog& dialog) {
    dialog.setResult(-1);
    dialog.YesButton()->click();
    return dialog.result() == QDialog::Accepted;
}

void Set(QDialog& dialog, const Fields& fields) {
    for (const auto& [name, text] : fields)
        Find<QLineEdit>(&dialog, name)->setText(text);
}

class OtherIncomesTest : public MainWindowTest {
protected:
    static mTDeclaration Declaration(DeclarationForm form = kForm3Ndfl) {
        return ScreenDeclaration(kIncomeRussia, form);
    }
    TContainerFrame& Open(const mTDeclaration& doc) {
        OpenDeclaration(doc, QStringLiteral("incomes.tv7"));
        return ShowScreen<TContainerFrame>(ScreenId::RussianIncome);
    }
    TContainerFrame* Container() {
        auto* container = dynamic_cast<TContainerFrame*>(window->CurrentScreen());
        EXPECT_NE(container, nullptr) << "the Russian incomes are not shown";
        return container;
    }
    TThinkingFrame* Press(const char* button) {
        W<TFlashButton>(button)->click();
        return Container()->CurrentSubScreen();
    }
    template <typename T = QWidget>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    QString Label(const char* name) { return W<QLabel>(name)->text(); }
    QTreeWidget* Sources() { return W<QTreeWidget>("lvSourseIncomeInfo"); }
    const mTDeclaration& Doc() { return window->Declaration(); }

    // The next entry dialog gets the texts and "Да".
    void Dialog(const Fields& fields) {
        ui.Modal([fields](QDialog& dialog) {
            Set(dialog, fields);
            dialog.setResult(-1);
            Find<QPushButton>(&dialog, "btYes")->click();
            return dialog.result();
        });
    }
};

TEST_F(OtherIncomesTest, ResidentAndNonResidentDeclarationsOfferTheirOwnSubScreens) {
    Open(Declaration());
    for (const char* shown : {"FlashButton1", "FlashButton2", "FlashButton3", "FlashButton7"})
        EXPECT_FALSE(W(shown)->isHidden()) << shown;
    for (const char* hidden : {"FlashButton4", "FlashButton5", "FlashButton6"})
        EXPECT_TRUE(W(hidden)->isHidden()) << hidden;
    EXPECT_EQ(W("FlashButton2")->toolTip(), QStringLiteral("Доходы, облагаемые по ставке 9% (НЕ дивиденды)"));
    EXPECT_NE(dynamic_cast<TfrNinePercent*>(Press("FlashButton2")), nullptr);
    EXPECT_NE(dynamic_cast<TfrThirtyFivePercent*>(Press("FlashButton3")), nullptr);
    EXPECT_NE(dynamic_cast<TfrThirtyPercent*>(Press("FlashButton7")), nullptr);
    EXPECT_TRUE(W<TFlashButton>("FlashButton7")->Down());
    // The whole-declaration check names the dividends as sub-screen 1.
    EXPECT_NE(dynamic_cast<TfrThirtyPercent*>(Container()->ShowSubScreen(TfrRussianIncome::kSubDividends)), nullptr);

    Open(Declaration(kForm3NdflNonResident));
    for (const char* shown : {"FlashButton1", "FlashButton2", "FlashButton6"})
        EXPECT_FALSE(W(shown)->isHidden()) << shown;
    for (const char* hidden : {"FlashButton3", "FlashButton4", "FlashButton5", "FlashButton7"})
        EXPECT_TRUE(W(hidden)->isHidden()) << hidden;
    EXPECT_EQ(W("FlashButton1")->toolTip(), QStringLiteral("Доходы нерезидента"));
    EXPECT_EQ(W("FlashButton2")->toolTip(), QStringLiteral("Дивиденды нерезидента"));
    EXPECT_NE(dynamic_cast<TfrThirtyPercent*>(Press("FlashButton2")), nullptr);

    // A non-resident's dividends are weighed against 15%.
    Dialog(With(kOrganization, {{"meDividends", "1000"}, {"meTaxable", "1000"}, {"meTaxIsch", "130"}}));
    ui.Click(QStringLiteral("Button1"));
    W<QPushButton>("fbAddSourseIncome")->click();
    EXPECT_EQ(
        ui.checkMessages,
        QStringList{QStringLiteral("Исчисленный налог значительно отличается от 15% от облагаемой суммы диведендов")});
    EXPECT_EQ(ui.checkCaptions, QStringList{QStringLiteral("Проверка: Доходы в виде дивидендов")});
    EXPECT_EQ(Doc().Income30Count(), 0u) << "the dialog stays open on Исправить";
}

TEST_F(OtherIncomesTest, NinePercentSourcesGetTheTaxAtNinePercentInWholeRoubles) {
    Open(Declaration());
    Press("FlashButton2");
    // 1005,50 × 9% = 90,495: below one half, 90 roubles.
    Dialog(With(kOrganization, {{"meIncome", "1005,5"}, {"meHoldSum", "90"}}));
    W<QPushButton>("fbAddSourseIncome")->click();
    ASSERT_EQ(Doc().Income9Count(), 1u);
    const mTThirtyPercent& source = Doc().Income9(0);
    EXPECT_EQ(source.Name, "ООО Ромашка");
    EXPECT_EQ(source.IncomeCode, 1011);
    EXPECT_EQ(source.TotalIncome, Money::Kopecks(100550));
    EXPECT_EQ(source.TaxableAmount, source.TotalIncome);
    EXPECT_EQ(source.TaxComputed, Money::Roubles(90));
    EXPECT_EQ(source.TaxWithheld, Money::Roubles(90));
    EXPECT_EQ(Sources()->topLevelItem(0)->text(0), QStringLiteral("ООО Ромашка"));
    EXPECT_EQ(Label("pnlIncome"), QStringLiteral("1005,5"));
    EXPECT_EQ(Label("pnlHoldSum"), QStringLiteral("90"));

    // 1005,60 × 9% = 90,504: one half or more, 91 roubles; the row caption follows the name.
    Dialog({{"meName", QStringLiteral("АО Лютик")}, {"meIncome", "1005,6"}});
    W<QPushButton>("fbEditSourseIncome")->click();
    EXPECT_EQ(Doc().Income9(0).TaxComputed, Money::Roubles(91));
    EXPECT_EQ(Doc().Income9(0).IncomeCode, 1011);
    EXPECT_EQ(Sources()->topLevelItem(0)->text(0), QStringLiteral("АО Лютик"));
    EXPECT_EQ(Label("pnlIncome"), QStringLiteral("1005,6"));
    EXPECT_TRUE(ui.checkMessages.isEmpty());
}

TEST_F(OtherIncomesTest, NinePercentDialogWeighsTheWithheldTaxAgainstTheIncome) {
    Start();
    TfmInput9SourseIncome dialog(*window);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Доход, облагаемый по ставке 9%"));
    Set(dialog, With(kOrganization, {{"meIncome", "100"}}));
    EXPECT_TRUE(Yes(dialog)) << "without a withheld tax the income is not weighed";

    Set(dialog, {{"meHoldSum", "101"}});
    ui.Click(QStringLiteral("Button1"));
    EXPECT_FALSE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages.last(), QStringLiteral("Сумма дохода меньше суммы удержанного налога"));
    EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meHoldSum"));

    // No income can not be passed over, whatever the answer.
    Set(dialog, {{"meIncome", ""}});
    ui.CloseBox();
    EXPECT_FALSE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages.last(), QStringLiteral("Не указана сумма дохода"));
    EXPECT_EQ(ui.checkCaptions.last(), QStringLiteral("Проверка: Доходы, облагаемые по ставке 9%"));
    EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meIncome"));
}

TEST_F(OtherIncomesTest, DividendsDialogWeighsTheComputedTaxAgainstTheRate) {
    Start();
    const QString far13 =
        QStringLiteral("Исчисленный налог значительно отличается от 13% от облагаемой суммы диведендов");
    struct Case {
        const char* computed;
        bool accepted;
    };
    // 13% of 1000 is 130: ten roubles either way pass.
    for (const Case& c : {Case{"140", true}, Case{"120", true}, Case{"141", false}, Case{"119", false}}) {
        SCOPED_TRACE(c.computed);
        ui.checkMessages.clear();
        TfmInput30SourseIncome dialog(*window, 13);
        Set(dialog,
            With(kOrganization,
                 {{"meDividends", "2000"}, {"meTaxable", "1000"}, {"meHoldSum", "130"}, {"meTaxIsch", c.computed}}));
        if (!c.accepted)
            ui.Click(QStringLiteral("Button1"));
        EXPECT_EQ(Yes(dialog), c.accepted);
        EXPECT_EQ(ui.checkMessages, c.accepted ? QStringList() : QStringList{far13});
        if (!c.accepted) {
            EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meTaxIsch"));
        }
    }

    // "Исправить" ends the checks at once; "Пропустить" goes on to the next one.
    TfmInput30SourseIncome dialog(*window, 13);
    Set(dialog, With(kOrganization,
                     {{"meDividends", "100"}, {"meTaxable", "1000"}, {"meHoldSum", "500"}, {"meTaxIsch", "130"}}));
    ui.checkMessages.clear();
    ui.Click(QStringLiteral("Button1"));
    EXPECT_FALSE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Сумма дивидендов меньше облагаемой суммы дивидендов")});
    EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meDividends"));
    ui.checkMessages.clear();
    ui.Click(QStringLiteral("Button2")).Click(QStringLiteral("Button1"));
    EXPECT_FALSE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages.last(), QStringLiteral("Сумма дивидендов меньше суммы удержанного налога"));
    EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meHoldSum"));

    mTThirtyPercent source;
    dialog.Apply(source);
    EXPECT_EQ(source.TotalIncome, Money::Roubles(100));
    EXPECT_EQ(source.TaxableAmount, Money::Roubles(1000));
    EXPECT_EQ(source.TaxWithheld, Money::Roubles(500));
    EXPECT_EQ(source.TaxComputed, Money::Roubles(130));
}

TEST_F(OtherIncomesTest, ThirtyFivePercentDialogFollowsTheIncomeAndDeductionCodes) {
    Start();
    {
        // The untaxed benefit needs no amount.
        TfmInput35SourseIncome dialog(*window);
        EXPECT_FALSE(Find<QWidget>(&dialog, "meIncomeSum")->isEnabled()) << "no amount before a code";
        ui.PickCode(QStringLiteral("2620"));
        dialog.ChooseIncomeCode();
        EXPECT_FALSE(Find<QWidget>(&dialog, "meIncomeSum")->isEnabled());
        EXPECT_FALSE(Find<QWidget>(&dialog, "bnDeductCode")->isEnabled()) << "2620 has no deductions";
        Set(dialog, With(kOrganization, {{"meHoldSum", "10"}}));
        EXPECT_TRUE(Yes(dialog));
        EXPECT_TRUE(ui.checkMessages.isEmpty());
        mTThirtyFivePercent source;
        dialog.Apply(source);
        EXPECT_EQ(source.IncomeCode, 2620);
        EXPECT_EQ(source.TotalIncome, Money());
        EXPECT_EQ(source.DeductionCode, 0);
        EXPECT_EQ(source.TaxWithheld, Money::Roubles(10));
    }
    TfmInput35SourseIncome dialog(*window);
    Set(dialog, kOrganization);
    ui.PickCode(QStringLiteral("2740"));
    dialog.ChooseIncomeCode();
    ASSERT_TRUE(Find<QWidget>(&dialog, "bnDeductCode")->isEnabled());
    ui.checkMessages.clear();
    ui.Click(QStringLiteral("Button1"));
    EXPECT_FALSE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Не указана сумма дохода")});
    EXPECT_EQ(ui.checkCaptions.last(), QStringLiteral("Проверка: Доходы, облагаемые по ставке 35%"));

    // 505 follows the income up to its limit of 4000.
    Set(dialog, {{"meIncomeSum", "10000"}});
    ui.PickCode(QStringLiteral("505"));
    dialog.ChooseDeductCode();
    EXPECT_EQ(Find<QLineEdit>(&dialog, "meDeductSum")->text(), QStringLiteral("4000"));
    Set(dialog, {{"meIncomeSum", "3000"}});
    EXPECT_EQ(Find<QLineEdit>(&dialog, "meDeductSum")->text(), QStringLiteral("3000"));

    // The deduction may be typed, but not above the income; closing the message does not let it pass.
    Set(dialog, {{"meDeductSum", "3500"}});
    ui.CloseBox();
    EXPECT_FALSE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages.last(), QStringLiteral("Сумма вычета превышает сумму дохода"));
    EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meDeductSum"));

    // An entry that does not follow the income is reset to 0 when the income changes.
    ui.PickCode(QStringLiteral("0"));
    dialog.ChooseDeductCode();
    EXPECT_TRUE(Find<QWidget>(&dialog, "meDeductSum")->isHidden());
    Set(dialog, {{"meIncomeSum", "2000"}});
    EXPECT_EQ(Find<QLineEdit>(&dialog, "meDeductSum")->text(), QStringLiteral("0"));

    // A withheld tax above the income may be skipped.
    Set(dialog, {{"meHoldSum", "2500"}});
    ui.Click(QStringLiteral("Button2"));
    EXPECT_TRUE(Yes(dialog));
    EXPECT_EQ(ui.checkMessages.last(), QStringLiteral("Удержанная сумма превышает сумму дохода"));
    mTThirtyFivePercent source;
    dialog.Apply(source);
    EXPECT_EQ(source.IncomeCode, 2740);
    EXPECT_EQ(source.DeductionCode, 0);
    EXPECT_EQ(source.TotalIncome, Money::Roubles(2000));
    EXPECT_EQ(source.TaxWithheld, Money::Roubles(2500));

    // Reopened, an entry that follows the income shows it again, limited.
    source.DeductionCode = 505;
    source.DeductionAmount = Money::Roubles(100);
    source.TotalIncome = Money::Roubles(9000);
    TfmInput35SourseIncome reopened(*window);
    reopened.Fill(source);
    EXPECT_EQ(Find<QLineEdit>(&reopened, "meDeductCode")->text(), QStringLiteral("505"));
    EXPECT_EQ(Find<QLineEdit>(&reopened, "meDeductSum")->text(), QStringLiteral("4000"));
    EXPECT_TRUE(Find<QWidget>(&reopened, "meIncomeSum")->isEnabled());
}

TEST_F(OtherIncomesTest, ThirtyFivePercentScreenShowsTheSelectedSourceAndForgetsADeletedOne) {
    mTDeclaration doc = Declaration();
    mTThirtyFivePercent& first = doc.Income35(doc.AddIncome35());
    first.Name = "Банк";
    first.IncomeCode = 3020;
    first.TotalIncome = Money::Roubles(1500);
    first.TaxWithheld = Money::Roubles(525);
    Open(doc);
    Press("FlashButton3");
    ASSERT_EQ(Sources()->topLevelItemCount(), 1);
    EXPECT_EQ(Sources()->selectedItems().size(), 1) << "the switch selects the first source";
    EXPECT_EQ(Label("pnlIncomeCode"), QStringLiteral("3020"));
    EXPECT_EQ(Label("pnlIncome"), QStringLiteral("1500"));
    EXPECT_EQ(Label("pnlDeductCode"), QStringLiteral("Нет"));
    EXPECT_EQ(Label("pnlHoldSum"), QStringLiteral("525"));

    W<QPushButton>("fbDeleteSourseIncome")->click();
    EXPECT_EQ(Doc().Income35Count(), 0u);
    EXPECT_EQ(Sources()->topLevelItemCount(), 0);
    for (const char* total : {"pnlIncomeCode", "pnlIncome", "pnlDeductCode", "pnlDeduct", "pnlHoldSum"})
        EXPECT_TRUE(Label(total).isEmpty()) << total;
    EXPECT_FALSE(W("fbEditSourseIncome")->isEnabled());
    EXPECT_FALSE(window->Saved());
}

}  // namespace
}  // namespace zizaza::test
