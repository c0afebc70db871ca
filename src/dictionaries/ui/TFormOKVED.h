#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "dictionaries/Okved.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zizaza {

class UserInterface;

// The activity-code picker ("Код по ОКВЭД"): six drop-down lists, one per level of the
// classifier, each narrowed to the entries below the choice made above it, and the code of the
// chosen entry. It keeps its lists and choice between showings, so the business income dialog
// that builds it offers the last choice again.
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

    // "Да": a chosen key shorter than four characters asks the length check first, in which
    // "Исправить" keeps the picker open.
    void accept() override;

private:
    void Chosen(int level, int item);
    void Refill();

    UserInterface& m_ui;
    OkvedChooser m_chooser;
    std::array<QComboBox*, kOkvedLevels> m_levels{};
    QLineEdit* edOKV = nullptr;
};

}  // namespace zizaza
