#include "dictionaries/ui/TfmInputCurrencyCode.h"

#include "dictionaries/CurrencyRates.h"

namespace zizaza {

TfmInputCurrencyCode::TfmInputCurrencyCode(QWidget* parent, const QString& currentCode, const CurrencyRates& rates)
    : TCodeListPicker(QStringLiteral("fmInputCurrencyCode"), QStringLiteral("Справочник валют"),
                      QStringLiteral("lvCurrency"), {QStringLiteral("Код"), QStringLiteral("Наименование валюты")},
                      parent),
      m_rates(rates) {
    for (const Currency& c : rates.Currencies())
        AddRow(QString::fromStdString(c.code), QString::fromStdString(c.name));
    const std::optional<size_t> row = PreselectCurrencyRow(rates.Currencies(), currentCode.toStdString());
    SelectRow(row ? std::optional<int>(static_cast<int>(*row)) : std::nullopt);
}

void TfmInputCurrencyCode::TakeRow(int row) {
    const Currency& chosen = m_rates.Currencies()[static_cast<size_t>(row)];
    m_chosenCode = QString::fromStdString(chosen.code);
    m_chosenName = QString::fromStdString(chosen.name);
}

}  // namespace zizaza
