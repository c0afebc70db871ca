#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "dictionaries/ui/TfmInputInspectionNumber.h"
#include "model/mTDeclaration.h"
#include "screens/TfrInitialData.h"
#include "screens/controls/TFlashButton.h"

namespace zizaza::test {
namespace {

class InitialDataTest : public MainWindowTest {
protected:
    TfrInitialData& Screen() {
        auto* screen = dynamic_cast<TfrInitialData*>(window->CurrentScreen());
        EXPECT_NE(screen, nullptr);
        return *screen;
    }
    template <typename T = QWidget>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    bool Checked(const char* name) { return W<QAbstractButton>(name)->isChecked(); }
    void Click(const char* name) { W<QAbstractButton>(name)->click(); }
    bool DeductionsOn() { return window->ScreenButtonAllowed(ScreenId::Deduction); }
    QString Text(const char* name) { return W<QLineEdit>(name)->text(); }
};

TEST_F(InitialDataTest, AFreshDeclarationOpensWithTheUsualChoices) {
    Start();
    EXPECT_TRUE(Checked("rbSimple"));
    EXPECT_TRUE(Checked("rbFLProch"));
    EXPECT_TRUE(Checked("rbGiveSelf"));
    EXPECT_TRUE(Checked("chbIncomeInquiry"));
    EXPECT_FALSE(Checked("chbIncomeCurrency"));
    EXPECT_EQ(Text("meNumVer"), QStringLiteral("0"));
    EXPECT_EQ(Text("meInspection"), QString());
    EXPECT_FALSE(W("meFIO")->isEnabled());
    EXPECT_TRUE(W("rbGiveByMail")->isHidden());
    EXPECT_TRUE(W("meSupposeIncome")->isHidden());
    EXPECT_TRUE(W("bnInspection")->isEnabled());
    EXPECT_TRUE(window->Saved());
    EXPECT_EQ(W<QWidget>("gbType")->property("title").toString(), QStringLiteral("  Тип декларации"));
}

TEST_F(InitialDataTest, FourNdflClearsTheIncomesAndShowsTheEstimatedIncome) {
    Start();
    Click("rb4ndfl");
    for (const char* tick : {"chbIncomeInquiry", "chbIncomeCurrency", "chbIncomeBusiness", "chbInvestTov"}) {
        EXPECT_FALSE(Checked(tick)) << tick;
        EXPECT_FALSE(W(tick)->isEnabled()) << tick;
    }
    EXPECT_FALSE(DeductionsOn());
    EXPECT_FALSE(window->ScreenButton(ScreenId::RussianIncome)->isEnabled());
    EXPECT_TRUE(Checked("rbPredp")) << "'Иное физическое лицо' is no choice for 4-NDFL";
    EXPECT_FALSE(W("rbFLProch")->isEnabled());
    EXPECT_FALSE(W("rbArbitr")->isEnabled());
    EXPECT_FALSE(W("meSupposeIncome")->isHidden());
    EXPECT_TRUE(W("meSupposeIncome")->isEnabled());
    EXPECT_FALSE(W("rbGiveByMail")->isHidden());
    EXPECT_FALSE(W("meUL")->isHidden());
    EXPECT_FALSE(window->Saved()) << "changing the form is a change of the declaration";
}

TEST_F(InitialDataTest, AFourNdflFileKeepsItsEstimatedIncome) {
    mTDeclaration doc;
    doc.DeclarationForm = kForm4Ndfl;
    doc.SetIncomeFlags(kIncomeBusiness);
    doc.EstimatedIncome = Money::Roubles(500000);
    const QString file = files.path() + QStringLiteral("/estimate.tv7");
    doc.Save(file.toStdString());
    Start({file});
    EXPECT_EQ(Text("meSupposeIncome"), QStringLiteral("500000"));
    EXPECT_TRUE(W("meSupposeIncome")->isEnabled());
    Screen().SaveToDocument();
    EXPECT_EQ(window->Declaration().EstimatedIncome, Money::Roubles(500000));
}

TEST_F(InitialDataTest, TheScreenButtonsOfAnOpenedFileMatchItsTicks) {
    const uint16_t allIncomes = kIncomeRussia | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov;
    const std::pair<DeclarationForm, uint16_t> declarations[] = {{kForm4Ndfl, kIncomeBusiness},
                                                                 {kForm4Ndfl, allIncomes},
                                                                 {kForm3NdflNonResident, allIncomes},
                                                                 {kForm3Ndfl, kIncomeForeign | kIncomeBusiness}};
    const std::pair<const char*, ScreenId> ticks[] = {{"chbIncomeInquiry", ScreenId::RussianIncome},
                                                      {"chbIncomeCurrency", ScreenId::ForeignIncome},
                                                      {"chbIncomeBusiness", ScreenId::BusinessIncome},
                                                      {"chbInvestTov", ScreenId::InvestTov}};
    for (auto [form, flags] : declarations) {
        mTDeclaration doc;
        doc.DeclarationForm = form;
        doc.SetIncomeFlags(flags);
        const QString file = files.path() + QStringLiteral("/form%1.tv7").arg(static_cast<int>(form));
        doc.Save(file.toStdString());
        const auto expectButtonsMatch = [&](const char* how) {
            for (auto [tick, id] : ticks)
                EXPECT_EQ(window->ScreenButton(id)->isEnabled(), Checked(tick))
                    << how << static_cast<int>(form) << ", " << tick;
            EXPECT_EQ(DeductionsOn(), form == kForm3Ndfl) << how << static_cast<int>(form);
        };
        Start({file});
        expectButtonsMatch("started with form ");
        ui.OpenFile(file);
        window->findChild<QAction*>(QStringLiteral("actOpen"))->trigger();
        expectButtonsMatch("opened with form ");
    }
}

TEST_F(InitialDataTest, UntickingBusinessOn3NdflEmptiesTheEstimatedIncome) {
    Start();
    Click("chbIncomeBusiness");
    W<QLineEdit>("meSupposeIncome")->setText(QStringLiteral("1000"));
    Click("chbIncomeBusiness");
    EXPECT_EQ(Text("meSupposeIncome"), QString());
    EXPECT_FALSE(W("meSupposeIncome")->isEnabled());
}

TEST_F(InitialDataTest, NonResidentAfterAnOrganisationSignerFallsBackToAPerson) {
    Start();
    Click("rb4ndfl");
    Click("rbGiveByMail");
    EXPECT_TRUE(W("meUL")->isEnabled());
    Click("rbNeRez");
    EXPECT_TRUE(Checked("rbGiveTrustFase"));
    EXPECT_TRUE(W("meUL")->isHidden());
    EXPECT_TRUE(W("meFIO")->isEnabled());
    EXPECT_FALSE(W("meUL")->isEnabled());
    EXPECT_FALSE(W("chbIncomeCurrency")->isEnabled());
    EXPECT_TRUE(W("chbIncomeInquiry")->isEnabled());
    EXPECT_TRUE(W("rbFLProch")->isEnabled());
}

TEST_F(InitialDataTest, ClearingTheRussianTickRemovesItsSourcesAtOnce) {
    mTDeclaration doc;
    doc.InspectionCode = "7701";
    doc.SetIncomeFlags(kIncomeRussia);
    doc.AddResidentIncome13();
    doc.AddIncome35();
    const QString file = files.path() + QStringLiteral("/sources.tv7");
    doc.Save(file.toStdString());
    Start({file});
    ASSERT_EQ(window->Declaration().ResidentIncome13Count(), 1u);
    Click("chbIncomeInquiry");
    EXPECT_EQ(window->Declaration().ResidentIncome13Count(), 0u);
    EXPECT_EQ(window->Declaration().Income35Count(), 0u);
    EXPECT_FALSE(window->Declaration().HasIncome(kIncomeRussia));
    EXPECT_FALSE(window->ScreenButton(ScreenId::RussianIncome)->isEnabled());
    EXPECT_FALSE(DeductionsOn());
    EXPECT_FALSE(window->Saved());
}

TEST_F(InitialDataTest, PartnershipsAloneEnableDeductionsOnlyForResidents) {
    Start();
    Click("chbIncomeInquiry");
    EXPECT_FALSE(DeductionsOn());
    Click("chbInvestTov");
    EXPECT_TRUE(DeductionsOn());
    EXPECT_TRUE(window->ScreenButton(ScreenId::InvestTov)->isEnabled());
    Click("rbSimple");
    EXPECT_FALSE(DeductionsOn()) << "the 3-NDFL rule does not count partnerships";
}

TEST_F(InitialDataTest, OktmoMustHaveEightOrElevenDigits) {
    Start();
    W<QLineEdit>("meInspection")->setText(QStringLiteral("7701"));
    for (const char* ok : {"", "12345678", "12345678901"}) {
        W<QLineEdit>("meOKATO")->setText(QString::fromLatin1(ok));
        EXPECT_EQ(Screen().CheckScreen(), 0) << ok;
    }
    W<QLineEdit>("meOKATO")->setText(QStringLiteral("123456789"));
    ui.Click(QStringLiteral("Button1"));
    const uint16_t item = Screen().CheckScreen();
    EXPECT_EQ(item, TfrInitialData::kItemOktmo);
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Код ОКТМО должен содержать 8 или 11 символов")});
    Screen().FocusItem(item);
    EXPECT_EQ(window->focusWidget(), W("meOKATO"));
}

TEST_F(InitialDataTest, SkipGoesOnThroughTheChecksAndBlanksCountAsEmpty) {
    Start();
    Click("rb4ndfl");
    Click("rbGiveByMail");
    W<QLineEdit>("meFIO")->setText(QStringLiteral("   "));
    for (int i = 0; i < 4; ++i)
        ui.Click(QStringLiteral("Button2"));
    EXPECT_EQ(Screen().CheckScreen(), 0);
    EXPECT_EQ(ui.checkMessages,
              (QStringList{QStringLiteral("Не введен номер инспекции"),
                           QStringLiteral("Не указаны ФИО подписанта-представителя"),
                           QStringLiteral("Не указан документ, подтверждающий полномочия представителя"),
                           QStringLiteral("Не указано наименование Юр.лица-представителя")}));
    ui.Click(QStringLiteral("Button3"));
    EXPECT_EQ(Screen().CheckScreen(), 0) << "'Пропустить все' ends the run at the first problem";
    EXPECT_EQ(ui.checkMessages.size(), 5);
}

TEST_F(InitialDataTest, SaveWritesTheChoicesAndDropsTextsOfDisabledFields) {
    mTDeclaration doc;
    doc.SetIncomeFlags(kIncomeRussia | 8);
    doc.RepresentativeName = "Петров";
    doc.AppendixCountLocked = 1;
    const QString file = files.path() + QStringLiteral("/rep.tv7");
    doc.Save(file.toStdString());
    Start({file});
    Click("rbPredp");
    Click("chbIncomeBusiness");
    W<QLineEdit>("meOKATO")->setText(QStringLiteral("45382000"));
    W<QLineEdit>("meNumVer")->setText(QStringLiteral("2"));
    Screen().SaveToDocument();
    const mTDeclaration& saved = window->Declaration();
    EXPECT_EQ(saved.RepresentativeName, "") << "signed in person: the disabled name is not kept";
    EXPECT_EQ(saved.TaxpayerCategory, TaxpayerCategory::Entrepreneur);
    EXPECT_EQ(saved.IncomeFlags(), kIncomeRussia | kIncomeBusiness) << "bit 8 is always cleared";
    EXPECT_EQ(saved.Person.Address.Oktmo, "45382000");
    EXPECT_EQ(saved.CorrectionNumber, 2);
    EXPECT_EQ(saved.AppendixCountLocked, 0);
}

TEST_F(InitialDataTest, TheUpDownMovesTheCorrectionNumberWithinItsBounds) {
    Start();
    auto* up = Find<QToolButton>(W("updCorr"), "Up");
    auto* down = Find<QToolButton>(W("updCorr"), "Down");
    down->click();
    EXPECT_EQ(Text("meNumVer"), QStringLiteral("0"));
    EXPECT_TRUE(window->Saved());
    up->click();
    EXPECT_EQ(Text("meNumVer"), QStringLiteral("1"));
    EXPECT_FALSE(window->Saved());
}

TEST_F(InitialDataTest, TheChosenInspectionFillsCodeAndName) {
    Start();
    ui.Modal([](QDialog& dialog) {
        auto& picker = static_cast<TfmInputInspectionNumber&>(dialog);
        TypeText(picker.List(), QStringLiteral("7712"));
        PressKey(picker.List(), Qt::Key_Return);
        return dialog.result();
    });
    Click("bnInspection");
    EXPECT_EQ(Text("meInspection"), QStringLiteral("7712"));
    EXPECT_FALSE(window->Saved());
    Screen().SaveToDocument();
    EXPECT_EQ(window->Declaration().InspectionCode, "7712");
    EXPECT_EQ(window->Declaration().InspectionName, "Инспекция № 12 по г. Москве");
}

TEST_F(InitialDataTest, ACancelledPickerChangesNothing) {
    Start();
    ui.Click(QStringLiteral("btNo"));
    Click("bnInspection");
    EXPECT_EQ(Text("meInspection"), QString());
    EXPECT_TRUE(window->Saved());
}

}  // namespace
}  // namespace zizaza::test
