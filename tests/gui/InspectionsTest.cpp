#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QWindow>

#include "GuiTest.h"
#include "app/TfmHelp.h"
#include "dictionaries/Inspections.h"
#include "dictionaries/ui/TfmInputInspectionNumber.h"
#include "dictionaries/ui/TfmLoadSoun.h"
#include "storage/TextCodec.h"

namespace zizaza::test {
namespace {

using Kind = ScriptedUi::Kind;

class InspectionsTest : public MainWindowTest {
protected:
    TfmInputInspectionNumber& Picker() {
        if (!window)
            Start();
        return *window->InspectionsPicker();
    }
};

TEST_F(InspectionsTest, AnUnknownCodeSelectsNothingAndIsKeptOnAcceptance) {
    TfmInputInspectionNumber& picker = Picker();
    picker.SelectInspection(QStringLiteral("9999"));
    EXPECT_TRUE(picker.List()->selectedItems().isEmpty());
    picker.accept();
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("9999"));
}

TEST_F(InspectionsTest, AKnownCodeIsSelectedAndShownInTheStatusLine) {
    TfmInputInspectionNumber& picker = Picker();
    picker.SelectInspection(QStringLiteral("7701"));
    ASSERT_EQ(picker.List()->selectedItems().size(), 1);
    EXPECT_EQ(picker.List()->selectedItems().front()->text(0), QStringLiteral("7701"));
    EXPECT_EQ(picker.StatusText(), QStringLiteral("7701   Инспекция № 1 по г. Москве"));
    EXPECT_EQ(picker.ChosenName(), QStringLiteral("Инспекция № 1 по г. Москве"));
}

TEST_F(InspectionsTest, TheFirstDigitWithoutACodeStartsFrom0101) {
    TfmInputInspectionNumber& picker = Picker();
    picker.SelectInspection(QString());
    QStringList visited;
    QObject::connect(picker.List(), &QTreeWidget::currentItemChanged,
                     [&visited](QTreeWidgetItem* item) { visited << (item ? item->text(0) : QString()); });
    TypeText(picker.List(), QStringLiteral("7"));
    EXPECT_EQ(visited, (QStringList{QStringLiteral("0101"), QStringLiteral("7700")}));
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("7700"));
    TypeText(picker.List(), QStringLiteral("712"));
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("7712")) << "digits typed together search as one prefix";
}

TEST_F(InspectionsTest, FindsByCodeOrByWordsOfTheName) {
    TfmInputInspectionNumber& picker = Picker();
    // Typed with 5001 highlighted: it stays while it is found, else the first row found is
    // highlighted (and stays when later letters find nothing).
    const struct {
        const char* typed;
        QStringList codes;
        const char* chosen;
    } searches[] = {
        {"москве", {"7700", "7701", "7712"}, "7700"},
        {"МОСКВЕ  инспекция", {"7701", "7712"}, "7701"},
        {"№ 12", {"7712"}, "7712"},
        {"77", {"7700", "7701", "7712"}, "7700"},
        {"50", {"5001"}, "5001"},
        {"010", {"0101", "0102"}, "0101"},
        {"Москва", {"7700", "7701", "7712"}, "7700"},
        {"москвы 1", {"7701", "7712"}, "7701"},
        {"", {"0101", "0102", "5001", "7700", "7701", "7712"}, "5001"},
    };
    for (const auto& c : searches) {
        picker.SelectInspection(QStringLiteral("5001"));
        TypeText(picker.SearchField(), QString::fromUtf8(c.typed));
        EXPECT_EQ(ShownColumn(picker.List()), c.codes) << c.typed;
        EXPECT_EQ(picker.ChosenCode(), QString::fromLatin1(c.chosen)) << c.typed;
    }
}

TEST_F(InspectionsTest, NothingFoundSaysSoAndTakesNoRow) {
    TfmInputInspectionNumber& picker = Picker();
    picker.SelectInspection(QStringLiteral("7701"));
    TypeText(picker.SearchField(), QStringLiteral("Самара"));
    EXPECT_TRUE(ShownColumn(picker.List()).isEmpty());
    EXPECT_TRUE(picker.NothingFoundLabel()->isVisibleTo(&picker));
    EXPECT_EQ(picker.NothingFoundLabel()->text(), QStringLiteral("Ничего не найдено: введите начало слова или код"));
    EXPECT_FALSE(picker.YesButton()->isEnabled());
    EXPECT_TRUE(picker.List()->selectedItems().isEmpty());
    picker.setResult(-1);
    PressKey(picker.SearchField(), Qt::Key_Return);
    PressKey(picker.List(), Qt::Key_Return);
    EXPECT_EQ(picker.result(), -1) << "Enter takes no hidden row";
    picker.SearchField()->clear();
    TypeText(picker.SearchField(), QStringLiteral("77"));
    EXPECT_FALSE(picker.NothingFoundLabel()->isVisibleTo(&picker));
    EXPECT_TRUE(picker.YesButton()->isEnabled());
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("7700"));
}

