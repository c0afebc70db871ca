#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include "GuiTest.h"
#include "app/AppSettings.h"
#include "app/QtTranslation.h"
#include "app/TfmHelp.h"
#include "checks/NavigationCode.h"
#include "model/mTDeclaration.h"
#include "screens/TfrInitialData.h"
#include "screens/controls/TFlashButton.h"
#include "storage/StorageErrors.h"
#include "support/DeclarationBuilder.h"

#include <sys/stat.h>

namespace zizaza::test {
namespace {

using Answer = UserInterface::Answer;
using Kind = ScriptedUi::Kind;

const QString kUntitled = QStringLiteral("Без имени - Zizaza 2017");
const QString kBadFormat = QStringLiteral("Неправильный формат файла декларации, возможно он поврежден.");

// The storage's message as the user reads it: in Russian only.
QString StorageMessage(uint16_t number, const std::string& file) {
    try {
        RaiseStorageError(number, file);
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what()).replace(QStringLiteral("'read only'"),
                                                        QStringLiteral("«только для чтения»"));
    }
    return {};
}

QString ScreenName(const TFormMain& w) {
    return w.CurrentScreen() ? w.CurrentScreen()->objectName() : QString();
}

TEST_F(MainWindowTest, CommandLineOpensTheFileAfterAnOptionalP) {
    const QString file = SavedDeclaration(QStringLiteral("report.tv7"), "7701");
    for (const QStringList& args :
         {QStringList{QStringLiteral("-p"), file}, QStringList{QStringLiteral("-P"), file}, QStringList{file}}) {
        Start(args);
        EXPECT_EQ(window->FileName(), file) << args.join(' ').toStdString();
        EXPECT_EQ(window->Declaration().InspectionCode, "7701");
        EXPECT_EQ(window->windowTitle(), QStringLiteral("report.tv7 - Zizaza 2017"));
        EXPECT_TRUE(window->Saved());
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainWindowTest, PAloneReportsTheEmptyFileNameAndStartsFresh) {
    Start({QStringLiteral("-p")});
    ASSERT_EQ(ui.Texts(Kind::Error).size(), 1);
    EXPECT_EQ(ui.Texts(Kind::Error).front(), StorageMessage(21, ""));
    EXPECT_TRUE(ui.Texts(Kind::Error).front().contains(QStringLiteral("«только для чтения»")));
    EXPECT_EQ(window->windowTitle(), kUntitled);
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_TRUE(window->Declaration().HasIncome(kIncomeRussia));
}

TEST_F(MainWindowTest, ThreeArgumentsOpenNothing) {
    const QString file = SavedDeclaration(QStringLiteral("report.tv7"), "7701");
    Start({QStringLiteral("-p"), file, file});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(window->windowTitle(), kUntitled);
    EXPECT_EQ(window->Declaration().InspectionCode, "");
}

TEST_F(MainWindowTest, ADamagedFileOnTheCommandLineGivesAFreshDeclaration) {
    folder.Write(QStringLiteral("bad.tv7"), QByteArray(200, 'z'));
    Start({folder.File(QStringLiteral("bad.tv7"))});
    EXPECT_EQ(ui.Texts(Kind::Error).size(), 1);
    EXPECT_EQ(window->windowTitle(), kUntitled);
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_TRUE(window->Declaration().HasIncome(kIncomeRussia));
}

// Alt with the letter on a screen button opens its screen (in the Latin layout, the key in the same
// place), as a click does: a disabled button opens nothing. The menus take other letters.
TEST_F(MainWindowTest, AltWithTheButtonsLetterOpensItsScreen) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    const struct {
        ScreenId id;
        char16_t letter;
        Qt::Key latin;
    } keys[] = {
        {ScreenId::PersonInfo, u'Д', Qt::Key_L},    {ScreenId::InitialData, u'У', Qt::Key_E},
        {ScreenId::RussianIncome, u'Р', Qt::Key_H}, {ScreenId::BusinessIncome, u'П', Qt::Key_G},
        {ScreenId::ForeignIncome, u'В', Qt::Key_D}, {ScreenId::Deduction, u'Н', Qt::Key_Y},
        {ScreenId::InvestTov, u'И', Qt::Key_B},
    };
    int opened = 0;
    for (const auto& k : keys) {
        for (const Qt::Key key : {Qt::Key(k.letter), k.latin}) {
            // The screen left passes its check.
            if (TThinkingFrame* current = window->CurrentScreen()) {
                QList<TestScreen*> shown = current->findChildren<TestScreen*>();
                if (auto* itself = dynamic_cast<TestScreen*>(current))
                    shown << itself;
                for (TestScreen* screen : shown)
                    if (screen->edit->text().isEmpty())
                        TypeText(screen->edit, QStringLiteral("a"));
            }
            TFlashButton* button = window->ScreenButton(k.id);
            const TFlashButton* before = window->CurrentScreenButton();
            const QString text = key == k.latin ? QString(QChar(key)).toLower() : QString(QChar(k.letter)).toLower();
            QTest::sendKeyEvent(QTest::Press, window.get(), key, text, Qt::AltModifier);
            QTest::sendKeyEvent(QTest::Release, window.get(), key, text, Qt::AltModifier);
            const TFlashButton* expected = button->isEnabled() ? button : before;
            EXPECT_EQ(window->CurrentScreenButton(), expected) << button->objectName().toStdString() << " " << key;
            opened += window->CurrentScreenButton() == button ? 1 : 0;
        }
    }
    EXPECT_GE(opened, 4) << "the enabled buttons of a new declaration open by their keys";
    for (const QAction* menu : window->menuBar()->actions())
        for (const QChar letter : {u'у', u'д', u'р', u'п', u'в', u'н', u'и'})
            EXPECT_FALSE(menu->text().toLower().contains(QStringLiteral("&") + letter)) << menu->text().toStdString();
    EXPECT_EQ(Find<QAction>(window.get(), "actPrint")->shortcut(), QKeySequence(QKeySequence::Print));
}

TEST_F(MainWindowTest, F1OpensTheTopicOfTheScreenAndEscClosesTheHelp) {
    Start();
    ui.Click(QStringLiteral("Button3"));  // "Пропустить все": the screens' checks
    window->PressScreenButton(ScreenId::PersonInfo);
    Find<QAction>(window.get(), "actContextHelp")->trigger();
    TfmHelp* help = window->HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source().fileName(), QStringLiteral("Screens.htm"));
    EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("person"));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Сведения о декларанте")));
    help->activateWindow();
    QApplication::processEvents();
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(MainWindowTest, ScreenButtonsCarryTheirCaptionsAndHints) {
    Start();
    const struct {
        ScreenId id;
        const char* name;
        const char* caption;
        const char* hint;
    } buttons[] = {
        {ScreenId::InitialData, "fbInitialData", "Задание условий", "Выбор режима ввода"},
        {ScreenId::PersonInfo, "fbPrsonInfo", "Сведения о декларанте", "Персональные данные налогоплательщика"},
        {ScreenId::RussianIncome, "fbRussianIncome", "Доходы, полученные в РФ",
         "Доходы, полученные от налоговых агентов или иных источников, в т.ч. физлиц"},
        {ScreenId::BusinessIncome, "fbBusinessIncome", "Предприниматели",
         "Доходы, полученные от предпринимательской деятельности без образования юридического лица и частной "
         "практики"},
        {ScreenId::ForeignIncome, "fbForeignIncome", "Доходы за пределами РФ",
         "Доходы, полученные в иностранной валюте"},
        {ScreenId::Deduction, "fbDeduction", "Вычеты", "Стандартные, социальные и имущественный налоговые вычеты"},
        {ScreenId::InvestTov, "fbInvestTov", "Инвест. товарищества",
         "Данные по участию в инвестиционных товариществах"},
    };
    for (const auto& b : buttons) {
        TFlashButton* button = window->ScreenButton(b.id);
        EXPECT_EQ(button->objectName(), QString::fromLatin1(b.name));
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.hint));
    }
}

