#pragma once

#include <QStringList>
#include <optional>

#include "model/mTSourseIncome.h"
#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"

class QGroupBox;
class QLabel;
class QTreeWidget;

namespace zizaza {

class TListScreenHelper;
class TMaskedEdit;
class mTThirteenPercent;

// "Доходы, облагаемые по ставке 13%": the sources of payment of the declaration's 13% list and,
// for the selected source, its income lines and totals. On a non-resident declaration the same
// screen lists the incomes at the non-resident rate.
class TfrThirteenPercent : public TThinkingFrame {
    Q_OBJECT
public:
    TfrThirteenPercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    // The first source whose total income is below its withheld tax: its 1-based number.
    uint16_t CheckScreen() override;
    // Selects the source with the 1-based number.
    void FocusItem(uint16_t item) override;
    void FocusFirstList() override;

    // Whether any income line of the 13% sources has the income code 2791 with a deduction.
    static bool AgriculturalWorkShown(const mTDeclaration& doc);

protected:
    // Over the list NonResidentIncomes13 when nonResidentList is set: the non-resident incomes at
    // 13%, with their own income dialog, the fixed payments always shown and no agricultural work.
    TfrThirteenPercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot, bool nonResidentList);

private:
    void BuildLayout();
    void BuildTotals(QGroupBox* box);
    void BindFields();
    // The screen's list of sources.
    int SourceCount() const;
    mTThirteenPercent& SourceAt(int record) const;
    mTThirteenPercent& Source() const { return SourceAt(m_source); }
    QStringList LineTexts(int line) const;

    bool AddSource();
    bool EditSource(int record);
    void RemoveSource(int record);
    void SourceSelected(int record);
    bool AddLine();
    bool EditLine(int record);
    void RemoveLine(int record);
    void RepeatLine(int record);
    // Runs the income dialog, filled from a line when one is given; the entered line when it
    // was accepted with an income code.
    std::optional<mTSourseIncome> RunIncomeDialog(const mTSourseIncome* line);

    void ShowTotals();
    void ClearTotals();
    void UpdateAgriculturalGroup();
    void OnMonthsWorkedChanged();

    // The non-resident 13% list instead of ResidentIncomes13.
    const bool m_nonResidentList;
    // The 13% screen of a non-resident declaration (incomes at the non-resident rate).
    bool m_nonResident = false;
    // The selected source (-1: none); its totals are in the fields.
    int m_source = -1;
    RecordBindings<mTThirteenPercent> m_sourceFields;
    RecordBindings<mTDeclaration> m_documentFields;

    QTreeWidget* lvSourseIncomeInfo = nullptr;
    QTreeWidget* lvIncome = nullptr;
    TListScreenHelper* m_sources = nullptr;
    TListScreenHelper* m_lines = nullptr;
    QLabel* pnlItogIncomeSum = nullptr;
    TMaskedEdit* meHoldSum = nullptr;
    TMaskedEdit* meObl = nullptr;
    TMaskedEdit* meTaxIsch = nullptr;
    QGroupBox* gbA25 = nullptr;
    TMaskedEdit* meA25 = nullptr;
    QGroupBox* gbFerm = nullptr;
    TMaskedEdit* meFerm = nullptr;
};

}  // namespace zizaza
