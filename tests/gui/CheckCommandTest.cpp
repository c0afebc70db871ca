#include <QAction>

#include "GuiTest.h"
#include "model/mTDeclaration.h"
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

TEST_F(CheckCommandTest, ADeclarationWithoutProblemsPasses) {
    const QString file = CleanDeclaration(QStringLiteral("clean.tv7"));
    Start({file});
    Check();
    EXPECT_TRUE(ui.checkMessages.isEmpty()) << ui.checkMessages.join('\n').toStdString();
    EXPECT_EQ(ui.Texts(Kind::Inform), QStringList{QStringLiteral("Проверка декларации завершена успешно")});
}

}  // namespace
}  // namespace zizaza::test