TEST_F(MainWindowTest, AFreshDeclarationEnablesInitialPersonRussianAndDeductions) {
    Start();
    EXPECT_EQ(window->windowTitle(), kUntitled);
    EXPECT_TRUE(window->Saved());
    EXPECT_EQ(ScreenName(*window), QStringLiteral("frInitialData"));
    EXPECT_TRUE(window->ScreenButton(ScreenId::InitialData)->Down());
    const std::pair<ScreenId, bool> expected[] = {{ScreenId::InitialData, true},    {ScreenId::PersonInfo, true},
                                                  {ScreenId::RussianIncome, true},  {ScreenId::BusinessIncome, false},
                                                  {ScreenId::ForeignIncome, false}, {ScreenId::Deduction, true},
                                                  {ScreenId::InvestTov, false}};
    for (auto [id, enabled] : expected)
        EXPECT_EQ(window->ScreenButton(id)->isEnabled(), enabled) << window->ScreenButton(id)->text().toStdString();
}

TEST_F(MainWindowTest, ButtonsOfScreensThatAreMissingStayDisabled) {
    Start({}, false);
    EXPECT_TRUE(window->ScreenButton(ScreenId::InitialData)->isEnabled());
    for (ScreenId id : {ScreenId::RussianIncome, ScreenId::Deduction}) {
        EXPECT_TRUE(window->ScreenButtonAllowed(id));
        EXPECT_EQ(window->ScreenButton(id)->isEnabled(), ScreenCatalog::Standard().Has(id));
    }
    for (const char* action : {"actExport", "actPreview", "actPrint"})
        EXPECT_TRUE(window->findChild<QAction*>(QString::fromLatin1(action))->isEnabled()) << action;
}

