#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

#include "app/TFormMain.h"
#include "app/TfmAbout.h"
#include "app/TfmHelp.h"
#include "carryover/CarryOverError.h"
#include "carryover/PriorYearCarry.h"
#include "checks/DeclarationCheck.h"
#include "checks/NavigationCode.h"
#include "checks/ui/TfmCheckAllError.h"
#include "model/DeclarationBytes.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenSwitcher.h"
#include "screens/TThinkingFrame.h"
#include "screens/controls/TFlashButton.h"
#include "storage/StorageErrors.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

const QString kBadFormat =
    QString::fromUtf8(storage_messages::kBadFormat.data(), static_cast<qsizetype>(storage_messages::kBadFormat.size()));

// Save and the save question give the file this edition's extension: a name whose last
// character is not "7" gets "7" in its place (".tv6" becomes ".tv7").
QString Normalized(QString fileName) {
    if (!fileName.isEmpty() && !fileName.endsWith(QLatin1Char('7')))
        fileName.back() = QLatin1Char('7');
    return fileName;
}

// What a failed save tells: the file could not be written, and why. The storage speaks of
// reading for a file it could not open at all, and names the read-only mark in English.
// The storage's messages name the read-only mark in English; the user reads it in Russian.
QString InRussian(QString text) {
    return text.replace(QStringLiteral("'read only'"), QStringLiteral("«только для чтения»"));
}

QString SaveFailureText(const QString& fileName, const std::exception& e) {
    const QString what = InRussian(QString::fromStdString(e.what()));
    const auto* storage = dynamic_cast<const mEPrivBase*>(&e);
    const bool notOpened = storage && (storage->ErrorNumber() == 20 || storage->ErrorNumber() == 21);
    if (!notOpened && what.startsWith(QStringLiteral("Ошибка записи")))
        return what;
    QString reason = what;
    if (notOpened) {
        const qsizetype line = what.indexOf(QLatin1Char('\n'));
        reason = line < 0 ? QStringLiteral("Возможно, файл занят другой программой или защищен от записи.")
                          : what.mid(line + 1);
    }
    return QStringLiteral("Ошибка записи файла: %1\n%2").arg(QDir::toNativeSeparators(fileName), reason);
}

FileDialogRequest OpenRequest(const QString& folder) {
    FileDialogRequest r;
    r.title = QStringLiteral("Открыть декларацию");
    r.folder = folder;
    r.defaultSuffix = QStringLiteral("tv7");
    r.types = {{QStringLiteral("Zizaza 2017"), QStringLiteral("*.tv7")},
               {QStringLiteral("Тавола 2016"), QStringLiteral("*.tv6")},
               {QStringLiteral("Тавола 2015"), QStringLiteral("*.tv5")},
               {QStringLiteral("Тавола 2014"), QStringLiteral("*.tv4")},
               {QStringLiteral("Тавола 2013"), QStringLiteral("*.tv3")},
               {QStringLiteral("Тавола 2012"), QStringLiteral("*.tv2")},
               {QStringLiteral("Тавола 2011"), QStringLiteral("*.tv1")},
               {QStringLiteral("Тавола 2010"), QStringLiteral("*.tv0")},
               {QStringLiteral("Тавола 2009"), QStringLiteral("*.tv9")},
               {QStringLiteral("Тавола 2008"), QStringLiteral("*.tv8")},
               {QStringLiteral("Тавола 200*"), QStringLiteral("*.tvl")}};
    return r;
}

FileDialogRequest SaveRequest(const QString& folder, const QString& baseName) {
    FileDialogRequest r;
    r.title = QStringLiteral("Сохранить декларацию как");
    r.folder = folder;
    r.name = baseName + QStringLiteral(".tv7");
    r.defaultSuffix = QStringLiteral("tv7");
    r.types = {{QStringLiteral("Zizaza 2017 *.tv7"), QStringLiteral("*.tv7")}};
    return r;
}

}  // namespace

