#pragma once

#include <array>

#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace zizaza {

class TMaskedEdit;
class TUpDown;
class mTStandartDeduct;

// "Стандартные": the standard deductions asked for, on oneself and on children, the numbers of
// children month by month, the guardian status and the entrepreneur's monthly incomes and
// expenses. The screen computes no amount; the calculation grants the deductions.
class TfrFrameStandartDeduct : public TThinkingFrame {
    Q_OBJECT
public:
    TfrFrameStandartDeduct(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    uint16_t CheckScreen() override { return 0; }
    void FocusItem(uint16_t) override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Months = std::array<int32_t, 12>;
    // One of the three children counts: its constant tick, year count with up/down and the
    // twelve month fields, and the record's fields they show.
    struct Count {
        QCheckBox* constant = nullptr;
        TMaskedEdit* year = nullptr;
        TUpDown* upDown = nullptr;
        std::array<TMaskedEdit*, 12> months{};
        bool mTStandartDeduct::*isConstant = nullptr;
        int32_t mTStandartDeduct::*yearCount = nullptr;
        Months mTStandartDeduct::*monthly = nullptr;
    };

    mTStandartDeduct& Record() const;
    void BuildLayout();
    QWidget* BuildOwnCodes(QWidget* parent);
    QWidget* BuildChildren(QWidget* parent);
    void BuildCount(Count& count, QWidget* parent, const char* name, const char* suffix, const QString& caption,
                    int digits, int maximum, const QString& monthHint, const QString& aboveMaximum);
    QGroupBox* BuildEntrepreneur(QWidget* parent);
    void Connect();
    void Bind();
    void LoadFromDocument();
    static void LoadCount(Count& count, const mTStandartDeduct& record);
    static void SaveCount(const Count& count, mTStandartDeduct& record);

    // Enables the controls by the grant tick and the constant ticks.
    void ApplyEnabled();
    void OnGrantClicked();
    void OnConstantClicked(Count& count);
    void OnYearCountChanged(const Count& count);
    void ApplyGuardianPanel();
    // The monthly dialogs; false when cancelled.
    bool RunCodesDialog();
    bool RunStatusDialog();
    void OnAmountChanged(int month, TMaskedEdit* edit);
    void OnMonthTickClicked(int month);

    // Set while the constructor fills the controls: no dialogs, no copying, no panel rule.
    bool m_loading = true;
    // The declaration has entrepreneurial income: the monthly amounts are entered.
    bool m_hasBusiness = false;

    // The grant tick; the choices kept also while no deduction is asked for; the guardian and the
    // children counts; the entrepreneur's months.
    RecordBindings<mTStandartDeduct> m_grant;
    RecordBindings<mTStandartDeduct> m_choices;
    RecordBindings<mTStandartDeduct> m_counts;
    RecordBindings<mTStandartDeduct> m_months;
    QButtonGroup* m_ownCode = nullptr;
    QButtonGroup* m_childKind = nullptr;
    QCheckBox* chbGrantingStanDeduct = nullptr;
    QRadioButton* rb103 = nullptr;
    QRadioButton* rb104 = nullptr;
    QRadioButton* rb105 = nullptr;
    QRadioButton* rbQ = nullptr;
    QRadioButton* rbTowParents = nullptr;
    QRadioButton* rbOneParent = nullptr;
    QRadioButton* rbQ2 = nullptr;
    // The own code and the children kind chosen before their "changed" buttons.
    QRadioButton* m_ownCodeBefore = nullptr;
    QRadioButton* m_childKindBefore = nullptr;
    Count m_children;  // first and second children
    Count m_third;     // third and later children
    Count m_disabled;  // disabled children of groups I and II
    std::array<QLabel*, 12> m_monthLabels{};
    QWidget* pnPopOp = nullptr;
    QCheckBox* cbPopOp = nullptr;
    QList<QLabel*> m_guardianLabels;
    std::array<QCheckBox*, 12> m_monthTicks{};
    std::array<TMaskedEdit*, 12> m_incomes{};
    std::array<TMaskedEdit*, 12> m_expenses{};
    QList<QLabel*> m_amountLabels;
};

}  // namespace zizaza
