#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "calc/kTSvodSum.h"
#include "calc/kTSvodSumPrilZ.h"
#include "checks/NavigationCode.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/TfmInputConstruction.h"
#include "screens/TfrFrameDeductData.h"
#include "screens/TfrMultyConstructionDeduct.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TUpDown.h"

namespace zizaza::test {
namespace {

Money Roubles(int64_t roubles) {
    return Money::Roubles(roubles);
}

// An object bought under a sale contract (registration of the right in regYear) or, with
// investment, taken over by a transfer act in that year.
mTConstructionDeductObj Object(int regYear, int64_t cost, int64_t interest = 0, bool investment = false,
                               int32_t num = 1, int32_t den = 1) {
    mTConstructionDeductObj o;
    o.ObjectKind = PropertyObjectKind::Flat;
    o.OwnershipKind = PropertyOwnership::Individual;
    o.NumberKind = PropertyNumberKind::Cadastral;
    o.Number = "77:01:" + std::to_string(regYear);
    o.TaxpayerSign = PropertyTaxpayerSign::Owner;
    o.ByInvestment = investment;
    o.OwnershipRegistrationDate = Date::Ymd(investment ? 2017 : regYear, 3, 1);
    o.TransferActDate = Date::Ymd(investment ? regYear : 2017, 3, 1);
    o.FirstYearOfUse = Date::Ymd(std::max(regYear, 1992), 1, 1);
    o.ShareNumerator = num;
    o.ShareDenominator = den;
    o.Cost = Roubles(cost);
    o.Interest = Roubles(interest);
    return o;
}

template <typename T = QWidget>
T* In(QDialog& dialog, const char* name) {
    return Find<T>(&dialog, name);
}

// Presses "Да" and returns the dialog's result (-1 while it stays open).
int Yes(QDialog& dialog) {
    dialog.setResult(-1);
    In<QPushButton>(dialog, "btYes")->click();
    return dialog.result();
}

// Fills the object dialog with a complete purchase of a flat registered in the year given.
void FillPurchase(QDialog& dialog, int regYear, const QString& cost, const QString& interest = {}) {
    In<QRadioButton>(dialog, "rbPurchase")->setChecked(true);
    In<QComboBox>(dialog, "cbObjectNaim")->setCurrentIndex(1);
    In<QComboBox>(dialog, "cbKodNomSob")->setCurrentIndex(0);
    In<QLineEdit>(dialog, "meNom")->setText(QStringLiteral("50:21:%1").arg(regYear));
    In<QComboBox>(dialog, "cbPrizNal")->setCurrentIndex(0);
    In<TDtpPanel>(dialog, "dtpRegRightDate")->SetDate(Date::Ymd(regYear, 6, 1));
    In<QComboBox>(dialog, "cbVidSob")->setCurrentIndex(0);
    In<TUpDown>(dialog, "udBeginningUsePrivilegeDate")->SetPosition(std::max(regYear, 2014));
    In<QLineEdit>(dialog, "meObsch")->setText(cost);
    if (!interest.isEmpty())
        In<QLineEdit>(dialog, "meobschip")->setText(interest);
}

class PropertyDeductionsTest : public MainWindowTest {
protected:
    static mTDeclaration Declaration(std::vector<mTConstructionDeductObj> objects = {}, bool granted = true) {
        mTDeclaration doc = ScreenDeclaration();
        doc.PropertyDeductions.Granted = granted;
        for (const auto& o : objects)
            doc.PropertyDeductions.AddObject(std::make_unique<mTConstructionDeductObj>(o));
        return doc;
    }
    // Opens the declaration, its deductions and the property tab.
    TfrMultyConstructionDeduct& Open(const mTDeclaration& doc) {
        OpenDeclaration(doc, QStringLiteral("property.tv7"));
        return Reopen();
    }
    TfrMultyConstructionDeduct& Reopen() {
        return ShowScreen<TfrMultyConstructionDeduct>(ScreenId::Deduction, "fbConstruction");
    }
    void Leave() { window->ScreenButton(ScreenId::InitialData)->click(); }
    template <typename T = TMaskedEdit>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    const mTConstructionDeduct& Record() { return window->Declaration().PropertyDeductions; }
    QTreeWidget* List() { return W<QTreeWidget>("lvObjects"); }
    // The kind and the number of an object, as the row shows them.
    QString Row(int row) {
        return List()->topLevelItem(row)->text(0) + QLatin1Char(' ') + List()->topLevelItem(row)->text(1);
    }
    QString CostShown() { return W<QLabel>("pnlAllCost")->text(); }
};

// The totals shown are those the calculation's sheet uses.
TEST_F(PropertyDeductionsTest, TotalsKeepTheLimitsOfTheYearAndTheShare) {
    const struct {
        const char* name;
        std::vector<mTConstructionDeductObj> objects;
        int64_t cost;
        int64_t interest = 0;
    } cases[] = {
        {"flat of 2007", {Object(2007, 1'500'000)}, 1'000'000},
        {"flat of 2015", {Object(2015, 2'500'000)}, 2'000'000},
        {"cheap flat of 2015", {Object(2015, 1'250'000)}, 1'250'000},
        {"half of a flat of 2010", {Object(2010, 1'500'000, 0, false, 1, 2)}, 1'000'000},
        {"half of a flat of 2015", {Object(2015, 3'000'000, 0, false, 1, 2)}, 2'000'000},
        {"transfer act of 2007 counts", {Object(2007, 1'500'000, 0, true)}, 1'000'000},
        {"share not entered", {Object(2010, 2'500'000, 0, false, 0, 0)}, 2'000'000},
        {"share above the whole", {Object(2010, 2'500'000, 0, false, 3, 2)}, 2'000'000},
        // The interest of one object only: the first in the list when none was taken before.
        {"two objects", {Object(2015, 1'200'000, 300'000), Object(2016, 1'000'000, 50'000)}, 2'000'000, 300'000},
        // After an object of the rules before 2014 no later object gets the purchase deduction.
        {"flat of 2012 and flat of 2016", {Object(2012, 1'200'000), Object(2016, 3'000'000)}, 1'200'000},
        {"two small objects", {Object(2015, 700'000), Object(2016, 300'000)}, 1'000'000},
        {"flat of 2007 and an interest-only object",
         {Object(2007, 1'500'000), Object(2016, 0, 200'000)},
         1'000'000,
         200'000},
        {"interest of 2016 above its limit", {Object(2016, 1'000'000, 4'000'000)}, 1'000'000, 3'000'000},
        {"third of a flat of 2010", {Object(2010, 2'500'000, 0, false, 1, 3)}, 0},
    };
    for (const auto& c : cases) {
        const mTDeclaration doc = Declaration(c.objects);
        Open(doc);
        kTSvodSum sum;
        sum.Compute(window->Declaration());
        EXPECT_EQ(CostShown(), MoneyToScreen(sum.PrilZ().TotalCost)) << c.name;
        EXPECT_EQ(W<QLabel>("pnlAllInterest")->text(), MoneyToScreen(sum.PrilZ().TotalInterest)) << c.name;
        if (c.cost != 0)
            EXPECT_EQ(sum.PrilZ().TotalCost, Roubles(c.cost)) << c.name;
        else  // a third of the limit is rounded to kopecks
            EXPECT_EQ(sum.PrilZ().TotalCost, Money::Kopecks(66'666'667)) << c.name;
        EXPECT_EQ(sum.PrilZ().TotalInterest, Roubles(c.interest)) << c.name;
    }
}

// An object that counts nothing is named under the list with the reason.
TEST_F(PropertyDeductionsTest, ObjectsThatCountNothingAreExplained) {
    const struct {
        const char* name;
        std::vector<mTConstructionDeductObj> objects;
        const char* note;
    } cases[] = {
        {"later flat",
         {Object(2012, 1'200'000), Object(2016, 3'000'000)},
         "Объект 2 (Квартира 77:01:2016): вычет на покупку не предоставляется"},
        {"second interest",
         {Object(2015, 1'000'000, 100'000), Object(2015, 1'000'000, 120'000)},
         "Объект 2 (Квартира 77:01:2015): проценты по кредиту не учитываются"},
        {"one flat", {Object(2015, 1'000'000, 100'000)}, ""},
    };
    for (const auto& c : cases) {
        Open(Declaration(c.objects));
        auto* notes = W<QLabel>("lbObjectNotes");
        const QString note = QString::fromUtf8(c.note);
        EXPECT_TRUE(note.isEmpty() ? notes->text().isEmpty() : notes->text().startsWith(note))
            << c.name << ": " << notes->text().toStdString();
        EXPECT_EQ(notes->isVisibleTo(notes->parentWidget()), *c.note != 0) << c.name;
    }
}

TEST_F(PropertyDeductionsTest, ObjectRowsShowKindNumberAndAddress) {
    mTConstructionDeductObj flat = Object(2015, 1'000'000);
    flat.Place = "г. Москва, ул. Лесная, д. 5, кв. 12";
    mTConstructionDeductObj land = Object(2016, 500'000);
    land.ObjectKind = PropertyObjectKind::LandForHousing;
    land.NumberKind = PropertyNumberKind::NoNumber;
    land.Number.clear();
    land.Place = "Московская обл., д. Ивановка, уч. 7";
    Open(Declaration({flat, land}));
    QStringList headers;
    for (int c = 0; c < List()->columnCount(); ++c)
        headers << List()->headerItem()->text(c);
    EXPECT_EQ(headers, (QStringList{"Объект", "Номер объекта", "Место нахождения"}));
    const QStringList rows[] = {{"Квартира", "77:01:2015", "г. Москва, ул. Лесная, д. 5, кв. 12"},
                                {"Земельный участок под строительство", "", "Московская обл., д. Ивановка, уч. 7"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(List()->topLevelItem(r)->text(c), rows[r][c]) << r << ", " << c;
}

TEST_F(PropertyDeductionsTest, ScreenShowsTheDocumentAndItsRules) {
    mTDeclaration doc = Declaration({Object(2012, 1'800'000, 400'000)});
    doc.PropertyDeductions.AgentPurchase = Roubles(12'000);
    doc.PropertyDeductions.PreviousYearsPurchase = Money::FromRaw(15'005'000);
    doc.PropertyDeductions.AgentInterest = Roubles(700);
    doc.PropertyDeductions.PreviousYearsInterest = Roubles(900);
    Open(doc);
    EXPECT_TRUE(W<QCheckBox>("chbGrantingConstructionDeduct")->isChecked());
    ASSERT_EQ(List()->topLevelItemCount(), 1);
    EXPECT_EQ(Row(0), QStringLiteral("Квартира 77:01:2012"));
    EXPECT_EQ(CostShown(), QStringLiteral("1800000"));
    // One object under the earlier rules with credit interest: no further object, and the screen says why.
    EXPECT_FALSE(W<QPushButton>("fbAddObject")->isEnabled());
    EXPECT_TRUE(W<QLabel>("lbAddObjectWhy")->text().contains(QStringLiteral("для процентов по кредиту")));
    EXPECT_EQ(W("meAgentPurchase")->text(), QStringLiteral("12000"));
    EXPECT_EQ(W("mePrevPurchase")->text(), QStringLiteral("1500,5"));
    EXPECT_EQ(W("mePrevInterest")->text(), QStringLiteral("900"));
    EXPECT_TRUE(W("mePrevInterest")->isEnabled());

    // The amounts typed are kept.
    W("meAgentInterest")->setText(QStringLiteral("1234,5"));
    Leave();
    EXPECT_EQ(Record().AgentInterest, Money::FromRaw(12'345'000));
    EXPECT_EQ(Record().PreviousYearsPurchase, Money::FromRaw(15'005'000));

    // Objects of 2017 only, without the pensioner mark: nothing of earlier years to enter.
    mTDeclaration recent = Declaration({Object(2017, 900'000, 10'000), Object(2017, 300'000)});
    recent.PropertyDeductions.PreviousYearsPurchase = Roubles(5);
    recent.PropertyDeductions.PreviousYearsInterest = Roubles(6);
    Open(recent);
    for (const char* name : {"mePrevPurchase", "mePrevInterest", "lbPrevPurchase", "lbPrevInterest"})
        EXPECT_FALSE(W<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(W("mePrevPurchase")->text().isEmpty());
    EXPECT_TRUE(W("meAgentPurchase")->isEnabled());
    EXPECT_TRUE(W<QPushButton>("fbAddObject")->isEnabled());
    EXPECT_TRUE(W<QLabel>("lbAddObjectWhy")->isHidden());
    Leave();
    EXPECT_EQ(Record().PreviousYearsPurchase, Money());

    // The pensioner may carry the deduction back: the earlier years count again.
    std::vector<mTConstructionDeductObj> pension = {Object(2017, 900'000, 10'000)};
    pension[0].Pensioner = true;
    Open(Declaration(pension));
    EXPECT_TRUE(W("mePrevPurchase")->isEnabled());
    EXPECT_TRUE(W("mePrevInterest")->isEnabled());

    // Nothing granted: no objects, no amounts.
    Open(Declaration({}, false));
    EXPECT_FALSE(W<QWidget>("gbObjects")->isEnabled());
    EXPECT_FALSE(W<QPushButton>("fbAddObject")->isEnabled());
    EXPECT_FALSE(W<QLabel>("lbAddObjectWhy")->isHidden());
    EXPECT_FALSE(W("meAgentPurchase")->isEnabled());
}

TEST_F(PropertyDeductionsTest, AddingObjectsSharesTheLimitAndTheInterest) {
    Open(Declaration());
    EXPECT_FALSE(W("meAgentPurchase")->isEnabled()) << "no object yet";
    ui.Modal([](QDialog& dialog) {
        // The first object may date from before 2014 and carry interest.
        EXPECT_EQ(In<TDtpPanel>(dialog, "dtpRegRightDate")->MinDate(), Date::Ymd(1990, 1, 1));
        EXPECT_TRUE(In<QWidget>(dialog, "meobschip")->isEnabled());
        FillPurchase(dialog, 2015, QStringLiteral("1200000"), QStringLiteral("300000"));
        return Yes(dialog);
    });
    W<QPushButton>("fbAddObject")->click();
    ASSERT_EQ(Record().ObjectCount(), 1u);
    EXPECT_EQ(Row(0), QStringLiteral("Квартира 50:21:2015"));
    EXPECT_EQ(Record().Object(0).Interest, Roubles(300'000));
    EXPECT_EQ(Record().Object(0).FirstYearOfUse, Date::Ymd(2015, 1, 1));
    EXPECT_TRUE(W("meAgentPurchase")->isEnabled());
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(0));

    ui.Modal([](QDialog& dialog) {
        // The second object comes under the rules from 2014, and the interest is taken already.
        EXPECT_EQ(In<TDtpPanel>(dialog, "dtpRegRightDate")->MinDate(), Date::Ymd(2014, 1, 1));
        EXPECT_FALSE(In<QWidget>(dialog, "meobschip")->isEnabled());
        EXPECT_TRUE(In<QWidget>(dialog, "meObsch")->isEnabled());
        FillPurchase(dialog, 2016, QStringLiteral("1000000"));
        In<QComboBox>(dialog, "cbObjectNaim")->setCurrentIndex(3);
        In<QCheckBox>(dialog, "chbPensioner")->setChecked(true);
        return Yes(dialog);
    });
    W<QPushButton>("fbAddObject")->click();
    ASSERT_EQ(Record().ObjectCount(), 2u);
    EXPECT_EQ(Row(1), QStringLiteral("Доля (доли) в жилом доме, квартире, комнате 50:21:2016"));
    EXPECT_EQ(CostShown(), QStringLiteral("2000000"));
    EXPECT_TRUE(Record().Object(0).Pensioner) << "the mark goes to every object";
    EXPECT_TRUE(W<QPushButton>("fbAddObject")->isEnabled()) << "a third object may still share the limit";

    // Filled again from the document, the rows show the short names.
    Leave();
    Reopen();
    EXPECT_EQ(Row(1), QStringLiteral("Доля в доме, квартире, комнате 50:21:2016"));

    // A cancelled dialog adds nothing.
    ui.Click(QStringLiteral("btNo"));
    W<QPushButton>("fbAddObject")->click();
    EXPECT_EQ(Record().ObjectCount(), 2u);
}

TEST_F(PropertyDeductionsTest, EditingAndDeletingKeepTheRules) {
    // An old flat and the credit interest on it as a second object.
    Open(Declaration({Object(2010, 1'500'000), Object(2010, 0, 200'000)}));
    List()->setCurrentItem(List()->topLevelItem(0));
    ui.Modal([](QDialog& dialog) {
        // The cost-only object of such a pair keeps the earlier dates, and the interest stays
        // with the other object.
        EXPECT_EQ(In<TDtpPanel>(dialog, "dtpRegRightDate")->MinDate(), Date::Ymd(1990, 1, 1));
        EXPECT_EQ(In<TDtpPanel>(dialog, "dtpRegRightDate")->GetDate(), Date::Ymd(2010, 3, 1));
        EXPECT_FALSE(In<QWidget>(dialog, "meobschip")->isEnabled());
        EXPECT_TRUE(In<QWidget>(dialog, "meObsch")->isEnabled());
        In<QLineEdit>(dialog, "meObsch")->setText(QStringLiteral("1700000"));
        return Yes(dialog);
    });
    W<QPushButton>("fbEditObject")->click();
    EXPECT_EQ(Record().Object(0).Cost, Roubles(1'700'000));
    EXPECT_EQ(Record().Object(0).OwnershipRegistrationDate, Date::Ymd(2010, 3, 1));

    List()->setCurrentItem(List()->topLevelItem(1));
    ui.Modal([](QDialog& dialog) {
        EXPECT_EQ(In<TDtpPanel>(dialog, "dtpRegRightDate")->MinDate(), Date::Ymd(2014, 1, 1));
        EXPECT_FALSE(In<QWidget>(dialog, "meObsch")->isEnabled()) << "the interest object has no cost";
        EXPECT_TRUE(In<QWidget>(dialog, "meobschip")->isEnabled());
        return int(QDialog::Rejected);
    });
    W<QPushButton>("fbEditObject")->click();

    // Deleting selects the previous row; the last one gone, nothing is left to enter.
    W<QPushButton>("fbDeleteObject")->click();
    ASSERT_EQ(Record().ObjectCount(), 1u);
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(0));
    EXPECT_EQ(CostShown(), QStringLiteral("1700000")) << "one old flat, within the limit of 2010";
    EXPECT_TRUE(W<QPushButton>("fbAddObject")->isEnabled()) << "a single old object without interest";
    W("meAgentPurchase")->setText(QStringLiteral("100"));
    W<QPushButton>("fbDeleteObject")->click();
    EXPECT_EQ(Record().ObjectCount(), 0u);
    EXPECT_FALSE(W("meAgentPurchase")->isEnabled());
    EXPECT_TRUE(W("meAgentPurchase")->text().isEmpty());
    EXPECT_TRUE(W<QPushButton>("fbAddObject")->isEnabled());
    EXPECT_FALSE(W<QPushButton>("fbDeleteObject")->isEnabled());
    EXPECT_EQ(CostShown(), QStringLiteral("0"));
}

TEST_F(PropertyDeductionsTest, ClearingTheGrantAsksBeforeTheObjectsGo) {
    Open(Declaration({Object(2015, 1'000'000), Object(2016, 500'000), Object(2016, 300'000)}));
    auto* grant = W<QCheckBox>("chbGrantingConstructionDeduct");
    ui.Answers({UserInterface::Answer::No});
    grant->click();
    EXPECT_TRUE(grant->isChecked());
    EXPECT_EQ(Record().ObjectCount(), 3u);
    EXPECT_EQ(List()->topLevelItemCount(), 3);

    ui.Answers({UserInterface::Answer::Yes});
    grant->click();
    EXPECT_FALSE(grant->isChecked());
    EXPECT_EQ(Record().ObjectCount(), 0u);
    EXPECT_EQ(List()->topLevelItemCount(), 0);
    EXPECT_FALSE(W<QWidget>("gbObjects")->isEnabled());
    EXPECT_FALSE(W("meAgentPurchase")->isEnabled());
    EXPECT_FALSE(window->Saved());

    grant->click();
    EXPECT_TRUE(W<QWidget>("gbObjects")->isEnabled());
    EXPECT_TRUE(W<QPushButton>("fbAddObject")->isEnabled());
    EXPECT_EQ(List()->topLevelItemCount(), 0);
    grant->click();  // no objects: nothing to ask
    Leave();
    EXPECT_FALSE(Record().Granted);
    EXPECT_EQ(ui.Texts(ScriptedUi::Kind::Ask).size(), 2);
}

TEST_F(PropertyDeductionsTest, ObjectDialogFollowsTheAcquisitionAndTheDates) {
    Open(Declaration());
    ui.Modal([](QDialog& dialog) {
        auto* kind = In<QComboBox>(dialog, "cbObjectNaim");
        auto* ownership = In<QComboBox>(dialog, "cbVidSob");
        EXPECT_EQ(kind->count(), 8);
        // A land plot is no object of an investment contract.
        kind->setCurrentIndex(4);
        EXPECT_TRUE(In<QWidget>(dialog, "dtpRegZemDate")->isEnabled());
        In<QRadioButton>(dialog, "rbInvestment")->setChecked(true);
        EXPECT_EQ(kind->count(), 4);
        EXPECT_EQ(kind->currentIndex(), -1);
        EXPECT_EQ(kind->itemText(3), QStringLiteral("Доля (доли) в доме, квартире, комнате"));
        EXPECT_FALSE(In<QWidget>(dialog, "dtpRegRightDate")->isEnabled());
        EXPECT_FALSE(In<QWidget>(dialog, "dtpRegZemDate")->isEnabled());
        EXPECT_EQ(In<TDtpPanel>(dialog, "dtpRegRightDate")->GetDate(), Date::Ymd(2017, 1, 1));
        EXPECT_TRUE(In<QWidget>(dialog, "dtpBuyDate")->isEnabled());
        kind->setCurrentIndex(1);

        // An act before 2014: the share is entered and the four ownership kinds apply.
        In<TDtpPanel>(dialog, "dtpBuyDate")->SetDate(Date::Ymd(2012, 5, 5));
        EXPECT_TRUE(In<QWidget>(dialog, "meDol1")->isEnabled());
        EXPECT_EQ(ownership->count(), 4);
        ownership->setCurrentIndex(2);
        EXPECT_TRUE(In<QWidget>(dialog, "dtpAppDate")->isEnabled());
        In<QLineEdit>(dialog, "meDol1")->setText(QStringLiteral("3"));
        In<QLineEdit>(dialog, "meDol2")->setText(QStringLiteral("2"));
        // From 2014 on: the whole object and the six kinds; the kind chosen is still in the list.
        In<TDtpPanel>(dialog, "dtpBuyDate")->SetDate(Date::Ymd(2015, 5, 5));
        EXPECT_FALSE(In<QWidget>(dialog, "meDol1")->isEnabled());
        EXPECT_EQ(In<QLineEdit>(dialog, "meDol1")->text(), QStringLiteral("1"));
        EXPECT_EQ(ownership->count(), 6);
        EXPECT_EQ(ownership->currentIndex(), 2);
        ownership->setCurrentIndex(4);
        EXPECT_FALSE(In<QWidget>(dialog, "dtpAppDate")->isEnabled());
        In<TDtpPanel>(dialog, "dtpBuyDate")->SetDate(Date::Ymd(2013, 5, 5));
        EXPECT_EQ(ownership->currentIndex(), -1) << "not one of the four kinds";
        ownership->setCurrentIndex(0);
        In<QComboBox>(dialog, "cbPrizNal")->setCurrentIndex(1);
        EXPECT_TRUE(In<QWidget>(dialog, "dtpAppDate")->isEnabled()) << "the owner's spouse";
        In<QLineEdit>(dialog, "meDol1")->setText(QStringLiteral("3"));
        In<QLineEdit>(dialog, "meDol2")->setText(QStringLiteral("2"));

        // The number kind decides what is entered.
        auto* number = In<QLineEdit>(dialog, "meNom");
        auto* place = In<QLineEdit>(dialog, "meMesto");
        EXPECT_FALSE(number->isEnabled());
        EXPECT_FALSE(place->isEnabled());
        In<QComboBox>(dialog, "cbKodNomSob")->setCurrentIndex(2);
        number->setText(QStringLiteral("инв. 12"));
        place->setText(QStringLiteral("г. Тверь"));
        In<QComboBox>(dialog, "cbKodNomSob")->setCurrentIndex(3);
        EXPECT_FALSE(number->isEnabled());
        EXPECT_TRUE(number->text().isEmpty());
        EXPECT_TRUE(place->isEnabled());
        EXPECT_EQ(place->text(), QStringLiteral("г. Тверь"));

        // The year only moves by the arrows, within the years allowed.
        auto* year = In<QLineEdit>(dialog, "meBeginningUsePrivilegeDate");
        auto* arrows = In<TUpDown>(dialog, "udBeginningUsePrivilegeDate");
        EXPECT_EQ(year->text(), QStringLiteral("2017"));
        TypeText(year, QStringLiteral("5"));
        PressKey(year, Qt::Key_Backspace);
        EXPECT_EQ(year->text(), QStringLiteral("2017"));
        arrows->StepBy(1);
        EXPECT_EQ(year->text(), QStringLiteral("2017"));
        auto* pensioner = In<QCheckBox>(dialog, "chbPensioner");
        pensioner->click();
        EXPECT_EQ(In<TDtpPanel>(dialog, "dtpBuyDate")->MaxDate(), Date::Ymd(2020, 12, 31));
        EXPECT_EQ(In<TDtpPanel>(dialog, "dtpAppDate")->MaxDate(), Date::Ymd(2021, 12, 31));
        arrows->StepBy(1);
        arrows->StepBy(1);
        EXPECT_EQ(year->text(), QStringLiteral("2019"));
        pensioner->click();
        EXPECT_EQ(year->text(), QStringLiteral("2017"));
        arrows->StepBy(-2);
        In<QComboBox>(dialog, "cbPrizNal")->setCurrentIndex(0);
        In<QLineEdit>(dialog, "meObsch")->setText(QStringLiteral("900000,5"));
        return Yes(dialog);
    });
    W<QPushButton>("fbAddObject")->click();
    ASSERT_EQ(Record().ObjectCount(), 1u);
    const mTConstructionDeductObj& o = Record().Object(0);
    EXPECT_TRUE(o.ByInvestment);
    EXPECT_EQ(o.ObjectKind, PropertyObjectKind::Flat);
    EXPECT_EQ(o.OwnershipKind, PropertyOwnership::Individual);
    EXPECT_EQ(o.NumberKind, PropertyNumberKind::NoNumber);
    EXPECT_EQ(o.Place, "г. Тверь");
    EXPECT_EQ(o.TransferActDate, Date::Ymd(2013, 5, 5));
    EXPECT_EQ(o.FirstYearOfUse, Date::Ymd(2015, 1, 1));
    EXPECT_EQ(o.ShareNumerator, 2) << "a share is never more than the whole";
    EXPECT_EQ(o.ShareDenominator, 2);
    EXPECT_EQ(o.Cost, Money::FromRaw(9'000'005'000));
    EXPECT_EQ(Row(0), QStringLiteral("Квартира "));
}

TEST_F(PropertyDeductionsTest, ObjectDialogRefusesIncompleteObjects) {
    Open(Declaration());
    // Each gap is reported and keeps the dialog open, whether the message is fixed or closed.
    ui.Modal([this](QDialog& dialog) {
        EXPECT_EQ(Yes(dialog), -1);
        In<QComboBox>(dialog, "cbObjectNaim")->setCurrentIndex(0);
        EXPECT_EQ(Yes(dialog), -1);
        In<QComboBox>(dialog, "cbVidSob")->setCurrentIndex(0);
        In<QComboBox>(dialog, "cbPrizNal")->setCurrentIndex(0);
        In<QComboBox>(dialog, "cbKodNomSob")->setCurrentIndex(1);
        In<QLineEdit>(dialog, "meNom")->setText(QStringLiteral("   "));
        EXPECT_EQ(Yes(dialog), -1);
        In<QComboBox>(dialog, "cbKodNomSob")->setCurrentIndex(3);
        EXPECT_EQ(Yes(dialog), -1);
        In<QLineEdit>(dialog, "meMesto")->setText(QStringLiteral("д. Ивановка"));
        // Registered in 2016, used from 2015: the year comes before the right.
        In<TDtpPanel>(dialog, "dtpRegRightDate")->SetDate(Date::Ymd(2016, 2, 2));
        In<TUpDown>(dialog, "udBeginningUsePrivilegeDate")->SetPosition(2015);
        EXPECT_EQ(Yes(dialog), -1);
        EXPECT_EQ(ui.checkCaptions.back(), QStringLiteral("Проверка: Имущественный налоговый вычет"));
        // A pensioner may have used the deduction from an earlier year.
        In<QCheckBox>(dialog, "chbPensioner")->setChecked(true);
        return Yes(dialog);
    });
    ui.Click(QStringLiteral("Button1")).CloseBox().Click(QStringLiteral("Button1")).CloseBox().CloseBox();
    W<QPushButton>("fbAddObject")->click();
    EXPECT_EQ(
        ui.checkMessages,
        QStringList({QStringLiteral("Не введено наименование объекта"), QStringLiteral("Не введен вид собственности"),
                     QStringLiteral("Не введен номер объекта"), QStringLiteral("Не указано место нахождения объекта"),
                     QStringLiteral("Год начала использования вычета меньше даты регистрации прав собственности")}));
    EXPECT_EQ(ui.checkCaptions.front(), QStringLiteral("Проверка: Проверка данных объекта"));
    ASSERT_EQ(Record().ObjectCount(), 1u);
    EXPECT_EQ(Record().Object(0).FirstYearOfUse, Date::Ymd(2015, 1, 1));
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(PropertyDeductionsTest, WholeDeclarationCheckOpensTheTab) {
    Open(Declaration({Object(2016, 800'000)}));
    Leave();
    window->Navigate(MakeNavigationCode(11, 1));
    auto* container = dynamic_cast<TfrFrameDeductData*>(window->CurrentScreen());
    ASSERT_NE(container, nullptr);
    EXPECT_NE(dynamic_cast<TfrMultyConstructionDeduct*>(container->CurrentSubScreen()), nullptr);
    EXPECT_TRUE(container->TabButton(TfrFrameDeductData::kTabProperty)->Down());
    EXPECT_EQ(List()->topLevelItemCount(), 1);
    EXPECT_TRUE(window->Saved()) << "filling the tab changes nothing";
}

}  // namespace
}  // namespace zizaza::test
