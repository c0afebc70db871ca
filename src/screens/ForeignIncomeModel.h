#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <functional>
#include <vector>

#include "storage/Money.h"

namespace zizaza {

class mTDeclaration;
struct CodeName;

// The rouble totals of the foreign incomes of a declaration.
struct ForeignIncomeTotals {
    Money income;
    Money foreignTax;
};

ForeignIncomeTotals SumForeignIncomes(const mTDeclaration& doc);

// The declaration's foreign income records as a table, one row per record in document order:
// date, country (its code with its name from the countries dictionary), source, income code,
// currency, income and tax in the currency and in roubles.
// Rows are read from the records when shown, so a list of thousands opens at once. The sort
// role gives each cell a value that sorts as the column means (dates by day, amounts by value).
class ForeignIncomeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Date,
        Country,
        Source,
        IncomeCode,
        Currency,
        IncomeInCurrency,
        TaxInCurrency,
        IncomeInRoubles,
        TaxInRoubles,
        ColumnCount
    };
    static constexpr int kSortRole = Qt::UserRole;

    ForeignIncomeModel(std::function<const mTDeclaration&()> doc, QObject* parent);
    // The names shown beside the country codes.
    void SetCountries(const std::vector<CodeName>& countries);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The records were added, removed or reordered.
    void Reload();
    // The values of one record changed.
    void RecordChanged(int record);

private:
    std::function<const mTDeclaration&()> m_doc;
    QHash<QString, QString> m_countries;
};

}  // namespace zizaza
