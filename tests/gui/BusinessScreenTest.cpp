#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "checks/ui/TfmCheckError.h"
#include "dictionaries/XmlDoc.h"
#include "dictionaries/ui/TFormOKVED.h"
#include "model/mTDeclaration.h"
#include "screens/TfrBusinessNew.h"

namespace zizaza::test {
namespace {

Money Amount(const char* text) {
    return *Money::Parse(text);
}

// A small classifier: one section with a level-2 entry that has a code and two levels below.
const char kOkvedXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><OKVED2>"
    "<I GRUP=\"1\" Kod=\"A\" Name=\"Сельское хозяйство\"/>"
    "<I GRUP=\"2\" Kod=\"A01\" Name=\"Растениеводство\" OKVED=\"01\"/>"
    "<I GRUP=\"3\" Kod=\"A01.1\" Name=\"Однолетние\" OKVED=\"01.1\"/>"
    "<I GRUP=\"4\" Kod=\"A01.11\" Name=\"Зерновые\" OKVED=\"01.11\"/>"
    "<I GRUP=\"1\" Kod=\"J\" Name=\"Связь\"/>"
    "<I GRUP=\"3\" Kod=\"J62.0\" Name=\"Программы\" OKVED=\"62.0\"/>"
    "</OKVED2>";

QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Answers the activity dialog: the kind's radio button, then "Да". `beforeYes` may press "...".
ScriptedUi::ModalHandler ChooseKind(int kind, std::function<void(QDialog&)> beforeYes = {}) {
    return [kind, beforeYes](QDialog& dialog) {
        Find<QRadioButton>(&dialog, QStringLiteral("rbKind%1").arg(kind).toLatin1().constData())->click();
        if (beforeYes)
            beforeYes(dialog);
        Find<QPushButton>(&dialog, "btYes")->click();
        return dialog.result();
    };
}

// Answers the activity-code picker: the items chosen by level, then "Да".
ScriptedUi::ModalHandler PickOkved(std::vector<std::pair<int, int>> choices) {
    return [choices](QDialog& dialog) {
        auto& picker = dynamic_cast<TFormOKVED&>(dialog);
        for (auto [level, item] : choices)
            picker.Level(level)->setCurrentIndex(item);
        dialog.setResult(-1);
        Find<QPushButton>(&dialog, "btYes")->click();
        return dialog.result();
    };
}

ScriptedUi::ModalHandler Answer(int answer) {
    return [answer](QDialog&) { return answer; };
}

class BusinessScreenTest : public MainWindowTest {
protected:
    static mTBusinessNew& Add(mTDeclaration& doc, const char* kind, const char* code = "..") {
        mTBusinessNew& a = doc.BusinessIncome(doc.AddBusinessIncome());
        a.ActivityKind = kind;
        a.OkvedCode = code;
        a.Itemized = std::string(kind) != "1" && std::string(kind) != "5";
        return a;
    }
    static mTBusinessNew& Itemized(mTBusinessNew& a, const char* total, const char* material, const char* labour,
                                   const char* contracts, const char* other) {
        a.Itemized = true;
        a.ExpensesTotal = Amount(total);
        a.MaterialExpenses = Amount(material);
        a.Labour = Amount(labour);
        a.LabourContracts = Amount(contracts);
        a.OtherExpenses = Amount(other);
        return a;
    }
    static mTDeclaration Declaration() { return ScreenDeclaration(kIncomeBusiness); }
    // A declaration with an entrepreneur by the norm, a notary and an arbitration manager.
    static mTDeclaration ThreeActivities() {
        mTDeclaration doc = Declaration();
        mTBusinessNew& e = Add(doc, "1", "01.11");
        e.Income = Amount("1000");
        e.NormExpenses = Amount("200");
        Itemized(Add(doc, "2"), "90", "60", "20", "5", "10").Income = Amount("5000.5");
        Add(doc, "4");
        doc.ActualPrepayments = Money::Roubles(1500);
        doc.CorrectedBase = Amount("12.5");
        doc.IsFarm = 1;
        doc.FarmRegistrationDate = Date::Ymd(2010, 1, 1);
        doc.FarmExemptIncome = Amount("300");
        return doc;
    }
    TfrBusinessNew& Open(const mTDeclaration& doc, bool withOkved = true) {
        if (withOkved)
            folder.Write(QStringLiteral("Sp_OKVED2.xml"), QByteArray(kOkvedXml));
        OpenDeclaration(doc, QStringLiteral("business.tv7"));
        return ShowScreen<TfrBusinessNew>(ScreenId::BusinessIncome);
    }
    template <typename T = QWidget>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    QString Text(const char* name) { return W<QLineEdit>(name)->text(); }
    QString Norm() { return W<QLabel>("pnlNormExpensies")->text(); }
    QTreeWidget* List() { return W<QTreeWidget>("lvSourseIncomeInfo"); }
    QCheckBox* ItemizedBox() { return W<QCheckBox>("chbIsConfirmedExpensies"); }
    bool ShowsItemized() { return W("pnlItemized")->isVisibleTo(window.get()); }
    bool ShowsNorm() { return W("pnlNorm")->isVisibleTo(window.get()); }
    void Select(int row) { List()->setCurrentItem(List()->topLevelItem(row)); }
    QStringList Rows() {
        QStringList rows;
        for (int i = 0; i < List()->topLevelItemCount(); ++i)
            rows << List()->topLevelItem(i)->text(0);
        return rows;
    }
    void Click(const char* button) { W<QPushButton>(button)->click(); }
    mTBusinessNew& Activity(size_t i) { return window->Declaration().BusinessIncome(i); }
    size_t Count() { return window->Declaration().BusinessIncomeCount(); }
    static constexpr const char* kAmounts[] = {"meActualPrepayment", "meNachPrepayment", "meCorIncome", "meCorExpense",
                                               "meTradeTax",         "mePatentPayment",  "meFHSum"};
};

TEST(BusinessNormExpenses, IsTwentyPercentRoundedToKopecksHalvesUp) {
    EXPECT_EQ(BusinessNormExpenses(Amount("1234.57")), Amount("246.91"));
    EXPECT_EQ(BusinessNormExpenses(Amount("0.03")), Amount("0.01"));
    EXPECT_EQ(BusinessNormExpenses(Amount("0.025")), Amount("0.01")) << "half a kopeck goes up";
    EXPECT_EQ(BusinessNormExpenses(Amount("0.0249")), Amount("0"));
    EXPECT_EQ(BusinessNormExpenses(Amount("999999999999.99")), Amount("200000000000"));
}

TEST_F(BusinessScreenTest, ShowsActivitiesTheSelectedOnesExpensesAndTheDeclarationFields) {
    Open(ThreeActivities());
    EXPECT_EQ(Rows(), (QStringList{"01.11", "Нотариальная деятельность", "Деятельность арбитражного управляющего"}));
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(0)) << "opened by its button: the first activity";
    EXPECT_TRUE(ItemizedBox()->isVisibleTo(window.get()));
    EXPECT_FALSE(ItemizedBox()->isChecked());
    EXPECT_TRUE(ShowsNorm());
    EXPECT_FALSE(ShowsItemized());
    EXPECT_EQ(Text("MaskedEdit1"), QStringLiteral("1000"));
    EXPECT_EQ(Norm(), QStringLiteral("200"));