TEST_F(MainWindowTest, OpeningAFileAppliesTheButtonRulesOfItsIncomes) {
    const QString file = SavedDeclaration(QStringLiteral("biz.tv7"), "7701", kIncomeBusiness | kIncomeInvestTov);
    Start({file});
    EXPECT_FALSE(window->ScreenButton(ScreenId::RussianIncome)->isEnabled());
    EXPECT_TRUE(window->ScreenButton(ScreenId::BusinessIncome)->isEnabled());
    EXPECT_TRUE(window->ScreenButton(ScreenId::InvestTov)->isEnabled());
    EXPECT_FALSE(window->ScreenButton(ScreenId::ForeignIncome)->isEnabled());
    EXPECT_TRUE(window->ScreenButton(ScreenId::Deduction)->isEnabled());
}

TEST_F(MainWindowTest, PressingTheButtonOfTheShownScreenDoesNothing) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    window->ScreenButton(ScreenId::PersonInfo)->click();
    auto* person = dynamic_cast<TestScreen*>(window->CurrentScreen());
    ASSERT_NE(person, nullptr);
    window->ScreenButton(ScreenId::PersonInfo)->click();
    EXPECT_EQ(window->CurrentScreen(), person);
    EXPECT_EQ(person->saves, 0) << "no save and no check";
    EXPECT_TRUE(ui.checkMessages.isEmpty());
}

TEST_F(MainWindowTest, AFailedCheckWithFixKeepsTheScreenAndItsButton) {
    Start();
    ui.Click(QStringLiteral("Button1"));  // "Исправить" on "Не введен номер инспекции"
    ui.CloseBox();                        // the inspections picker that the fix opens
    window->ScreenButton(ScreenId::PersonInfo)->click();
    EXPECT_EQ(ui.checkMessages, QStringList{QStringLiteral("Не введен номер инспекции")});
    EXPECT_EQ(ui.checkCaptions, QStringList{QStringLiteral("Проверка: Задание условий")});
    EXPECT_EQ(ScreenName(*window), QStringLiteral("frInitialData"));
    EXPECT_TRUE(window->ScreenButton(ScreenId::InitialData)->Down());
    EXPECT_FALSE(window->ScreenButton(ScreenId::PersonInfo)->Down());
    EXPECT_EQ(ui.modalTitles.last(), QStringLiteral("Справочник инспекций"));
}

TEST_F(MainWindowTest, SkipAllSwitchesAndSwitchingDoesNotMarkTheDocument) {
    Start();
    ui.Click(QStringLiteral("Button3"));  // "Пропустить все"
    window->ScreenButton(ScreenId::PersonInfo)->click();
    EXPECT_EQ(ScreenName(*window), QStringLiteral("person"));
    EXPECT_TRUE(window->ScreenButton(ScreenId::PersonInfo)->Down());
    EXPECT_FALSE(window->ScreenButton(ScreenId::InitialData)->Down());
    EXPECT_TRUE(window->Saved()) << "creating a screen fills its controls under the loading guard";
    TypeText(static_cast<TestScreen*>(window->CurrentScreen())->edit, QStringLiteral("a"));
    EXPECT_FALSE(window->Saved());
}

