#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "dictionaries/DocTypes.h"
#include "dictionaries/ui/TfmDocType.h"
#include "dictionaries/ui/TfmGrazhd.h"
#include "model/mTDeclaration.h"
#include "screens/TfrPersonNaim.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedDocEdit.h"
#include "screens/controls/TTestMaskD.h"
#include "support/Today.h"

namespace zizaza::test {
namespace {

// Answers the next picker by choosing the row of the code and pressing "Да".
ScriptedUi::ModalHandler ChooseRow(const QString& code) {
    return [code](QDialog& dialog) {
        auto& picker = dynamic_cast<TCodeListPicker&>(dialog);
        const QList<QTreeWidgetItem*> rows = picker.List()->findItems(code, Qt::MatchExactly, 0);
        EXPECT_FALSE(rows.isEmpty()) << code.toStdString();
        if (!rows.isEmpty())
            picker.List()->setCurrentItem(rows.front());
        dialog.setResult(-1);
        picker.YesButton()->click();
        return dialog.result();
    };
}

class PersonScreenTest : public MainWindowTest {
protected:
    // A declaration that passes the initial data screen, with the person record given.
    static mTDeclaration Declaration(DeclarationForm form = kForm3Ndfl) {
        return ScreenDeclaration(form == kForm4Ndfl ? kIncomeBusiness : kIncomeRussia, form);
    }
    static mTDeclaration Filled() {
        mTDeclaration doc = Declaration();
        mTPersonInformation& p = doc.Person;
        p.Name = {"Иванов", "Иван", "Иванович", ValidPersonInn("7701234567"), "", "0"};
        p.Document.KindCode = 21;
        p.Document.KindName = "Паспорт гражданина РФ";
        p.Document.SeriesNumber = "45 09 123456";
        p.Document.IssueDate = Date::Ymd(2005, 6, 15);
        p.Document.BirthDate = Date::Ymd(1985, 3, 1);
        p.Document.IssuedBy = "ОВД района Южное Бутово";
        p.Document.BirthPlace = "г. Москва";
        p.Foreigner = {"2", "КИТАЙ", "", "156"};
        p.HomePhone.Number = "84951234567";
        return doc;
    }

