#include "screens/TSourceListScreen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "screens/ScreenWidgets.h"
#include "screens/TListScreenHelper.h"

namespace zizaza {

TSourceListScreen::TSourceListScreen(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {}

void TSourceListScreen::Build(const std::vector<TotalField>& totals) {
    const LoadingGuard loading(Host());
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);

    lvSourseIncomeInfo = Named(new QTreeWidget(this), "lvSourseIncomeInfo");
    TListScreenHelper::SetupView(lvSourseIncomeInfo, {QStringLiteral("Источники выплат")});
    lvSourseIncomeInfo->setToolTip(QStringLiteral("Список источников выплат"));
    auto* add = parts::ListButton(this, "fbAddSourseIncome", QStringLiteral("Добавить"),
                                  QStringLiteral("Добавить источник выплат"));
    auto* remove = parts::ListButton(this, "fbDeleteSourseIncome", QStringLiteral("Удалить"),
                                     QStringLiteral("Удалить источник выплат"));
    auto* edit = parts::ListButton(this, "fbEditSourseIncome", QStringLiteral("Изменить"),
                                   QStringLiteral("Редактировать источник выплат"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, remove, edit})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* box = Named(new QGroupBox(this), "gbItog");
    auto* fields = new QGridLayout(box);
    int row = 0;
    for (const auto& [name, caption] : totals) {
        QLabel* value = parts::TotalDisplay(box, name);
        fields->addWidget(new QLabel(caption, box), row, 0);
        fields->addWidget(value, row++, 1, Qt::AlignLeft);
        m_totals.push_back(value);
    }
    fields->setColumnStretch(2, 1);

    grid->addWidget(lvSourseIncomeInfo, 0, 0);
    grid->addLayout(buttons, 1, 0);
    grid->addWidget(box, 2, 0);
    grid->setRowStretch(0, 1);

    ListOperations ops;
    ops.count = [this] { return Count(); };
    ops.rowTexts = [this](int i) { return QStringList{QString::fromStdString(NameOf(i))}; };
    ops.add = [this] { return AddRecord(); };
    ops.edit = [this](int i) { return EditRecord(i); };
    ops.remove = [this](int i) { RemoveRecord(i); };
    ops.selected = [this](int i) { ShowTotals(i); };
    m_sources = new TListScreenHelper(Host(), lvSourseIncomeInfo, std::move(ops), this);
    m_sources->ConnectButtons(add, edit, remove);
    m_sources->Rebuild();
    WatchControls();
}

void TSourceListScreen::FocusItem(uint16_t item) {
    m_sources->FocusRecord(item);
}

void TSourceListScreen::FocusFirstList() {
    m_sources->FocusFirst();
}

void TSourceListScreen::ShowTotals(int record) {
    const QStringList texts = record >= 0 ? TotalsOf(record) : QStringList();
    for (size_t i = 0; i < m_totals.size(); ++i)
        m_totals[i]->setText(static_cast<qsizetype>(i) < texts.size() ? texts[static_cast<qsizetype>(i)] : QString());
}

}  // namespace zizaza