QString TFormMain::DocumentFolder() const {
    if (!m_fileName.isEmpty())
        return QFileInfo(m_fileName).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString TFormMain::DocumentBaseName() const {
    if (!m_fileName.isEmpty())
        return QFileInfo(m_fileName).completeBaseName();
    const QString surname = QString::fromStdString(m_doc->Person.Name.Surname).trimmed();
    const QString year = QString::number(kTaxYear);
    return surname.isEmpty() ? QStringLiteral("3-НДФЛ %1").arg(year)
                             : QStringLiteral("3-НДФЛ %1 %2").arg(surname, year);
}

ScreenMaker TFormMain::MakerFor(ScreenId id) {
    return [this, id](QWidget* area) { return m_catalog.Find(id)(*this, area, m_doc); };
}

void TFormMain::PressScreenButton(ScreenId id) {
    TFlashButton* button = ScreenButton(id);
    if (!m_catalog.Has(id)) {
        if (CurrentScreenButton())
            CurrentScreenButton()->SetDown(true);
        return;
    }
    const bool listFirst = id == ScreenId::RussianIncome || id == ScreenId::ForeignIncome ||
                           id == ScreenId::BusinessIncome || id == ScreenId::InvestTov;
    m_switcher->Switch(static_cast<int>(id), button, MakerFor(id), listFirst);
}

void TFormMain::ShowInitialScreen() {
    // The initial data screen applies its own rules to the buttons as it shows the choices of
    // the declaration (a 4-NDFL clears and locks the income ticks): the shell's come first, so
    // the buttons match the ticks.
    ApplyButtonRules();
    m_switcher->Replace(static_cast<int>(ScreenId::InitialData), ScreenButton(ScreenId::InitialData),
                        MakerFor(ScreenId::InitialData));
}

void TFormMain::PrepareFresh() {
    m_doc = NewShellDeclaration();
    m_fileName.clear();
    m_unconfirmedName.clear();
}

DeclarationSlot TFormMain::ReadDeclarationFile(const QString& fileName) {
    auto doc = std::make_unique<mTDeclaration>();
    QString message;
    try {
        doc->Load(fileName.toStdString());
        return doc;
    } catch (const mEBadStorage& e) {
        message = QString::fromStdString(e.what());
    } catch (const mEMemoryAllocate& e) {
        message = QString::fromStdString(e.what());
    } catch (const std::exception&) {
        // A conversion error, a missing stream or anything else: the file is not usable, and
        // nothing of it is kept.
        message = kBadFormat;
    }
    m_ui->Error(InRussian(message));
    return nullptr;
}

void TFormMain::TakeLoaded(DeclarationSlot doc, const QString& fileName) {
    m_doc = std::move(doc);
    // Kept whole: a recovery copy made under this name is saved from any working folder.
    m_fileName = QFileInfo(fileName).absoluteFilePath();
    m_unconfirmedName.clear();
    if (IsEarlierEditionFile(fileName.toStdString())) {
        // Only the personal data were taken: saving that over the old file would lose the rest
        // of it, so the declaration is a new one, saved under a name the user gives.
        m_ui->Inform(QStringLiteral("Файл %1 записан предыдущей версией программы: из него взяты только "
                                    "сведения о декларанте. Декларация открыта как новая, при сохранении "
                                    "укажите имя файла.")
                         .arg(QDir::toNativeSeparators(fileName)));
        m_fileName.clear();
        m_loadedUnsaved = true;
    }
}

void TFormMain::LoadOrFresh(const QString& fileName) {
    if (DeclarationSlot doc = ReadDeclarationFile(fileName))
        TakeLoaded(std::move(doc), fileName);
    else
        PrepareFresh();
}

QString TFormMain::AskSaveName() {
    return m_ui->ChooseSaveFile(SaveRequest(DocumentFolder(), DocumentBaseName()));
}

bool TFormMain::WriteDeclaration(QString& fileName) {
    QString failure;
    try {
        FinishEdits();
        if (TThinkingFrame* screen = CurrentScreen())
            screen->SaveToDocument();
        m_doc->Save(fileName.toStdString());
        m_history.MarkSaved();
        DropRecoveryCopy();
        m_unconfirmedName.clear();
        return true;
    } catch (const std::exception& e) {
        failure = SaveFailureText(fileName, e);
    }
    // Nothing is lost yet: the user may put the declaration somewhere it can be written.
    if (m_ui->Choose(failure + QStringLiteral("\n\nСохранить декларацию в другой файл?"),
                     QStringLiteral("Сохранить как..."), QStringLiteral("Отмена"), QString()) != 0)
        return false;
    QString other = AskSaveName();
    if (other.isEmpty() || !WriteDeclaration(other))
        return false;
    fileName = other;
    return true;
}

TFormMain::Decision TFormMain::SaveIfWanted() {
    if (m_saved)
        return Decision::Proceed;
    switch (m_ui->Ask(QStringLiteral("Вы хотите сохранить декларацию?"))) {
        case UserInterface::Answer::Cancel:
            return Decision::Stop;
        case UserInterface::Answer::No:
            return Decision::Proceed;
        case UserInterface::Answer::Yes:
            break;
    }
    QString name = SaveNameWithoutAsking().isEmpty() ? AskSaveName() : Normalized(m_fileName);
    // The user wanted to keep the changes: without a file for them the command does not go on.
    if (name.isEmpty())
        return Decision::Stop;
    if (!WriteDeclaration(name))
        return Decision::Stop;
    m_fileName = name;
    SetTitle();
    SetSaved(true);
    return Decision::Proceed;
}

void TFormMain::NewDeclaration() {
    if (SaveIfWanted() == Decision::Stop)
        return;
    DropRecoveryCopy();
    m_switcher->Clear();
    PrepareFresh();
    ShowInitialScreen();
    SetSaved(true);
    SetTitle();
    ResetHistory(true);
}

void TFormMain::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        m_ui->Error(QStringLiteral("Команда не выполнена: ") + QString::fromStdString(e.what()));
    }
}

