#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <vector>

#include "dictionaries/Okved.h"

class QComboBox;
class QLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zizaza {

class UserInterface;

// The activity-code picker ("Код по ОКВЭД"): six drop-down lists, one per level of the
// classifier, each narrowed to the entries below the choice made above it, and the code of the
// chosen entry. A search field above them lists the entries found by a code or by words of
// their names, with their codes; taking one sets the lists to the way down to it. It keeps its lists and choice between
// showings, so the business income dialog that builds it offers the last choice again.
class TFormOKVED : public QDialog {
    Q_OBJECT
public:
    // The dictionary must outlive the picker.
    TFormOKVED(const OkvedDict& dict, UserInterface& ui, QWidget* parent = nullptr);

    // Shows the picker modally; true when it was accepted.
    bool Run();
    // The text of the code field ("нет" while nothing with a code has been chosen).
    QString Answer() const;

    QComboBox* Level(int level) const { return m_levels[static_cast<size_t>(level - 1)]; }
    QLineEdit* SearchField() const { return edSearch; }
    QTreeWidget* FoundList() const { return lvFound; }

    // "Да" (enabled only once an entry with a code is chosen): a chosen key shorter than four
    // characters asks the length check first, in which "Исправить" keeps the picker open.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* BuildSearch();
    void Search(const QString& typed);
    void TakeFound(int row);
    void Chosen(int level, int item);
    void Refill();
    bool HasCode() const;

    UserInterface& m_ui;
    const OkvedDict& m_dict;
    OkvedChooser m_chooser;
    std::array<QComboBox*, kOkvedLevels> m_levels{};
    QLineEdit* edOKV = nullptr;
    QLineEdit* edSearch = nullptr;
    QTreeWidget* lvFound = nullptr;
    QPushButton* m_yes = nullptr;
    std::vector<const OkvedEntry*> m_found;
};

}  // namespace zizaza