TEST_F(MainWindowTest, ListScreensGetTheirFirstListFocusedAfterTheButton) {
    Start({SavedDeclaration(QStringLiteral("f.tv7"), "7701", kIncomeForeign | kIncomeRussia)});
    window->ScreenButton(ScreenId::ForeignIncome)->click();
    EXPECT_EQ(static_cast<TestScreen*>(window->CurrentScreen())->firstListFocused, 1);
    static_cast<TestScreen*>(window->CurrentScreen())->edit->setText(QStringLiteral("ok"));
    window->ScreenButton(ScreenId::PersonInfo)->click();
    EXPECT_EQ(static_cast<TestScreen*>(window->CurrentScreen())->firstListFocused, 0);
}

TEST_F(MainWindowTest, NewOnAnUnchangedDeclarationAsksNothing) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    window->NewDeclaration();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(window->windowTitle(), kUntitled);
    EXPECT_EQ(window->Declaration().InspectionCode, "");
    EXPECT_EQ(ScreenName(*window), QStringLiteral("frInitialData"));
}

TEST_F(MainWindowTest, NewAnsweredCancelChangesNothingAndNoDiscards) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    window->DocumentChanged();
    mTDeclaration* before = &window->Declaration();
    ui.Answers({Answer::Cancel});
    window->NewDeclaration();
    EXPECT_EQ(&window->Declaration(), before);
    EXPECT_FALSE(window->Saved());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.tv7* - Zizaza 2017"));

    ui.Answers({Answer::No});
    window->NewDeclaration();
    EXPECT_EQ(window->Declaration().InspectionCode, "");
    EXPECT_TRUE(window->Saved());
    EXPECT_EQ(ui.Texts(Kind::Ask), (QStringList{QStringLiteral("Вы хотите сохранить декларацию?"),
                                                QStringLiteral("Вы хотите сохранить декларацию?")}));
}

TEST_F(MainWindowTest, SaveQuestionAnsweredYesSavesUnderTheChosenName) {
    Start();
    window->DocumentChanged();
    const QString target = files.path() + QStringLiteral("/new.tv7");
    ui.Answers({Answer::Yes}).SaveFile(target);
    window->NewDeclaration();
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_EQ(window->windowTitle(), kUntitled) << "New still starts a fresh declaration";
}

TEST_F(MainWindowTest, SaveQuestionAnsweredYesWithoutAFileKeepsTheChanges) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    window->NewDeclaration();
    window->DocumentChanged();
    ui.Answers({Answer::Yes, Answer::Yes}).SaveFile(QString()).SaveFile(QString());
    window->NewDeclaration();
    EXPECT_FALSE(window->Saved());
    EXPECT_FALSE(window->close()) << "the window stays open with its unsaved declaration";
}

TEST_F(MainWindowTest, SaveQuestionWhoseSaveFailsStopsTheCommand) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    QFile::remove(window->FileName());
    QDir(files.path()).mkdir(QStringLiteral("a.tv7"));  // a folder where the file should go
    window->DocumentChanged();
    ui.Answers({Answer::Yes, Answer::No});  // save, then not elsewhere
    window->NewDeclaration();
    EXPECT_TRUE(ui.Texts(Kind::Ask).back().startsWith(QStringLiteral("Ошибка записи файла: ")));
    EXPECT_EQ(window->Declaration().InspectionCode, "7701");
    EXPECT_FALSE(window->Saved());
}

TEST_F(MainWindowTest, OpenCancelledKeepsTheDeclarationShown) {
    const QString file = SavedDeclaration(QStringLiteral("a.tv7"), "7701");
    Start({file});
    ui.OpenFile(QString());
    window->OpenDeclaration();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.tv7 - Zizaza 2017"));
    EXPECT_EQ(window->FileName(), file);
    EXPECT_EQ(window->Declaration().InspectionCode, "7701");
    ASSERT_EQ(ui.openRequests.size(), 1u);
    const auto& types = ui.openRequests.front().types;
    ASSERT_EQ(types.size(), 11u);
    EXPECT_EQ(types.front().pattern, QStringLiteral("*.tv7"));
    EXPECT_EQ(types[1].description, QStringLiteral("Тавола 2016"));
    EXPECT_EQ(types.back().pattern, QStringLiteral("*.tvl"));
    EXPECT_EQ(ui.openRequests.front().defaultSuffix, QStringLiteral("tv7"));
}

