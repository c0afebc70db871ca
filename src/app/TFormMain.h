#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/TfmHelp.h"
#include "checks/NavigationCode.h"
#include "dictionaries/CodeList.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/Okved.h"
#include "dictionaries/ui/TfmGrazhd.h"
#include "filing/FiledDeclaration.h"
#include "model/DocumentHistory.h"
#include "print/PrintModuleInterface.h"
#include "screens/ScreenCatalog.h"
#include "screens/ScreenSwitcher.h"
#include "ui/ScreenHost.h"

class QAction;
class QTimer;
class QScrollArea;
class QToolBar;

class QLabel;

namespace zizaza {

class QtUserInterface;
class RecoveryStore;
class ScreenSwitcher;
class TFlashButton;
class TThinkingFrame;
class TfmHelp;

// How the main window starts: the command line, where the program's folder is, and, for tests,
// the interface that answers dialogs and the screens the window offers.
struct MainWindowOptions {
    QStringList arguments;                 // without the program's own name
    QString programFolder;                 // empty: the folder of the executable
    UserInterface* ui = nullptr;           // nullptr: the real dialogs
    std::optional<ScreenCatalog> screens;  // none: the program's screens
    // Creates the print module for one preview or print command (nullptr: it cannot be
    // created); empty: the plug-in beside the program.
    std::function<std::unique_ptr<IPrintModule>()> printModule;
    // Where recovery copies of unsaved declarations go; empty: the user's data folder.
    QString recoveryFolder;
};

// The main window: one declaration at a time, its seven screen buttons, the menus and the
// toolbar, the document commands, the loading guard and the saved flag.
class TFormMain : public QMainWindow, public ScreenHost {
    Q_OBJECT
public:
    static const QString kSupportAddress;