void TFormMain::NewFromPriorYear() {
    if (SaveIfWanted() == Decision::Stop)
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Создать на основе декларации прошлого года: выберите файл XML");
    request.folder = DocumentFolder();
    request.types = {{QStringLiteral("Декларация 3-НДФЛ в формате налоговой службы"), QStringLiteral("*.xml")}};
    const QString chosen = m_ui->ChooseOpenFile(request);
    if (chosen.isEmpty())
        return;
    CarriedDeclaration carried;
    try {
        carried = StartFromPriorYear(chosen.toStdString(), m_programFolder.toStdString(), Date::Today());
    } catch (const std::exception& e) {
        m_ui->Error(QStringLiteral("Декларацию прошлого года перенести не удалось: ") +
                    QString::fromStdString(e.what()));
        return;
    }
    const QString report = QString::fromStdString(carried.report.Text());
    if (m_ui->Ask(report + QStringLiteral("\nСоздать новую декларацию с этими данными?"), false) !=
        UserInterface::Answer::Yes)
        return;
    DropRecoveryCopy();
    m_switcher->Clear();
    m_doc = std::move(carried.declaration);
    m_fileName.clear();
    m_unconfirmedName.clear();
    ShowInitialScreen();
    // The carried data exists nowhere else yet: leaving it asks to save it.
    SetSaved(false);
    SetTitle();
    ResetHistory(false);
}

void TFormMain::OpenDeclaration() {
    if (SaveIfWanted() == Decision::Stop)
        return;
    // The declaration shown, its recovery copy and its history stay until another one is loaded:
    // a cancelled dialog or a file that cannot be read loses nothing.
    const QString chosen = m_ui->ChooseOpenFile(OpenRequest(DocumentFolder()));
    if (chosen.isEmpty())
        return;
    DeclarationSlot doc = ReadDeclarationFile(chosen);
    if (!doc)
        return;
    DropRecoveryCopy();
    m_switcher->Clear();
    TakeLoaded(std::move(doc), chosen);
    SetTitle();
    ShowInitialScreen();
    SetSaved(!std::exchange(m_loadedUnsaved, false));
    ResetHistory(m_saved);
}

void TFormMain::SaveDeclaration() {
    QString name = SaveNameWithoutAsking();
    if (name.isEmpty()) {
        name = AskSaveName();
        if (name.isEmpty())
            return;
    }
    name = Normalized(name);
    // A failed save keeps the title, the saved flag and the name the declaration had.
    if (!WriteDeclaration(name))
        return;
    m_fileName = name;
    SetTitle();
    SetSaved(true);
}

void TFormMain::SaveDeclarationAs() {
    QString name = AskSaveName();
    if (name.isEmpty() || !WriteDeclaration(name))
        return;
    m_fileName = name;
    SetTitle();
    SetSaved(true);
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (SaveIfWanted() == Decision::Stop) {
        event->ignore();
        return;
    }
    if (m_help)
        m_help->close();
    // A normal end: the declaration was saved or the user gave its changes up.
    DropRecoveryCopy();
    event->accept();
}

