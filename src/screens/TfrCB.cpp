#include "screens/TfrCB.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/kTSvodSumPrilE3.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

constexpr int kFirstYear = kNewestCarriedLossYear - TfrCB::kYearCount + 1;
constexpr int kIisFirstYear = kIisFirstLossYear;
static_assert(kNewestCarriedLossYear - kIisFirstLossYear + 1 == TfrCB::kIisYearCount);

}  // namespace

namespace {

// The sheet Е2 deduction is granted on at most this amount of contributions a year.
constexpr Money kE2Limit = kIisDeductionLimit;

const QString kYearHeading = QStringLiteral("Год");
const QString kSecuritiesHeading = QStringLiteral("Убытки по операциям с ЦБ");
const QString kDerivativesHeading = QStringLiteral("Убытки по операциям с ПФИ");

QLabel* Heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// A caption with the total beside it, for a cell under a column.
QHBoxLayout* CaptionedTotal(QWidget* parent, const QString& caption, QLabel* total) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption, parent));
    row->addStretch();
    row->addWidget(total);
    return row;
}

template <size_t N>
void AddYearRows(QGridLayout* grid, QWidget* parent, int firstYear, const std::array<TMaskedEdit*, N>& securities,
                 const std::array<TMaskedEdit*, N>& derivatives) {
    grid->addWidget(Heading(parent, kYearHeading), 0, 0);
    grid->addWidget(Heading(parent, kSecuritiesHeading), 0, 1);
    grid->addWidget(Heading(parent, kDerivativesHeading), 0, 2);
    for (size_t i = 0; i < N; ++i) {
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(new QLabel(QString::number(firstYear + static_cast<int>(i)), parent), row, 0);
        grid->addWidget(securities[i], row, 1);
        grid->addWidget(derivatives[i], row, 2);
    }
}

}  // namespace

TfrCB::TfrCB(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot) : TThinkingFrame(owner, parent, slot) {
    setObjectName(QStringLiteral("frCB"));
    LoadingGuard guard(Host());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(BuildLosses());
    layout->addWidget(BuildIisLosses());
    layout->addWidget(BuildInvestment());
    layout->addStretch();
    SetKeyboardOrder();
    Bind();
    connect(meE2, &TMaskedEdit::Changed, this, &TfrCB::LimitE2);
    for (auto* column : {&m_securities, &m_derivatives})
        WatchTotal(*column);
    for (auto* column : {&m_iisSecurities, &m_iisDerivatives})
        WatchTotal(*column);
    WatchControls();
    m_fields.Load(Doc());
    ShowTotals();
}

template <size_t N>
void TfrCB::BuildColumn(LossColumn<N>& column, QWidget* parent, const char* prefix, int firstYear) {
    for (size_t i = 0; i < N; ++i) {
        const QByteArray name = QByteArray(prefix) + QByteArray::number(firstYear + static_cast<int>(i));
        column.years[i] = parts::MoneyEdit(parent, name.constData());
    }
}

