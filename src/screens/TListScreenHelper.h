#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QTreeWidget;
class QWidget;

namespace zizaza {

class ScreenHost;

// What a list screen does with the records of one document list. Record numbers are
// 0-based positions in the document's list.
struct ListOperations {
    std::function<int()> count;
    std::function<QStringList(int)> rowTexts;
    // Runs the entry dialog for a new record; true when a record was appended.
    std::function<bool()> add;
    // Runs the entry dialog filled from the record; true when the record was replaced.
    std::function<bool(int)> edit;
    std::function<void(int)> remove;
    // Appends a copy of the record ("Повторить доход"); optional.
    std::function<void(int)> repeat;
    // The selection moved to a record (-1: none); fills the controls that depend on it.
    std::function<void(int)> selected;
    // Totals shown on the screen; optional.
    std::function<void()> refreshTotals;
    // What an undo step calls the record of a list of several columns; optional (such a
    // record is told by its number).
    std::function<QString(int)> recordName;
};

// The common behaviour of a list on a screen: one read-only row per document record in
// document order, whole-row selection, add / edit / delete / repeat with their selection
// rules, the dependent controls enabled only while a row is selected, the document-changed
// notification for every change, and the loading guard while the list is refilled.
class TListScreenHelper : public QObject {
    Q_OBJECT
public:
    TListScreenHelper(ScreenHost& host, QTreeWidget* view, ListOperations operations, QObject* parent = nullptr);

    // Prepares a list view: columns, report view, read-only, whole-row selection.
    static void SetupView(QTreeWidget* view, const QStringList& columns);
    // A list of several columns: one column takes the width left by the others, which fit their
    // texts.
    static void StretchColumn(QTreeWidget* view, int column);

    // Buttons may be nullptr. Edit also runs on a double click and on Enter in the list.
    void ConnectButtons(QAbstractButton* add, QAbstractButton* edit, QAbstractButton* remove,
                        QAbstractButton* repeat = nullptr);
    // Controls enabled only while a row is selected (the edit, delete and repeat buttons are
    // handled already).
    void SetDependents(const QList<QWidget*>& widgets);

    // Refills the rows from the document under the loading guard and selects a row (or none).
    void Rebuild(int select = -1);
    int Selected() const;
    // Selects the row of a record; out of range clears the selection.
    void Select(int record);
    // FocusItem of a list screen: the list gets the focus and the record with the 1-based
    // number is selected; numbers that name no record do nothing.
    void FocusRecord(int number);
    // After a switch: focus and the first row, when there are records.
    void FocusFirst();

    void Add();
    void Edit();
    void Remove();
    void Repeat();

    QTreeWidget* View() const { return m_view; }

private:
    void OnSelectionChanged();
    void UpdateEnabling();
    void SetRow(int record);
    // "удаление источника «ООО Ромашка»", "добавление дохода № 3".
    QString StepName(const char* action, int record) const;
    void StepDone(const char* action, int record, bool removal = false);

    ScreenHost& m_host;
    QTreeWidget* m_view;
    ListOperations m_ops;
    QList<QPointer<QWidget>> m_dependents;
    QList<QPointer<QAbstractButton>> m_selectionButtons;
    bool m_handlingSelection = false;
    QString m_removedName;  // named before the record goes
};

}  // namespace zizaza