    // Starts with the declaration and switches to the person screen.
    TfrPersonNaim& Open(const mTDeclaration& doc, bool withCountries = false) {
        if (withCountries) {
            folder.Write(QStringLiteral("Oksm.xml"),
                         QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Oksm>"
                                           "<Country Code=\"643\">РОССИЯ</Country>"
                                           "<Country Code=\"112\">БЕЛАРУСЬ</Country>"
                                           "<Country Code=\"156\">КИТАЙ</Country></Oksm>"));
        }
        OpenDeclaration(doc, QStringLiteral("person.tv7"));
        return ShowScreen<TfrPersonNaim>(ScreenId::PersonInfo);
    }
    TfrPersonNaim& Screen() { return ShownScreen<TfrPersonNaim>(); }
    template <typename T = QWidget>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    QString Text(const char* name) { return W<QLineEdit>(name)->text(); }
    void SetText(const char* name, const QString& text) { W<QLineEdit>(name)->setText(text); }
    TDtpPanel* DateField(const char* name) { return W<TDtpPanel>(name); }
    TMaskedDocEdit* Serial() { return W<TMaskedDocEdit>("meSerial"); }
    bool Focused(const char* name) {
        QWidget* focus = window->focusWidget();
        QWidget* target = W(name);
        return focus && (focus == target || target->isAncestorOf(focus));
    }
    const mTPersonInformation& Saved() {
        Screen().SaveToDocument();
        return window->Declaration().Person;
    }
};

TEST_F(PersonScreenTest, ShowsTheRecordAndWritesItBackUnchanged) {
    const mTDeclaration doc = Filled();
    Open(doc);
    EXPECT_EQ(Text("meSurName"), QStringLiteral("Иванов"));
    EXPECT_EQ(Text("mePatronymic"), QStringLiteral("Иванович"));
    EXPECT_EQ(Text("meINN"), QString::fromStdString(doc.Person.Name.Inn));
    EXPECT_EQ(W<QLabel>("pnlDocType")->text(), QStringLiteral("Паспорт гражданина РФ"));
    EXPECT_EQ(Serial()->text(), QStringLiteral("45 09 123456"));
    EXPECT_EQ(Serial()->EditType(), TDocumentMaskEnum::edt99_);
    EXPECT_TRUE(Serial()->isEnabled());
    EXPECT_EQ(DateField("dtBirthDate")->GetDate(), Date::Ymd(1985, 3, 1));
    EXPECT_EQ(DateField("dtRegDate")->GetDate(), Date::Ymd(2005, 6, 15));
    EXPECT_TRUE(testsupport::IsToday(DateField("dtRegDate")->MaxDate()));
    EXPECT_EQ(DateField("dtBirthDate")->MinDate(), Date::Ymd(1900, 1, 1));
    EXPECT_EQ(Text("meKodGrazhd"), QStringLiteral("156"));
    EXPECT_EQ(Text("meCitizenship"), QStringLiteral("КИТАЙ"));
    EXPECT_TRUE(W<QRadioButton>("rbBomzh")->isChecked());
    EXPECT_TRUE(W("rbGr")->isHidden());
    EXPECT_EQ(Text("meHomePhone"), QStringLiteral("84951234567"));
    EXPECT_EQ(W<QGroupBox>("gbDocument")->title(), QStringLiteral("  Сведения о документе, удостоверяющем личность"));
    EXPECT_FALSE(W("bnGrazhd")->isEnabled()) << "no countries dictionary";
    EXPECT_TRUE(window->Saved()) << "showing the record is no change";

    const mTPersonInformation& saved = Saved();
    const mTPersonInformation& original = doc.Person;
    EXPECT_EQ(saved.Name.Surname, original.Name.Surname);
    EXPECT_EQ(saved.Name.FirstName, original.Name.FirstName);
    EXPECT_EQ(saved.Name.Inn, original.Name.Inn);
    EXPECT_EQ(saved.Document.KindCode, 21);
    EXPECT_EQ(saved.Document.KindName, original.Document.KindName);
    EXPECT_EQ(saved.Document.SeriesNumber, original.Document.SeriesNumber);
    EXPECT_EQ(saved.Document.IssueDate, original.Document.IssueDate);
    EXPECT_EQ(saved.Document.BirthDate, original.Document.BirthDate);
    EXPECT_EQ(saved.Document.IssuedBy, original.Document.IssuedBy);
    EXPECT_EQ(saved.Document.BirthPlace, original.Document.BirthPlace);
    EXPECT_EQ(saved.Foreigner.CitizenshipKind, "2");
    EXPECT_EQ(saved.Foreigner.CountryCode, "156");
    EXPECT_EQ(saved.Foreigner.CountryName, "КИТАЙ");
    EXPECT_EQ(saved.HomePhone.Number, original.HomePhone.Number);
}

TEST_F(PersonScreenTest, StoredTextsTheFieldsWouldRefuseAreKept) {
    mTDeclaration doc = Filled();
    doc.Person.Document.SeriesNumber = "4509123456";  // an earlier edition's passport without spaces
    doc.Person.HomePhone.Number = "+7 (495) 123-45-67";
    doc.Person.Name.Surname = std::string(40, 'N');
    doc.Person.Foreigner.CitizenshipKind = "";
    Open(doc);
    EXPECT_EQ(Serial()->text(), QStringLiteral("4509123456"));
    EXPECT_EQ(Text("meHomePhone"), QStringLiteral("+7 (495) 123-45-67"));
    const mTPersonInformation& saved = Saved();
    EXPECT_EQ(saved.Document.SeriesNumber, "4509123456");
    EXPECT_EQ(saved.HomePhone.Number, "+7 (495) 123-45-67");
    EXPECT_EQ(saved.Name.Surname, std::string(40, 'N'));
    EXPECT_EQ(saved.Foreigner.CitizenshipKind, "1") << "an empty kind reads as citizen";
}

TEST_F(PersonScreenTest, AFreshRecordHasTheDocumentFieldsDisabled) {
    Open(Declaration());
    EXPECT_EQ(W<QLabel>("pnlDocType")->text(), QString());
    for (const char* name : {"meSerial", "dtRegDate", "meKem"})
        EXPECT_FALSE(W(name)->isEnabled()) << name;
    EXPECT_EQ(Text("meKodGrazhd"), QStringLiteral("643"));
    EXPECT_TRUE(W<QRadioButton>("rbGr")->isChecked());
    EXPECT_EQ(DateField("dtBirthDate")->GetDate(), Date::Ymd(1977, 1, 1));
}

TEST_F(PersonScreenTest, FourNdflShowsOnlyNamesInnAndTelephone) {
    Open(Declaration(kForm4Ndfl));
    for (const char* hidden : {"gbGrazhd", "gbDocument", "meMesto", "lbMesto", "dtBirthDate", "lbBirthDate"})
        EXPECT_TRUE(W(hidden)->isHidden()) << hidden;
    for (const char* shown : {"meSurName", "meName", "mePatronymic", "meINN", "meHomePhone"})
        EXPECT_FALSE(W(shown)->isHidden()) << shown;
    SetText("meSurName", QStringLiteral("Петров"));
    SetText("meName", QStringLiteral("Пётр"));
    ui.Click(QStringLiteral("Button2"));
    EXPECT_EQ(Screen().CheckScreen(), 0);
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Не указан ИНН")})
        << "the hidden birth place and document are not asked for";
}

TEST_F(PersonScreenTest, AHiddenItemNamedByTheCheckIsBroughtIntoView) {
    mTDeclaration doc = Declaration(kForm4Ndfl);
    doc.Person.Document.KindCode = 21;
    doc.Person.Document.KindName = "Паспорт гражданина РФ";
    Open(doc);
    ASSERT_TRUE(W("gbDocument")->isHidden());
    Screen().FocusItem(TfrPersonNaim::kItemIssuedBy);
    EXPECT_FALSE(W("gbDocument")->isHidden());
    EXPECT_TRUE(Focused("meKem"));
}

TEST_F(PersonScreenTest, WithoutAnInnTheCheckAsksForBirthPlaceAndDocument) {
    Open(Declaration());
    SetText("meSurName", QStringLiteral("Иванов"));
    SetText("meName", QStringLiteral("Иван"));
    ui.Click(QStringLiteral("Button2")).Click(QStringLiteral("Button2")).Click(QStringLiteral("Button2"));
    EXPECT_EQ(Screen().CheckScreen(), 0);
    EXPECT_EQ(ui.checkMessages,
              (QStringList{QStringLiteral("Не указан ИНН"), QStringLiteral("Не указано место рождения"),
                           QStringLiteral("Не указан документ, удостоверяющий личность")}));
    EXPECT_EQ(ui.checkCaptions.front(), QStringLiteral("Проверка: Сведения о декларанте"));

    ui.checkMessages.clear();
    SetText("meINN", QString::fromStdString(ValidPersonInn("7701234567")));
    EXPECT_EQ(Screen().CheckScreen(), 0) << "a valid INN needs neither birth place nor document";
    EXPECT_TRUE(ui.checkMessages.isEmpty());
}

TEST_F(PersonScreenTest, TheCheckNamesEachProblemWithItsItem) {
    struct Case {
        const char* name;
        std::function<void(mTPersonInformation&)> change;
        const char* message;
        uint16_t item;
    };
    const std::string valid = ValidPersonInn("7701234567");
    const Case cases[] = {
        {"surname of blanks", [](mTPersonInformation& p) { p.Name.Surname = "  "; }, "Не введена фамилия", 1},
        {"no first name", [](mTPersonInformation& p) { p.Name.FirstName = ""; }, "Не введено имя", 2},
        {"INN too short", [](mTPersonInformation& p) { p.Name.Inn = "77012345"; },
         "Длина ИНН должна быть равна 12 цифрам", 4},
        {"INN check digits",
         [valid](mTPersonInformation& p) { p.Name.Inn = valid.substr(0, 11) + (valid[11] == '0' ? "1" : "0"); },
         "Номер ИНН введен неверно", 4},
        {"INN of zeros", [](mTPersonInformation& p) { p.Name.Inn = "000000000000"; }, "Номер ИНН введен неверно", 4},
        {"no series", [](mTPersonInformation& p) { p.Document.SeriesNumber = ""; },
         "Не указаны серия и номер документа, удостоверяющего личность", 6},
        {"issued before birth", [](mTPersonInformation& p) { p.Document.IssueDate = Date::Ymd(1985, 2, 28); },
         "Дата выдачи документа не может быть меньше даты рождения", 7},
        {"no issuer", [](mTPersonInformation& p) { p.Document.IssuedBy = " "; },
         "Не указано, кем выдан документ, удостоверяющий личность", 8},
    };
    const char* items[] = {"", "meSurName", "meName", "mePatronymic", "meINN", "", "meSerial", "dtRegDate", "meKem"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mTDeclaration doc = Filled();
        c.change(doc.Person);
        Open(doc);
        ui.checkMessages.clear();
        ui.Click(QStringLiteral("Button1"));
        const uint16_t item = Screen().CheckScreen();
        EXPECT_EQ(item, c.item);
        EXPECT_EQ(ui.checkMessages, QStringList{QString::fromUtf8(c.message)});
        Screen().FocusItem(item);
        EXPECT_TRUE(Focused(items[item]));
        window.reset();
    }
}

TEST_F(PersonScreenTest, FourteenYearsCountFromTheBirthdayForPassportsOnly) {
    mTDeclaration doc = Filled();
    doc.Person.Document.BirthDate = Date::Ymd(2000, 2, 29);
    doc.Person.Document.IssueDate = Date::Ymd(2014, 2, 28);
    Open(doc);
    EXPECT_EQ(Screen().CheckScreen(), 0) << "born on 29 February: the birthday of 2014 is 28 February";
    DateField("dtRegDate")->SetDate(Date::Ymd(2014, 2, 27));
    ui.Click(QStringLiteral("Button1"));
    EXPECT_EQ(Screen().CheckScreen(), TfrPersonNaim::kItemIssueDate);
    EXPECT_EQ(
        ui.checkMessages,
        QStringList{QStringLiteral("Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет")});

    doc.Person.Document.KindCode = 10;
    doc.Person.Document.KindName = "Паспорт иностранного гражданина";
    doc.Person.Document.IssueDate = Date::Ymd(2000, 3, 1);
    window.reset();
    Open(doc);
    EXPECT_EQ(Screen().CheckScreen(), 0) << "other kinds may be issued the day after birth";
}

TEST_F(PersonScreenTest, ChoosingAnotherKindStartsTheDocumentAfresh) {
    Open(Filled());
    ui.Modal([](QDialog& dialog) {
        EXPECT_EQ(dynamic_cast<TfmDocType&>(dialog).SelectedRow(), FindDocTypeRow(21)) << "opens on the current kind";
        return ChooseRow(QStringLiteral("07"))(dialog);
    });
    W<QPushButton>("bnDocType")->click();
    EXPECT_EQ(W<QLabel>("pnlDocType")->text(), QStringLiteral("Военный билет солдата (матроса, сержанта, старшины)"));
    EXPECT_EQ(Serial()->text(), QString());
    EXPECT_EQ(Serial()->EditType(), TDocumentMaskEnum::edtBB0);
    EXPECT_EQ(Text("meKem"), QString());
    EXPECT_EQ(DateField("dtRegDate")->GetDate(), Date::Ymd(1990, 1, 1));
    EXPECT_FALSE(window->Saved());
    EXPECT_EQ(Saved().Document.KindCode, 7);

    SetText("meKem", QStringLiteral("Военкомат"));
    ui.Modal(ChooseRow(QStringLiteral("07")));
    W<QPushButton>("bnDocType")->click();
    EXPECT_EQ(Text("meKem"), QStringLiteral("Военкомат")) << "the same kind again changes nothing";
    ui.CloseBox();
    W<QPushButton>("bnDocType")->click();
    EXPECT_EQ(Saved().Document.KindCode, 7);
}

TEST_F(PersonScreenTest, AStoredBirthCertificateTakesTheRomanSeries) {
    mTDeclaration doc = Filled();
    doc.Person.Document.KindCode = 3;
    doc.Person.Document.KindName = "Свидетельство о рождении, оформленное в соответствии с законодательством РФ";
    doc.Person.Document.SeriesNumber = "";
    Open(doc);
    EXPECT_EQ(Serial()->EditType(), TDocumentMaskEnum::edtR_BB);
    TypeText(Serial(), QStringLiteral("1у-мю654321"));
    EXPECT_EQ(Serial()->text(), QStringLiteral("IV-МЮ 654321"));
    EXPECT_FALSE(window->Saved());
}

TEST_F(PersonScreenTest, FocusItemReachesEveryItemAndOpensTheKindPicker) {
    Open(Filled());
    const std::pair<uint16_t, const char*> items[] = {{1, "meSurName"}, {2, "meName"},   {3, "mePatronymic"},
                                                      {4, "meINN"},     {6, "meSerial"}, {7, "dtRegDate"},
                                                      {8, "meKem"},     {9, "meMesto"}};
    for (auto [item, name] : items) {
        Screen().FocusItem(item);
        EXPECT_TRUE(Focused(name)) << item;
    }
    ui.CloseBox();
    Screen().FocusItem(TfrPersonNaim::kItemDocumentKind);
    EXPECT_EQ(ui.modalTitles, QStringList{QStringLiteral("Справочник видов документов")});
    EXPECT_TRUE(Focused("bnDocType"));
    Screen().FocusItem(0);
    Screen().FocusItem(10);
    EXPECT_TRUE(Focused("bnDocType")) << "codes that name no item do nothing";
}

TEST_F(PersonScreenTest, TheWholeDeclarationCheckOpensTheScreenAtTheSurname) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")}, false);
    ui.Click(QStringLiteral("Button1"));
    Find<QAction>(window.get(), "actCheck")->trigger();
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Не введена фамилия")});
    ASSERT_NE(dynamic_cast<TfrPersonNaim*>(window->CurrentScreen()), nullptr);
    EXPECT_TRUE(window->ScreenButton(ScreenId::PersonInfo)->Down());
    EXPECT_TRUE(Focused("meSurName"));
}

