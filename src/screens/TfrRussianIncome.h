#pragma once

#include "screens/TContainerFrame.h"

namespace zizaza {

// "Доходы, полученные в РФ": the incomes received in Russia by tax rate, one sub-screen at a
// time. On a non-resident declaration the 13% screen lists the incomes at the non-resident
// rate, the second button shows the dividends and a button of its own the non-resident incomes
// at 13%. A 4-NDFL declaration has no sub-screen.
class TfrRussianIncome : public TContainerFrame {
    Q_OBJECT
public:
    // Sub-screen indexes; the first four are those of the whole-declaration check's navigation.
    enum SubScreen {
        kSub13 = 0,
        kSubDividends = 1,
        kSub35 = 2,
        kSubNonResident13 = 3,
        kSub9 = 4,  // resident declarations only
    };

    TfrRussianIncome(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

private:
    // A button that shows no sub-screen and stays hidden.
    void AddHiddenButton(const char* name, const QString& hint);
    // The buttons in the order of their names, whatever order their sub-screens were added in.
    void SortButtons();
};

}  // namespace zizaza
