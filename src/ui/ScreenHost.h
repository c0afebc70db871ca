#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace zizaza {

class UserInterface;
class TfmInputInspectionNumber;
class TfmGrazhd;
class mTDeclaration;
class OkvedDict;
class CurrencyRates;

// The shell's variable that holds the current declaration. Screens keep a reference to the
// slot, not to the document, so a document replaced by New or Open is seen at once.
using DeclarationSlot = std::unique_ptr<mTDeclaration>;

// The main window's screen buttons, in their order in the window.
enum class ScreenId {
    InitialData,
    PersonInfo,
    RussianIncome,
    BusinessIncome,
    ForeignIncome,
    Deduction,
    InvestTov,
};
inline constexpr int kScreenCount = 7;

// One user action that the undo history keeps as a step of its own.
struct UserStep {
    QString name;             // "удаление источника «ООО Ромашка»"
    QWidget* list = nullptr;  // the list whose record is shown again when the step is undone
    int record = -1;          // 0-based; -1: the list's selection as it is
    bool removal = false;     // a deletion: the status line tells how to bring it back
};

// What a screen may ask of the window that shows it.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;

    virtual UserInterface& Ui() = 0;
    // The user changed something on a screen. Ignored while the loading guard is set.
    virtual void DocumentChanged() = 0;
    // The loading guard: set while screens are created or refill their controls.
    virtual void BeginLoading() = 0;
    virtual void EndLoading() = 0;
    virtual bool IsLoading() const = 0;

    // The undo history, for hosts that keep one. A user action is finished: the document as it
    // now stands is one step.
    virtual void StepDone(const UserStep& step) { (void)step; }
    // A dialog of a screen was confirmed; what it changed becomes a step once its caller is done.
    virtual void DialogConfirmed(const QString& caption) { (void)caption; }
    // What was typed so far becomes a step of its own (before another screen is shown).
    virtual void FinishEdits() {}

    // The screen buttons; a button whose screen is not part of the program stays disabled.
    virtual void SetScreenButtonEnabled(ScreenId id, bool enabled) = 0;
    virtual bool IsScreenButtonEnabled(ScreenId id) const = 0;

    // The inspections picker built at start-up; nullptr without the inspections dictionary.
    virtual TfmInputInspectionNumber* InspectionsPicker() = 0;
    // The countries picker built at start-up; nullptr without the countries dictionary, and
    // for hosts that offer no country choice.
    virtual TfmGrazhd* CountriesPicker() { return nullptr; }
    // The activity-code dictionary loaded at start-up; nullptr without it, and for hosts that
    // offer no activity-code choice.
    virtual const OkvedDict* Okved() const { return nullptr; }
    // The currencies with their rates loaded at start-up; nullptr without them, and for hosts
    // that offer no currency choice.
    virtual const CurrencyRates* Rates() const { return nullptr; }
    // The program's folder, with a trailing separator.
    virtual QString ProgramFolder() const = 0;
    // Where the screens' file dialogs start: the declaration's folder (the documents folder for a
    // declaration not saved yet); empty for hosts without a document file.
    virtual QString DocumentFolder() const { return {}; }
    // Opens the help window at a page of the program's help ("runprogramm.htm").
    virtual void ShowHelpTopic(const QString& page) = 0;
    // The window that dialogs of the screens belong to.
    virtual QWidget* DialogParent() = 0;
};

// Sets the loading guard for the lifetime of the object.
class LoadingGuard {
public:
    explicit LoadingGuard(ScreenHost& host) : m_host(host) { m_host.BeginLoading(); }
    ~LoadingGuard() { m_host.EndLoading(); }
    LoadingGuard(const LoadingGuard&) = delete;
    LoadingGuard& operator=(const LoadingGuard&) = delete;

private:
    ScreenHost& m_host;
};

}  // namespace zizaza
