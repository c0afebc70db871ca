#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTreeWidget>
#include <csignal>

#include "GuiTest.h"
#include "app/RecoveryStore.h"
#include "model/mTDeclaration.h"
#include "storage/AtomicFile.h"

namespace zizaza::test {
namespace {

using Answer = UserInterface::Answer;
using Kind = ScriptedUi::Kind;

// A declaration with something in every list that a single click deletes.
mTDeclaration Everything() {
    mTDeclaration doc;
    doc.InspectionCode = "7701";
    doc.SetIncomeFlags(kIncomeRussia | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
    for (const char* name : {"ООО Ромашка", "Издательство"}) {
        mTThirteenPercent& source = doc.ResidentIncome13(doc.AddResidentIncome13());
        source.Name = name;
        source.TaxWithheld = Money::Roubles(6500);
        for (uint16_t month : {1, 2}) {
            mTSourseIncome line;
            line.IncomeCode = 2000;
            line.IncomeAmount = Money::Roubles(50000 + month);
            line.Month = month;
            source.AddLine(line);
        }
    }
    mTCurrencyIncome& foreign = doc.CurrencyIncome(doc.AddCurrencyIncome());
    foreign.SourceName = "Acme Inc.";
    foreign.CountryCode = "840";
    mTBusinessNew& business = doc.BusinessIncome(doc.AddBusinessIncome());
    business.ActivityKind = "2";
    business.Income = Money::Roubles(1000);
    mTInvestTov& partnership = doc.InvestPartnershipIncome(doc.AddInvestPartnershipIncome());
    partnership.Name = "Товарищество Альфа";
    mTInvestTovIncome line;
    line.OperationKind = 1;
    line.Income = Money::Roubles(100000);
    partnership.AddLine(line);
    doc.SocialDeductions.Granted = true;
    doc.SocialDeductions.AddChildEducation(Money::Roubles(12000));
    doc.SocialDeductions.Contract(doc.SocialDeductions.AddContract()).OrganizationName = "НПФ Будущее";
    auto object = std::make_unique<mTConstructionDeductObj>();
    object->Place = "Москва, ул. Ленина, 1";
    object->Number = "77:01:0001";
    object->Cost = Money::Roubles(2000000);
    doc.PropertyDeductions.Granted = true;
    doc.PropertyDeductions.AddObject(std::move(object));
    return doc;
}

class UndoTest : public MainWindowTest {
protected:
    void Open(const mTDeclaration& doc) { m_file = OpenDeclaration(doc); }
    // The declaration as Save As writes it.
    QByteArray SavedBytes(const QString& name) {
        const QString path = files.path() + QLatin1Char('/') + name;
        ui.SaveFile(path);
        window->SaveDeclarationAs();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }
    // The screen shown: the main screen's name, with the sub-screen's after a slash.
    QString Shown() const {
        QString name = window->CurrentScreen()->objectName();
        if (auto* container = dynamic_cast<TContainerFrame*>(window->CurrentScreen()))
            name += QLatin1Char('/') + container->CurrentSubScreen()->objectName();
        return name;
    }
    void Click(const char* name) {
        if (auto* button = Find<QAbstractButton>(window.get(), name))
            button->click();
    }
    void SelectRow(const char* list, int row) {
        auto* view = Find<QAbstractItemView>(window->CurrentScreen(), list);
        if (auto* tree = qobject_cast<QTreeWidget*>(view))
            tree->setCurrentItem(tree->topLevelItem(row));
        else if (view)
            view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QAction* Action(const char* name) { return Find<QAction>(window.get(), name); }

    QString m_file;
};

struct DestructiveCase {
    const char* what;
    std::vector<const char*> open;  // buttons that show the screen
    std::vector<std::pair<const char*, int>> select;
    const char* click;
    const char* undoText;
};

TEST_F(UndoTest, EveryDestructiveCommandIsUndoneAndRedoneToTheSameBytes) {
    const DestructiveCase cases[] = {
        {"13% source",
         {"fbRussianIncome"},
         {{"lvSourseIncomeInfo", 0}},
         "fbDeleteSourseIncome",
         "Отменить: удаление источника «ООО Ромашка»"},
        {"13% line",
         {"fbRussianIncome"},
         {{"lvSourseIncomeInfo", 1}, {"lvIncome", 1}},
         "fbRemoveIncome",
         "Отменить: удаление дохода № 2"},
        {"foreign source",
         {"fbForeignIncome"},
         {{"lvSourseIncomeInfo", 0}},
         "fbDeleteSourse",
         "Отменить: удаление источника «Acme Inc.»"},
        {"activity",
         {"fbBusinessIncome"},
         {{"lvSourseIncomeInfo", 0}},
         "fbDeleteSourse",
         "Отменить: удаление вида деятельности «Нотариальная деятельность»"},
        {"partnership",
         {"fbInvestTov"},
         {{"lvSourseIncomeInfo", 0}},
         "fbDeleteSourse",
         "Отменить: удаление товарищества «Товарищество Альфа»"},
        {"partnership line",
         {"fbInvestTov"},
         {{"lvSourseIncomeInfo", 0}, {"lvIncome", 0}},
         "fbDeleteIncome",
         "Отменить: удаление дохода № 1"},
        {"property object",
         {"fbDeduction", "fbConstruction"},
         {{"lvObjects", 0}},
         "fbDeleteObject",
         "Отменить: удаление объекта «"},
        {"contract",
         {"fbDeduction", "fbSocial"},
         {{"lvPensInfo", 0}},
         "fbDeletePens",
         "Отменить: удаление договора «НПФ Будущее»"},
        {"child's education",
         {"fbDeduction", "fbSocial"},
         {{"lvSumList", 0}},
         "fbDeleteSum",
         "Отменить: удаление суммы «12000»"},
        {"social grant",
         {"fbDeduction", "fbSocial"},
         {},
         "chbGrantingSocDeduct",
         "Отменить: снятие отметки «Предоставить социальные налоговые вычеты»"},
        {"Russian incomes",
         {},
         {},
         "chbIncomeInquiry",
         "Отменить: снятие отметки «Учитываемые \"справками о доходах…»"},
    };
    for (const DestructiveCase& c : cases) {
        SCOPED_TRACE(c.what);
        Open(Everything());
        for (const char* button : c.open)
            Click(button);
        for (auto [list, row] : c.select)
            SelectRow(list, row);
        const QString screen = Shown();
        const QByteArray before = SavedBytes(QStringLiteral("before.tv7"));
        Click(c.click);
        EXPECT_TRUE(Action("actUndo")->isEnabled());
        EXPECT_TRUE(Action("actUndo")->text().startsWith(QString::fromUtf8(c.undoText)))
            << Action("actUndo")->text().toStdString();
        const QByteArray after = SavedBytes(QStringLiteral("after.tv7"));
        ASSERT_NE(after, before) << "the command changed nothing";

        Action("actUndo")->trigger();
        EXPECT_EQ(Shown(), screen) << "undo shows the screen of the change";
        EXPECT_EQ(SavedBytes(QStringLiteral("undone.tv7")), before);
        Action("actUndo")->trigger();
        Action("actRedo")->trigger();
        Action("actRedo")->trigger();
        EXPECT_EQ(SavedBytes(QStringLiteral("redone.tv7")), after);
        EXPECT_FALSE(Action("actRedo")->isEnabled());
    }
}

TEST_F(UndoTest, ADeletionIsTold_TheMenuFollowsFile_AndItsKeysAreTheUsualOnes) {
    Open(Everything());
    Click("fbRussianIncome");
    SelectRow("lvSourseIncomeInfo", 0);
    Click("fbDeleteSourseIncome");
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("Удаление источника «ООО Ромашка» выполнено. Вернуть: Ctrl+Z"));
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_GE(menus.size(), 2);
    EXPECT_EQ(menus[1]->text(), QStringLiteral("Пр&авка")) << "Alt+П opens the screen \"Предприниматели\"";
    EXPECT_EQ(Action("actUndo")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(Action("actRedo")->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                                   QKeySequence(QStringLiteral("Ctrl+Y"))}));
}

// The title marks unsaved changes with "*", and undo back to the saved state takes it away.
TEST_F(UndoTest, UndoingBackToTheSavedStateMarksItSavedAgain) {
    const QString saved = QStringLiteral("declaration.tv7 - Zizaza 2017");
    const QString unsaved = QStringLiteral("declaration.tv7* - Zizaza 2017");
    Open(Everything());
    EXPECT_EQ(window->windowTitle(), saved);
    Click("fbRussianIncome");
    SelectRow("lvSourseIncomeInfo", 0);
    Click("fbDeleteSourseIncome");
    EXPECT_FALSE(window->Saved());
    EXPECT_EQ(window->windowTitle(), unsaved);
    Action("actUndo")->trigger();
    EXPECT_TRUE(window->Saved()) << "back at the file as opened";
    EXPECT_EQ(window->windowTitle(), saved);
    Action("actRedo")->trigger();
    EXPECT_FALSE(window->Saved());
    EXPECT_EQ(window->windowTitle(), unsaved);

    window->SaveDeclaration();
    ASSERT_TRUE(window->Saved());
    SelectRow("lvSourseIncomeInfo", 0);
    Click("fbDeleteSourseIncome");
    EXPECT_FALSE(window->Saved());
    window->Undo();
    EXPECT_TRUE(window->Saved()) << "the history is kept across Save, and the saved state moved";
    window->Undo();
    EXPECT_FALSE(window->Saved());
}

// Deleting a property object is one step named after the object; its undo shows the object's row
// selected again, as for a deleted source.
TEST_F(UndoTest, ADeletedPropertyObjectComesBackInOneNamedStepWithItsRowSelected) {
    mTDeclaration two = Everything();
    auto second = std::make_unique<mTConstructionDeductObj>();
    second->ObjectKind = PropertyObjectKind::Flat;
    second->Place = "Тверь, ул. Советская, 5";
    second->Number = "69:40:0002";
    second->Cost = Money::Roubles(1500000);
    two.PropertyDeductions.AddObject(std::move(second));
    const struct {
        const char* what;
        mTDeclaration doc;
        int row;
        const char* undoText;
    } cases[] = {
        {"the second of two", std::move(two), 1, "Отменить: удаление объекта «Квартира 69:40:0002»"},
        // The last one also clears and locks the amounts of the deduction.
        {"the only one", Everything(), 0, "Отменить: удаление объекта «Объект не выбран 77:01:0001»"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.doc);
        const size_t objects = c.doc.PropertyDeductions.ObjectCount();
        Click("fbDeduction");
        Click("fbConstruction");
        SelectRow("lvObjects", c.row);
        // As a mouse click does: the window active and the button taking the focus first.
        window->show();
        window->activateWindow();
        QApplication::processEvents();
        if (auto* button = Find<QAbstractButton>(window.get(), "fbDeleteObject"))
            button->setFocus(Qt::MouseFocusReason);
        Click("fbDeleteObject");
        QApplication::processEvents();
        ASSERT_EQ(window->Declaration().PropertyDeductions.ObjectCount(), objects - 1);
        EXPECT_EQ(Action("actUndo")->text(), QString::fromUtf8(c.undoText));
        EXPECT_EQ(window->History().UndoSteps(), 1u) << "one step";

        Action("actUndo")->trigger();
        EXPECT_EQ(window->Declaration().PropertyDeductions.ObjectCount(), objects);
        EXPECT_FALSE(Action("actUndo")->isEnabled()) << "the file as opened";
        EXPECT_TRUE(window->Saved());
        auto* list = Find<QTreeWidget>(window->CurrentScreen(), "lvObjects");
        ASSERT_NE(list, nullptr);
        ASSERT_NE(list->currentItem(), nullptr);
        EXPECT_EQ(list->indexOfTopLevelItem(list->currentItem()), c.row);
        EXPECT_TRUE(list->currentItem()->isSelected());
    }
}

TEST_F(UndoTest, UndoAcrossAScreenSwitchOpensTheScreenAndRecordOfTheChange) {
    Open(Everything());
    Click("fbRussianIncome");
    SelectRow("lvSourseIncomeInfo", 1);
    SelectRow("lvIncome", 1);
    Click("fbRemoveIncome");
    Click("fbInitialData");
    ASSERT_EQ(Shown(), QStringLiteral("frInitialData"));
    window->Undo();
    ASSERT_EQ(Shown().section(QLatin1Char('/'), 0, 0), QStringLiteral("frRussianIncome"));
    auto* sources = Find<QTreeWidget>(window->CurrentScreen(), "lvSourseIncomeInfo");
    auto* lines = Find<QTreeWidget>(window->CurrentScreen(), "lvIncome");
    ASSERT_TRUE(sources && lines);
    EXPECT_EQ(sources->indexOfTopLevelItem(sources->currentItem()), 1);
    EXPECT_EQ(lines->topLevelItemCount(), 2);
    EXPECT_EQ(lines->indexOfTopLevelItem(lines->currentItem()), 1) << "the line that came back";
}

TEST_F(UndoTest, KeepsAHundredSteps_AndNewOrOpenClearsThem) {
    Start();
    auto* inspection = Find<TMaskedEdit>(window->CurrentScreen(), "meInspection");
    ASSERT_NE(inspection, nullptr);
    for (int i = 0; i < 101; ++i) {
        inspection->setText(QStringLiteral("%1").arg(1000 + i));
        window->DocumentChanged();
        window->FinishEdits();
    }
    EXPECT_EQ(window->History().UndoSteps(), 100u);
    EXPECT_EQ(Action("actUndo")->text(), QStringLiteral("Отменить: ввод данных «Задание условий»"));
    for (int i = 0; i < 100; ++i)
        window->Undo();
    EXPECT_EQ(window->Declaration().InspectionCode, "1000") << "the first change is beyond the limit";
    EXPECT_FALSE(Action("actUndo")->isEnabled());
    window->Redo();
    EXPECT_EQ(window->Declaration().InspectionCode, "1001");

    ui.Answers({Answer::No});
    window->NewDeclaration();
    EXPECT_FALSE(Action("actUndo")->isEnabled());
    EXPECT_FALSE(Action("actRedo")->isEnabled());
}

class RecoveryTest : public UndoTest {
protected:
    TFormMain& StartWithRecovery(QStringList arguments = {}) {
        window.reset();
        MainWindowOptions options;
        options.arguments = std::move(arguments);
        options.programFolder = folder.Path();
        options.ui = &ui;
        options.recoveryFolder = m_recovery.path();
        window = std::make_unique<TFormMain>(options);
        return *window;
    }
    // Deletes the first 13% source: a list command, so a recovery copy is written at once.
    void DeleteASource() {
        Click("fbRussianIncome");
        SelectRow("lvSourseIncomeInfo", 0);
        Click("fbDeleteSourseIncome");
    }
    int CopiesLeft() const {
        int n = 0;
        for (const QString& d : QDir(m_recovery.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            n += QFile::exists(m_recovery.path() + QLatin1Char('/') + d + QStringLiteral("/declaration.tv7"));
        return n;
    }
    QTemporaryDir m_recovery;
};

TEST_F(RecoveryTest, ACopyLeftByAnAbnormalEndIsOfferedAndRecoveredUnderItsName) {
    m_file = files.path() + QStringLiteral("/declaration.tv7");
    Everything().Save(m_file.toStdString());
    QFile original(m_file);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray userFile = original.readAll();
    original.close();

    StartWithRecovery({m_file});
    DeleteASource();
    ASSERT_TRUE(window->Recovery().HasCopy());
    EXPECT_NE(window->Recovery().CopyPath(), m_file);

    // A second program running meanwhile does not take the copy of the first.
    auto first = std::move(window);
    StartWithRecovery();
    window->OfferRecovery();
    EXPECT_TRUE(ui.Texts(Kind::Ask).isEmpty());
    window.reset();

    // The first one ends without its close query (as a crash would): its copy stays behind.
    first.reset();
    ASSERT_EQ(CopiesLeft(), 1);
    StartWithRecovery();
    ui.Answers({Answer::Yes});
    window->OfferRecovery();
    ASSERT_EQ(ui.Texts(Kind::Ask).size(), 1);
    EXPECT_TRUE(ui.Texts(Kind::Ask).front().contains(QRegularExpression(
        QStringLiteral("^Восстановить несохраненную декларацию «declaration\\.tv7» от \\d\\d\\.\\d\\d\\.\\d{4} "
                       "\\d\\d:\\d\\d\\?\nПапка: ") +
        QRegularExpression::escape(files.path()) + QStringLiteral("$"))))
        << ui.Texts(Kind::Ask).front().toStdString();
    EXPECT_EQ(window->FileName(), m_file);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("declaration.tv7* - Zizaza 2017"));
    EXPECT_FALSE(window->Saved());
    auto* recovered = window->findChild<QLabel*>(QStringLiteral("lbRecovered"));
    ASSERT_TRUE(recovered);
    EXPECT_EQ(recovered->text(), QStringLiteral("Декларация восстановлена из резервной копии и не сохранена"));
    EXPECT_FALSE(recovered->isHidden());
    EXPECT_EQ(window->Declaration().ResidentIncome13Count(), 1u);
    EXPECT_EQ(window->Declaration().ResidentIncome13(0).Name, "Издательство");
    EXPECT_EQ(CopiesLeft(), 1) << "the recovered declaration has this session's copy only";

    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), userFile) << "the user's file is never written by the recovery";
    original.close();

