#include <QAction>
#include <QTreeWidget>

#include "GuiTest.h"
#include "model/mTDeclaration.h"
#include "screens/TContainerFrame.h"
#include "screens/TfrInitialData.h"

namespace zizaza::test {
namespace {

using Kind = ScriptedUi::Kind;

class CheckCommandTest : public MainWindowTest {
protected:
    void Check() { Find<QAction>(window.get(), "actCheck")->trigger(); }
};

TEST_F(CheckCommandTest, FixOnAFreshDeclarationOpensTheInspection) {
    Start();
    ASSERT_TRUE(Find<QAction>(window.get(), "actCheck")->isEnabled());
    ui.Click(QStringLiteral("Button1")).CloseBox();  // "Исправить", then the picker it opens
    Check();
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Не введен номер инспекции")});
    EXPECT_EQ(ui.checkCaptions, QStringList{QStringLiteral("Проверка: Задание условий")});
    EXPECT_EQ(ui.modalTitles.last(), QStringLiteral("Справочник инспекций"));
    EXPECT_TRUE(ui.Texts(Kind::Inform).isEmpty());
}

TEST_F(CheckCommandTest, CancelGivesUpWithoutOpeningAnything) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    window->ScreenButton(ScreenId::PersonInfo)->click();
    ui.Click(QStringLiteral("Button2"));  // "Отмена" on the first problem of the person data
    Check();
    EXPECT_EQ(ui.checkMessages.size(), 1);
    EXPECT_EQ(window->CurrentScreen()->objectName(), QStringLiteral("person"));
    EXPECT_TRUE(ui.Texts(Kind::Inform).isEmpty());
}

TEST_F(CheckCommandTest, AFixOutsideTheCurrentScreenSwitchesToIt) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    ui.Click(QStringLiteral("Button1"));
    Check();
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Не введена фамилия")});
    ASSERT_EQ(window->CurrentScreen()->objectName(), QStringLiteral("person"));
    EXPECT_TRUE(window->ScreenButton(ScreenId::PersonInfo)->Down());
    EXPECT_EQ(static_cast<TestScreen*>(window->CurrentScreen())->focusedItems, std::vector<uint16_t>{1});
}

// "Исправить" on a source whose INN the export would write invalid opens its list at that source.
TEST_F(CheckCommandTest, AFixOnASourceIdentifierSelectsTheSource) {
    const struct {
        DeclarationForm form;
        const char* screen;
        const char* title;
    } cases[] = {
        {kForm3Ndfl, "frNinePercent", "Проверка: Доходы, облагаемые по ставке 9%"},
        {kForm3NdflNonResident, "frThirteenPercentNR",
         "Проверка: Доходы нерезидентов, высококвалифицированных специалистов"},
    };
    for (const auto& c : cases) {
        const QString file = CleanDeclaration(QStringLiteral("sources.tv7"));
        mTDeclaration doc;
        doc.Load(file.toStdString());
        doc.DeclarationForm = c.form;
        doc.SetIncomeFlags(kIncomeRussia);
        for (const char* inn : {"1234567894", "1234567895"}) {
            mTSourseIncomeInfo& source = c.form == kForm3Ndfl
                                             ? static_cast<mTSourseIncomeInfo&>(doc.Income9(doc.AddIncome9()))
                                             : doc.NonResidentIncome13(doc.AddNonResidentIncome13());
            source.Name = "ООО \"Ромашка\"";
            source.Oktmo = "45382000";
            source.Inn = inn;
            source.Kpp = "770101001";
        }
        doc.Save(file.toStdString());
        Start({file}, false);
        ui.checkMessages.clear();
        ui.Click(QStringLiteral("Button1"));
        Check();
        EXPECT_EQ(ui.checkMessages,
                  QStringList{QStringLiteral("Источник выплаты \"ООО \"Ромашка\"\": Номер ИНН введен неверно")})
            << c.screen;
        EXPECT_EQ(ui.checkCaptions.last(), QString::fromUtf8(c.title));
        auto* container = dynamic_cast<TContainerFrame*>(window->CurrentScreen());
        ASSERT_NE(container, nullptr) << c.screen;
        ASSERT_EQ(container->CurrentSubScreen()->objectName(), QString::fromUtf8(c.screen));
        auto* list = container->CurrentSubScreen()->findChild<QTreeWidget*>(QStringLiteral("lvSourseIncomeInfo"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->indexOfTopLevelItem(list->currentItem()), 1) << c.screen;
    }
}

TEST_F(CheckCommandTest, ADeclarationWithoutProblemsPasses) {
    const QString file = CleanDeclaration(QStringLiteral("clean.tv7"));
    Start({file});
    Check();
    EXPECT_TRUE(ui.checkMessages.isEmpty()) << ui.checkMessages.join('\n').toStdString();
    EXPECT_EQ(ui.Texts(Kind::Inform), QStringList{QStringLiteral("Проверка декларации завершена успешно")});
}

}  // namespace
}  // namespace zizaza::test
