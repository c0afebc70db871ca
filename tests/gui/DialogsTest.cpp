#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include "GuiTest.h"
#include "app/JpegPicture.h"
#include "app/TfmAbout.h"
#include "app/TfmStart.h"
#include "checks/ui/ScreenCheckRun.h"
#include "checks/ui/TfmCheckAllError.h"
#include "checks/ui/TfmCheckError.h"

namespace zizaza::test {
namespace {

using Kind = ScriptedUi::Kind;

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    ScriptedUi ui;
};

TEST_F(DialogsTest, CheckErrorReturnsTheResultOfEachButtonAndTwoForTheCloseBox) {
    TfmCheckError dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Проверка"));
    const std::pair<const char*, int> buttons[] = {{"Button1", 6}, {"Button2", 7}, {"Button3", 9}};
    for (auto [name, result] : buttons) {
        ui.Click(QString::fromLatin1(name));
        EXPECT_EQ(ui.RunModal(dialog), result) << name;
    }
    ui.CloseBox();
    EXPECT_EQ(ui.RunModal(dialog), 2);
    EXPECT_EQ(Find<QPushButton>(&dialog, "Button3")->text(), QStringLiteral("Пропустить все"));
}

TEST_F(DialogsTest, ALongMessageWrapsInsideTheFixedDialog) {
    TfmCheckError dialog;
    dialog.SetSectionTitle(QStringLiteral("Задание условий"));
    dialog.SetMessage(QString(40, QChar(u'ж')).append(' ').repeated(20));
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(558, 154));
    EXPECT_TRUE(Find<QLabel>(&dialog, "Label1")->wordWrap());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Проверка: Задание условий"));
}

TEST_F(DialogsTest, CheckAllErrorAnswersTheCoreCheck) {
    TfmCheckAllError dialog(ui);
    EXPECT_EQ(dialog.size(), QSize(558, 159));
    ui.Click(QStringLiteral("Button1")).Click(QStringLiteral("Button2")).CloseBox();
    EXPECT_EQ(dialog.ShowProblem("Сведения о декларанте", "Не введена фамилия"), CheckAnswer::Fix);
    EXPECT_EQ(dialog.ShowProblem("Сведения о декларанте", "Не введено имя"), CheckAnswer::Cancel);
    EXPECT_EQ(dialog.ShowProblem("Задание условий", "Не введен номер инспекции"), CheckAnswer::Cancel);
    EXPECT_EQ(ui.checkCaptions.front(), QStringLiteral("Проверка: Сведения о декларанте"));
    EXPECT_EQ(ui.checkMessages.back(), QStringLiteral("Не введен номер инспекции"));
}

TEST_F(DialogsTest, ACheckRunFollowsTheAnswers) {
    struct Case {
        const char* name;
        std::vector<const char*> answers;
        uint16_t result;
        int shown;
    } cases[] = {
        {"fix ends with the item", {"Button1"}, 1, 1},
        {"skip goes on to the next", {"Button2", "Button1"}, 2, 2},
        {"skip all ends with nothing to fix", {"Button3"}, 0, 1},
        {"closing counts as skip", {"", "", ""}, 0, 3},
    };
    for (const Case& c : cases) {
        ScriptedUi script;
        for (const char* a : c.answers)
            *a ? script.Click(QString::fromLatin1(a)) : script.CloseBox();
        ScreenCheckRun run(script, nullptr, QStringLiteral("Проверка экрана"));
        run.Problem(true, QStringLiteral("первая"), 1);
        run.Problem(false, QStringLiteral("не ошибка"), 9);
        run.Problem(true, QStringLiteral("вторая"), 2);
        run.Problem(true, QStringLiteral("третья"), 3);
        EXPECT_EQ(run.Result(), c.result) << c.name;
        EXPECT_EQ(script.checkMessages.size(), c.shown) << c.name;
    }
}

TEST_F(DialogsTest, DisabledSkipStaysDisabledForTheRun) {
    ScreenCheckRun run(ui, nullptr, QStringLiteral("Доходы"));
    run.DisableSkipAll();
    run.StopAtFirstProblem();
    ui.Modal([](QDialog& d) {
        EXPECT_FALSE(Find<QPushButton>(&d, "Button3")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>(&d, "Button2")->isEnabled());
        return TfmCheckError::kSkip;
    });
    run.Problem(true, QStringLiteral("первая"), 1);
    run.Problem(true, QStringLiteral("вторая"), 2);
    EXPECT_TRUE(run.Finished()) << "this run stops at its first problem";
    EXPECT_EQ(run.Result(), 0);
    EXPECT_EQ(ui.checkMessages.size(), 1);
}