TEST_F(MainWindowTest, OpenTakesTheFileAndADamagedOneGivesTheBadFormatMessage) {
    Start();
    const QString good = SavedDeclaration(QStringLiteral("good.tv7"), "5001", kIncomeForeign);
    ui.OpenFile(good);
    window->OpenDeclaration();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("good.tv7 - Zizaza 2017"));
    EXPECT_EQ(window->Declaration().InspectionCode, "5001");
    EXPECT_TRUE(window->ScreenButton(ScreenId::ForeignIncome)->isEnabled());
    EXPECT_TRUE(window->Saved());

    // The right length but not the container's magic.
    QFile original(good);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    bytes[0] = 'X';
    bytes[1] = 'Y';
    folder.Write(QStringLiteral("damaged.tv7"), bytes);
    ui.OpenFile(folder.File(QStringLiteral("damaged.tv7")));
    window->OpenDeclaration();
    EXPECT_EQ(ui.Texts(Kind::Error), QStringList{kBadFormat});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("good.tv7 - Zizaza 2017")) << "the open one stays";
    EXPECT_EQ(window->Declaration().InspectionCode, "5001");
    EXPECT_EQ(ScreenName(*window), QStringLiteral("frInitialData"));
}

TEST_F(MainWindowTest, SaveOfATv6FileWritesTv7) {
    const QString old = SavedDeclaration(QStringLiteral("report.tv6"), "7701");
    const QByteArray oldBytes = [&] {
        QFile f(old);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    Start({old});
    window->SaveDeclaration();
    const QString tv7 = files.path() + QStringLiteral("/report.tv7");
    EXPECT_TRUE(QFileInfo::exists(tv7));
    EXPECT_EQ(window->FileName(), tv7);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("report.tv7 - Zizaza 2017"));
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), oldBytes) << "the old file is left alone";
    mTDeclaration reread;
    reread.Load(tv7.toStdString());
    EXPECT_EQ(reread.InspectionCode, "7701");
}