void TFormMain::Navigate(uint32_t code) {
    if (DecideCheckOutcome(code) != CheckOutcome::FixRequested)
        return;
    const NavigationTarget target = ResolveNavigation(code);
    ScreenId id;
    switch (target.screen) {
        case kScreenInitialData:
            id = ScreenId::InitialData;
            break;
        case kScreenPerson:
        case kScreenPersonAlias:
            id = ScreenId::PersonInfo;
            break;
        case kScreenRussianIncome13:
        case kScreenRussianIncomeDividends:
        case kScreenRussianIncome35:
        case kScreenRussianIncomeNonResident13:
        case kScreenRussianIncome9:
            id = ScreenId::RussianIncome;
            break;
        case kScreenCurrencyIncome:
            id = ScreenId::ForeignIncome;
            break;
        case kScreenBusinessIncome:
            id = ScreenId::BusinessIncome;
            break;
        case kScreenStandardDeductions:
        case kScreenSocialDeductions:
        case kScreenPropertyDeductions:
            id = ScreenId::Deduction;
            break;
        case kScreenInvestPartnership:
            id = ScreenId::InvestTov;
            break;
        default:
            return;
    }
    if (!m_catalog.Has(id))
        return;
    const bool container = target.container != NavigationTarget::Container::None;
    if (TThinkingFrame* screen = ShowScreen(id, container ? target.subScreen : -1))
        screen->FocusItem(target.item);
}

TThinkingFrame* TFormMain::ShowScreen(ScreenId id, int subScreen) {
    TThinkingFrame* screen = CurrentScreen();
    if (!screen || m_switcher->CurrentKind() != static_cast<int>(id))
        screen = m_switcher->Replace(static_cast<int>(id), ScreenButton(id), MakerFor(id));
    else
        ScreenButton(id)->SetDown(true);
    return subScreen >= 0 ? screen->ShowSubScreen(subScreen) : screen;
}

CheckOutcome TFormMain::RunDeclarationCheck() {
    uint32_t code = 0;
    try {
        FinishEdits();
        if (TThinkingFrame* screen = CurrentScreen())
            screen->SaveToDocument();
        TfmCheckAllError dialog(*m_ui, this);
        code = CheckDeclaration(*m_doc, dialog);
    } catch (const std::exception& e) {
        m_ui->Error(QString::fromStdString(e.what()));
        return CheckOutcome::GaveUp;
    }
    const CheckOutcome outcome = DecideCheckOutcome(code);
    if (outcome == CheckOutcome::FixRequested)
        Navigate(code);
    return outcome;
}

void TFormMain::CheckCommand() {
    if (RunDeclarationCheck() == CheckOutcome::Passed)
        m_ui->Inform(QStringLiteral("Проверка декларации завершена успешно"));
}

void TFormMain::ShowHelpTopic(const QString& page) {
    // "page.htm#part" opens the page at that part.
    const QString file = page.section(QLatin1Char('#'), 0, 0), part = page.section(QLatin1Char('#'), 1);
    const QString path = m_programFolder + QStringLiteral("help/") + file;
    if (!QFileInfo::exists(path)) {
        m_ui->Error(QStringLiteral("Не найден файл справки Tavo2017.chm"));
        return;
    }
    if (!m_help)
        m_help = new TfmHelp(this);
    m_help->ShowPage(path, part);
}

QString TFormMain::CurrentHelpTopic() const {
    // The windows and dialogs with a topic of their own, by object name.
    static const struct {
        const char* window;
        const char* topic;
    } kWindowTopics[] = {
        {"fmInputInspectionNumber", "Screens.htm#inspections"},
        {"fmLoadSoun", "EditSOUN.htm"},
        {"TfmTaxReport", "Commands.htm#report"},
        {"TfmDeclarationChanges", "runprogramm.htm#after"},
        {"TfmRefundBank", "runprogramm.htm#after"},
        {"PreviewWindow", "Commands.htm#print"},
        {"fmForeignImport", "ForeignIncomes.htm#import"},
    };
    // The screens, in the order of their buttons.
    static const char* const kScreenTopics[kScreenCount] = {
        "Screens.htm#initial", "Screens.htm#person",     "Screens.htm#russian",      "Screens.htm#business",
        "Screens.htm#foreign", "Screens.htm#deductions", "Screens.htm#partnerships",
    };
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = QApplication::activeWindow();
    for (const QWidget* w = front; w; w = w->parentWidget())
        for (const auto& t : kWindowTopics)
            if (w->objectName() == QLatin1String(t.window))
                return QString::fromLatin1(t.topic);
    if (const TFlashButton* current = CurrentScreenButton())
        for (int i = 0; i < kScreenCount; ++i)
            if (ScreenButton(static_cast<ScreenId>(i)) == current)
                return QString::fromLatin1(kScreenTopics[i]);
    return QStringLiteral("runprogramm.htm");
}

void TFormMain::ShowHelp() {
    ShowHelpTopic(QStringLiteral("runprogramm.htm"));
}

void TFormMain::ShowContextHelp() {
    ShowHelpTopic(CurrentHelpTopic());
}

void TFormMain::ShowAbout() {
    TfmAbout about(*m_ui, this);
    m_ui->RunModal(about);
}

}  // namespace zizaza
