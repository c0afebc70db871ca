#pragma once

#include "screens/TSourceListScreen.h"

namespace zizaza {

// "Дивиденды": the sources of dividends of the declaration's list Incomes30 with the selected
// one's dividends and tax withheld.
class TfrThirtyPercent : public TSourceListScreen {
    Q_OBJECT
public:
    TfrThirtyPercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

protected:
    int Count() const override;
    std::string NameOf(int record) const override;
    QStringList TotalsOf(int record) const override;
    bool AddRecord() override;
    bool EditRecord(int record) override;
    void RemoveRecord(int record) override;

private:
    // The rate the dividends are taxed at: 13 for a resident, 15 otherwise.
    int Rate() const;
};

}  // namespace zizaza