TEST_F(MainWindowTest, SaveAsWritesExactlyTheChosenName) {
    Start();
    const QString target = files.path() + QStringLiteral("/copy.tv6");
    ui.SaveFile(target);
    window->DocumentChanged();
    window->SaveDeclarationAs();
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_FALSE(QFileInfo::exists(files.path() + QStringLiteral("/copy.tv7")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("copy.tv6 - Zizaza 2017"));
    EXPECT_TRUE(window->Saved());
    EXPECT_EQ(ui.saveRequests.front().types.front().description, QStringLiteral("Zizaza 2017 *.tv7"));
}

TEST_F(MainWindowTest, SaveOfAnUnnamedDeclarationCancelledChangesNothing) {
    Start();
    window->DocumentChanged();
    ui.SaveFile(QString());
    window->SaveDeclaration();
    EXPECT_FALSE(window->Saved());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Без имени* - Zizaza 2017"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainWindowTest, APipeIsNeitherOpenedNorReplacedAndTheReasonFollowsTheMessage) {
    const QString pipe = files.path() + QStringLiteral("/pipe.tv7");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString message = StorageMessage(21, pipe.toStdString()) + QStringLiteral("\nЭто не обычный файл");
    // Opening it returns at once (no writer would ever come) with the file error.
    Start({pipe});
    EXPECT_EQ(ui.Texts(Kind::Error), QStringList{message});
    EXPECT_TRUE(window->FileName().isEmpty());
    // Saving over it is refused, told as a write; it stays a pipe.
    ui.SaveFile(pipe).Answers({Answer::No});
    window->DocumentChanged();
    window->SaveDeclarationAs();
    EXPECT_EQ(ui.Texts(Kind::Ask), QStringList{QStringLiteral("Ошибка записи файла: ") + pipe +
                                               QStringLiteral("\nЭто не обычный файл\n\nСохранить декларацию в "
                                                              "другой файл?")});
    EXPECT_FALSE(window->Saved());
    struct stat st {};
    ASSERT_EQ(::stat(pipe.toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A save that fails says it could not write, in Russian, and offers another file at once;
// declined, the title, the flag and the name stay as they were.
TEST_F(MainWindowTest, AFailedSaveIsToldAsAWriteAndOffersSaveAs) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    const QString before = window->FileName();
    ASSERT_EQ(::chmod(before.toLocal8Bit().constData(), 0444), 0);
    window->DocumentChanged();
    ui.Answers({Answer::No});
    window->SaveDeclaration();
    ASSERT_EQ(ui.Texts(Kind::Ask).size(), 1);
    EXPECT_EQ(ui.Texts(Kind::Ask).front(),
              QStringLiteral("Ошибка записи файла: ") + before +
                  QStringLiteral("\nВозможно, файл занят другой программой или защищен от записи.\n\nСохранить "
                                 "декларацию в другой файл?"));
    EXPECT_EQ(window->FileName(), before);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.tv7* - Zizaza 2017"));
    EXPECT_FALSE(window->Saved());

    // "Сохранить как...": a name where the file cannot go either is offered again, then one that works.
    const QString other = files.path() + QStringLiteral("/b.tv7");
    ui.Answers({Answer::Yes, Answer::Yes})
        .SaveFile(files.path() + QStringLiteral("/missing-folder/b.tv7"))
        .SaveFile(other);
    window->SaveDeclaration();
    ASSERT_EQ(ui.Texts(Kind::Ask).size(), 3);
    EXPECT_TRUE(ui.Texts(Kind::Ask)[2].startsWith(QStringLiteral("Ошибка записи файла: ") + files.path() +
                                                  QStringLiteral("/missing-folder/b.tv7\n")));
    EXPECT_EQ(window->FileName(), other);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("b.tv7 - Zizaza 2017"));
    EXPECT_TRUE(window->Saved());
    EXPECT_TRUE(QFileInfo::exists(other));
    EXPECT_TRUE(ui.Texts(Kind::Error).isEmpty());
    for (const QString& text : ui.Texts(Kind::Ask))
        EXPECT_FALSE(text.contains(QStringLiteral("read only"))) << text.toStdString();
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsks) {
    Start();
    window->DocumentChanged();
    ui.Answers({Answer::Cancel});
    EXPECT_FALSE(window->close());
    ui.Answers({Answer::No});
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, FirstStartShowsTheToolbarWithCaptions) {
    Start();
    auto* toolbar = Find<QToolBar>(window.get(), "tbStandard");
    EXPECT_FALSE(toolbar->isHidden());
    EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QWidget* newButton = toolbar->widgetForAction(Find<QAction>(window.get(), "actNew"));
    EXPECT_EQ(newButton->size(), QSize(80, 47));
    EXPECT_GE(toolbar->minimumHeight(), 50);
    EXPECT_FALSE(QSettings(AppSettings::kOrganization, AppSettings::kApplication).contains("TextLabels"));
}

TEST_F(MainWindowTest, SettingsAndPlacementAreReadBackAfterARestart) {
    Start();
    Find<QAction>(window.get(), "actTextLabels")->trigger();
    Find<QAction>(window.get(), "actStdToolbar")->trigger();
    window->setGeometry(40, 50, 900, 600);
    Restart();
    auto* toolbar = Find<QToolBar>(window.get(), "tbStandard");
    EXPECT_TRUE(toolbar->isHidden());
    EXPECT_FALSE(Find<QAction>(window.get(), "actTextLabels")->isChecked());
    EXPECT_FALSE(Find<QAction>(window.get(), "actStdToolbar")->isChecked());
    EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(toolbar->widgetForAction(Find<QAction>(window.get(), "actOpen"))->size(), QSize(35, 35));
    const QSettings settings(AppSettings::kOrganization, AppSettings::kApplication);
    EXPECT_EQ(settings.value("TextLabels").toInt(), 0);
    EXPECT_EQ(settings.value("ShowStdToolbar").toInt(), 0);
    EXPECT_EQ(settings.value("wWidth").toInt(), 900);
    EXPECT_EQ(settings.value("FullScreen").toInt(), 0);
    EXPECT_NE(window->geometry(), QRect(40, 50, 900, 600)) << "the placement is written, not read";
}

TEST_F(MainWindowTest, TheToolbarsOwnMenuAndTheSettingsItemStayInStep) {
    Start();
    window->show();  // the toolbar's own menu item follows what is on the screen
    auto* toolbar = Find<QToolBar>(window.get(), "tbStandard");
    auto* item = Find<QAction>(window.get(), "actStdToolbar");
    toolbar->toggleViewAction()->trigger();  // "Стандартная панель" of the toolbar's right-click menu
    EXPECT_TRUE(toolbar->isHidden());
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(QSettings(AppSettings::kOrganization, AppSettings::kApplication).value("ShowStdToolbar").toInt(), 0);
    item->trigger();
    EXPECT_FALSE(toolbar->isHidden());
    EXPECT_TRUE(toolbar->toggleViewAction()->isChecked());
    EXPECT_EQ(QSettings(AppSettings::kOrganization, AppSettings::kApplication).value("ShowStdToolbar").toInt(), 1);
}

// The test platform's screen (800x600) is smaller than the window's usual size: the window opens
// within the screen's free area, never wider or higher.
TEST_F(MainWindowTest, TheWindowOpensWithinTheScreen) {
    Start();
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(window->width(), room.width());
    EXPECT_LE(window->height(), room.height());
    EXPECT_GE(window->width(), window->minimumWidth());
}

TEST_F(MainWindowTest, InTheSmallestWindowTheScreenButtonsScrollWithoutOverlapping) {
    Start();
    window->resize(window->minimumSize());
    window->show();
    QApplication::processEvents();
    auto* column = Find<QScrollArea>(window.get(), "sbButtons");
    QWidget* panel = column->widget();
    for (int i = 0; i < kScreenCount; ++i) {
        const QRect button = window->ScreenButton(static_cast<ScreenId>(i))->geometry();
        EXPECT_EQ(button.height(), 80) << i;
        EXPECT_TRUE(panel->rect().contains(button)) << i << " is cut";
        if (i > 0) {
            EXPECT_GT(button.top(), window->ScreenButton(static_cast<ScreenId>(i - 1))->geometry().bottom()) << i;
        }
    }
    EXPECT_GT(column->verticalScrollBar()->maximum(), 0) << "the column scrolls to its last button";
    window->resize(1280, 900);
    QApplication::processEvents();
    EXPECT_EQ(column->verticalScrollBar()->maximum(), 0) << "all seven fit a larger window";
}

TEST_F(MainWindowTest, EveryMenuAndItsItemsHaveAcceleratorsOfTheirOwn) {
    Start();
    // The letter after the "&" of a text; a null character without one.
    const auto letter = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
    };
    Find<QAction>(window.get(), "actUndo")->setText(QStringLiteral("Отменить: ввод данных"));
    QSet<QChar> titles;
    for (QAction* entry : window->menuBar()->actions()) {
        QMenu* menu = entry->menu();
        ASSERT_NE(menu, nullptr);
        const QChar title = letter(menu->title());
        EXPECT_FALSE(title.isNull()) << menu->title().toStdString();
        EXPECT_FALSE(titles.contains(title)) << menu->title().toStdString();
        titles.insert(title);
        emit menu->aboutToShow();
        QSet<QChar> items;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            const QChar key = letter(item->text());
            EXPECT_FALSE(key.isNull()) << item->text().toStdString();
            EXPECT_FALSE(items.contains(key)) << item->text().toStdString();
            items.insert(key);
        }
    }
    EXPECT_EQ(window->menuBar()->actions().first()->menu()->title(), QStringLiteral("&Файл"));
}