TEST_F(PersonScreenTest, TheCountryComesFromThePickerOfTheMainWindow) {
    Open(Declaration(), true);
    ASSERT_TRUE(W("bnGrazhd")->isEnabled());
    ui.Modal([](QDialog& dialog) {
        EXPECT_EQ(dynamic_cast<TfmGrazhd&>(dialog).SelectedRow(), 0) << "opens on 643";
        return ChooseRow(QStringLiteral("112"))(dialog);
    });
    W<QPushButton>("bnGrazhd")->click();
    EXPECT_EQ(Text("meKodGrazhd"), QStringLiteral("112"));
    EXPECT_EQ(Text("meCitizenship"), QStringLiteral("БЕЛАРУСЬ"));
    EXPECT_FALSE(window->Saved());
    EXPECT_EQ(Saved().Foreigner.CountryCode, "112");
    EXPECT_EQ(Saved().Foreigner.CountryName, "БЕЛАРУСЬ");
    ui.CloseBox();
    W<QPushButton>("bnGrazhd")->click();
    EXPECT_EQ(Text("meKodGrazhd"), QStringLiteral("112"));
}

TEST_F(PersonScreenTest, ChangingADateMarksTheDeclarationUnsaved) {
    Open(Filled());
    ASSERT_TRUE(window->Saved());
    TTestMaskD* text = DateField("dtBirthDate")->TextPart();
    text->selectAll();
    TypeText(text, QStringLiteral("02031985"));
    EXPECT_EQ(DateField("dtBirthDate")->GetDate(), Date::Ymd(1985, 3, 2));
    EXPECT_FALSE(window->Saved()) << "a changed date must be offered for saving";
}