QGroupBox* TfrCB::BuildLosses() {
    auto* box = ScreenGroup(this, "gbLosses", QStringLiteral("Убытки предыдущих налоговых периодов"));
    BuildColumn(m_securities, box, "meCB", kFirstYear);
    BuildColumn(m_derivatives, box, "mePFI", kFirstYear);
    m_securities.total = parts::TotalDisplay(box, "lbTotalCB");
    m_derivatives.total = parts::TotalDisplay(box, "lbTotalPFI");

    auto* grid = new QGridLayout(box);
    AddYearRows(grid, box, kFirstYear, m_securities.years, m_derivatives.years);
    const int totalsRow = kYearCount + 1;
    grid->addLayout(CaptionedTotal(box, QStringLiteral("Итого ЦБ"), m_securities.total), totalsRow, 1);
    grid->addLayout(CaptionedTotal(box, QStringLiteral("Итого ПФИ"), m_derivatives.total), totalsRow, 2);
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox* TfrCB::BuildIisLosses() {
    auto* box =
        ScreenGroup(this, "gbIisLosses",
                    QStringLiteral("Убытки предыдущих налоговых периодов на индивидуальном инвестиционном счете"));
    BuildColumn(m_iisSecurities, box, "meIisCB", kIisFirstYear);
    BuildColumn(m_iisDerivatives, box, "meIisPFI", kIisFirstYear);
    m_iisSecurities.total = parts::TotalDisplay(box, "lbTotalIisCB");
    m_iisDerivatives.total = parts::TotalDisplay(box, "lbTotalIisPFI");

    auto* grid = new QGridLayout(box);
    AddYearRows(grid, box, kIisFirstYear, m_iisSecurities.years, m_iisDerivatives.years);
    const int totalsRow = kIisYearCount + 1;
    grid->addWidget(new QLabel(QStringLiteral("Итого ЦБ/ПФИ"), box), totalsRow, 0);
    grid->addWidget(m_iisSecurities.total, totalsRow, 1, Qt::AlignRight);
    grid->addWidget(m_iisDerivatives.total, totalsRow, 2, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox* TfrCB::BuildInvestment() {
    auto* box = ScreenGroup(this, "gbInvestDeduct", QStringLiteral("Инвестиционные вычеты"));
    auto* grid = new QGridLayout(box);
    const std::pair<TMaskedEdit**, QString> rows[] = {
        {&meE2, QStringLiteral("Сумма вычета, предусмотренного пп.2. п.1. Ст 219.1 НК РФ (Лист Е2)")},
        {&meReturn, QStringLiteral("Сумма вычета предшествующих периодов, подлежащая возврату")},
        {&meZ, QStringLiteral("Сумма вычета, предусмотренного пп.1. п.1. Ст 219.1 НК РФ (Лист З)")},
        {&meI, QStringLiteral("Сумма вычета, предусмотренного пп.1. п.1. Ст 219.1 НК РФ (Лист И)")},
    };
    const char* const names[] = {"meE2", "meReturn", "meZ", "meI"};
    int row = 0;
    for (const auto& [edit, caption] : rows) {
        *edit = parts::MoneyEdit(box, names[row]);
        auto* label = new QLabel(caption, box);
        label->setBuddy(*edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(*edit, row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return box;
}

void TfrCB::SetKeyboardOrder() {
    QList<QWidget*> order;
    for (const auto* column : {&m_securities, &m_derivatives})
        order.append(QList<QWidget*>(column->years.begin(), column->years.end()));
    for (const auto* column : {&m_iisSecurities, &m_iisDerivatives})
        order.append(QList<QWidget*>(column->years.begin(), column->years.end()));
    order.append({meE2, meReturn, meZ, meI});
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

template <size_t N>
void TfrCB::BindColumn(LossColumn<N>& column, int firstYear, mTCBDeduct mTDeclaration::*record, bool derivatives) {
    for (size_t i = 0; i < N; ++i) {
        const int year = firstYear + static_cast<int>(i);
        m_fields.Money(column.years[i], [record, derivatives, year](auto& doc) -> decltype(auto) {
            auto& losses = doc.*record;
            return derivatives ? losses.DerivativesLoss(year) : losses.SecuritiesLoss(year);
        });
    }
}

void TfrCB::Bind() {
    BindColumn(m_securities, kFirstYear, &mTDeclaration::SecuritiesDeductions, false);
    BindColumn(m_derivatives, kFirstYear, &mTDeclaration::SecuritiesDeductions, true);
    BindColumn(m_iisSecurities, kIisFirstYear, &mTDeclaration::IisDeductions, false);
    BindColumn(m_iisDerivatives, kIisFirstYear, &mTDeclaration::IisDeductions, true);
    const std::pair<TMaskedEdit*, Money mTDeclaration::*> amounts[] = {
        {meE2, &mTDeclaration::InvestmentDeductionE2},
        {meReturn, &mTDeclaration::InvestmentDeductionReturn},
        {meZ, &mTDeclaration::InvestmentDeductionZ},
        {meI, &mTDeclaration::InvestmentDeductionI},
    };
    for (const auto& [edit, field] : amounts)
        m_fields.Money(edit, field);
}

void TfrCB::SaveToDocument() {
    m_fields.Save(Doc());
}

template <size_t N>
void TfrCB::WatchTotal(LossColumn<N>& column) {
    for (TMaskedEdit* edit : column.years)
        connect(edit, &TMaskedEdit::Changed, this, [&column] { ShowTotal(column); });
}

template <size_t N>
void TfrCB::ShowTotal(const LossColumn<N>& column) {
    Money sum;
    for (const TMaskedEdit* edit : column.years)
        sum += MoneyFieldValue(edit->text());
    column.total->setText(MoneyToScreen(sum));
}

void TfrCB::ShowTotals() {
    ShowTotal(m_securities);
    ShowTotal(m_derivatives);
    ShowTotal(m_iisSecurities);
    ShowTotal(m_iisDerivatives);
}

void TfrCB::LimitE2() {
    const QString text = meE2->text();
    if (text.isEmpty())
        return;
    const QString limit = MoneyToScreen(kE2Limit);
    if (MoneyFieldValue(text) >= kE2Limit && text != limit)
        meE2->setText(limit);
}

}  // namespace zizaza