TEST_F(InspectionsTest, LettersTypedInTheListSearchAndEnterTakesTheRowFound) {
    TfmInputInspectionNumber& picker = Picker();
    picker.SelectInspection(QString());
    TypeText(picker.List(), QStringLiteral("упр"));
    EXPECT_EQ(picker.SearchField()->text(), QStringLiteral("упр"));
    EXPECT_EQ(ShownColumn(picker.List()), QStringList{QStringLiteral("7700")});
    picker.SearchField()->clear();
    TypeText(picker.SearchField(), QStringLiteral("москве"));
    PressKey(picker.SearchField(), Qt::Key_Down);
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("7701")) << "the arrows move through the rows found";
    picker.setResult(-1);
    PressKey(picker.SearchField(), Qt::Key_Return);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.ChosenCode(), QStringLiteral("7701"));
    EXPECT_EQ(picker.ChosenName(), QStringLiteral("Инспекция № 1 по г. Москве"));
    EXPECT_EQ(picker.List()->topLevelItem(4)->toolTip(1), picker.ChosenName()) << "the whole name as a tooltip";
}

TEST_F(InspectionsTest, TheStatusLineShowsTheHintOverThePicture) {
    TfmInputInspectionNumber& picker = Picker();
    picker.SelectInspection(QStringLiteral("5001"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(Find<QLabel>(&picker, "Image1"), &enter);
    EXPECT_EQ(picker.StatusText(),
              QStringLiteral("Подсказка: Для быстрого поиска нужной инспекции наберите ее номер на клавиатуре."));
    EXPECT_EQ(Find<QLabel>(&picker, "Image1")->toolTip(), QStringLiteral("Нажми на меня!"));
    QApplication::sendEvent(picker.List(), &enter);
    EXPECT_EQ(picker.StatusText(), QStringLiteral("5001   Инспекция 5001"));
}

TEST_F(InspectionsTest, TheMissingInspectionButtonOpensTheImport) {
    TfmInputInspectionNumber& picker = Picker();
    ui.Click(QStringLiteral("btOk"));
    Find<QPushButton>(&picker, "btMissing")->click();
    EXPECT_EQ(ui.modalTitles, QStringList{QStringLiteral("Загрузка СОУН")});
}

// A SOUN table with the records given: code, kind, name (CP866), status "1".
QByteArray SounTable(const std::vector<std::pair<std::string, std::string>>& records) {
    QByteArray table(32, '\0');
    table[4] = static_cast<char>(records.size());
    table[8] = 32;
    for (const auto& [code, name] : records) {
        QByteArray rec(1194, ' ');
        rec.replace(1, 4, QByteArray::fromStdString(code));
        rec.replace(5, 2, "30");
        const std::string dos = Utf8ToCp866(name).value();
        rec.replace(161, static_cast<qsizetype>(dos.size()), QByteArray::fromStdString(dos));
        rec[411] = '1';
        table += rec;
    }
    return table;
}

class LoadSounTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
        dialog = std::make_unique<TfmLoadSoun>(*window);
    }
    void TearDown() override {
        dialog.reset();
        MainWindowTest::TearDown();
    }
    std::unique_ptr<TfmLoadSoun> dialog;
};

TEST_F(LoadSounTest, BrowsingEnablesTheImportAndDisablesOk) {
    EXPECT_FALSE(dialog->ImportButton()->isEnabled());
    ui.OpenFile(QStringLiteral("/tmp/soun1.dbf"));
    dialog->BrowseButton()->click();
    EXPECT_EQ(dialog->PathField()->text(), QStringLiteral("/tmp/soun1.dbf"));
    EXPECT_TRUE(dialog->ImportButton()->isEnabled());
    EXPECT_FALSE(dialog->OkButton()->isEnabled());
    EXPECT_EQ(ui.openRequests.front().folder, folder.Path());
    EXPECT_EQ(ui.openRequests.front().types.front().pattern, QStringLiteral("soun1.dbf"));
}

