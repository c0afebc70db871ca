#pragma once

#include <QStringList>
#include <array>
#include <cstdint>

#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"

class QComboBox;

namespace zizaza {

// "Январь" to "Декабрь".
const QStringList& MonthNames();

// "Комбинация стандартных вычетов": one list per month, January first, each holding the same
// items; a month's choice is the position of its item.
class TMonthlyChoiceDialog : public TEntryDialog {
    Q_OBJECT
public:
    using Choices = std::array<int32_t, 12>;

    // Month lists named "cmbJan" to "cmbDec".
    QComboBox* MonthList(int monthIndex) const { return m_lists[static_cast<size_t>(monthIndex)]; }
    // A stored choice that names no item shows the first item.
    void SetChoices(const Choices& choices);
    Choices GetChoices() const;

protected:
    // heading: a label above the months, none when empty.
    TMonthlyChoiceDialog(ScreenHost& host, const QStringList& items, const QString& heading);

private:
    std::array<QComboBox*, 12> m_lists{};
    RecordBindings<Choices> m_fields;
};

}  // namespace zizaza