    explicit TFormMain(MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~TFormMain() override;

    // An inspections dictionary that cannot be read ends the program after start-up.
    bool TerminationRequested() const { return m_terminate; }

    mTDeclaration& Declaration() const { return *m_doc; }
    QString FileName() const { return m_fileName; }
    // Where the file dialogs start: the declaration's folder (the documents folder for a
    // declaration not saved yet); and the name they propose, without extension.
    QString DocumentFolder() const override;
    QString DocumentBaseName() const;
    bool Saved() const { return m_saved; }
    TThinkingFrame* CurrentScreen() const;
    TFlashButton* CurrentScreenButton() const;
    TFlashButton* ScreenButton(ScreenId id) const { return m_buttons[Index(id)]; }
    // Whether the enabling rules allow the button (its screen may still be missing).
    bool ScreenButtonAllowed(ScreenId id) const { return m_allowed[Index(id)]; }
    const std::vector<CodeName>* Countries() const { return m_countries ? &*m_countries : nullptr; }
    const CurrencyRates* Rates() const override { return m_rates ? &*m_rates : nullptr; }
    const OkvedDict* Okved() const override { return m_okved ? &*m_okved : nullptr; }
    TfmHelp* HelpWindow() const { return m_help; }

    // The commands of the menus and the toolbar.
    void NewDeclaration();
    // "Создать на основе декларации прошлого года...": the save question, last year's XML file,
    // then the report of what is carried over; the new declaration replaces the current one only
    // when the user agrees.
    void NewFromPriorYear();
    void OpenDeclaration();
    void SaveDeclaration();
    void SaveDeclarationAs();
    // The contents of the help.
    void ShowHelp();
    // F1: the help page of the dialog or window in front, else of the current screen.
    void ShowContextHelp();
    QString CurrentHelpTopic() const;
    void ShowAbout();
    // "Проверить": the whole-declaration check, then "Проверка декларации завершена успешно".
    void CheckCommand();
    // Saves the current screen into the document and runs the whole-declaration check:
    // 0 no problem (the command may go on), 1 the user chose "Исправить" and the screen of the
    // problem is open at its item, 2 problems were shown and not fixed (or the check failed).
    CheckOutcome RunDeclarationCheck();
    // "Экспорт в xml": the check, the folder picker, the XML file written into the folder and
    // its result told to the user.
    void ExportDeclaration();
    // "Просмотр" and "Печать": the check, then the declaration's XML text handed to the print
    // module, which shows it in its preview window or prints it once per copy.
    enum class PrintMode { Preview, Print };
    void PrintOrPreview(PrintMode mode);
    // The print module, or nothing after telling the user it is missing.
    std::unique_ptr<IPrintModule> PrintModuleOrTell();
    // "Расчет налога": the check as for preview, then the calculation report in a window of its own.
    void ShowTaxReport();
    // "Заявление на возврат налога...": the check, the bank details, then the applications for the
    // refund lines of section 1 in the print module's preview (printed or saved as PDF from there).
    void RefundApplicationCommand();
    // Whether section 1 of the declaration as it stands gives tax back.
    bool HasRefundLines() const;
    // "Уточненная декларация...": the check, the filed declaration (the last export of this file is
    // proposed), the correction number that follows it, then what changed in a window of its own.
    void CorrectionCommand();
    // What a screen button does (the switch protocol).
    void PressScreenButton(ScreenId id);
    // Opens the screen of a navigation code of the whole-declaration check at its item.
    void Navigate(uint32_t code);

    // "Правка": the last user action taken back or done again, with its screen shown.
    void Undo();
    void Redo();
    const DocumentHistory& History() const { return m_history; }
    // At start-up: offers the recovery copies that sessions which did not end normally left.
    void OfferRecovery();
    // Writes the recovery copy of the unsaved declaration now (the timer does it every minute).
    void WriteRecoveryCopy();
    const RecoveryStore& Recovery() const { return *m_recovery; }

    // ScreenHost
    UserInterface& Ui() override { return *m_ui; }
    void DocumentChanged() override;
    void StepDone(const UserStep& step) override;
    void DialogConfirmed(const QString& caption) override;
    void FinishEdits() override;
    void BeginLoading() override { ++m_loading; }
    void EndLoading() override { --m_loading; }
    bool IsLoading() const override { return m_loading > 0; }
    void SetScreenButtonEnabled(ScreenId id, bool enabled) override;
    bool IsScreenButtonEnabled(ScreenId id) const override;
    TfmInputInspectionNumber* InspectionsPicker() override { return m_inspections.get(); }
    TfmGrazhd* CountriesPicker() override { return m_grazhd.get(); }
    QString ProgramFolder() const override { return m_programFolder; }
    void ShowHelpTopic(const QString& page) override;
    QWidget* DialogParent() override { return this; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Ctrl+Z and its kin belong to the declaration, also while a field of a screen has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr size_t Index(ScreenId id) { return static_cast<size_t>(id); }

    // Construction (TFormMain.cpp).
    void BuildScreenButtons(QWidget* panel);
    void BuildMenus();
    // Runs a command of the menus, the toolbar or the screen buttons: whatever it raises is told to
    // the user as a message and never ends the program.
    void RunCommand(const std::function<void()>& command);
    auto Guarded(void (TFormMain::*command)()) {
        return [this, command] { RunCommand([this, command] { (this->*command)(); }); };
    }
    void BuildToolbar();
    void ApplyToolbarShown(bool shown);
    void ApplyTextLabels(bool labels);
    void LoadDictionaries();
    template <typename T, typename Load>
    void LoadOptional(const char* fileName, std::optional<T>& target, Load load);
    void ApplyButtonRules();
    // The title names the file and marks unsaved changes with "*".
    void SetTitle();
    void SetSaved(bool saved);

    // Documents (TFormMainCommands.cpp).
    enum class Decision { Proceed, Stop };
    Decision SaveIfWanted();
    // Saves into the file; a failure is told with the offer to save elsewhere, and the name then
    // chosen comes back in fileName.
    bool WriteDeclaration(QString& fileName);
    // Loads a file into a new document; on failure reports it and prepares a fresh one.
    void LoadOrFresh(const QString& fileName);
    // The declaration of a file, or nullptr after its failure was told.
    DeclarationSlot ReadDeclarationFile(const QString& fileName);
    // Makes a declaration just read the current one, under the name of its file.
    void TakeLoaded(DeclarationSlot doc, const QString& fileName);
    void PrepareFresh();
    void ShowInitialScreen();
    QString AskSaveName();
    ScreenMaker MakerFor(ScreenId id);
    // Shows a screen (and sub-screen) of the program, as navigation does.
    TThinkingFrame* ShowScreen(ScreenId id, int subScreen);

    // After the declaration (TFormMainFiling.cpp): what its export says, read back; nullopt after
    // the failure was shown.
    std::optional<FiledDeclaration> ExportedFacts();
    // After an export: its file kept in the user's data folder for a later correction.
    void KeepExportCopy(const QString& exportedFile);

    // Undo history and recovery copies (TFormMainHistory.cpp).
    void BuildEditMenu();
    void UpdateEditActions();
    // The document as the user sees it: the current screen saved into a copy of it, its bytes.
    std::string Snapshot();
    // The declaration was replaced (New, Open, recovery): a history of its one state.
    void ResetHistory(bool saved);
    void RecordStep(const QString& name, const UserStep* step, QWidget* focus);
    QString ScreenStepName() const;
    DocumentPlace PlaceNow(const UserStep* step, QWidget* focus) const;
    void MoveInHistory(bool back);
    void Restore(const std::string& bytes, const DocumentPlace& place);
    void ShowPlace(const DocumentPlace& place);
    void OnFocusChanged(QWidget* old);
    void CommitWhenIdle();
    // The declaration is on disk as it stands (saved), or was given up: no copy is needed.
    void DropRecoveryCopy();
    bool RecoverFrom(const QString& copy, const QString& originalName, bool originalChanged);

    std::unique_ptr<QtUserInterface> m_ownUi;
    UserInterface* m_ui = nullptr;
    ScreenCatalog m_catalog;
    DeclarationSlot m_doc;
    std::unique_ptr<ScreenSwitcher> m_switcher;
    int m_loading = 0;
    bool m_saved = true;
    bool m_terminate = false;
    QString m_fileName;
    // A recovered declaration's file that was written after its copy was made (or that the copy
    // names without proof): Save asks where to save rather than replace it.
    QString m_unconfirmedName;
    // Shown in the status line while recovery copies fail, hidden while they are written.
    QPointer<QLabel> m_recoveryProblem;
    // Shown in the status line from a recovery until the declaration is saved or replaced.
    QLabel* m_recovered = nullptr;
    // The file just loaded was of an earlier edition: the declaration starts unsaved.
    bool m_loadedUnsaved = false;
    // The name Save writes to without asking; empty when it must ask.
    QString SaveNameWithoutAsking() const { return m_fileName == m_unconfirmedName ? QString() : m_fileName; }
    QString m_programFolder;
    std::function<std::unique_ptr<IPrintModule>()> m_printModule;

    DocumentHistory m_history;
    bool m_editsPending = false;
    bool m_idleCommitQueued = false;
    QString m_confirmedDialog;
    QAction* m_actUndo = nullptr;
    QAction* m_actRedo = nullptr;
    QTimer* m_autosave = nullptr;
    std::unique_ptr<RecoveryStore> m_recovery;

    std::array<TFlashButton*, kScreenCount> m_buttons{};
    std::array<bool, kScreenCount> m_allowed{};
    QScrollArea* m_scroll = nullptr;
    QWidget* m_screenArea = nullptr;
    QToolBar* m_toolbar = nullptr;
    QAction* m_actStdToolbar = nullptr;
    QAction* m_actTextLabels = nullptr;
    std::vector<QAction*> m_toolbarActions;

    std::unique_ptr<TfmInputInspectionNumber> m_inspections;
    std::unique_ptr<TfmGrazhd> m_grazhd;  // built once from the countries dictionary, reused
    std::optional<std::vector<CodeName>> m_countries;
    std::optional<CurrencyRates> m_rates;
    std::optional<OkvedDict> m_okved;
    QPointer<TfmHelp> m_help;  // may live under a modal dialog for a while
};

}  // namespace zizaza