TEST(SplashTest, IsABorderlessPictureThatStaysAtLeastThreeSeconds) {
    App();
    TfmStart splash;
    EXPECT_EQ(splash.size(), QSize(460, 104));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.Picture().size(), QSize(460, 104));
    EXPECT_EQ(splash.MinimumMs(), 3000);
    EXPECT_TRUE(splash.TimerActive());
    TfmStart quick(0);
    quick.WaitForTimer();
    EXPECT_FALSE(quick.TimerActive());
}

TEST(SplashTest, TheEnvironmentCanShortenTheWait) {
    App();
    qputenv("ZIZAZA_SPLASH_MS", "0");
    EXPECT_EQ(TfmStart::MinimumFromEnvironment(), 0);
    qputenv("ZIZAZA_SPLASH_MS", "soon");
    EXPECT_EQ(TfmStart::MinimumFromEnvironment(), 3000);
    qunsetenv("ZIZAZA_SPLASH_MS");
    EXPECT_EQ(TfmStart::MinimumFromEnvironment(), 3000);
}

TEST(JpegTest, DecodesOurPicturesAndRefusesDamagedData) {
    App();
    QFile file(QStringLiteral(":/pictures/about.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QImage image = DecodeJpeg(bytes);
    EXPECT_EQ(image.size(), QSize(460, 104));
    EXPECT_TRUE(DecodeJpeg(QByteArrayLiteral("not a picture")).isNull());
    const QImage truncated = DecodeJpeg(bytes.left(bytes.size() / 3));
    EXPECT_TRUE(truncated.isNull() || truncated.size() == QSize(460, 104));
    EXPECT_TRUE(DecodeJpeg(bytes.left(20)).isNull()) << "a header cut short is no picture";
    EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());
}

class AboutTest : public DialogsTest {};

TEST_F(AboutTest, ShowsPictureTextsAndOk) {
    TfmAbout about(ui);
    EXPECT_EQ(about.size(), QSize(460, 232));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(about.Picture()->pixmap().height(), 104);
    EXPECT_TRUE(about.OkButton()->isDefault());
    const QString all = [&] {
        QString s;
        for (QLabel* l : about.findChildren<QLabel*>())
            s += l->text();
        return s;
    }();
    EXPECT_TRUE(all.contains(
        QStringLiteral("По вопросам, связанным с использованием программы обращайтесь в службу поддержки.")));
    EXPECT_TRUE(all.contains(QStringLiteral("Форма обратной связи: ")));
    EXPECT_TRUE(all.contains(QStringLiteral("Последние версии ПО на сайте ")));
}

TEST_F(AboutTest, ShiftClickHidesThePictureAndCtrlShiftOnTheSignShowsTheCredits) {
    TfmAbout about(ui);
    about.show();
    ClickMouse(about.Picture(), Qt::ShiftModifier);
    EXPECT_TRUE(about.Picture()->isHidden());
    EXPECT_TRUE(about.isVisible());
    ClickMouse(about.CopyrightSign(), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(about.SupportPanel()->currentIndex(), 1);
    ClickMouse(about.CopyrightSign(), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(about.SupportPanel()->currentIndex(), 0);
    EXPECT_TRUE(about.isVisible());
    ClickMouse(Find<QLabel>(&about, "lbMaker"));
    EXPECT_FALSE(about.isVisible()) << "a plain click closes the box";
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(AboutTest, LinksThatCannotBeOpenedAreReported) {
    TfmAbout about(ui);
    ui.openUrlSucceeds = false;
    emit Find<QLabel>(&about, "lbProductLink")->linkActivated(TfmAbout::kProductPage);
    emit Find<QLabel>(&about, "lbSupportLink")->linkActivated(TfmAbout::kSupportPage);
    EXPECT_EQ(ui.Texts(Kind::Error), (QStringList{QStringLiteral("Не удалось запустить браузер"),
                                                  QStringLiteral("Не удалось запустить почтовый клиент")}));
    EXPECT_EQ(ui.urls.size(), 2u);
    EXPECT_TRUE(TfmAbout::kSupportPage.contains(QStringLiteral("example.org")));
}

}  // namespace
}  // namespace zizaza::test
