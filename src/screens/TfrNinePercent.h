#pragma once

#include "screens/TSourceListScreen.h"

namespace zizaza {

// "Доходы, облагаемые по ставке 9%": the sources of the declaration's list Incomes9 with the
// selected one's income and tax withheld.
class TfrNinePercent : public TSourceListScreen {
    Q_OBJECT
public:
    TfrNinePercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

protected:
    int Count() const override;
    std::string NameOf(int record) const override;
    QStringList TotalsOf(int record) const override;
    bool AddRecord() override;
    bool EditRecord(int record) override;
    void RemoveRecord(int record) override;
};

}  // namespace zizaza
