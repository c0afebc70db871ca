#include "dictionaries/ui/TfmInputDeductCode.h"

#include "dictionaries/IncomeCodeDict.h"

namespace zizaza {

TfmInputDeductCode::TfmInputDeductCode(QWidget* parent, bool allDeductions, const QString& currentCode,
                                       const QString& incomeCode, const IncomeCodeDict& dict)
    : TCodeListPicker(QStringLiteral("fmInputDeductCode"), QStringLiteral("Справочник видов вычетов"),
                      QStringLiteral("lvDeductNames"), {QStringLiteral("Код"), QStringLiteral("Виды вычетов")}, parent),
      m_rows(dict.FilterDeductions(incomeCode.toStdString(), allDeductions)) {
    resize(760, 360);
    for (const DeductionEntry* deduction : m_rows)
        AddRow(QString::fromStdString(deduction->code), QString::fromStdString(deduction->name));
    const std::optional<size_t> row = PreselectDeductionRow(m_rows, currentCode.toStdString());
    SelectRow(row ? std::optional<int>(static_cast<int>(*row)) : std::nullopt);
}

void TfmInputDeductCode::TakeRow(int row) {
    m_chosen = m_rows[static_cast<size_t>(row)];
}

QString TfmInputDeductCode::ChosenCode() const {
    return m_chosen ? QString::fromStdString(m_chosen->code) : QString();
}
QString TfmInputDeductCode::ChosenName() const {
    return m_chosen ? QString::fromStdString(m_chosen->name) : QString();
}
Money TfmInputDeductCode::ChosenMaxSum() const {
    return m_chosen ? m_chosen->MaxSum() : Money();
}
bool TfmInputDeductCode::ChosenEnabled() const {
    return m_chosen && m_chosen->Enabled();
}
bool TfmInputDeductCode::ChosenEquivalent() const {
    return m_chosen && m_chosen->Equivalent();
}
bool TfmInputDeductCode::ChosenVisible() const {
    return m_chosen && m_chosen->Visible();
}
int TfmInputDeductCode::ChosenPercent() const {
    return m_chosen ? m_chosen->Percent() : 0;
}

}  // namespace zizaza
