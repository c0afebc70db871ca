#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>

class QPushButton;
class QTreeWidget;

namespace zizaza {

// A modal list of codes and names with "Да" and "Нет": Enter, a double click or "Да" accept,
// Escape or "Нет" cancel. Accepting needs a selected row, so the caller always gets a code and
// the name that belongs to it; "Да" is disabled while no row is selected.
class TCodeListPicker : public QDialog {
    Q_OBJECT
public:
    QTreeWidget* List() const { return m_list; }
    QPushButton* YesButton() const { return m_yes; }
    // The row selected now; nullopt for none.
    std::optional<int> SelectedRow() const;

    void accept() override;

protected:
    TCodeListPicker(const QString& objectName, const QString& caption, const QString& listName,
                    const QStringList& headers, QWidget* parent);

    void AddRow(const QString& code, const QString& name);
    // Focuses, highlights and shows the row; nullopt clears the selection.
    void SelectRow(std::optional<int> row);
    // Called on acceptance with the selected row, before the dialog closes.
    virtual void TakeRow(int row) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidget* m_list = nullptr;
    QPushButton* m_yes = nullptr;
};

}  // namespace zizaza
