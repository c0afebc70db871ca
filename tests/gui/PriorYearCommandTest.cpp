#include <QAction>
#include <QFile>
#include <QMenu>

#include "GuiTest.h"
#include "carryover/PriorYearCarry.h"
#include "carryover/PriorYearFile.h"
#include "model/mTDeclaration.h"
#include "storage/TextCodec.h"
#include "support/PriorYearXml.h"

namespace zizaza::test {
namespace {

using Answer = UserInterface::Answer;
using Kind = ScriptedUi::Kind;

const QString kSaveQuestion = QStringLiteral("Вы хотите сохранить декларацию?");

// "Создать на основе декларации прошлого года..." over a program folder that holds the schemas.
class PriorYearCommandTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (const char* schema : {kSchema510FileName, kSchema512FileName}) {
            QFile source(QStringLiteral(ZIZAZA_SOURCE_DIR "/data/") + QString::fromUtf8(schema));
            ASSERT_TRUE(source.open(QIODevice::ReadOnly));
            folder.Write(QString::fromUtf8(schema), source.readAll());
        }
    }

    // Last year's declaration as the program exported it.
    QString PriorYearXml() {
        return QString::fromStdString(testsupport::WritePriorYearXml(files.path().toStdString()));
    }

    void RunFromMenu() {
        QMenu* file = Find<QMenu>(window.get(), "mnFile");
        QAction* action = Find<QAction>(window.get(), "actNewFromPriorYear");
        ASSERT_TRUE(file->actions().contains(action));
        EXPECT_EQ(action->text(), QStringLiteral("Создать на основе декларации прошлого года..."));
        action->trigger();
    }
};

TEST_F(PriorYearCommandTest, CarriedDeclarationReplacesTheCurrentOneAfterTheReport) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});
    window->DocumentChanged();
    const QString xml = PriorYearXml();
    ui.Answers({Answer::No, Answer::Yes}).OpenFile(xml);
    RunFromMenu();

    const CarriedDeclaration expected =
        StartFromPriorYear(xml.toStdString(), folder.Path().toStdString(), Date::Today());
    const QStringList asked = ui.Texts(Kind::Ask);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], kSaveQuestion);
    EXPECT_EQ(asked[1], QString::fromStdString(expected.report.Text()) +
                            QStringLiteral("\nСоздать новую декларацию с этими данными?"));
    EXPECT_EQ(ui.openRequests.back().types.front().pattern, QStringLiteral("*.xml"));

    const mTDeclaration& d = window->Declaration();
    EXPECT_EQ(d.Person.Name.Surname, "ПЕТРОВА");
    EXPECT_EQ(d.InspectionCode, "7701");
    ASSERT_EQ(d.PropertyDeductions.ObjectCount(), 1u);
    EXPECT_EQ(d.PropertyDeductions.PreviousYearsPurchase,
              expected.declaration->PropertyDeductions.PreviousYearsPurchase);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Без имени* - Zizaza 2017"));
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_FALSE(window->Saved()) << "the carried data is not in any file yet";
    EXPECT_EQ(window->CurrentScreen()->objectName(), QStringLiteral("frInitialData"));
    EXPECT_TRUE(ui.NothingPending());
}

// Last year's file with earlier years' sums the schema takes (17 digits) but the money range does
// not: the command used to end the program; now they stay behind with their reason.
TEST_F(PriorYearCommandTest, OverflowingSumsAreNotCarriedAndNothingAborts) {
    Start();
    const QString xml = PriorYearXml();
    QFile file(xml);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    // The file is windows-1251, its attribute names too.
    for (const char* utf8 : {"ВычНовЗачПред", "ВычНАУвед"}) {
        const QByteArray name = QByteArray::fromStdString(*Utf8ToCp1251(utf8));
        const qsizetype at = bytes.indexOf(" " + name + "=\"");
        ASSERT_GE(at, 0);
        const qsizetype start = at + name.size() + 3;
        bytes.replace(start, bytes.indexOf('"', start) - start, "900000000000000.00");
    }
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    ui.Answers({Answer::Yes}).OpenFile(xml);
    RunFromMenu();
    EXPECT_TRUE(ui.Texts(Kind::Error).isEmpty()) << ui.Texts(Kind::Error).join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(ui.Texts(Kind::Ask).size(), 1);
    EXPECT_TRUE(ui.Texts(Kind::Ask).front().contains(QStringLiteral("такую сумму декларация не вмещает")));
    EXPECT_EQ(window->Declaration().PropertyDeductions.PreviousYearsPurchase, Money());
    EXPECT_EQ(window->Declaration().PropertyDeductions.ObjectCount(), 1u);
    ui.SaveFile(files.path() + QStringLiteral("/carried.tv7"));
    window->SaveDeclaration();
    EXPECT_TRUE(window->Saved()) << "the carried declaration saves";
}

struct Declined {
    const char* name;
    bool changed;                 // the current declaration has unsaved changes
    std::vector<Answer> answers;  // the save question and the report, as far as they come
    bool fileDialog;              // the command gets as far as the file dialog
    const char* fileText;         // nullptr: last year's export; "": the dialog is cancelled
    const char* error;            // part of the error shown; nullptr: none
};

class PriorYearDeclined : public PriorYearCommandTest, public testing::WithParamInterface<Declined> {};

// Whatever stops the command, the current declaration stays as it was.
TEST_P(PriorYearDeclined, CurrentDeclarationUnchanged) {
    const Declined& c = GetParam();
    const QString current = SavedDeclaration(QStringLiteral("a.tv7"), "7701");
    Start({current});
    if (c.changed)
        window->DocumentChanged();
    mTDeclaration* before = &window->Declaration();
    QString xml = c.fileText ? QString() : PriorYearXml();
    if (c.fileText && *c.fileText != '\0') {
        xml = files.path() + QStringLiteral("/bad.xml");
        QFile bad(xml);
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write(c.fileText);
    }
    for (Answer a : c.answers)
        ui.Answers({a});
    if (c.fileDialog)
        ui.OpenFile(xml);
    RunFromMenu();

    EXPECT_EQ(&window->Declaration(), before);
    EXPECT_EQ(window->Declaration().InspectionCode, "7701");
    EXPECT_EQ(window->FileName(), current);
    EXPECT_EQ(window->Saved(), !c.changed);
    const QStringList errors = ui.Texts(Kind::Error);
    if (c.error) {
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(QString::fromUtf8(c.error))) << errors[0].toStdString();
    } else {
        EXPECT_TRUE(errors.isEmpty());
    }
    EXPECT_TRUE(ui.NothingPending());
}

const Declined kDeclined[] = {
    {"SaveQuestionCancelled", true, {Answer::Cancel}, false, nullptr, nullptr},
    {"FileDialogCancelled", false, {}, true, "", nullptr},
    {"ReportAnsweredNo", false, {Answer::No}, true, nullptr, nullptr},
    {"DamagedFile",
     false,
     {},
     true,
     "<?xml version=\"1.0\"?><Файл ВерсФорм=\"5.12\"><Документ",
     "не является XML-файлом"},
    {"ForeignFile",
     false,
     {},
     true,
     "<?xml version=\"1.0\"?><Файл ВерсФорм=\"5.05\"><Документ КНД=\"1151001\"/></Файл>",
     "КНД 1151001"},
};

INSTANTIATE_TEST_SUITE_P(Cases, PriorYearDeclined, testing::ValuesIn(kDeclined),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zizaza::test