TEST_F(PersonScreenTest, TypedDataSurvivesSavingAndOpeningAgain) {
    Open(Declaration(), true);
    TypeText(W("meSurName"), QStringLiteral("Сидорова"));
    TypeText(W("meName"), QStringLiteral("Анна"));
    TypeText(W("mePatronymic"), QStringLiteral("Сергеевна"));
    TypeText(W("meINN"), QString::fromStdString(ValidPersonInn("5001234567")));
    TypeText(W("meMesto"), QStringLiteral("г. Тверь"));
    TypeText(W("meHomePhone"), QStringLiteral("89161234567"));
    ui.Modal(ChooseRow(QStringLiteral("21")));
    W<QPushButton>("bnDocType")->click();
    TypeText(Serial(), QStringLiteral("2801765432"));
    TypeText(W("meKem"), QStringLiteral("УФМС по Тверской обл."));
    DateField("dtBirthDate")->SetDate(Date::Ymd(1990, 7, 14));
    DateField("dtRegDate")->SetDate(Date::Ymd(2010, 8, 2));
    ui.Modal(ChooseRow(QStringLiteral("156")));
    W<QPushButton>("bnGrazhd")->click();
    const QStringList fields{"meSurName",   "meName",   "mePatronymic", "meINN",       "meMesto",
                             "meHomePhone", "meSerial", "meKem",        "meKodGrazhd", "meCitizenship"};
    QStringList typed;
    for (const QString& f : fields)
        typed << Text(f.toLatin1().constData());
    EXPECT_EQ(Serial()->text(), QStringLiteral("28 01 765432"));

    const QString file = files.path() + QStringLiteral("/typed.tv7");
    ui.SaveFile(file);
    window->SaveDeclarationAs();
    ASSERT_TRUE(window->Saved());
    window.reset();
    Start({file}, false);
    window->ScreenButton(ScreenId::PersonInfo)->click();
    QStringList shown;
    for (const QString& f : fields)
        shown << Text(f.toLatin1().constData());
    EXPECT_EQ(shown, typed);
    EXPECT_EQ(W<QLabel>("pnlDocType")->text(), QStringLiteral("Паспорт гражданина РФ"));
    EXPECT_EQ(Serial()->EditType(), TDocumentMaskEnum::edt99_);
    EXPECT_EQ(DateField("dtBirthDate")->GetDate(), Date::Ymd(1990, 7, 14));
    EXPECT_EQ(DateField("dtRegDate")->GetDate(), Date::Ymd(2010, 8, 2));
    EXPECT_EQ(Screen().CheckScreen(), 0);
}

}  // namespace
}  // namespace zizaza::test