    Select(1);
    EXPECT_FALSE(ItemizedBox()->isVisibleTo(window.get())) << "a notary always itemizes";
    EXPECT_TRUE(ItemizedBox()->isChecked());
    EXPECT_TRUE(ShowsItemized());
    EXPECT_FALSE(ShowsNorm());
    EXPECT_EQ(Text("MaskedEdit1"), QStringLiteral("5000,5"));
    EXPECT_EQ(Text("MaskedEdit2"), QStringLiteral("90"));
    EXPECT_EQ(Text("MaskedEdit6"), QStringLiteral("5"));

    EXPECT_EQ(Text("meActualPrepayment"), QStringLiteral("1500"));
    EXPECT_EQ(Text("meCorIncome"), QStringLiteral("12,5"));
    EXPECT_EQ(Text("meBeginninFH"), QStringLiteral("2010"));
    EXPECT_TRUE(W<QCheckBox>("cbIsFH")->isChecked());
    EXPECT_TRUE(W("meFHSum")->isEnabled());
    W<QCheckBox>("cbIsFH")->click();
    EXPECT_FALSE(W("meFHSum")->isEnabled());
    EXPECT_FALSE(W("meBeginninFH")->isEnabled());
    EXPECT_FALSE(W("udBeginninFH")->isEnabled());
    EXPECT_FALSE(window->Saved());
}

TEST_F(BusinessScreenTest, NormExpensesFollowTheIncomeAndAreSavedOnlyWithoutItemizedExpenses) {
    TfrBusinessNew& screen = Open(ThreeActivities());
    auto* income = W<QLineEdit>("MaskedEdit1");
    income->setText(QStringLiteral("1234,57"));
    EXPECT_EQ(Norm(), QStringLiteral("246,91"));
    income->setText(QStringLiteral("0,03"));
    EXPECT_EQ(Norm(), QStringLiteral("0,01"));
    income->clear();
    EXPECT_EQ(Norm(), QStringLiteral("0"));
    income->setText(QStringLiteral("1234,57"));
    screen.SaveToDocument();
    EXPECT_FALSE(Activity(0).Itemized);
    EXPECT_EQ(Activity(0).Income, Amount("1234.57"));
    EXPECT_EQ(Activity(0).NormExpenses, Amount("246.91"));

    ItemizedBox()->click();
    EXPECT_TRUE(ShowsItemized());
    EXPECT_FALSE(ShowsNorm());
    W<QLineEdit>("MaskedEdit2")->setText(QStringLiteral("700"));
    screen.SaveToDocument();
    EXPECT_TRUE(Activity(0).Itemized);
    EXPECT_EQ(Activity(0).ExpensesTotal, Amount("700"));

    ItemizedBox()->click();
    EXPECT_EQ(Norm(), QStringLiteral("246,91")) << "unticking recomputes the norm";
}

TEST_F(BusinessScreenTest, TypedValuesStayWithTheirActivityAcrossSelectionAndDeletion) {
    TfrBusinessNew& screen = Open(ThreeActivities());
    W<QLineEdit>("MaskedEdit1")->setText(QStringLiteral("777"));
    Select(1);
    EXPECT_EQ(Activity(0).Income, Amount("777")) << "written when another row is selected";
    EXPECT_EQ(Text("MaskedEdit1"), QStringLiteral("5000,5"));

    W<QLineEdit>("MaskedEdit3")->setText(QStringLiteral("1"));
    Click("fbDeleteSourse");
    ASSERT_EQ(Count(), 2u);
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(0));
    EXPECT_EQ(Text("MaskedEdit1"), QStringLiteral("777"));
    screen.SaveToDocument();
    EXPECT_EQ(Activity(1).MaterialExpenses, Money()) << "the deleted activity's values are gone with it";
    EXPECT_EQ(Activity(1).Income, Money());
    EXPECT_EQ(Activity(0).Income, Amount("777"));
}

