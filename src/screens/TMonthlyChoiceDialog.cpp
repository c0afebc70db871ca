#include "screens/TMonthlyChoiceDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "screens/ScreenWidgets.h"

namespace zizaza {

namespace {

const char* const kListNames[12] = {"cmbJan", "cmbFeb", "cmbMar", "cmbApr", "cmbMay", "cmbJun",
                                    "cmbJul", "cmbAug", "cmbSep", "cmbOct", "cmbNov", "cmbDec"};

}  // namespace

const QStringList& MonthNames() {
    static const QStringList names = {QStringLiteral("Январь"),  QStringLiteral("Февраль"), QStringLiteral("Март"),
                                      QStringLiteral("Апрель"),  QStringLiteral("Май"),     QStringLiteral("Июнь"),
                                      QStringLiteral("Июль"),    QStringLiteral("Август"),  QStringLiteral("Сентябрь"),
                                      QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"),  QStringLiteral("Декабрь")};
    return names;
}

TMonthlyChoiceDialog::TMonthlyChoiceDialog(ScreenHost& host, const QStringList& items, const QString& heading)
    : TEntryDialog(host, QStringLiteral("Комбинация стандартных вычетов")) {
    if (!heading.isEmpty())
        Content()->addWidget(Named(new QLabel(heading, this), "lbHeading"));
    auto* grid = new QGridLayout;
    for (int m = 0; m < 12; ++m) {
        auto* list = Named(new QComboBox(this), kListNames[m]);
        list->addItems(items);
        m_lists[static_cast<size_t>(m)] = list;
        // Two columns of six months.
        const int row = m % 6;
        const int column = (m / 6) * 2;
        grid->addWidget(new QLabel(MonthNames()[m], this), row, column);
        grid->addWidget(list, row, column + 1);
        // A stored choice that names no item shows the first item.
        m_fields.ComboIndex(
            list, [m](auto& choices) -> auto& { return choices[static_cast<size_t>(m)]; }, 0, 0);
    }
    Content()->addLayout(grid);
}

void TMonthlyChoiceDialog::SetChoices(const Choices& choices) {
    m_fields.Load(choices);
}

TMonthlyChoiceDialog::Choices TMonthlyChoiceDialog::GetChoices() const {
    Choices choices{};
    m_fields.Save(choices);
    return choices;
}

}  // namespace zizaza
