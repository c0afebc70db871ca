#pragma once

#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "screens/TThinkingFrame.h"

class QLabel;
class QTreeWidget;

namespace zizaza {

class TListScreenHelper;

// A screen that lists one record per source of payment, whose entry dialog holds the whole
// source with its amounts, and shows the selected source's amounts below the list. The dialogs
// write the document directly, so there is nothing to save and nothing to check.
class TSourceListScreen : public TThinkingFrame {
    Q_OBJECT
public:
    void SaveToDocument() override {}
    uint16_t CheckScreen() override { return 0; }
    // Selects the source with that 1-based number (the whole-declaration check points at one).
    void FocusItem(uint16_t item) override;
    void FocusFirstList() override;

protected:
    // A display field of the selected source: object name and caption.
    using TotalField = std::pair<const char*, QString>;

    TSourceListScreen(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);
    // Builds the list, its buttons and the display fields, and lists the sources. Called by
    // the derived constructor, when its records can be read.
    void Build(const std::vector<TotalField>& totals);

    virtual int Count() const = 0;
    virtual std::string NameOf(int record) const = 0;
    // The texts of the display fields for a record, in the order given to Build.
    virtual QStringList TotalsOf(int record) const = 0;
    // Run the entry dialog; true when a record was appended or replaced.
    virtual bool AddRecord() = 0;
    virtual bool EditRecord(int record) = 0;
    virtual void RemoveRecord(int record) = 0;

private:
    void ShowTotals(int record);

    QTreeWidget* lvSourseIncomeInfo = nullptr;
    TListScreenHelper* m_sources = nullptr;
    std::vector<QLabel*> m_totals;
};

}  // namespace zizaza
