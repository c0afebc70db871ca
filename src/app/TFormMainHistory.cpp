// The main window's undo history and recovery copies: every user action is a snapshot of the
// document; undo and redo put a snapshot back and show the screen where the action was made.
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <utility>

#include "app/QtUserInterface.h"
#include "app/RecoveryStore.h"
#include "app/TFormMain.h"
#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"
#include "screens/TContainerFrame.h"
#include "screens/TThinkingFrame.h"
#include "screens/controls/TFlashButton.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

constexpr int kAutosaveMilliseconds = 60 * 1000;

// Typing goes on while the focus stays in a field of text; the step comes when it leaves.
bool TypingField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

QString Capitalized(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

}  // namespace

void TFormMain::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Правка"));
    edit->setObjectName(QStringLiteral("mnEdit"));
    m_actUndo = new QAction(QStringLiteral("Отменить"), this);
    m_actUndo->setObjectName(QStringLiteral("actUndo"));
    m_actUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_actRedo = new QAction(QStringLiteral("Повторить"), this);
    m_actRedo->setObjectName(QStringLiteral("actRedo"));
    m_actRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* a : {m_actUndo, m_actRedo}) {
        // The document's undo, also while the focus is in a field of a screen.
        a->setShortcutContext(Qt::WindowShortcut);
        edit->addAction(a);
    }
    connect(m_actUndo, &QAction::triggered, this, &TFormMain::Undo);
    connect(m_actRedo, &QAction::triggered, this, &TFormMain::Redo);

    m_autosave = new QTimer(this);
    m_autosave->setInterval(kAutosaveMilliseconds);
    connect(m_autosave, &QTimer::timeout, this, [this] {
        // Not while a dialog of a screen is open: its caller has not finished with the document.
        if (!m_saved && !QApplication::activeModalWidget())
            WriteRecoveryCopy();
    });
    m_autosave->start();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) { OnFocusChanged(old); });
    qApp->installEventFilter(this);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    // F1 in a modal dialog, which blocks the window's own shortcut: the dialog's help.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier && watched->isWidgetType()) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && (modal == watched || modal->isAncestorOf(static_cast<QWidget*>(watched)))) {
            ShowContextHelp();
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        isAncestorOf(static_cast<QWidget*>(watched))) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* a : {m_actUndo, m_actRedo})
            if (a->shortcuts().contains(pressed)) {
                // Not taken by the field's own undo: the window's shortcut runs.
                event->ignore();
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::UpdateEditActions() {
    if (!m_actUndo)
        return;
    const bool undo = m_history.CanUndo();
    const bool redo = m_history.CanRedo();
    m_actUndo->setEnabled(undo);
    m_actRedo->setEnabled(redo);
    m_actUndo->setText(undo ? QStringLiteral("Отменить: ") + QString::fromStdString(m_history.UndoName())
                            : QStringLiteral("Отменить"));
    m_actRedo->setText(redo ? QStringLiteral("Повторить: ") + QString::fromStdString(m_history.RedoName())
                            : QStringLiteral("Повторить"));
}

std::string TFormMain::Snapshot() {
    TThinkingFrame* screen = CurrentScreen();
    if (!screen)
        return SaveDeclarationToBytes(*m_doc);
    // The screen writes its controls into a copy: the document itself takes them when it always
    // did (a save, a switch of screens, a check), so a step changes nothing the user sees.
    DeclarationSlot copy = std::make_unique<mTDeclaration>();
    LoadDeclarationFromBytes(*copy, SaveDeclarationToBytes(*m_doc));
    std::swap(m_doc, copy);
    struct SwapBack {
        DeclarationSlot& a;
        DeclarationSlot& b;
        ~SwapBack() { std::swap(a, b); }
    } swapBack{m_doc, copy};
    LoadingGuard guard(*this);
    screen->SaveToDocument();
    return SaveDeclarationToBytes(*m_doc);
}

void TFormMain::ResetHistory(bool saved) {
    // Another declaration: whatever was said of the recovered one does not hold for it.
    if (m_recovered)
        m_recovered->hide();
    m_editsPending = false;
    m_confirmedDialog.clear();
    m_history.Reset(Snapshot(), saved);
    UpdateEditActions();
}

void TFormMain::DocumentChanged() {
    if (m_loading != 0)
        return;
    SetSaved(false);
    m_editsPending = true;
    if (!m_idleCommitQueued) {
        m_idleCommitQueued = true;
        QTimer::singleShot(0, this, &TFormMain::CommitWhenIdle);
    }
}

void TFormMain::DialogConfirmed(const QString& caption) {
    m_confirmedDialog = caption;
    if (!m_idleCommitQueued) {
        m_idleCommitQueued = true;
        QTimer::singleShot(0, this, &TFormMain::CommitWhenIdle);
    }
}

// A change that did not come with a step of its own (a dictionary choice, a dialog's result
// put into the screen) is one once its handler is done, unless the user is still typing.
void TFormMain::CommitWhenIdle() {
    m_idleCommitQueued = false;
    if (!m_editsPending || m_loading != 0)
        return;
    if (m_confirmedDialog.isEmpty() && TypingField(QApplication::focusWidget()))
        return;
    RecordStep({}, nullptr, nullptr);
}

void TFormMain::OnFocusChanged(QWidget* old) {
    if (m_editsPending && m_loading == 0 && old && isAncestorOf(old))
        RecordStep({}, nullptr, old);
}

void TFormMain::FinishEdits() {
    if (m_editsPending && m_loading == 0)
        RecordStep({}, nullptr, nullptr);
}

void TFormMain::StepDone(const UserStep& step) {
    if (m_loading != 0)
        return;
    RecordStep(step.name, &step, nullptr);
    if (step.removal)
        statusBar()->showMessage(Capitalized(step.name) + QStringLiteral(" выполнено. Вернуть: Ctrl+Z"));
}

QString TFormMain::ScreenStepName() const {
    QString screen = CurrentScreenButton() ? CurrentScreenButton()->text() : QString();
    if (auto* container = qobject_cast<TContainerFrame*>(CurrentScreen()))
        if (TFlashButton* sub = container->SubScreenButton(container->CurrentSubIndex()))
            screen += QStringLiteral(": ") + sub->text();
    return QStringLiteral("ввод данных «%1»").arg(screen);
}

DocumentPlace TFormMain::PlaceNow(const UserStep* step, QWidget* focus) const {
    DocumentPlace place;
    place.screen = m_switcher->CurrentKind();
    TThinkingFrame* shown = CurrentScreen();
    if (auto* container = qobject_cast<TContainerFrame*>(shown)) {
        place.subScreen = container->CurrentSubIndex();
        shown = container->CurrentSubScreen();
    }
    if (!shown)
        return place;
    for (QTreeWidget* view : shown->findChildren<QTreeWidget*>()) {
        const QList<QTreeWidgetItem*> selected = view->selectedItems();
        int row = selected.isEmpty() ? -1 : view->indexOfTopLevelItem(selected.front());
        if (step && step->list == view && step->record >= 0)
            row = step->record;
        place.listRows.push_back(row);
    }
    if (!focus)
        focus = QApplication::focusWidget();
    if (focus && shown->isAncestorOf(focus))
        place.focus = focus->objectName().toStdString();
    return place;
}

void TFormMain::RecordStep(const QString& name, const UserStep* step, QWidget* focus) {
    m_editsPending = false;
    const QString dialog = std::exchange(m_confirmedDialog, QString());
    QString stepName = name;
    if (stepName.isEmpty())
        stepName = dialog.isEmpty() ? ScreenStepName() : QStringLiteral("ввод в окне «%1»").arg(dialog);
    try {
        m_history.Record(Snapshot(), stepName.toStdString(), PlaceNow(step, focus));
    } catch (const std::exception& e) {
        // A document that cannot be written to memory cannot be saved either: the user is told
        // now, while the change is fresh.
        m_ui->Error(QString::fromStdString(e.what()));
    }
    UpdateEditActions();
    // Whatever a dialog or a list command changed is worth a copy at once; typing waits for the
    // timer.
    if (step || !dialog.isEmpty())
        WriteRecoveryCopy();
}

void TFormMain::Undo() {
    MoveInHistory(true);
}

void TFormMain::Redo() {
    MoveInHistory(false);
}

void TFormMain::MoveInHistory(bool back) {
    FinishEdits();
    if (back ? !m_history.CanUndo() : !m_history.CanRedo())
        return;
    DocumentPlace place;
    const std::string& bytes = back ? m_history.Undo(&place) : m_history.Redo(&place);
    Restore(bytes, place);
}

void TFormMain::Restore(const std::string& bytes, const DocumentPlace& place) {
    auto doc = std::make_unique<mTDeclaration>();
    LoadDeclarationFromBytes(*doc, bytes);
    // The screens reach the document through the slot: they go before it is replaced.
    m_switcher->Clear();
    m_doc = std::move(doc);
    ApplyButtonRules();
    ShowPlace(place);
    m_editsPending = false;
    SetSaved(m_history.AtSaved());
    UpdateEditActions();
    statusBar()->clearMessage();
    if (m_saved)
        DropRecoveryCopy();
    else
        WriteRecoveryCopy();
}

void TFormMain::ShowPlace(const DocumentPlace& place) {
    auto id = static_cast<ScreenId>(place.screen);
    const bool known = place.screen >= 0 && place.screen < kScreenCount && m_catalog.Has(id) && m_allowed[Index(id)];
    if (!known) {
        ShowInitialScreen();
        return;
    }
    TThinkingFrame* screen = ShowScreen(id, place.subScreen);
    if (!screen)
        return;
    const QList<QTreeWidget*> views = screen->findChildren<QTreeWidget*>();
    for (qsizetype i = 0; i < views.size() && i < static_cast<qsizetype>(place.listRows.size()); ++i) {
        QTreeWidget* view = views[i];
        const int rows = view->topLevelItemCount();
        const int row = std::min(place.listRows[static_cast<size_t>(i)], rows - 1);
        if (row >= 0) {
            view->setCurrentItem(view->topLevelItem(row));
            view->scrollToItem(view->currentItem());
        }
    }
    const QString focus = QString::fromStdString(place.focus);
    if (QWidget* w = focus.isEmpty() ? nullptr : screen->findChild<QWidget*>(focus))
        w->setFocus();
}

void TFormMain::WriteRecoveryCopy() {
    if (m_saved || !m_recovery)
        return;
    QString why;
    try {
        mTDeclaration shown;
        LoadDeclarationFromBytes(shown, Snapshot());
        if (m_recovery->Write(shown, m_fileName, &why)) {
            if (m_recoveryProblem)
                m_recoveryProblem->hide();
            return;
        }
    } catch (const std::exception& e) {
        why = QString::fromStdString(e.what());
    }
    const QString text = QStringLiteral("Резервная копия не записана: ") + why;
    // Told once in a message, then kept in the status line until a copy is written again.
    if (!m_recoveryProblem) {
        m_recoveryProblem = new QLabel(this);
        m_recoveryProblem->setObjectName(QStringLiteral("lbRecoveryProblem"));
        statusBar()->addPermanentWidget(m_recoveryProblem);
        m_recoveryProblem->hide();
    }
    m_recoveryProblem->setText(text);
    if (m_recoveryProblem->isHidden()) {
        m_recoveryProblem->show();
        m_ui->Error(text);
    }
}

void TFormMain::DropRecoveryCopy() {
    if (m_recovery)
        m_recovery->Remove();
}

void TFormMain::OfferRecovery() {
    std::vector<RecoveryStore::LeftCopy> left = m_recovery->LeftCopies();
    for (RecoveryStore::LeftCopy& copy : left) {
        const QString written = copy.written.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
        // The file named by the copy is shown, name and folder, so that the user confirms what it
        // is a copy of.
        QString question;
        if (copy.originalName.isEmpty()) {
            question = QStringLiteral(
                           "Восстановить несохраненную декларацию от %1?\nДекларация еще не была "
                           "сохранена в файл.")
                           .arg(written);
        } else {
            const QFileInfo original(copy.originalName);
            question = QStringLiteral("Восстановить несохраненную декларацию «%1» от %2?\nПапка: %3")
                           .arg(original.fileName(), written, QDir::toNativeSeparators(original.path()));
            if (copy.OriginalChanged())
                question += QStringLiteral(
                    "\nФайл изменен после записи копии: при сохранении программа спросит, куда сохранить "
                    "декларацию.");
        }
        // "Удалить копию" cannot be taken back: the program's own dialog sets it apart.
        const QString yes = QStringLiteral("Да"), no = QStringLiteral("Нет"), drop = QStringLiteral("Удалить копию");
        const int answer = m_ui == m_ownUi.get() ? m_ownUi->ChooseThirdApart(question, yes, no, drop)
                                                 : m_ui->Choose(question, yes, no, drop);
        if (answer == 2) {
            // The only place the changes still exist: gone only when the user says so twice.
            if (m_ui->Ask(QStringLiteral("Удалить резервную копию декларации от %1? Несохраненные изменения "
                                         "будут потеряны.")
                              .arg(written),
                          false) == UserInterface::Answer::Yes)
                RecoveryStore::Discard(copy);
        } else if (answer == 0 && RecoverFrom(copy.copy, copy.originalName, copy.OriginalChanged())) {
            RecoveryStore::Discard(copy);
            break;  // one declaration at a time: the others wait for the next start
        }
    }
}

bool TFormMain::RecoverFrom(const QString& copy, const QString& originalName, bool originalChanged) {
    auto doc = std::make_unique<mTDeclaration>();
    try {
        doc->Load(copy.toStdString());
    } catch (const std::exception& e) {
        m_ui->Error(QString::fromStdString(e.what()));
        return false;
    }
    m_switcher->Clear();
    m_doc = std::move(doc);
    m_fileName = originalName;
    m_unconfirmedName = originalChanged ? originalName : QString();
    SetTitle();
    ShowInitialScreen();
    SetSaved(false);
    ResetHistory(false);
    if (!m_recovered) {
        m_recovered = new QLabel(QStringLiteral("Декларация восстановлена из резервной копии и не сохранена"), this);
        m_recovered->setObjectName(QStringLiteral("lbRecovered"));
        statusBar()->addPermanentWidget(m_recovered);
    }
    m_recovered->show();
    // The recovered changes are this session's now; its own copy exists before the old one goes.
    WriteRecoveryCopy();
    return m_recovery->HasCopy();
}

}  // namespace zizaza
