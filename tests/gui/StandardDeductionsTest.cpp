#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "GuiTest.h"
#include "calc/kTSvodSumPrilE1.h"
#include "checks/NavigationCode.h"
#include "model/mTDeclaration.h"
#include "screens/TfmDif.h"
#include "screens/TfmDif2.h"
#include "screens/TfrFrameDeductData.h"
#include "screens/TfrFrameStandartDeduct.h"
#include "screens/controls/TInputHint.h"
#include "support/DeclarationBuilder.h"

namespace zizaza::test {
namespace {

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

class StandardDeductionsTest : public MainWindowTest {
protected:
    static mTDeclaration Declaration(uint16_t flags = kIncomeRussia) { return ScreenDeclaration(flags); }
    // Opens the declaration and its deductions.
    TfrFrameDeductData& Open(const mTDeclaration& doc) {
        OpenDeclaration(doc, QStringLiteral("deductions.tv7"));
        return Reopen();
    }
    TfrFrameDeductData& Reopen() { return ShowScreen<TfrFrameDeductData>(ScreenId::Deduction); }
    // Leaves the deductions for the initial data screen, which saves them.
    void Leave() { window->ScreenButton(ScreenId::InitialData)->click(); }
    template <typename T = TMaskedEdit>
    T* W(const QString& name) {
        return Find<T>(window.get(), name.toLatin1().constData());
    }
    TMaskedEdit* Month(const char* kind, int m) { return W(QStringLiteral("me") + kMonths[m] + kind); }
    const mTStandartDeduct& Record() { return window->Declaration().StandardDeductions; }
    void Save() { window->CurrentScreen()->SaveToDocument(); }
    void Type(const QString& name, const QString& text) {
        W(name)->clear();
        TypeText(W(name), text);
    }
    // The next monthly dialog: its lists get the positions given (month index, position), then "Да".
    void AnswerMonths(std::vector<std::pair<int, int>> positions, std::vector<int>* shown = nullptr) {
        ui.Modal([positions, shown](QDialog& dialog) {
            auto& months = dynamic_cast<TMonthlyChoiceDialog&>(dialog);
            if (shown)
                for (int m = 0; m < 12; ++m)
                    shown->push_back(months.MonthList(m)->currentIndex());
            for (auto [m, position] : positions)
                months.MonthList(m)->setCurrentIndex(position);
            months.YesButton()->click();
            return dialog.result();
        });
    }
};

TEST_F(StandardDeductionsTest, ContainerShowsTheStandardTabAndNavigatesToIt) {
    TfrFrameDeductData& container = Open(Declaration());
    const std::pair<const char*, QString> tabs[] = {{"fbStandart", QStringLiteral("Стандартные")},
                                                    {"fbSocial", QStringLiteral("Социальные")},
                                                    {"fbConstruction", QStringLiteral("Имущественный")},
                                                    {"fbCB", QStringLiteral("Инвестиционные и убытки по ЦБ")}};
    for (const auto& [name, caption] : tabs)
        EXPECT_EQ(W<TFlashButton>(QString::fromLatin1(name))->text(), caption) << name;
    EXPECT_TRUE(W<TFlashButton>("fbStandart")->Down());
    EXPECT_TRUE(W<TFlashButton>("fbStandart")->isEnabled());
    EXPECT_NE(dynamic_cast<TfrFrameStandartDeduct*>(container.CurrentSubScreen()), nullptr);

    // Pressing the shown tab again neither saves nor replaces it.
    TThinkingFrame* shown = container.CurrentSubScreen();
    W<QCheckBox>("chbGrantingStanDeduct")->click();
    W<TFlashButton>("fbStandart")->click();
    EXPECT_EQ(container.CurrentSubScreen(), shown);
    EXPECT_TRUE(Record().Granted);

    // The whole-declaration check leads from another screen to the standard tab.
    Leave();
    window->Navigate(MakeNavigationCode(9, 3));
    auto* again = dynamic_cast<TfrFrameDeductData*>(window->CurrentScreen());
    ASSERT_NE(again, nullptr);
    EXPECT_NE(dynamic_cast<TfrFrameStandartDeduct*>(again->CurrentSubScreen()), nullptr);
    EXPECT_TRUE(again->TabButton(TfrFrameDeductData::kTabStandard)->Down());
}

TEST_F(StandardDeductionsTest, TheMonthColumnsHaveHeadings) {
    Open(Declaration());
    const std::pair<const char*, const char*> columns[] = {
        {"lbHeadChildren", ""}, {"lbHeadChildren3", "3"}, {"lbHeadChildren2", "2"}};
    QGridLayout* grid = nullptr;
    for (auto* layout : W<QWidget>(QStringLiteral("pnChildren"))->findChildren<QGridLayout*>())
        if (layout->indexOf(Month("", 0)) >= 0)
            grid = layout;
    ASSERT_NE(grid, nullptr);
    int row = 0, column = 0, headingRow = 0, headingColumn = 0, span = 0;
    for (const auto& [heading, kind] : columns) {
        auto* label = W<QLabel>(QString::fromLatin1(heading));
        EXPECT_FALSE(label->text().isEmpty()) << heading;
        grid->getItemPosition(grid->indexOf(label), &headingRow, &headingColumn, &span, &span);
        grid->getItemPosition(grid->indexOf(Month(kind, 0)), &row, &column, &span, &span);
        EXPECT_EQ(headingRow, 0) << heading;
        EXPECT_EQ(row, 1) << "January is under the headings";
        EXPECT_EQ(headingColumn, column) << heading;
    }
    EXPECT_EQ(W<QLabel>(QStringLiteral("lbHeadChildren"))->text(), QStringLiteral("1-й и 2-й"));
}

TEST_F(StandardDeductionsTest, GrantTickEnablesTheScreen) {
    mTDeclaration doc = Declaration();
    doc.StandardDeductions.Granted = false;
    Open(doc);
    for (const char* name : {"meChildrens", "meChildrens3", "meChildrens2"}) {
        EXPECT_TRUE(W(name)->text().isEmpty()) << name;
        EXPECT_FALSE(W(name)->isEnabled()) << name;
    }
    for (const char* name : {"rb103", "rb104", "rbQ", "rbTowParents", "rbQ2"})
        EXPECT_FALSE(W<QRadioButton>(name)->isEnabled()) << name;
    EXPECT_FALSE(Month("", 0)->isEnabled());

    W<QCheckBox>("chbGrantingStanDeduct")->click();
    EXPECT_TRUE(W<QRadioButton>("rb104")->isEnabled());
    EXPECT_TRUE(W("meChildrens")->isEnabled());
    EXPECT_FALSE(Month("", 0)->isEnabled()) << "the count is constant";
    W<QRadioButton>("rb105")->click();
    Save();
    EXPECT_TRUE(Record().Granted);
    EXPECT_EQ(Record().PersonalCode, PersonalDeductionCode::Code105);

    // Clearing the grant stores nothing but the flag.
    W<QCheckBox>("chbGrantingStanDeduct")->click();
    Save();
    EXPECT_FALSE(Record().Granted);
    EXPECT_EQ(Record().PersonalCode, PersonalDeductionCode::Code105);
    EXPECT_TRUE(W("meChildrens")->text().isEmpty());
}

TEST_F(StandardDeductionsTest, ConstantCountFillsTheMonthsAndVaryingCountsSurvive) {
    Open(Declaration());
    Type("meChildrens", QStringLiteral("2"));
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(Month("", m)->text(), QStringLiteral("2")) << m;
        EXPECT_FALSE(Month("", m)->isEnabled()) << m;
    }
    W<QCheckBox>("chbConstChildrens")->click();
    EXPECT_FALSE(W("meChildrens")->isEnabled());
    EXPECT_TRUE(Month("", 5)->isEnabled());
    EXPECT_EQ(Month("", 5)->text(), QStringLiteral("2"));
    W<QCheckBox>("chbConstChildrens")->click();  // constant again

