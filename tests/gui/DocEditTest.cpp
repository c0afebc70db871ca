#include <QApplication>
#include <QClipboard>

#include "GuiTest.h"
#include "screens/controls/TMaskedDocEdit.h"

namespace zizaza::test {
namespace {

using M = TDocumentMaskEnum;

class DocEditTest : public ::testing::Test, public WithApp {
protected:
    QString Typed(M type, const QString& keys, const QString& before = {}) {
        TMaskedDocEdit edit;
        edit.SetEditType(type);
        edit.setText(before);
        edit.setCursorPosition(static_cast<int>(before.size()));
        TypeText(&edit, keys);
        return edit.text();
    }
};

struct TypingCase {
    const char* name;
    M type;
    const char* typed;
    const char* shown;
};

TEST_F(DocEditTest, TypingFillsThePartsAndPutsInTheSpaces) {
    const TypingCase cases[] = {
        {"passport: 2+2+6 digits, an eleventh is dropped", M::edt99_, "12345678901", "12 34 567890"},
        {"typed spaces and letters are dropped", M::edt99_, "1 2a3", "12 3"},
        {"two digits, seven digits", M::edt99, "1234567890", "12 3456789"},
        {"letters become capitals", M::edtBB, "аб123456", "АБ 123456"},
        {"digits in the series of letters are dropped", M::edtBB, "1аб", "АБ"},
        {"seven digits after letters", M::edtBB0, "АБ12345678", "АБ 1234567"},
        {"five digits after letters", M::edtBB5, "АБ123456", "АБ 12345"},
        {"Latin letters are not series letters", M::edtBB, "AB", ""},
        {"Roman series from look-alike keys", M::edtR_BB, "1у-аб123456", "IV-АБ 123456"},
        {"Cyrillic look-alikes of C, X, L and V", M::edtR_BB, "СХЛУ1", "CXLVI"},
        {"digits need a series before them", M::edt99, " 12", "12"},
        {"four I in a row are no Roman number", M::edtR_BB, "1111", "III"},
        {"a Roman number ends at nine characters", M::edtR_BB, "CCCXXXVIII", "CCCXXXVII"},
        {"V before X is not canonical", M::edtR_BB, "VX", "V"},
        {"seven digits after the letters are too many", M::edtR_BB, "II-ЖЖ1234567", "II-ЖЖ 123456"},
        {"free text keeps spaces up to 25", M::edtNone1, "AB 12 34567890123456789012345", "AB 12 3456789012345678901"},
        {"free text of 14", M::edtNone2, "абв 1234567890123", "АБВ 1234567890"},
        {"characters Windows-1251 lacks are refused", M::edtNone1, "A中B", "AB"},
    };
    for (const TypingCase& c : cases)
        EXPECT_EQ(Typed(c.type, QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown)) << c.name;
}

TEST_F(DocEditTest, ChangesThatBreakTheFormatRestoreTheLastText) {
    TMaskedDocEdit edit;
    edit.SetEditType(M::edt99_);
    int changes = 0;
    QObject::connect(&edit, &TMaskedDocEdit::Changed, [&] { ++changes; });
    edit.setText(QStringLiteral("45 09 123456"));
    EXPECT_EQ(changes, 1);
    for (const char* bad : {"4509123456", "45 09 1234567", "АБ 09 123456", "45 09 12 3456", " 09 123456", "45  09"}) {
        edit.setText(QString::fromUtf8(bad));
        EXPECT_EQ(edit.text(), QStringLiteral("45 09 123456")) << bad;
    }
    EXPECT_EQ(changes, 1) << "a refused change is no change";
    QApplication::clipboard()->setText(QStringLiteral("x"));
    edit.selectAll();
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("45 09 123456"));

    edit.SetEditType(M::edtBB);
    edit.setText(QStringLiteral("аж 12"));
    EXPECT_EQ(edit.text(), QStringLiteral("АЖ 12")) << "pasted small letters become capitals";
}

TEST_F(DocEditTest, OnlyCanonicalRomanNumbersOfNineCharactersPass) {
    for (const char* ok : {"I", "IV", "IX", "XIV", "XL", "XC", "XCIX", "CCCLXXXIII", "CCCXXXVII"})
        EXPECT_EQ(TMaskedDocEdit::IsCanonicalRoman(QString::fromLatin1(ok)), QString::fromLatin1(ok).size() <= 9) << ok;
    for (const char* bad : {"", "IIII", "VV", "IL", "IC", "XXXX", "VX", "CCCC", "D", "M", "iv"})
        EXPECT_FALSE(TMaskedDocEdit::IsCanonicalRoman(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(TMaskedDocEdit::Fits(M::edtR_BB, QStringLiteral("XIV-")));
    EXPECT_FALSE(TMaskedDocEdit::Fits(M::edtR_BB, QStringLiteral("-АБ 1"))) << "the Roman part comes first";
    EXPECT_FALSE(TMaskedDocEdit::Fits(M::edtR_BB, QStringLiteral("IV-АБВ")));
}

TEST_F(DocEditTest, AStoredTextOutsideTheFormatIsKeptAsFreeText) {
    TMaskedDocEdit edit;
    edit.SetEditType(M::edt99_);
    edit.SetStoredText(QStringLiteral("4509123456"));
    EXPECT_EQ(edit.text(), QStringLiteral("4509123456"));
    EXPECT_EQ(edit.EditType(), M::edtNone1);

    const QString longText = QStringLiteral("УДОСТОВЕРЕНИЕ № 1234567890 ОТ 2001 Г.");
    edit.SetStoredText(longText);
    EXPECT_EQ(edit.text(), longText);
    edit.end(false);
    TypeText(&edit, QStringLiteral("x"));
    EXPECT_EQ(edit.text(), longText) << "a text over the limit does not grow";
    edit.backspace();
    EXPECT_EQ(edit.text(), longText.chopped(1)) << "but it can be shortened";

    edit.SetEditType(M::edt99_);
    edit.SetStoredText(QStringLiteral("45 09 123456"));
    EXPECT_EQ(edit.EditType(), M::edt99_) << "a fitting text keeps the format";
}

}  // namespace
}  // namespace zizaza::test
