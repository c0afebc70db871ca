#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <vector>

#include "dictionaries/CodeList.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zizaza {

class ScreenHost;

// The inspections picker ("Справочник инспекций"), built once at start-up from the
// inspections dictionary and shown from the initial data screen. It keeps the chosen code and
// the name of the chosen row; digits typed while no code is chosen start from "0101". The
// search field above the list shows only the inspections found by a code or by words of their
// names; a letter typed in the list starts such a search.
class TfmInputInspectionNumber : public QDialog {
    Q_OBJECT
public:
    TfmInputInspectionNumber(ScreenHost& host, std::vector<CodeName> rows, QWidget* parent = nullptr);

    // Makes the code the chosen one and selects the first row with exactly that code, if any.
    void SelectInspection(const QString& code);
    QString ChosenCode() const { return m_chosenCode; }
    QString ChosenName() const { return m_chosenName; }
    QString StatusText() const;
    const std::vector<CodeName>& Rows() const { return m_rows; }

    QTreeWidget* List() const { return m_list; }
    QLineEdit* SearchField() const { return m_search; }
    QPushButton* YesButton() const { return m_yes; }
    QLabel* NothingFoundLabel() const { return m_nothingFound; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void OnRowSelected();
    void ShowSelectedInStatus();
    // Shows only the inspections found by the code or the words typed into the search field.
    void Search(const QString& typed);
    void TypeDigit(QChar digit);
    void SelectRow(size_t row);
    // "Да" and Enter take the highlighted row only while the search shows one.
    bool CanAccept() const;
    void AcceptShown();
    void OpenImport();

    ScreenHost& m_host;
    std::vector<CodeName> m_rows;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_nothingFound = nullptr;
    QPushButton* m_yes = nullptr;
    QLabel* m_picture = nullptr;
    QString m_chosenCode;
    QString m_chosenName;
    QString m_typed;
    QElapsedTimer m_lastKey;
};

}  // namespace zizaza
