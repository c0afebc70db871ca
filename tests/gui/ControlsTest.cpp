#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <memory>
#include <span>

#include "GuiTest.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TFlashButton.h"
#include "screens/controls/TInputHint.h"
#include "screens/controls/TMaskedDocEdit.h"
#include "screens/controls/TMaskedEdit.h"
#include "screens/controls/TTestMaskD.h"

namespace zizaza::test {
namespace {

struct TypingCase {
    const char* name;
    TEditTypeControlEnum type;
    int whole;
    int fraction;
    const char* before;
    const char* typed;
    const char* after;

    void SetUp(TMaskedEdit& edit) const {
        edit.SetEditType(type);
        edit.SetWholeLength(whole);
        edit.SetFractionalLength(fraction);
    }
};

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
    // Types each case into a new field of its kind; focusFirst: a click focuses the field first.
    void ExpectTyping(std::span<const TypingCase> cases, bool focusFirst = false) {
        for (const TypingCase& c : cases) {
            TMaskedEdit edit;
            c.SetUp(edit);
            if (focusFirst) {
                edit.setText(QString::fromUtf8(c.before));
                QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
                QApplication::sendEvent(&edit, &focus);
            }
            EXPECT_EQ(TypeInto(edit, QString::fromUtf8(c.before), QString::fromUtf8(c.typed)),
                      QString::fromUtf8(c.after))
                << c.name;
        }
    }
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
    ExpectTyping(cases);
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

// Keys as a keyboard sends them: one event per character, an emoji too.
void TypeCharacters(QWidget* widget, const QString& text) {
    for (char32_t cp : text.toUcs4()) {
        const QString one = QString::fromUcs4(&cp, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, one);
        QApplication::sendEvent(widget, &press);
    }
}

// Amounts written as elsewhere (grouped roubles, either separator, kopecks in a whole-rouble
// field) and characters Windows-1251 lacks: what the field keeps and the hint it shows.
TEST_F(MaskedEditTest, AmountsWrittenElsewhereAndRefusedCharacters) {
    enum Field { Money, Roubles, Text, Document };
    const QString kopecks = WholeRoublesHint();
    const QString cp1251 = NotCp1251Hint();
    struct Case {
        const char* name;
        Field field;
        bool pasted;
        const char* before;
        const char* input;
        const char* after;
        QString hint;  // empty: none shown
    } cases[] = {
        {"typed zero kopecks are no roubles", Roubles, false, "", "60000,00", "60000", {}},
        {"typed spaces and a dot", Roubles, false, "", "60 000.00", "60000", {}},
        {"typed kopecks are refused", Roubles, false, "", "60000,50", "60000", kopecks},
        {"pasted zero kopecks", Roubles, true, "", "60000,00", "60000", {}},
        {"pasted grouped roubles", Roubles, true, "", "60 000,00", "60000", {}},
        {"pasted kopecks are refused", Roubles, true, "5", "60000,05", "5", kopecks},
        {"pasted grouped money", Money, true, "", "150 000,00", "150000,00", {}},
        {"a no-break space and a dot", Money, true, "", "1\u00a0150\u00a0000.5", "1150000,5", {}},
        {"badly grouped money is refused", Money, true, "", "1 50 000", "", {}},
        {"two separators are no amount", Money, true, "", "1.150,00", "", {}},
        {"an emoji typed into a name", Text, false, "", "a 😀 b", "a  b", cp1251},
        {"characters pasted into a name", Text, true, "ab", "日本", "ab", cp1251},
        {"an emoji typed into an amount", Money, false, "", "5😀", "5", cp1251},
        {"an emoji typed into a document number", Document, false, "", "1😀", "1", cp1251},
        {"an emoji pasted into a document number", Document, true, "", "1😀", "", cp1251},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QLineEdit> edit;
        if (c.field == Document) {
            edit = std::make_unique<TMaskedDocEdit>();
        } else {
            auto* masked = new TMaskedEdit;
            edit.reset(masked);
            if (c.field == Money)
                masked->SetupMoney();
            else if (c.field == Roubles)
                masked->SetupRoubles();
            else
                masked->SetupText();
        }
        edit->setText(QString::fromUtf8(c.before));
        edit->end(false);
        if (c.pasted) {
            QApplication::clipboard()->setText(QString::fromUtf8(c.input));
            edit->paste();
        } else {
            TypeCharacters(edit.get(), QString::fromUtf8(c.input));
        }
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.after)) << c.name;
        const TInputHint* hint = TInputHint::Of(edit.get());
        EXPECT_EQ(hint && hint->isVisible() ? hint->text() : QString(), c.hint) << c.name;
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

TEST_F(MaskedEditTest, AZeroShownWhenTheFocusCameIsReplacedByTheDigitsTyped) {
    using E = TEditTypeControlEnum;
    const TypingCase cases[] = {
        {"a count", E::edtDigital, 2, 0, "0", "2", "2"},
        {"an amount", E::edtCurrency, 12, 2, "0,00", "15", "15"},
        {"a separator keeps the zero", E::edtCurrency, 12, 2, "0", ",5", "0,5"},
        {"other numbers are typed on", E::edtDigital, 4, 0, "10", "5", "105"},
        {"a text is typed on", E::edtNone, 4, 0, "0", "5", "05"},
    };
    ExpectTyping(cases, true);
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
        {"31.02.2017", Date::Ymd(2017, 1, 1)},    // no such day: the minimum
        {"15.06.2016", Date::Ymd(2017, 1, 1)},    // before the minimum
        {"01.01.2031", Date::Ymd(2030, 12, 31)},  // after the maximum
        {"12.3", Date::Ymd(2017, 1, 1)},          // half typed
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