    // Third and later children: 1, 1, 2, 2 and nothing for the rest of the year.
    W<QCheckBox>("chbConstChildrens3")->click();
    for (int m = 0; m < 12; ++m)
        Month("3", m)->clear();
    const char* counts[] = {"1", "1", "2", "2"};
    for (int m = 0; m < 4; ++m)
        TypeText(Month("3", m), QString::fromLatin1(counts[m]));
    Leave();
    EXPECT_TRUE(Record().ChildrenConstant);
    EXPECT_EQ(Record().ChildrenCount, 2);
    EXPECT_FALSE(Record().ThirdConstant);
    EXPECT_EQ(Record().ThirdCount, 2);
    const mTStandartDeduct::MonthlyCounts third = {1, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Record().MonthlyThird, third);

    Reopen();
    EXPECT_TRUE(W<QCheckBox>("chbConstChildrens")->isChecked());
    EXPECT_EQ(W("meChildrens")->text(), QStringLiteral("2"));
    EXPECT_FALSE(W<QCheckBox>("chbConstChildrens3")->isChecked());
    EXPECT_EQ(Month("3", 3)->text(), QStringLiteral("2"));
    EXPECT_EQ(Month("3", 4)->text(), QStringLiteral("0"));
}

TEST_F(StandardDeductionsTest, VaryingYearCountIsTheLargestMonthEvenWithJanuaryEmpty) {
    mTDeclaration doc = Declaration();
    doc.StandardDeductions.SetDisabledCount(5);  // a year count from before
    Open(doc);
    W<QCheckBox>("chbConstChildrens2")->click();
    for (int m = 0; m < 12; ++m)
        Month("2", m)->clear();
    TypeText(Month("2", 6), QStringLiteral("1"));
    Save();
    EXPECT_FALSE(Record().DisabledConstant);
    EXPECT_EQ(Record().DisabledCount, 1);
}

TEST_F(StandardDeductionsTest, GuardianPanelFollowsTheDisabledChildren) {
    Open(Declaration());
    QWidget* panel = W<QWidget>("pnPopOp");
    EXPECT_TRUE(panel->isHidden());
    W<QCheckBox>("chbConstChildrens2")->click();
    TypeText(Month("2", 2), QStringLiteral("1"));
    EXPECT_FALSE(panel->isHidden());
    W<QCheckBox>("cbPopOp")->click();
    Month("2", 2)->setText(QStringLiteral("0"));
    EXPECT_TRUE(panel->isHidden());
    Save();
    EXPECT_TRUE(Record().Guardian);

    // A constant disabled-children count shows the panel when the screen opens.
    Leave();
    window->Declaration().StandardDeductions.SetDisabledCount(1);
    Reopen();
    EXPECT_FALSE(W<QWidget>("pnPopOp")->isHidden());
    EXPECT_TRUE(W<QCheckBox>("cbPopOp")->isChecked());
}

TEST_F(StandardDeductionsTest, EntrepreneurMonthsNeedEntrepreneurialIncome) {
    mTDeclaration plain = Declaration();
    plain.StandardDeductions.SetMonthlyIncome(2, Money::Roubles(700));
    plain.StandardDeductions.SetMonthMark(2, true);
    plain.StandardDeductions.EntrepreneurMonthsPresent = true;
    Open(plain);
    EXPECT_FALSE(W<QCheckBox>("cbMar")->isEnabled());
    EXPECT_FALSE(W("me3")->isEnabled());
    EXPECT_FALSE(W("meR12")->isEnabled());
    Leave();
    EXPECT_EQ(Record().MonthlyIncome(2), Money()) << "the months are stored as shown";
    EXPECT_FALSE(Record().MonthMark(2));
    EXPECT_FALSE(Record().EntrepreneurMonthsPresent);

    mTDeclaration business = Declaration(kIncomeRussia | kIncomeBusiness);
    business.StandardDeductions.SetMonthlyIncome(0, Money::Roubles(100));
    business.StandardDeductions.SetMonthMark(0, true);
    business.StandardDeductions.EntrepreneurMonthsPresent = true;
    Open(business);
    EXPECT_TRUE(W<QCheckBox>("cbJan")->isChecked());
    EXPECT_EQ(W("me1")->text(), QStringLiteral("100"));
    EXPECT_TRUE(W("meR1")->text().isEmpty()) << "a zero amount shows empty";
    TypeText(W("meR5"), QStringLiteral("250,5"));
    EXPECT_TRUE(W<QCheckBox>("cbMay")->isChecked());
    W<QCheckBox>("cbJan")->click();
    EXPECT_TRUE(W("me1")->text().isEmpty());
    Save();
    EXPECT_EQ(Record().MonthlyExpense(4), Money::Kopecks(25050));
    EXPECT_EQ(Record().MonthlyIncome(0), Money());
    EXPECT_FALSE(Record().MonthMark(0));
    EXPECT_TRUE(Record().MonthMark(4));
    EXPECT_TRUE(Record().EntrepreneurMonthsPresent);
    W<QCheckBox>("cbMay")->click();
    Save();
    EXPECT_FALSE(Record().EntrepreneurMonthsPresent);
}

// Months typed while the business income was ticked never cut a salaried person's deduction.
TEST_F(StandardDeductionsTest, EntrepreneurMonthsLeaveWithTheBusinessIncome) {
    mTDeclaration doc = Declaration();
    testsupport::AddMonthlyLines(testsupport::AddSource13(doc, "45000000", Money(), true), 2000, Money::Roubles(40000));
    Open(doc);
    const auto code105 = [this] {
        kTSvodSumPrilE1 e1;
        e1.Compute(window->Declaration());
        return e1.ВычСт218_1_1;
    };
    Leave();
    W<QCheckBox>("chbIncomeBusiness")->click();
    Reopen();
    W<QRadioButton>("rb105")->click();
    TypeText(W("me1"), QStringLiteral("10000"));
    Leave();
    EXPECT_EQ(code105(), Money::Roubles(3000)) << "an entrepreneur's months are the income months";

    W<QCheckBox>("chbIncomeBusiness")->click();
    Reopen();
    ASSERT_TRUE(Record().EntrepreneurMonthsPresent);
    EXPECT_EQ(code105(), Money::Roubles(36000)) << "without business income the salary months count";
    EXPECT_FALSE(W("me1")->isEnabled());
    EXPECT_TRUE(W("me1")->text().isEmpty());
    Leave();
    EXPECT_FALSE(Record().EntrepreneurMonthsPresent);
    EXPECT_EQ(Record().MonthlyIncome(0), Money());
    EXPECT_EQ(code105(), Money::Roubles(36000));
}

// The first and second children are at most two, the others have a bound; a count above is
// refused with a hint, while a count kept in the file is shown as it is.
TEST_F(StandardDeductionsTest, ChildrenCountsHaveUpperBounds) {
    mTDeclaration doc = Declaration();
    doc.StandardDeductions.SetDisabledCount(30);
    Open(doc);
    EXPECT_EQ(W("meChildrens2")->text(), QStringLiteral("30"));
    W<QCheckBox>("chbConstChildrens3")->click();
    const QString first = QStringLiteral("Количество детей (первый и второй ребенок) не может быть больше 2");
    const QString third = QStringLiteral("Количество детей, начиная с 3-го, не может быть больше 20");
    const QString disabled = QStringLiteral("Количество детей-инвалидов не может быть больше 20");
    const struct {
        const char* field;
        const char* typed;
        const char* shown;
        QString hint;
    } cases[] = {
        {"meChildrens", "3", "", first}, {"meChildrens", "2", "2", {}},         {"meMar3", "21", "2", third},
        {"meMar3", "20", "20", {}},      {"meChildrens2", "25", "2", disabled}, {"meChildrens2", "12", "12", {}},
    };
    for (const auto& c : cases) {
        Type(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(W(c.field)->text(), QString::fromLatin1(c.shown)) << c.field << " " << c.typed;
        TInputHint* hint = TInputHint::Of(W(c.field));
        EXPECT_EQ(hint && hint->isVisible() ? hint->text() : QString(), c.hint) << c.field << " " << c.typed;
        if (hint)
            hint->hide();
    }
    Find<QToolButton>(W<QWidget>("udChildrens"), "Up")->click();
    EXPECT_EQ(W("meChildrens")->text(), QStringLiteral("2")) << "the arrows stop at two";
    Save();
    EXPECT_EQ(Record().ChildrenCount, 2);
    EXPECT_EQ(Record().MonthlyThird[2], 20);
    EXPECT_EQ(Record().DisabledCount, 12);
}

// Cancelling the monthly dialog of a "changed" button just chosen keeps the earlier choice.
TEST_F(StandardDeductionsTest, CancelledMonthlyDialogKeepsTheEarlierChoice) {
    mTDeclaration doc = Declaration();
    doc.StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
    doc.StandardDeductions.ChildStatus = ChildDeductionStatus::SingleParent;
    Open(doc);
    for (const auto& [changed, before] : {std::pair{"rbQ", "rb105"}, std::pair{"rbQ2", "rbOneParent"}}) {
        ui.Click(QStringLiteral("btNo"));
        W<QRadioButton>(changed)->click();
        EXPECT_TRUE(W<QRadioButton>(before)->isChecked()) << changed;
        EXPECT_FALSE(W<QRadioButton>(changed)->isChecked()) << changed;
    }
    Save();
    EXPECT_EQ(Record().PersonalCode, PersonalDeductionCode::Code105);
    EXPECT_EQ(Record().ChildStatus, ChildDeductionStatus::SingleParent);
    EXPECT_FALSE(Record().MonthlyCodesPresent);
    EXPECT_FALSE(Record().MonthlyStatusPresent);
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(StandardDeductionsTest, ChangedCodeTakesTheMonthlyChoices) {
    Open(Declaration());
    AnswerMonths({{2, 2}, {0, 1}});
    W<QRadioButton>("rbQ")->click();
    EXPECT_EQ(ui.modalTitles.back(), QStringLiteral("Комбинация стандартных вычетов"));
    EXPECT_TRUE(Record().MonthlyCodesPresent);
    EXPECT_EQ(Record().MonthlyPersonalCode(2), 2);
    EXPECT_EQ(Record().MonthlyPersonalCode(0), 1);
    EXPECT_EQ(Record().MonthlyPersonalCode(1), 0);

    // A double click on the chosen button shows the stored choices; "Нет" stores nothing.
    std::vector<int> shown;
    ui.Modal([&shown](QDialog& dialog) {
        auto& months = dynamic_cast<TfmDif&>(dialog);
        for (int m = 0; m < 12; ++m)
            shown.push_back(months.MonthList(m)->currentIndex());
        months.MonthList(2)->setCurrentIndex(0);
        months.NoButton()->click();
        return dialog.result();
    });
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(W<QRadioButton>("rbQ"), &dbl);
    ASSERT_EQ(shown.size(), 12u);
    EXPECT_EQ(shown[2], 2);
    EXPECT_EQ(Record().MonthlyPersonalCode(2), 2);
    EXPECT_TRUE(W<QRadioButton>("rbQ")->isChecked());
    Save();
    EXPECT_EQ(Record().PersonalCode, PersonalDeductionCode::ChangedDuringYear);
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(StandardDeductionsTest, ChangedStatusTakesTheMonthlyStatuses) {
    mTDeclaration doc = Declaration();
    doc.StandardDeductions.SetMonthlySingleParentMark(4, 7);  // names no item of the list
    Open(doc);
    std::vector<int> shown;
    AnswerMonths({{11, 1}}, &shown);
    W<QRadioButton>("rbQ2")->click();
    ASSERT_EQ(shown.size(), 12u);
    EXPECT_EQ(shown[4], 0) << "an unknown stored status shows \"да\"";
    EXPECT_TRUE(Record().MonthlyStatusPresent);
    EXPECT_EQ(Record().MonthlySingleParentMark(11), 1);
    EXPECT_EQ(Record().MonthlySingleParentMark(4), 0);
    Save();
    EXPECT_EQ(Record().ChildStatus, ChildDeductionStatus::ChangedDuringYear);

    // Choosing another kind keeps the monthly statuses; opening a screen shows no dialog.
    W<QRadioButton>("rbOneParent")->click();
    Leave();
    EXPECT_EQ(Record().ChildStatus, ChildDeductionStatus::SingleParent);
    EXPECT_TRUE(Record().MonthlyStatusPresent);
    window->Declaration().StandardDeductions.ChildStatus = ChildDeductionStatus::ChangedDuringYear;
    Reopen();
    EXPECT_TRUE(W<QRadioButton>("rbQ2")->isChecked());
    EXPECT_TRUE(ui.NothingPending());
}

}  // namespace
}  // namespace zizaza::test
