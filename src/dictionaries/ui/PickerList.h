#pragma once

#include <QString>
#include <QStringList>

#include "dictionaries/NameSearch.h"

class QBoxLayout;
class QEvent;
class QLineEdit;
class QWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zizaza {

// Prepares the read-only list of a picker: a narrow code column and a name column whose long
// names wrap onto further lines of their row, so a whole name is always readable.
void SetupPickerList(QTreeWidget* list, const QStringList& headers);
// The search field of a picker, in a row of its own with the label "Поиск:" (Alt+П), added to
// the layout; the placeholder shows an example of what to type.
QLineEdit* AddPickerSearch(QWidget* picker, QBoxLayout* layout, const QString& example);
// A row of a picker's list; the whole name is also its tooltip.
QTreeWidgetItem* PickerRow(const QString& code, const QString& name);

// What the user typed into a picker's search field (NameSearch: a code's first digits, or the
// beginnings of the words of a name, each word by its stem).
class PickerSearch {
public:
    explicit PickerSearch(const QString& typed) : m_search(typed.toStdString()) {}

    bool Empty() const { return m_search.Empty(); }
    bool Matches(const QString& code, const QString& name) const {
        return m_search.Matches(code.toStdString(), name.toStdString());
    }

private:
    NameSearch m_search;
};

// A key pressed in a picker's search field that moves through rows (the arrows and the page
// keys) is passed to its list; true when it was.
bool PassRowKeyToList(QEvent* event, QTreeWidget* list);

// Hides the rows of the list that the search does not find; returns the number of rows shown.
int FilterPickerList(QTreeWidget* list, const PickerSearch& search);

}  // namespace zizaza
