#pragma once

#include <array>

#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"

class QGridLayout;
class QGroupBox;
class QLabel;

namespace zizaza {

class TMaskedEdit;
class mTCBDeduct;
class mTDeclaration;

// "Инвестиционные и убытки по ЦБ": the losses of earlier tax periods on securities and on
// derivatives, in general and on the individual investment account, and the investment
// deductions. The tab keeps nothing but its controls; it has nothing to check.
//
// The losses of 2007 to 2009 have no controls: the tab never writes them, so whatever the
// document holds for them survives the tab unchanged.
class TfrCB : public TThinkingFrame {
    Q_OBJECT
public:
    // The tab shows the seven newest years of the losses carried, and the years the individual
    // investment account holds (model/TaxFacts.h; TfrCB.cpp checks the counts against them).
    static constexpr int kYearCount = 7;
    static constexpr int kIisYearCount = 2;

    TfrCB(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    uint16_t CheckScreen() override { return 0; }
    void FocusItem(uint16_t) override {}

private:
    // One column of losses by year with the total shown below or beside it.
    template <size_t N>
    struct LossColumn {
        std::array<TMaskedEdit*, N> years{};
        QLabel* total = nullptr;
    };

    QGroupBox* BuildLosses();
    QGroupBox* BuildIisLosses();
    QGroupBox* BuildInvestment();
    template <size_t N>
    void BuildColumn(LossColumn<N>& column, QWidget* parent, const char* prefix, int firstYear);
    void SetKeyboardOrder();
    template <size_t N>
    void BindColumn(LossColumn<N>& column, int firstYear, mTCBDeduct mTDeclaration::*record, bool derivatives);
    void Bind();
    template <size_t N>
    void WatchTotal(LossColumn<N>& column);
    template <size_t N>
    static void ShowTotal(const LossColumn<N>& column);
    void ShowTotals();
    void LimitE2();

    RecordBindings<mTDeclaration> m_fields;
    LossColumn<kYearCount> m_securities;
    LossColumn<kYearCount> m_derivatives;
    LossColumn<kIisYearCount> m_iisSecurities;
    LossColumn<kIisYearCount> m_iisDerivatives;
    TMaskedEdit* meE2 = nullptr;
    TMaskedEdit* meReturn = nullptr;
    TMaskedEdit* meZ = nullptr;
    TMaskedEdit* meI = nullptr;
};

}  // namespace zizaza
