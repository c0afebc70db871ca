#include "dictionaries/ui/TfmInputIncomeCode.h"

#include "dictionaries/IncomeCodeDict.h"

namespace zizaza {

TfmInputIncomeCode::TfmInputIncomeCode(QWidget* parent, bool nonResident13Only, const QString& currentCode,
                                       const QString& rateFilter, const IncomeCodeDict& dict)
    : TCodeListPicker(QStringLiteral("fmInputIncomeCode"), QStringLiteral("Справочник видов доходов"),
                      QStringLiteral("lvIncomeNames"), {QStringLiteral("Код"), QStringLiteral("Наименование дохода")},
                      parent),
      m_rows(dict.FilterIncomes(rateFilter.toStdString(), nonResident13Only)),
      m_rateFilter(rateFilter) {
    resize(760, 480);
    for (const IncomeEntry* income : m_rows)
        AddRow(QString::fromStdString(income->code), QString::fromStdString(income->name));
    const std::optional<size_t> row = PreselectIncomeRow(m_rows, currentCode.toStdString());
    SelectRow(row ? std::optional<int>(static_cast<int>(*row)) : std::nullopt);
}

void TfmInputIncomeCode::TakeRow(int row) {
    const IncomeEntry& chosen = *m_rows[static_cast<size_t>(row)];
    m_chosenCode = QString::fromStdString(chosen.code);
    m_chosenName = QString::fromStdString(chosen.name);
    m_chosenRate = PickedIncomeRate(m_rateFilter.toStdString(), chosen);
    m_chosenHasDeductions = chosen.HasDeductions();
    m_chosenIsSale = chosen.IsSale();
}

}  // namespace zizaza