TEST_F(MainWindowTest, PrintHasAPictureOfItsOwn) {
    Start();
    const QImage print = Find<QAction>(window.get(), "actPrint")->icon().pixmap(24).toImage();
    EXPECT_FALSE(print.isNull());
    for (const char* other : {"actSave", "actNew", "actOpen", "actPreview"})
        EXPECT_NE(print, Find<QAction>(window.get(), other)->icon().pixmap(24).toImage()) << other;
}

TEST_F(MainWindowTest, QtsOwnDialogsSpeakRussian) {
    const auto texts = InstallRussianQtTexts();
    ASSERT_NE(texts, nullptr) << "qtbase_ru is missing from "
                              << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    // The file dialogs' list: the type of a folder and the date column.
    QFileSystemModel model;
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Дата изменения"));
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(files.path())), QStringLiteral("Папка"));
}

TEST_F(MainWindowTest, HelpOpensOurPageOrReportsTheMissingHelp) {
    Start();
    window->ShowHelp();
    ASSERT_NE(window->HelpWindow(), nullptr);
    EXPECT_TRUE(window->HelpWindow()->CurrentPage().endsWith(QStringLiteral("help/runprogramm.htm")));
    EXPECT_TRUE(window->HelpWindow()->Browser()->toPlainText().contains(QStringLiteral("Zizaza 2017")));
    QFile::remove(folder.File(QStringLiteral("help/runprogramm.htm")));
    window->ShowHelp();
    EXPECT_EQ(ui.Texts(Kind::Error), QStringList{QStringLiteral("Не найден файл справки Tavo2017.chm")});
}

