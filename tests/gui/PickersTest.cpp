#include <QPushButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "dictionaries/ui/TfmDocType.h"
#include "dictionaries/ui/TfmGrazhd.h"

namespace zizaza::test {
namespace {

QString SelectedName(const TCodeListPicker& picker) {
    const std::optional<int> row = picker.SelectedRow();
    return row ? picker.List()->topLevelItem(*row)->text(1) : QString();
}

class DocTypePickerTest : public ::testing::Test, public WithApp {};

TEST_F(DocTypePickerTest, ListsTheFifteenTypesAndPreselectsTheCodeWithTwoDigits) {
    TfmDocType passport(21);
    EXPECT_EQ(passport.windowTitle(), QStringLiteral("Справочник видов документов"));
    ASSERT_EQ(passport.List()->topLevelItemCount(), 15);
    EXPECT_EQ(passport.List()->topLevelItem(0)->text(0), QStringLiteral("03"));
    EXPECT_EQ(passport.List()->topLevelItem(14)->text(0), QStringLiteral("91"));
    EXPECT_EQ(SelectedName(passport), QStringLiteral("Паспорт гражданина РФ"));
    EXPECT_TRUE(passport.YesButton()->isEnabled());

    TfmDocType birthCertificate(3);
    EXPECT_EQ(birthCertificate.SelectedRow(), 0) << "code 3 is the row \"03\"";

    for (int none : {0, 99, 1}) {
        TfmDocType picker(none);
        EXPECT_FALSE(picker.SelectedRow().has_value()) << none;
        EXPECT_FALSE(picker.YesButton()->isEnabled()) << none;
    }
}

TEST_F(DocTypePickerTest, AcceptsOnlyWithASelectedRow) {
    TfmDocType picker(0);
    picker.setResult(-1);
    PressKey(picker.List(), Qt::Key_Return);
    picker.accept();
    EXPECT_EQ(picker.result(), -1) << "nothing selected: the picker does not close";
    EXPECT_EQ(picker.ChosenCode(), 0);

    picker.List()->setCurrentItem(picker.List()->topLevelItem(13));
    EXPECT_TRUE(picker.YesButton()->isEnabled());
    PressKey(picker.List(), Qt::Key_Return);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.ChosenCode(), 27);
    EXPECT_EQ(picker.ChosenName(), QStringLiteral("Военный билет офицера запаса"));
}

TEST_F(DocTypePickerTest, NoCancelsWithoutAnAnswer) {
    TfmDocType picker(21);
    picker.findChild<QPushButton*>(QStringLiteral("btNo"))->click();
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    EXPECT_EQ(picker.ChosenCode(), 0);
    EXPECT_TRUE(picker.ChosenName().isEmpty());
}

class CountryPickerTest : public ::testing::Test, public WithApp {
protected:
    TfmGrazhd picker{{{"643", "РОССИЯ"}, {"112", "БЕЛАРУСЬ"}, {"156", "КИТАЙ"}, {"643", "ДВОЙНИК"}}};
};

TEST_F(CountryPickerTest, PositionsOnTheFirstRowOfTheCode) {
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Справочник стран"));
    EXPECT_EQ(picker.List()->headerItem()->text(1), QStringLiteral("Наименование государства"));
    picker.SetCurrentCode(QStringLiteral("643"));
    EXPECT_EQ(picker.SelectedRow(), 0);
    picker.SetCurrentCode(QStringLiteral("156"));
    EXPECT_EQ(picker.SelectedRow(), 2);
}

TEST_F(CountryPickerTest, AnEmptyOrUnknownCodeOffersNoEarlierRow) {
    picker.SetCurrentCode(QStringLiteral("156"));
    picker.List()->setCurrentItem(picker.List()->topLevelItem(1));
    ASSERT_TRUE(picker.SelectedRow().has_value());
    for (const char* code : {"", "999"}) {
        picker.SetCurrentCode(QString::fromLatin1(code));
        EXPECT_FALSE(picker.SelectedRow().has_value()) << code;
        EXPECT_FALSE(picker.YesButton()->isEnabled()) << code;
        picker.setResult(-1);
        picker.accept();
        EXPECT_EQ(picker.result(), -1) << code;
    }
}

TEST_F(CountryPickerTest, IsReusedAndAnswersTheAcceptedRow) {
    picker.SetCurrentCode(QStringLiteral("643"));
    ClickMouse(picker.YesButton());
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("643"));
    EXPECT_EQ(picker.ChosenName(), QStringLiteral("РОССИЯ"));

    picker.SetCurrentCode(QStringLiteral("643"));
    picker.List()->setCurrentItem(picker.List()->topLevelItem(1));
    emit picker.List()->itemDoubleClicked(picker.List()->topLevelItem(1), 0);
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("112"));
    EXPECT_EQ(picker.ChosenName(), QStringLiteral("БЕЛАРУСЬ"));

    picker.SetCurrentCode(QStringLiteral("156"));
    PressKey(picker.List(), Qt::Key_Escape);
    picker.reject();
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("112")) << "a cancelled use keeps the last answer";
}

}  // namespace
}  // namespace zizaza::test