TEST_F(BusinessScreenTest, AddingActivitiesByKindAndCode) {
    Open(Declaration());
    for (const char* name : kAmounts) {
        EXPECT_EQ(Text(name), QStringLiteral("0")) << name;
        EXPECT_FALSE(W(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(W("cbIsFH")->isEnabled());

    // An entrepreneur without a code is not added.
    ui.Modal(ChooseKind(1));
    Click("fbAddSourse");
    EXPECT_EQ(Count(), 0u);

    ui.Modal(ChooseKind(4));
    Click("fbAddSourse");
    ASSERT_EQ(Count(), 1u);
    EXPECT_EQ(Rows(), QStringList{"Деятельность арбитражного управляющего"});
    EXPECT_TRUE(Activity(0).Itemized);
    EXPECT_FALSE(ItemizedBox()->isVisibleTo(window.get()));
    EXPECT_TRUE(W("meActualPrepayment")->isEnabled()) << "the first activity enables the controls";
    EXPECT_TRUE(W("cbIsFH")->isEnabled());
    EXPECT_FALSE(W("meFHSum")->isEnabled());

    // The code chosen in the picker, down to level 3 "Однолетние".
    ui.Modal(ChooseKind(1, [](QDialog& d) { Find<QPushButton>(&d, "btChooseCode")->click(); }))
        .Modal(PickOkved({{1, 1}, {2, 1}, {3, 1}}));
    Click("fbAddSourse");
    ASSERT_EQ(Count(), 2u);
    EXPECT_EQ(Activity(1).ActivityKind, "1");
    EXPECT_EQ(Activity(1).OkvedCode, "01.1");
    EXPECT_FALSE(Activity(1).Itemized);
    EXPECT_EQ(Rows().last(), QStringLiteral("01.1"));
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(1));
    EXPECT_TRUE(ShowsNorm());
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(BusinessScreenTest, ActivityDialogOffersTheCodeOnlyForEntrepreneurs) {
    Open(Declaration());
    ui.Modal([](QDialog& d) {
        auto* chooser = Find<QPushButton>(&d, "btChooseCode");
        EXPECT_TRUE(Find<QRadioButton>(&d, "rbKind1")->isChecked()) << "entrepreneur at first";
        EXPECT_TRUE(chooser->isEnabled());
        Find<QRadioButton>(&d, "rbKind2")->click();
        EXPECT_FALSE(chooser->isEnabled());
        EXPECT_FALSE(Find<QLabel>(&d, "lbCode")->isEnabled());
        Find<QRadioButton>(&d, "rbKind1")->click();
        EXPECT_TRUE(chooser->isEnabled());
        return int(QDialog::Rejected);
    });
    Click("fbAddSourse");
    EXPECT_EQ(Count(), 0u);
}

TEST_F(BusinessScreenTest, WithoutTheClassifierNoCodeCanBeChosen) {
    Open(Declaration(), false);
    ui.Modal([](QDialog& d) {
        EXPECT_FALSE(Find<QPushButton>(&d, "btChooseCode")->isEnabled());
        Find<QPushButton>(&d, "btYes")->click();
        return d.result();
    });
    Click("fbAddSourse");
    EXPECT_EQ(Count(), 0u);
}

TEST_F(BusinessScreenTest, EditingReplacesKindAndCodeAndKeepsAnItemizedChoiceThatStillApplies) {
    mTDeclaration doc = Declaration();
    Itemized(Add(doc, "1", "01.11"), "100", "100", "0", "0", "0");
    Add(doc, "2");
    Open(doc);
    EXPECT_TRUE(ItemizedBox()->isChecked());

    // Entrepreneur to farm head: both may choose, the itemized expenses stay.
    ui.Modal(ChooseKind(5));
    Click("fbEditSourse");
    EXPECT_EQ(Activity(0).ActivityKind, "5");
    EXPECT_TRUE(Activity(0).Itemized);
    EXPECT_EQ(Rows().first(), QStringLiteral("Деятельность главы КФХ"));
    EXPECT_TRUE(ItemizedBox()->isVisibleTo(window.get()));
    EXPECT_TRUE(ItemizedBox()->isChecked());
    EXPECT_EQ(Text("MaskedEdit2"), QStringLiteral("100"));

    // Notary to entrepreneur (keeping the code field as it was): the norm by default.
    Select(1);
    ui.Modal(ChooseKind(1));
    Click("fbEditSourse");
    EXPECT_EQ(Activity(1).ActivityKind, "1");
    EXPECT_FALSE(Activity(1).Itemized);
    EXPECT_TRUE(ShowsNorm());

    // A cancelled dialog changes nothing.
    ui.Modal(Answer(QDialog::Rejected));
    Click("fbEditSourse");
    EXPECT_EQ(Activity(1).ActivityKind, "1");
}

TEST_F(BusinessScreenTest, DeletingTheLastActivityClearsTheDeclarationFields) {
    mTDeclaration doc = ThreeActivities();
    doc.SetBusinessIncome(2, nullptr);
    doc.SetBusinessIncome(1, nullptr);
    TfrBusinessNew& screen = Open(doc);
    Click("fbDeleteSourse");
    EXPECT_EQ(Count(), 0u);
    EXPECT_FALSE(W<QCheckBox>("cbIsFH")->isChecked());
    EXPECT_FALSE(W("meFHSum")->isEnabled());
    EXPECT_FALSE(W("MaskedEdit1")->isEnabled());
    for (const char* name : kAmounts)
        EXPECT_EQ(Text(name), QStringLiteral("0")) << name;
    screen.SaveToDocument();
    const mTDeclaration& saved = window->Declaration();
    EXPECT_EQ(saved.IsFarm, 0);
    EXPECT_EQ(saved.ActualPrepayments, Money());
    EXPECT_EQ(saved.FarmExemptIncome, Money());
}

TEST_F(BusinessScreenTest, FarmYearIsSavedAsTheFirstOfJanuaryWithinTheOfferedYears) {
    TfrBusinessNew& screen = Open(ThreeActivities());
    auto* year = W<QLineEdit>("meBeginninFH");
    const std::pair<QString, int> cases[] = {{"", 2000}, {"2015", 2015}, {"1800", 1997}, {"2999", 2017}};
    for (const auto& [text, expected] : cases) {
        year->setText(text);
        screen.SaveToDocument();
        EXPECT_EQ(window->Declaration().FarmRegistrationDate, Date::Ymd(expected, 1, 1)) << text.toStdString();
    }
    W<QLineEdit>("meTradeTax")->setText(QStringLiteral("42"));
    W<QLineEdit>("meCorIncome")->clear();
    screen.SaveToDocument();
    EXPECT_EQ(window->Declaration().TradeFee, Money::Roubles(42));
    EXPECT_EQ(window->Declaration().CorrectedBase, Money());
}

TEST_F(BusinessScreenTest, CheckReportsMixedExpenseKindsAndInconsistentItemizedExpenses) {
    mTDeclaration doc = Declaration();
    Add(doc, "1", "01.11");                                 // norm: the reference
    Itemized(Add(doc, "5"), "100", "60", "0", "0", "30");   // mixed, and the sum is 90
    Itemized(Add(doc, "3"), "120", "0", "50", "70", "70");  // contracts above labour
    TfrBusinessNew& screen = Open(doc);

    ui.Modal(Answer(TfmCheckError::kSkip)).Modal(Answer(TfmCheckError::kSkip)).Modal(Answer(TfmCheckError::kSkip));
    EXPECT_EQ(screen.CheckScreen(), 0);
    EXPECT_EQ(ui.checkMessages,
              (QStringList{"Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.",
                           "Общие расходы (100) не совпадают с суммой расходов материальных, на оплату труда, прочих "
                           "и амортизационных отчислений (90)",
                           "Расходы по оплате трудовых договоров(70) превышают сумму расходов на оплату труда (50)"}));
    EXPECT_EQ(ui.checkCaptions.first(), QStringLiteral("Проверка: Доходы от предпринимательской деятельности"));

    // "Исправить" keeps the item; the expense checks of later activities are left out, the
    // expense-kind check is not.
    mTBusinessNew& fourth = Add(window->Declaration(), "1", "62.0");
    fourth.Itemized = true;
    ui.checkMessages.clear();
    ui.Modal(Answer(TfmCheckError::kFix)).Modal(Answer(TfmCheckError::kSkip));
    EXPECT_EQ(screen.CheckScreen(), 2);
    EXPECT_EQ(ui.checkMessages.size(), 2);
    EXPECT_EQ(ui.checkMessages.last(), ui.checkMessages.first()) << "the fourth activity's expense kind";

    ui.checkMessages.clear();
    ui.Modal(Answer(TfmCheckError::kSkipAll));
    EXPECT_EQ(screen.CheckScreen(), 0);
    EXPECT_EQ(ui.checkMessages.size(), 1) << "Пропустить все ends the run";
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(BusinessScreenTest, FocusItemSelectsTheActivity) {
    TfrBusinessNew& screen = Open(ThreeActivities());
    screen.FocusItem(3);
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(2));
    EXPECT_EQ(window->focusWidget(), List());
    screen.FocusItem(9);
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(2)) << "no such activity";
}

TEST_F(BusinessScreenTest, TheDeclarationCheckOpensTheScreenAtTheActivity) {
    const QString file = files.path() + QStringLiteral("/business.tv7");
    ThreeActivities().Save(file.toStdString());
    Start({file}, false);
    window->Navigate(8u | (2u << 16));
    auto* screen = dynamic_cast<TfrBusinessNew*>(window->CurrentScreen());
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(window->ScreenButton(ScreenId::BusinessIncome)->Down());
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(1));
    EXPECT_FALSE(ItemizedBox()->isVisibleTo(window.get())) << "the notary's values are shown";
}

class OkvedPickerTest : public ::testing::Test, public WithApp {
protected:
    OkvedDict dict = OkvedDict::FromDoc(XmlDoc::ParseText(kOkvedXml, "okved.xml"));
    ScriptedUi ui;
    TFormOKVED picker{dict, ui};
};

TEST_F(OkvedPickerTest, ListsNarrowToTheChosenEntry) {
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Код по ОКВЭД"));
    EXPECT_EQ(Items(picker.Level(1)), (QStringList{"нет", "Сельское хозяйство", "Связь"}));
    EXPECT_EQ(picker.Answer(), QStringLiteral("нет"));
    picker.Level(1)->setCurrentIndex(2);
    EXPECT_EQ(Items(picker.Level(2)), QStringList{"нет"});
    EXPECT_EQ(Items(picker.Level(3)), (QStringList{"нет", "Программы"})) << "two levels down at once";
    picker.Level(3)->setCurrentIndex(1);
    EXPECT_EQ(picker.Answer(), QStringLiteral("62.0"));
    picker.Level(1)->setCurrentIndex(1);
    EXPECT_EQ(Items(picker.Level(3)), (QStringList{"нет", "Однолетние"}));
    EXPECT_EQ(picker.Level(3)->currentIndex(), 0);
}

TEST_F(OkvedPickerTest, FindsByCodeOrWordsAndTakesTheEntryFound) {
    EXPECT_TRUE(picker.FoundList()->isHidden());
    const std::pair<const char*, QStringList> searches[] = {
        {"однолетн", {"01.1"}}, {"01.1", {"01.1", "01.11"}}, {"ПРОГРАММЫ", {"62.0"}}, {"62", {"62.0"}},
        {"сельское", {}},  // a section has no code to take
    };
    for (const auto& [typed, codes] : searches) {
        picker.SearchField()->clear();
        TypeText(picker.SearchField(), QString::fromUtf8(typed));
        EXPECT_EQ(ShownColumn(picker.FoundList()), codes) << typed;
    }
    picker.SearchField()->clear();
    EXPECT_TRUE(picker.FoundList()->isHidden());

    TypeText(picker.SearchField(), QStringLiteral("зерн"));
    PressKey(picker.SearchField(), Qt::Key_Down);
    EXPECT_EQ(picker.Answer(), QStringLiteral("01.11"));
    EXPECT_EQ(picker.Level(1)->currentText(), QStringLiteral("Сельское хозяйство"));
    EXPECT_EQ(picker.Level(3)->currentText(), QStringLiteral("Однолетние")) << "the drill-down shows the way";
    EXPECT_EQ(picker.Level(4)->currentText(), QStringLiteral("Зерновые"));
    picker.setResult(-1);
    PressKey(picker.SearchField(), Qt::Key_Return);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(OkvedPickerTest, NoneIsNeverAnAnswer) {
    const QPushButton* yes = Find<QPushButton>(&picker, "btYes");
    for (int section : {0, 1}) {
        picker.Level(1)->setCurrentIndex(section);  // "нет", then a section without a code
        EXPECT_FALSE(yes->isEnabled()) << section;
        picker.setResult(-1);
        picker.accept();
        EXPECT_EQ(picker.result(), -1) << section;
    }
    picker.Level(2)->setCurrentIndex(1);
    EXPECT_TRUE(yes->isEnabled());
    EXPECT_TRUE(ui.NothingPending()) << "no check is asked without a code";
}

TEST_F(OkvedPickerTest, AShortKeyAsksTheLengthCheckFirst) {
    picker.Level(1)->setCurrentIndex(1);
    picker.Level(2)->setCurrentIndex(1);  // key "A01", code "01"
    ui.Modal([](QDialog& d) {
        EXPECT_FALSE(Find<QPushButton>(&d, "Button3")->isEnabled()) << "nothing to skip all";
        return TfmCheckError::kFix;
    });
    picker.setResult(-1);
    picker.accept();
    EXPECT_EQ(picker.result(), -1) << "Исправить keeps the picker open";
    EXPECT_EQ(ui.checkCaptions.last(), QStringLiteral("Проверка: ОКВЭД"));
    EXPECT_EQ(ui.checkMessages.last(), QStringLiteral("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"));

    ui.Modal(Answer(TfmCheckError::kSkip));
    picker.accept();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.Answer(), QStringLiteral("01"));

    picker.Level(3)->setCurrentIndex(1);  // key "A01.1"
    picker.setResult(-1);
    picker.accept();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.Answer(), QStringLiteral("01.1"));
    EXPECT_TRUE(ui.NothingPending());
}

}  // namespace
}  // namespace zizaza::test