    ui.Answers({Answer::No});
    window->close();
    EXPECT_EQ(CopiesLeft(), 0) << "closing with No gives the changes up";
}

TEST_F(RecoveryTest, NoKeepsTheCopyForTheNextStart_DeleteRemovesIt_SaveLeavesNone) {
    m_file = files.path() + QStringLiteral("/declaration.tv7");
    Everything().Save(m_file.toStdString());
    StartWithRecovery({m_file});
    DeleteASource();
    window.reset();
    ASSERT_EQ(CopiesLeft(), 1);

    StartWithRecovery();
    ui.Answers({Answer::No});
    window->OfferRecovery();
    EXPECT_EQ(CopiesLeft(), 1);
    EXPECT_TRUE(window->Saved());
    window.reset();

    // "Удалить копию" asks again: No keeps the copy, Yes deletes it.
    StartWithRecovery({m_file});
    ui.Answers({Answer::Cancel, Answer::No});  // the third button, "Удалить копию"
    window->OfferRecovery();
    EXPECT_EQ(CopiesLeft(), 1);
    EXPECT_TRUE(ui.Texts(Kind::Ask).back().startsWith(QStringLiteral("Удалить резервную копию декларации от ")));
    window.reset();
    StartWithRecovery({m_file});
    ui.Answers({Answer::Cancel, Answer::Yes});
    window->OfferRecovery();
    EXPECT_EQ(CopiesLeft(), 0);

    DeleteASource();
    EXPECT_EQ(CopiesLeft(), 1);
    ui.SaveFile(files.path() + QStringLiteral("/saved.tv7"));
    window->SaveDeclarationAs();
    EXPECT_EQ(CopiesLeft(), 0) << "a saved declaration needs no copy";
    window.reset();
    StartWithRecovery();
    window->OfferRecovery();
    EXPECT_EQ(ui.Texts(Kind::Ask).size(), 5) << "nothing more to offer";
}

// Open that ends in the dialog's "Отмена" or in a file that cannot be read loses nothing: the
// declaration, its recovery copy and its undo history stay; only a file that loads replaces them.
TEST_F(RecoveryTest, OpenCancelledOrFailedKeepsTheDeclarationItsCopyAndItsHistory) {
    m_file = files.path() + QStringLiteral("/declaration.tv7");
    Everything().Save(m_file.toStdString());
    StartWithRecovery({m_file});
    DeleteASource();
    ASSERT_EQ(CopiesLeft(), 1);
    const QString damaged = files.path() + QStringLiteral("/damaged.tv7");
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    for (const QString& chosen : {QString(), damaged}) {
        SCOPED_TRACE(chosen.toStdString());
        ui.Answers({Answer::No}).OpenFile(chosen);
        Action("actOpen")->trigger();
        EXPECT_EQ(window->Declaration().ResidentIncome13Count(), 1u);
        EXPECT_EQ(window->FileName(), m_file);
        EXPECT_FALSE(window->Saved());
        EXPECT_EQ(CopiesLeft(), 1);
        EXPECT_EQ(Action("actUndo")->text(), QStringLiteral("Отменить: удаление источника «ООО Ромашка»"));
        EXPECT_EQ(Shown().section(QLatin1Char('/'), 0, 0), QStringLiteral("frRussianIncome"));
    }
    EXPECT_EQ(ui.Texts(Kind::Error).size(), 1) << "the damaged file is told";

    const QString other = files.path() + QStringLiteral("/other.tv7");
    mTDeclaration otherDoc;
    otherDoc.InspectionCode = "5001";
    otherDoc.Save(other.toStdString());
    ui.Answers({Answer::No}).OpenFile(other);
    Action("actOpen")->trigger();
    EXPECT_EQ(window->Declaration().InspectionCode, "5001");
    EXPECT_TRUE(window->Saved());
    EXPECT_FALSE(Action("actUndo")->isEnabled());
    EXPECT_EQ(CopiesLeft(), 0) << "the changes given up with No go once the other file is open";
    EXPECT_TRUE(ui.NothingPending());
}

// A declaration opened by a relative name and recovered by a program started in another folder
// is saved back into its own file.
TEST_F(RecoveryTest, ACopyOfAFileOpenedByARelativeNameIsSavedFromAnotherFolder) {
    m_file = files.path() + QStringLiteral("/declaration.tv7");
    Everything().Save(m_file.toStdString());
    const QString home = QDir::currentPath();
    struct BackHome {
        QString path;
        ~BackHome() { QDir::setCurrent(path); }
    } backHome{home};
    ASSERT_TRUE(QDir::setCurrent(files.path()));
    StartWithRecovery({QStringLiteral("declaration.tv7")});
    EXPECT_EQ(window->FileName(), m_file);
    DeleteASource();
    window.reset();

    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    StartWithRecovery();
    ui.Answers({Answer::Yes});
    window->OfferRecovery();
    EXPECT_EQ(window->FileName(), m_file);
    auto* recovered = window->findChild<QLabel*>(QStringLiteral("lbRecovered"));
    ASSERT_TRUE(recovered);
    EXPECT_FALSE(recovered->isHidden());
    window->SaveDeclaration();
    EXPECT_TRUE(ui.Texts(Kind::Error).isEmpty());
    EXPECT_TRUE(window->Saved());
    EXPECT_TRUE(recovered->isHidden()) << "saved: no longer only a recovered copy";
    EXPECT_EQ(window->windowTitle(), QStringLiteral("declaration.tv7 - Zizaza 2017"));
    mTDeclaration saved;
    saved.Load(m_file.toStdString());
    EXPECT_EQ(saved.ResidentIncome13Count(), 1u);
    EXPECT_FALSE(QFileInfo::exists(elsewhere.path() + QStringLiteral("/declaration.tv7")));
}

// The recovery root cannot be turned against the user: a linked folder is not a session of the
// program and nothing behind it is removed, only the program's own files go, and a copy.ini that
// names another declaration is shown, and Save then asks where to save.
TEST_F(RecoveryTest, ALinkedFolderOrACraftedCopyIniHarmsNoOtherFile) {
    QTemporaryDir elsewhere;
    const QString precious = elsewhere.path() + QStringLiteral("/precious.tv7");
    Everything().Save(precious.toStdString());
    Everything().Save((elsewhere.path() + QStringLiteral("/declaration.tv7")).toStdString());
    ASSERT_TRUE(QFile::link(elsewhere.path(), m_recovery.path() + QStringLiteral("/1-linked")));
    // A folder of its own with a copy, a crafted copy.ini naming the other declaration and a
    // file the program never writes.
    const QString crafted = m_recovery.path() + QStringLiteral("/2-crafted");
    ASSERT_TRUE(QDir().mkpath(crafted));
    Everything().Save((crafted + QStringLiteral("/declaration.tv7")).toStdString());
    {
        QFile ini(crafted + QStringLiteral("/copy.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(("[General]\noriginal=" + precious.toUtf8() + "\nwritten=2018-03-01T10:00:00\n"));
    }
    {
        QFile keep(crafted + QStringLiteral("/notes.txt"));
        ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
        keep.write("mine");
    }
    const QByteArray preciousBytes = [&] {
        QFile f(precious);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    StartWithRecovery();
    ui.Answers({Answer::Yes});
    window->OfferRecovery();
    ASSERT_EQ(ui.Texts(Kind::Ask).size(), 1) << "the linked folder is not offered";
    EXPECT_TRUE(ui.Texts(Kind::Ask).front().contains(QStringLiteral("«precious.tv7»")));
    EXPECT_TRUE(ui.Texts(Kind::Ask).front().contains(QStringLiteral("Папка: ") + elsewhere.path()));
    EXPECT_TRUE(ui.Texts(Kind::Ask).front().contains(QStringLiteral("Файл изменен после записи копии")));
    EXPECT_TRUE(QFile::exists(elsewhere.path() + QStringLiteral("/declaration.tv7")));
    EXPECT_TRUE(QFile::exists(crafted + QStringLiteral("/notes.txt"))) << "not the program's file";
    EXPECT_FALSE(QFile::exists(crafted + QStringLiteral("/declaration.tv7")));

    const QString chosen = files.path() + QStringLiteral("/chosen.tv7");
    ui.SaveFile(chosen);
    window->SaveDeclaration();
    EXPECT_EQ(ui.saveRequests.size(), 1u) << "Save asks where to save";
    EXPECT_TRUE(QFile::exists(chosen));
    QFile f(precious);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), preciousBytes);
}

// A copy that cannot be written is told once, in plain words, and stays in the status line until
// a copy is written again.
TEST_F(RecoveryTest, AFailedCopyIsToldOnceAndShownUntilACopySucceeds) {
    m_file = files.path() + QStringLiteral("/declaration.tv7");
    Everything().Save(m_file.toStdString());
    StartWithRecovery({m_file});
    atomic_file_testing::SetStepFault(
        [](atomic_file_testing::Step step) { return step == atomic_file_testing::Step::Sync ? ENOSPC : 0; });
    DeleteASource();
    window->WriteRecoveryCopy();
    atomic_file_testing::SetStepFault({});
    const QString told = QStringLiteral("Резервная копия не записана: нет места на диске");
    EXPECT_EQ(ui.Texts(Kind::Error), QStringList{told});
    auto* status = window->findChild<QLabel*>(QStringLiteral("lbRecoveryProblem"));
    ASSERT_TRUE(status);
    EXPECT_EQ(status->text(), told);
    EXPECT_FALSE(status->isHidden());

    window->WriteRecoveryCopy();
    EXPECT_TRUE(status->isHidden()) << "the copy is written again";
    EXPECT_EQ(ui.Texts(Kind::Error).size(), 1);
}

// The copies hold personal data: their folders are the owner's alone and their files too,
// whatever the umask, and a root left looser is mended at the start.
TEST_F(RecoveryTest, CopiesArePrivateWhateverTheUmask) {
    ::chmod(m_recovery.path().toLocal8Bit().constData(), 0755);
    const mode_t mask = ::umask(0);
    m_file = files.path() + QStringLiteral("/declaration.tv7");
    Everything().Save(m_file.toStdString());
    StartWithRecovery({m_file});
    DeleteASource();
    ::umask(mask);
    auto mode = [](const QString& path) {
        struct stat st {};
        ::stat(path.toLocal8Bit().constData(), &st);
        return st.st_mode & 0777;
    };
    EXPECT_EQ(mode(m_recovery.path()), 0700u);
    const QString folder = QFileInfo(window->Recovery().CopyPath()).path();
    EXPECT_EQ(mode(folder), 0700u);
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        EXPECT_EQ(mode(folder + QLatin1Char('/') + name), 0600u) << name.toStdString();
}

// A real program killed while it holds its copy: the copy is not offered while the program runs,
// and is offered once it was killed.
TEST(RecoveryStore, TheCopyOfAKilledProgramIsLeftForTheNext) {
    App();
    QTemporaryDir root;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RecoveryStore store(root.path());
        const bool written = store.Write(Everything(), QStringLiteral("/home/user/declaration.tv7"));
        const char answer = written ? 'y' : 'n';
        (void)!write(ready[1], &answer, 1);
        for (;;)
            pause();  // until killed
    }
    // The child dies with the test, whatever the test's outcome.
    struct Killer {
        pid_t pid;
        void Kill() {
            if (pid > 0 && kill(pid, SIGKILL) == 0)
                waitpid(pid, nullptr, 0);
            pid = 0;
        }
        ~Killer() { Kill(); }
    } killer{child};
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');
    {
        RecoveryStore other(root.path());
        EXPECT_TRUE(other.LeftCopies().empty()) << "its program is still running";
    }
    killer.Kill();
    RecoveryStore next(root.path());
    std::vector<RecoveryStore::LeftCopy> left = next.LeftCopies();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left.front().originalName, QStringLiteral("/home/user/declaration.tv7"));
    mTDeclaration recovered;
    recovered.Load(left.front().copy.toStdString());
    EXPECT_EQ(recovered.ResidentIncome13Count(), 2u);
    close(ready[0]);
    close(ready[1]);
}

}  // namespace
}  // namespace zizaza::test