TEST_F(MainWindowTest, AnUnreadableInspectionsDictionaryEndsTheProgram) {
    folder.Write(QStringLiteral("InspectionNumbers.xml"), "<Inspections><Inspection");
    Start();
    ASSERT_EQ(ui.Texts(Kind::Error).size(), 1);
    EXPECT_TRUE(ui.Texts(Kind::Error).front().startsWith(QStringLiteral("Поменяйте язык и региональные стандарты")));
    EXPECT_TRUE(ui.Texts(Kind::Error).front().endsWith(TFormMain::kSupportAddress));
    EXPECT_TRUE(window->TerminationRequested());
}

TEST_F(MainWindowTest, OtherDictionariesAreReportedAndSkipped) {
    QFile::remove(folder.File(QStringLiteral("InspectionNumbers.xml")));
    folder.Write(QStringLiteral("Oksm.xml"), "not xml at all");
    Start();
    ASSERT_EQ(ui.Texts(Kind::Error).size(), 1);
    EXPECT_TRUE(ui.Texts(Kind::Error).front().contains(QStringLiteral("Oksm.xml")));
    EXPECT_FALSE(window->TerminationRequested());
    EXPECT_EQ(window->Countries(), nullptr);
    EXPECT_EQ(window->InspectionsPicker(), nullptr);
    EXPECT_FALSE(Find<QWidget>(window.get(), "bnInspection")->isEnabled());
}

TEST_F(MainWindowTest, NavigationOpensTheScreenAndFocusesTheItem) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701", kIncomeRussia)});
    window->Navigate(MakeNavigationCode(1, 0));
    window->Navigate(MakeNavigationCode(2, 65535));
    EXPECT_EQ(ScreenName(*window), QStringLiteral("frInitialData"));

    window->Navigate(MakeNavigationCode(2, 1));
    ASSERT_EQ(ScreenName(*window), QStringLiteral("person"));
    EXPECT_TRUE(window->ScreenButton(ScreenId::PersonInfo)->Down());
    EXPECT_EQ(static_cast<TestScreen*>(window->CurrentScreen())->focusedItems, std::vector<uint16_t>{1});

    window->Navigate(MakeNavigationCode(6, 3));
    auto* container = dynamic_cast<TContainerFrame*>(window->CurrentScreen());
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->CurrentSubIndex(), 2);
    EXPECT_TRUE(container->SubScreenButton(2)->Down());
    EXPECT_EQ(static_cast<TestScreen*>(container->CurrentSubScreen())->focusedItems, std::vector<uint16_t>{3});

    window->Navigate(MakeNavigationCode(1, TfrInitialData::kItemOktmo));
    EXPECT_EQ(ScreenName(*window), QStringLiteral("frInitialData"));
    EXPECT_EQ(window->focusWidget(), Find<QWidget>(window.get(), "meOKATO"));
}

// A file of an earlier edition gives the personal data only: it opens as a new declaration with a
// message, and Save asks for a name instead of replacing the old file with those data.
TEST_F(MainWindowTest, AnEarlierEditionOpensAsANewUnsavedDeclaration) {
    const QString old = files.path() + QStringLiteral("/old.tv6");
    mTDeclaration last;
    last.InspectionCode = "7701";
    last.Person.Name.Surname = "Петрова";
    testsupport::WriteEarlierEdition(old.toStdString(), "Tavo2016", last);
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    Start({old});
    ASSERT_EQ(ui.Texts(ScriptedUi::Kind::Inform).size(), 1);
    EXPECT_TRUE(
        ui.Texts(ScriptedUi::Kind::Inform).front().contains(QStringLiteral("взяты только сведения о декларанте")));
    EXPECT_EQ(window->Declaration().Person.Name.Surname, "Петрова");
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_FALSE(window->Saved());

    const QString chosen = files.path() + QStringLiteral("/new.tv7");
    ui.SaveFile(chosen);
    window->SaveDeclaration();
    EXPECT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(window->FileName(), chosen);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace
}  // namespace zizaza::test