TEST_F(LoadSounTest, ImportWithoutAPathAsksForIt) {
    ui.OpenFile(QString());
    dialog->BrowseButton()->click();
    dialog->ImportButton()->click();
    EXPECT_EQ(ui.Texts(Kind::Inform), QStringList{QStringLiteral("Укажите путь к файлу soun1.dbf")});
    EXPECT_TRUE(dialog->OkButton()->isEnabled());
}

TEST_F(LoadSounTest, ImportRebuildsTheDictionaryBesideTheProgram) {
    folder.Write(QStringLiteral("soun1.dbf"), SounTable({{"7799", "Инспекция  по округу 99  "}}));
    ui.OpenFile(folder.File(QStringLiteral("soun1.dbf")));
    dialog->BrowseButton()->click();
    dialog->ImportButton()->click();
    EXPECT_EQ(ui.Texts(Kind::Inform),
              QStringList{QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу.")});
    const std::vector<CodeName> rows =
        LoadInspections(folder.File(QStringLiteral("InspectionNumbers.xml")).toStdString());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().code, "7799");
    EXPECT_EQ(rows.front().name, "Инспекция  по округу 99");
    EXPECT_EQ(window->InspectionsPicker()->Rows().size(), 6u) << "the running program keeps its list";
}

TEST_F(LoadSounTest, AFailedImportLeavesTheOldDictionary) {
    QByteArray table = SounTable({{"7799", "Инспекция"}});
    table.chop(100);
    folder.Write(QStringLiteral("soun1.dbf"), table);
    ui.OpenFile(folder.File(QStringLiteral("soun1.dbf")));
    dialog->BrowseButton()->click();
    dialog->ImportButton()->click();
    EXPECT_EQ(ui.Texts(Kind::Error), QStringList{QStringLiteral("Импортировать данные не удалось")});
    EXPECT_EQ(LoadInspections(folder.File(QStringLiteral("InspectionNumbers.xml")).toStdString()).size(), 6u);
}

TEST_F(LoadSounTest, LinksOpenTheHelpPageAndTheDownloadPage) {
    emit Find<QLabel>(dialog.get(), "Label6")->linkActivated(QStringLiteral("help:EditSOUN.htm"));
    ASSERT_NE(window->HelpWindow(), nullptr);
    EXPECT_TRUE(window->HelpWindow()->CurrentPage().endsWith(QStringLiteral("EditSOUN.htm")));
    emit Find<QLabel>(dialog.get(), "Label8")->linkActivated(TfmLoadSoun::kDownloadPage);
    ASSERT_EQ(ui.urls.size(), 1u);
    EXPECT_EQ(ui.urls.front(), QUrl(TfmLoadSoun::kDownloadPage));
    ui.openUrlSucceeds = false;
    emit Find<QLabel>(dialog.get(), "Label8")->linkActivated(TfmLoadSoun::kDownloadPage);
    EXPECT_EQ(ui.Texts(Kind::Error), QStringList{QStringLiteral("Не удалось запустить браузер")});
    QFile::remove(folder.File(QStringLiteral("help/EditSOUN.htm")));
    emit Find<QLabel>(dialog.get(), "Label6")->linkActivated(QStringLiteral("help:EditSOUN.htm"));
    EXPECT_EQ(ui.Texts(Kind::Error).last(), QStringLiteral("Не найден файл справки Tavo2017.chm"));
}

TEST_F(LoadSounTest, HelpFromTheModalDialogIsUsableAndOutlivesIt) {
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    emit Find<QLabel>(dialog.get(), "Label6")->linkActivated(QStringLiteral("help:EditSOUN.htm"));
    QPointer<TfmHelp> help = window->HelpWindow();
    ASSERT_NE(help, nullptr);
    // A modal window blocks every window but those it is the transient parent of.
    ASSERT_NE(help->windowHandle(), nullptr);
    EXPECT_EQ(help->windowHandle()->transientParent(), dialog->windowHandle());
    EXPECT_TRUE(help->isVisible());
    dialog->hide();
    EXPECT_EQ(help->parentWidget(), window.get());
    EXPECT_TRUE(help->isVisible());
    dialog.reset();
    EXPECT_NE(help, nullptr);
}

}  // namespace
}  // namespace zizaza::test
