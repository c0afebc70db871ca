#pragma once

#include "screens/TSourceListScreen.h"

namespace zizaza {

// "Доходы, облагаемые по ставке 35%": the sources of the declaration's list Incomes35 with the
// selected one's codes and amounts.
class TfrThirtyFivePercent : public TSourceListScreen {
    Q_OBJECT
public:
    TfrThirtyFivePercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

protected:
    int Count() const override;
    std::string NameOf(int record) const override;
    QStringList TotalsOf(int record) const override;
    bool AddRecord() override;
    bool EditRecord(int record) override;
    void RemoveRecord(int record) override;
};

}  // namespace zizaza
