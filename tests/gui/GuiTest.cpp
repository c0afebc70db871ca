#include "GuiTest.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/AppSettings.h"
#include "checks/ui/ScreenCheckRun.h"
#include "model/mTDeclaration.h"
#include "screens/TfrInitialData.h"

namespace zizaza::test {

QApplication& App() {
    static QApplication* app = [] {
        static QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        qputenv("XDG_DATA_HOME", config.path().toUtf8());  // recovery copies
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        text = QStringLiteral("\r");
    else if (key == Qt::Key_Escape)
        text = QString(QChar(27));
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
}

void ClickMouse(QWidget* widget, Qt::KeyboardModifiers modifiers, QPoint at) {
    const QPointF local(at);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, modifiers);
    QApplication::sendEvent(widget, &release);
}

TestScreen::TestScreen(ScreenHost& host, QWidget* parent, DeclarationSlot& slot, QString name)
    : TThinkingFrame(host, parent, slot) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    edit = new TMaskedEdit(this);
    edit->setObjectName(QStringLiteral("meTest"));
    edit->SetupText(20);
    layout->addWidget(edit);
    // Creating a screen fills its controls: that must not count as a change by the user.
    edit->setText(QStringLiteral("x"));
    edit->clear();
    WatchControls();
}

uint16_t TestScreen::CheckScreen() {
    ScreenCheckRun run(Host().Ui(), this, objectName());
    run.Problem(edit->text().isEmpty(), QStringLiteral("Пустое поле"), 7);
    return run.Result();
}

TestContainer::TestContainer(ScreenHost& host, QWidget* parent, DeclarationSlot& slot)
    : TContainerFrame(host, parent, slot) {
    setObjectName(QStringLiteral("container"));
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("sub%1").arg(i);
        AddSubScreen(QStringLiteral("fbSub%1").arg(i), name,
                     [name](ScreenHost& h, QWidget* p, DeclarationSlot& s) { return new TestScreen(h, p, s, name); });
    }
    ShowInitialSubScreen();
}

ScreenCatalog FullTestCatalog() {
    ScreenCatalog catalog = ScreenCatalog::Standard();
    const std::pair<ScreenId, const char*> screens[] = {{ScreenId::PersonInfo, "person"},
                                                        {ScreenId::BusinessIncome, "business"},
                                                        {ScreenId::ForeignIncome, "foreign"},
                                                        {ScreenId::InvestTov, "invest"}};
    for (auto [id, name] : screens) {
        const QString n = QString::fromLatin1(name);
        catalog.Register(id, [n](ScreenHost& h, QWidget* p, DeclarationSlot& s) { return new TestScreen(h, p, s, n); });
    }
    for (ScreenId id : {ScreenId::RussianIncome, ScreenId::Deduction})
        catalog.Register(id, [](ScreenHost& h, QWidget* p, DeclarationSlot& s) { return new TestContainer(h, p, s); });
    return catalog;
}

ProgramFolder::ProgramFolder() {
    QDir(m_dir.path()).mkdir(QStringLiteral("help"));
}

void ProgramFolder::AddHelp() {
    for (const char* page : {"runprogramm.htm", "EditSOUN.htm", "Screens.htm", "Commands.htm"})
        QFile::copy(QStringLiteral(ZIZAZA_SOURCE_DIR "/help/") + QLatin1String(page),
                    Path() + QStringLiteral("help/") + QLatin1String(page));
}

void ProgramFolder::AddInspections() {
    Write(
        QStringLiteral("InspectionNumbers.xml"),
        QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Inspections Version=\"00\" Date=\"01.01.2018\">"
                          "<Inspection Code=\"0101\">Инспекция 0101</Inspection>"
                          "<Inspection Code=\"0102\">Инспекция 0102</Inspection>"
                          "<Inspection Code=\"5001\">Инспекция 5001</Inspection>"
                          "<Inspection Code=\"7700\">Управление по г. Москве</Inspection>"
                          "<Inspection Code=\"7701\">Инспекция № 1 по г. Москве</Inspection>"
                          "<Inspection Code=\"7712\">Инспекция № 12 по г. Москве</Inspection>"
                          "</Inspections>"));
}

void ProgramFolder::Write(const QString& name, const QByteArray& bytes) const {
    QFile file(Path() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList ShownColumn(const QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (!list->topLevelItem(i)->isHidden())
            texts << list->topLevelItem(i)->text(column);
    return texts;
}

void MainWindowTest::SetUp() {
    App();
    QSettings(AppSettings::kOrganization, AppSettings::kApplication).clear();
    folder.AddHelp();
    folder.AddInspections();
}

void MainWindowTest::TearDown() {
    window.reset();
    EXPECT_TRUE(ui.NothingPending()) << "scripted answers left over";
}

TFormMain& MainWindowTest::Start(QStringList arguments, bool fullCatalog) {
    window.reset();
    MainWindowOptions options;
    options.arguments = std::move(arguments);
    options.programFolder = folder.Path();
    options.ui = &ui;
    options.printModule = printModule;
    if (fullCatalog)
        options.screens = FullTestCatalog();
    window = std::make_unique<TFormMain>(options);
    return *window;
}

QString MainWindowTest::CleanDeclaration(const QString& name) {
    mTDeclaration doc;
    doc.InspectionCode = "7701";
    doc.InspectionName = "Инспекция № 1 по г. Москве";
    doc.Person.Name.Surname = "Иванов";
    doc.Person.Name.FirstName = "Иван";
    doc.Person.Name.Inn = ValidPersonInn("7701234567");
    doc.Person.Address.Oktmo = "45382000";
    const QString path = files.path() + QLatin1Char('/') + name;
    doc.Save(path.toStdString());
    return path;
}

std::string ValidPersonInn(const std::string& first10) {
    auto digit = [](const std::string& s, std::initializer_list<int> weights) {
        int sum = 0, i = 0;
        for (int w : weights)
            sum += w * (s[i++] - '0');
        return static_cast<char>('0' + sum % 11 % 10);
    };
    std::string inn = first10;
    inn += digit(inn, {7, 2, 4, 10, 3, 5, 9, 4, 6, 8});
    inn += digit(inn, {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8});
    return inn;
}

void MainWindowTest::Restart(QStringList arguments) {
    Start(std::move(arguments));
}

mTDeclaration MainWindowTest::ScreenDeclaration(uint16_t incomeFlags, DeclarationForm form) {
    mTDeclaration doc;
    doc.InspectionCode = "7701";
    doc.DeclarationForm = form;
    doc.SetIncomeFlags(incomeFlags);
    return doc;
}

QString MainWindowTest::OpenDeclaration(const mTDeclaration& doc, const QString& name) {
    const QString path = files.path() + QLatin1Char('/') + name;
    doc.Save(path.toStdString());
    Start({path}, false);
    return path;
}

QString MainWindowTest::SavedDeclaration(const QString& name, const std::string& inspection, uint16_t flags) {
    mTDeclaration doc;
    doc.InspectionCode = inspection;
    doc.SetIncomeFlags(flags);
    const QString path = files.path() + QLatin1Char('/') + name;
    doc.Save(path.toStdString());
    return path;
}

}  // namespace zizaza::test
