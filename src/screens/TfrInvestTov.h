#pragma once

#include <QStringList>
#include <optional>

#include "model/mTInvestTovIncome.h"
#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"

class QGroupBox;
class QLabel;
class QTreeWidget;

namespace zizaza {

class TListScreenHelper;
class TMaskedEdit;
class mTInvestTov;

// Incomes from participation in investment partnerships: the partnerships of the declaration's
// list InvestPartnershipIncomes and, for the selected one, its operation lines and the totals
// of tax withheld, taxable amount and tax computed.
class TfrInvestTov : public TThinkingFrame {
    Q_OBJECT
public:
    TfrInvestTov(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    // The screen has no checks of its own.
    uint16_t CheckScreen() override { return 0; }
    // Selects the partnership with the 1-based number.
    void FocusItem(uint16_t item) override;
    void FocusFirstList() override;

private:
    void BuildLists();
    void BuildTotals(QGroupBox* box);
    void BindTotals();
    mTInvestTov& Source() const;
    QStringList LineTexts(int line) const;

    bool AddSource();
    bool EditSource(int record);
    void RemoveSource(int record);
    void SourceSelected(int record);
    bool AddLine();
    bool EditLine(int record);
    // Runs the line dialog, filled from a line when one is given; the entered line when it was
    // accepted with an operation kind.
    std::optional<mTInvestTovIncome> RunLineDialog(const mTInvestTovIncome* line);

    void ShowTotals();
    void ClearTotals();

    // The selected partnership (-1: none); its totals are in the fields.
    int m_source = -1;
    RecordBindings<mTInvestTov> m_totals;

    QTreeWidget* lvSourseIncomeInfo = nullptr;
    QTreeWidget* lvIncome = nullptr;
    TListScreenHelper* m_sources = nullptr;
    TListScreenHelper* m_lines = nullptr;
    QLabel* pnlItogIncomeSum = nullptr;
    TMaskedEdit* meHoldSum = nullptr;
    TMaskedEdit* meObl = nullptr;
    TMaskedEdit* meTaxIsch = nullptr;
};

}  // namespace zizaza
