#include "screens/ForeignIncomeModel.h"

#include "dictionaries/CodeList.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"

namespace zizaza {

namespace {

QString AmountText(Money value) {
    return value.IsZero() ? QString() : MoneyToScreen(value);
}

}  // namespace

ForeignIncomeTotals SumForeignIncomes(const mTDeclaration& doc) {
    ForeignIncomeTotals totals;
    for (size_t i = 0; i < doc.CurrencyIncomeCount(); ++i) {
        const mTCurrencyIncome& r = doc.CurrencyIncome(i);
        totals.income = totals.income + r.IncomeInRoubles;
        totals.foreignTax = totals.foreignTax + r.TaxInRoubles;
    }
    return totals;
}

ForeignIncomeModel::ForeignIncomeModel(std::function<const mTDeclaration&()> doc, QObject* parent)
    : QAbstractTableModel(parent), m_doc(std::move(doc)) {}

void ForeignIncomeModel::SetCountries(const std::vector<CodeName>& countries) {
    m_countries.clear();
    for (const CodeName& country : countries)
        m_countries.insert(QString::fromStdString(country.code), QString::fromStdString(country.name));
}

int ForeignIncomeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_doc().CurrencyIncomeCount());
}

int ForeignIncomeModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ForeignIncomeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const mTCurrencyIncome& r = m_doc().CurrencyIncome(static_cast<size_t>(index.row()));
    const auto column = static_cast<Column>(index.column());
    const bool amount = column >= IncomeInCurrency;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    // Names cut at the column's edge are read whole in the tooltip.
    const bool named = column == Country || column == Source;
    if (role == Qt::ToolTipRole && named)
        return data(index, Qt::DisplayRole);
    if (role != Qt::DisplayRole && role != kSortRole)
        return {};
    const bool sorting = role == kSortRole;
    auto money = [sorting](Money value) -> QVariant {
        return sorting ? QVariant(static_cast<qlonglong>(value.raw())) : QVariant(AmountText(value));
    };
    switch (column) {
        case Date:
            return sorting ? QVariant(r.IncomeDate.Year() * 10000 + r.IncomeDate.Month() * 100 + r.IncomeDate.Day())
                           : QVariant(DateToScreen(r.IncomeDate));
        case Country: {
            const QString code = QString::fromStdString(r.CountryCode);
            const QString name = sorting ? QString() : m_countries.value(code);
            return name.isEmpty() ? code : code + QLatin1Char(' ') + name;
        }
        case Source:
            return QString::fromStdString(r.SourceName);
        case IncomeCode:
            return sorting ? QVariant(r.IncomeCode)
                           : QVariant(r.IncomeCode == 0 ? QString() : IntegerToScreen(r.IncomeCode));
        case Currency:
            return QString::fromStdString(r.CurrencyCode);
        case IncomeInCurrency:
            return money(r.IncomeInCurrency);
        case TaxInCurrency:
            return money(r.TaxInCurrency);
        case IncomeInRoubles:
            return money(r.IncomeInRoubles);
        case TaxInRoubles:
            return money(r.TaxInRoubles);
        case ColumnCount:
            break;
    }
    return {};
}

QVariant ForeignIncomeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kHeaders[ColumnCount] = {"Дата",           "Страна",      "Источник выплаты",
                                                      "Код дохода",     "Валюта",      "Доход в валюте",
                                                      "Налог в валюте", "Доход, руб.", "Налог, руб."};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(kHeaders[section]) : QVariant();
}

void ForeignIncomeModel::Reload() {
    beginResetModel();
    endResetModel();
}

void ForeignIncomeModel::RecordChanged(int record) {
    if (record >= 0 && record < rowCount())
        emit dataChanged(index(record, 0), index(record, ColumnCount - 1));
}

}  // namespace zizaza
