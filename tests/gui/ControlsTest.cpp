#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>

#include "GuiTest.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TFlashButton.h"
#include "screens/controls/TMaskedEdit.h"
#include "screens/controls/TTestMaskD.h"

namespace zizaza::test {
namespace {

class MaskedEditTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    // Types into a field that already holds `before`, with the caret at the end.
    QString TypeInto(TMaskedEdit& edit, const QString& before, const QString& typed) {
        edit.setText(before);
        edit.setCursorPosition(static_cast<int>(before.size()));
        TypeText(&edit, typed);
        return edit.text();
    }
};

struct TypingCase {
    const char* name;
    TEditTypeControlEnum type;
    int whole;
    int fraction;
    const char* before;
    const char* typed;
    const char* after;
};

TEST_F(MaskedEditTest, TypedCharactersFollowTheFieldKind) {
    using E = TEditTypeControlEnum;
    const TypingCase cases[] = {
        {"money accepts digits and a comma", E::edtCurrency, 12, 2, "", "12,5", "12,5"},
        {"a dot becomes the comma", E::edtCurrency, 12, 2, "12", ".34", "12,34"},
        {"a second separator is dropped", E::edtCurrency, 12, 2, "12,3", ",", "12,3"},
        {"a dot after a comma is dropped", E::edtCurrency, 12, 2, "1,2", ".", "1,2"},
        {"a thirteenth whole digit is dropped", E::edtCurrency, 12, 2, "123456789012", "3", "123456789012"},
        {"a third decimal is dropped", E::edtCurrency, 12, 2, "1,25", "9", "1,25"},
        {"letters never enter an amount", E::edtCurrency, 12, 2, "5", "a-+ ", "5"},
        {"a separator alone is no amount", E::edtCurrency, 12, 2, "", ",", ""},
        {"digits only", E::edtDigital, 12, 0, "", "12a3 4", "1234"},
        {"digits up to the length", E::edtDigital, 3, 0, "99", "12", "991"},
        {"digits and spaces", E::edt_Digital, 6, 0, "", "12 3a4", "12 34"},
        {"no digits in a name", E::edtChar, 0, 0, "", "Ив4ан", "Иван"},
        {"any text within the length", E::edtNone, 5, 0, "", "ab1!cdef", "ab1!c"},
        {"characters Windows-1251 lacks are refused", E::edtNone, 0, 0, "", "a中€b", "a€b"},
    };
    for (const TypingCase& c : cases) {
        TMaskedEdit edit;
        edit.SetEditType(c.type);
        edit.SetWholeLength(c.whole);
        edit.SetFractionalLength(c.fraction);
        EXPECT_EQ(TypeInto(edit, QString::fromUtf8(c.before), QString::fromUtf8(c.typed)), QString::fromUtf8(c.after))
            << c.name;
    }
}

TEST_F(MaskedEditTest, PastedTextThatBreaksTheRulesRestoresThePreviousText) {
    struct Case {
        TEditTypeControlEnum type;
        const char* before;
        const char* pasted;
        const char* after;
    } cases[] = {
        {TEditTypeControlEnum::edtCurrency, "10", "12a", "10"},
        {TEditTypeControlEnum::edtCurrency, "", "1234567890123", ""},
        {TEditTypeControlEnum::edtCurrency, "", "7,125", ""},
        {TEditTypeControlEnum::edtCurrency, "", "12,5", "12,5"},
        {TEditTypeControlEnum::edtDigital, "1", "2 3", "1"},
        {TEditTypeControlEnum::edtChar, "А", "Б2", "А"},
        {TEditTypeControlEnum::edtNone, "", "日本", ""},
    };
    for (const Case& c : cases) {
        TMaskedEdit edit;
        edit.SetEditType(c.type);
        edit.SetWholeLength(12);
        edit.SetFractionalLength(c.type == TEditTypeControlEnum::edtCurrency ? 2 : 0);
        edit.setText(QString::fromUtf8(c.before));
        edit.end(false);
        QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        edit.paste();
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.after)) << c.pasted;
    }
}

TEST_F(MaskedEditTest, ChangedOnlyWhenTheAcceptedTextChanges) {
    TMaskedEdit edit;
    edit.SetupMoney();
    int changes = 0;
    QObject::connect(&edit, &TMaskedEdit::Changed, [&changes] { ++changes; });
    TypeText(&edit, QStringLiteral("5"));
    EXPECT_EQ(changes, 1);
    TypeText(&edit, QStringLiteral("x"));
    edit.setText(QStringLiteral("5z"));  // reverted
    EXPECT_EQ(edit.text(), QStringLiteral("5"));
    EXPECT_EQ(changes, 1);
    edit.setText(QStringLiteral("   "));  // blank money becomes empty
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(changes, 2);
}

TEST_F(MaskedEditTest, EnterIsLeftToTheDialog) {
    TMaskedEdit edit;
    edit.SetupText(10);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&edit, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(edit.text(), QString());
}

class DtpPanelTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    void TypeAndLeave(TDtpPanel& panel, const QString& text) {
        panel.TextPart()->setText(text);
        emit panel.TextPart()->textEdited(text);
        emit panel.TextPart()->Left();
    }
};

TEST_F(DtpPanelTest, StartsWithItsDefaultsAndBounds) {
    TDtpPanel panel;
    EXPECT_EQ(panel.GetDate(), Date::Ymd(2020, 1, 1));
    EXPECT_EQ(panel.MinDate(), Date::Ymd(2017, 1, 1));
    EXPECT_EQ(panel.MaxDate(), Date::Ymd(2030, 12, 31));
    EXPECT_EQ(panel.TextPart()->text(), QStringLiteral("01.01.2020"));
}

TEST_F(DtpPanelTest, LeavingTheTextReplacesWhatIsNoDateInTheBounds) {
    struct Case {
        const char* typed;
        Date expected;
    } cases[] = {
        {"31.02.2017", Date::Ymd(2017, 1, 1)},  // no such day: the minimum
        {"15.06.2016", Date::Ymd(2017, 1, 1)},  // before the minimum
        {"01.01.2031", Date::Ymd(2030, 12, 31)},  // after the maximum
        {"12.3", Date::Ymd(2017, 1, 1)},        // half typed
        {"15.06.2018", Date::Ymd(2018, 6, 15)},
        {"01.01.2017", Date::Ymd(2017, 1, 1)},  // the bound itself is a valid date
    };
    for (const Case& c : cases) {
        TDtpPanel panel;
        panel.SetDate(Date::Ymd(2019, 5, 5));
        TypeAndLeave(panel, QString::fromLatin1(c.typed));
        EXPECT_EQ(panel.GetDate(), c.expected) << c.typed;
        EXPECT_EQ(panel.TextPart()->text(), QString::fromStdString(c.expected.ToText())) << c.typed;
    }
}

TEST_F(DtpPanelTest, AFullDateInsideTheBoundsIsTakenWhileTyping) {
    TDtpPanel panel;
    int changes = 0;
    QObject::connect(&panel, &TDtpPanel::Changed, [&changes] { ++changes; });
    panel.TextPart()->setText(QStringLiteral("03.04.2019"));
    emit panel.TextPart()->textEdited(panel.TextPart()->text());
    EXPECT_EQ(panel.GetDate(), Date::Ymd(2019, 4, 3));
    EXPECT_EQ(panel.Calendar()->selectedDate(), QDate(2019, 4, 3));
    EXPECT_EQ(changes, 1);
}

TEST_F(DtpPanelTest, MovingABoundPastTheDateMovesTheDate) {
    TDtpPanel panel;
    int changes = 0;
    QObject::connect(&panel, &TDtpPanel::Changed, [&changes] { ++changes; });
    panel.SetMaxDate(Date::Ymd(2018, 12, 31));
    EXPECT_EQ(panel.GetDate(), Date::Ymd(2018, 12, 31));
    panel.SetMinDate(Date::Ymd(2019, 2, 1));
    EXPECT_EQ(panel.GetDate(), Date::Ymd(2019, 2, 1));
    EXPECT_EQ(changes, 2);
    panel.SetDate(Date::Ymd(2019, 2, 1));
    EXPECT_EQ(changes, 2) << "setting the same date raises no change";
}

TEST_F(DtpPanelTest, ChoosingADayInTheCalendarSetsTextAndDate) {
    TDtpPanel panel;
    panel.Calendar()->setSelectedDate(QDate(2021, 7, 9));
    emit panel.Calendar()->clicked(QDate(2021, 7, 9));
    EXPECT_EQ(panel.GetDate(), Date::Ymd(2021, 7, 9));
    EXPECT_EQ(panel.TextPart()->text(), QStringLiteral("09.07.2021"));
}

TEST(FlashButtonTest, PressedStateIsSharedWithinTheGroup) {
    App();
    QWidget parent;
    TFlashButton a(&parent), b(&parent), loose(&parent);
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    a.SetDown(true);
    loose.SetDown(true);
    b.click();
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    EXPECT_TRUE(loose.Down()) << "a button of no group is not released";
    b.click();
    EXPECT_TRUE(b.Down()) << "without AllowAllUp a pressed button stays pressed";
    b.SetAllowAllUp(true);
    b.click();
    EXPECT_FALSE(b.Down());
}

TEST(FlashButtonTest, FaceColourFollowsTheState) {
    App();
    QWidget parent;
    TFlashButton button(&parent);
    EXPECT_EQ(button.size(), QSize(22, 23));
    EXPECT_EQ(button.FaceColor(), button.palette().color(QPalette::Button));
    button.SetDown(true);
    EXPECT_EQ(button.FaceColor(), QColor(176, 188, 208));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.FaceColor(), QColor(132, 146, 181));
    button.SetDown(false);
    EXPECT_EQ(button.FaceColor(), QColor(208, 212, 216));
}

}  // namespace
}  // namespace zizaza::test
