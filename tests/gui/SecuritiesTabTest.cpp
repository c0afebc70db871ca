#include <QLabel>

#include "GuiTest.h"
#include "checks/NavigationCode.h"
#include "model/mTDeclaration.h"
#include "screens/TfrCB.h"
#include "screens/TfrFrameDeductData.h"
#include "screens/TfrFrameStandartDeduct.h"

namespace zizaza::test {
namespace {

class SecuritiesTabTest : public MainWindowTest {
protected:
    static mTDeclaration Declaration() { return ScreenDeclaration(); }
    // Opens the declaration, its deductions and there the securities tab.
    TfrCB& Open(const mTDeclaration& doc) {
        OpenDeclaration(doc, QStringLiteral("securities.tv7"));
        return Reopen();
    }
    TfrCB& Reopen() {
        window->ScreenButton(ScreenId::Deduction)->click();
        auto* container = Container();
        EXPECT_NE(container, nullptr) << "the deductions are not shown";
        container->TabButton(TfrFrameDeductData::kTabSecurities)->click();
        auto* tab = dynamic_cast<TfrCB*>(container->CurrentSubScreen());
        EXPECT_NE(tab, nullptr) << "the securities tab is not shown";
        return *tab;
    }
    TfrFrameDeductData* Container() { return dynamic_cast<TfrFrameDeductData*>(window->CurrentScreen()); }
    TMaskedEdit* E(const QString& name) { return Find<TMaskedEdit>(window.get(), name.toLatin1().constData()); }
    QString Total(const char* name) {
        auto* total = Find<QLabel>(window.get(), name);
        return total ? total->text() : QString();
    }
    void Type(const QString& name, const QString& text) {
        E(name)->clear();
        TypeText(E(name), text);
    }
    const mTDeclaration& Doc() { return window->Declaration(); }
};

TEST_F(SecuritiesTabTest, ShowsTheStoredAmountsWithTheTotalsOfTheShownYearsAndKeepsTheOthers) {
    mTDeclaration doc = Declaration();
    mTCBDeduct& losses = doc.SecuritiesDeductions;
    losses.SecuritiesLoss(2008) = Money::Roubles(1000);
    losses.SecuritiesLoss(2012) = Money::Roubles(500);
    losses.DerivativesLoss(2009) = Money::Roubles(70);
    losses.DerivativesLoss(2011) = Money::Kopecks(150);
    losses.DerivativesLoss(2016) = Money::Roubles(200);
    mTCBDeduct& iis = doc.IisDeductions;
    iis.SecuritiesLoss(2014) = Money::Roubles(9);  // no field of the tab shows it
    iis.SecuritiesLoss(2015) = Money::Roubles(100);
    iis.SecuritiesLoss(2016) = Money::Kopecks(5050);
    iis.DerivativesLoss(2016) = Money::Roubles(7);
    doc.InvestmentDeductionE2 = Money::Roubles(52000);
    doc.InvestmentDeductionReturn = Money::Kopecks(1);
    doc.InvestmentDeductionZ = Money::Roubles(3);
    Open(doc);

    EXPECT_EQ(E("meCB2012")->text(), QStringLiteral("500"));
    EXPECT_EQ(E("meCB2010")->text(), QStringLiteral("0"));
    EXPECT_EQ(E("mePFI2011")->text(), QStringLiteral("1,5"));
    EXPECT_EQ(E("meIisCB2016")->text(), QStringLiteral("50,5"));
    EXPECT_EQ(E("meIisPFI2015")->text(), QStringLiteral("0"));
    EXPECT_EQ(E("meE2")->text(), QStringLiteral("52000"));
    EXPECT_EQ(E("meReturn")->text(), QStringLiteral("0,01"));
    EXPECT_EQ(E("meZ")->text(), QStringLiteral("3"));
    EXPECT_EQ(E("meI")->text(), QStringLiteral("0"));
    EXPECT_EQ(Total("lbTotalCB"), QStringLiteral("500")) << "the loss of 2008 is not counted";
    EXPECT_EQ(Total("lbTotalPFI"), QStringLiteral("201,5")) << "the loss of 2009 is not counted";
    EXPECT_EQ(Total("lbTotalIisCB"), QStringLiteral("150,5"));
    EXPECT_EQ(Total("lbTotalIisPFI"), QStringLiteral("7"));
    EXPECT_TRUE(window->Saved()) << "filling the tab changes nothing";

    // Saving the tab as it was filled leaves every stored amount as it was.
    window->CurrentScreen()->SaveToDocument();
    EXPECT_EQ(Doc().SecuritiesDeductions.Values, losses.Values);
    EXPECT_EQ(Doc().IisDeductions.Values, iis.Values);
    EXPECT_EQ(Doc().InvestmentDeductionReturn, Money::Kopecks(1));
    EXPECT_EQ(Doc().InvestmentDeductionZ, Money::Roubles(3));
}

TEST_F(SecuritiesTabTest, TypedAmountsMoveTheTotalsAndAreSavedWhenTheTabIsLeft) {
    mTDeclaration doc = Declaration();
    doc.SecuritiesDeductions.SecuritiesLoss(2012) = Money::Roubles(500);
    doc.SecuritiesDeductions.SecuritiesLoss(2007) = Money::Roubles(40);
    Open(doc);

    Type("meCB2016", QStringLiteral("250,5"));
    EXPECT_EQ(Total("lbTotalCB"), QStringLiteral("750,5"));
    E("meCB2012")->clear();
    EXPECT_EQ(Total("lbTotalCB"), QStringLiteral("250,5")) << "an empty entry counts as 0";
    Type("mePFI2010", QStringLiteral("10"));
    Type("mePFI2013", QStringLiteral("0,25"));
    EXPECT_EQ(Total("lbTotalPFI"), QStringLiteral("10,25"));
    Type("meIisCB2015", QStringLiteral("1"));
    Type("meIisPFI2016", QStringLiteral("2"));
    Type("meIisPFI2015", QStringLiteral("3"));
    EXPECT_EQ(Total("lbTotalIisCB"), QStringLiteral("1"));
    EXPECT_EQ(Total("lbTotalIisPFI"), QStringLiteral("5"));
    EXPECT_EQ(Total("lbTotalCB"), QStringLiteral("250,5")) << "the account's entries stay out of the general total";
    Type("meZ", QStringLiteral("12,34"));
    E("meI")->clear();
    EXPECT_FALSE(window->Saved());

    // The tab has nothing to check: another tab takes its place at once.
    Container()->TabButton(TfrFrameDeductData::kTabStandard)->click();
    ASSERT_NE(dynamic_cast<TfrFrameStandartDeduct*>(Container()->CurrentSubScreen()), nullptr);
    const mTCBDeduct& losses = Doc().SecuritiesDeductions;
    EXPECT_EQ(losses.SecuritiesLoss(2016), Money::Kopecks(25050));
    EXPECT_EQ(losses.SecuritiesLoss(2012), Money());
    EXPECT_EQ(losses.SecuritiesLoss(2007), Money::Roubles(40));
    EXPECT_EQ(losses.DerivativesLoss(2013), Money::Kopecks(25));
    EXPECT_EQ(Doc().IisDeductions.SecuritiesLoss(2015), Money::Roubles(1));
    EXPECT_EQ(Doc().IisDeductions.DerivativesLoss(2015), Money::Roubles(3));
    EXPECT_EQ(Doc().IisDeductions.DerivativesLoss(2016), Money::Roubles(2));
    EXPECT_EQ(Doc().IisDeductions.SecuritiesLoss(2014), Money()) << "not an entry of the tab";
    EXPECT_EQ(Doc().InvestmentDeductionZ, Money::Kopecks(1234));
    EXPECT_EQ(Doc().InvestmentDeductionI, Money());

    // Back on the tab, the cleared loss shows 0.
    Container()->TabButton(TfrFrameDeductData::kTabSecurities)->click();
    EXPECT_EQ(E("meCB2012")->text(), QStringLiteral("0"));
    EXPECT_EQ(Total("lbTotalCB"), QStringLiteral("250,5"));

    // Leaving the whole deductions screen from the tab is never refused either.
    window->ScreenButton(ScreenId::InitialData)->click();
    EXPECT_EQ(window->CurrentScreenButton(), window->ScreenButton(ScreenId::InitialData));
}

TEST_F(SecuritiesTabTest, SheetE2AmountStopsAtItsLimit) {
    Open(Declaration());
    Type("meE2", QStringLiteral("450000"));
    EXPECT_EQ(E("meE2")->text(), QStringLiteral("400000"));
    TypeText(E("meE2"), QStringLiteral("1"));
    EXPECT_EQ(E("meE2")->text(), QStringLiteral("400000")) << "a seventh digit gives no more";
    window->CurrentScreen()->SaveToDocument();
    EXPECT_EQ(Doc().InvestmentDeductionE2, Money::Roubles(400000));

    Type("meE2", QStringLiteral("399999,99"));
    EXPECT_EQ(E("meE2")->text(), QStringLiteral("399999,99"));
    window->CurrentScreen()->SaveToDocument();
    EXPECT_EQ(Doc().InvestmentDeductionE2, Money::Kopecks(39999999));

    // The other amounts have no such limit.
    Type("meReturn", QStringLiteral("450000"));
    EXPECT_EQ(E("meReturn")->text(), QStringLiteral("450000"));
}

TEST_F(SecuritiesTabTest, KeyboardGoesDownEachColumnThenThroughTheDeductions) {
    TfrCB& tab = Open(Declaration());
    QStringList expected;
    for (const char* column : {"meCB", "mePFI"})
        for (int year = 2010; year <= 2016; ++year)
            expected << QLatin1String(column) + QString::number(year);
    expected << "meIisCB2015"
             << "meIisCB2016"
             << "meIisPFI2015"
             << "meIisPFI2016";
    expected << "meE2"
             << "meReturn"
             << "meZ"
             << "meI";

    QStringList order;
    QWidget* widget = E("meCB2010");
    while (widget && order.size() < expected.size()) {
        if (qobject_cast<TMaskedEdit*>(widget) && tab.isAncestorOf(widget))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, expected);
}

TEST_F(SecuritiesTabTest, WholeDeclarationCheckLeadsFromTheTabToTheStandardTab) {
    Open(Declaration());
    Type("meCB2014", QStringLiteral("5"));
    window->Navigate(MakeNavigationCode(9, 3));
    TfrFrameDeductData* container = Container();
    ASSERT_NE(container, nullptr);
    EXPECT_NE(dynamic_cast<TfrFrameStandartDeduct*>(container->CurrentSubScreen()), nullptr);
    EXPECT_TRUE(container->TabButton(TfrFrameDeductData::kTabStandard)->Down());
    EXPECT_FALSE(container->TabButton(TfrFrameDeductData::kTabSecurities)->Down());
    // The securities tab is no target of the check: its index names the property tab.
    EXPECT_EQ(dynamic_cast<TfrCB*>(container->ShowSubScreen(TfrFrameDeductData::kTabSecurities)), nullptr);
}

}  // namespace
}  // namespace zizaza::test
