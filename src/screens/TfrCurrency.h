#pragma once

#include <QList>
#include <QString>

#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"
#include "storage/Date.h"
#include "storage/Money.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSortFilterProxyModel;
class QSplitter;
class QTableView;

namespace zizaza {

class IncomeCodeDict;
class IncomeDeductionPart;
class TDtpPanel;
class ForeignIncomeModel;
class TMaskedDocEdit;
class TMaskedEdit;
class mTCurrencyIncome;
class mTDeclaration;
struct CurrencyRate;
struct DeductionEntry;

// "Доходы за пределами РФ": the sources abroad of the declaration's list CurrencyIncomes and,
// for the selected one, its income: code, dates, currency with the rates of both dates (from
// the rate dictionary or typed), amounts in the currency and in roubles, the foreign tax, a
// deduction and the data of a controlled foreign company.
class TfrCurrency : public TThinkingFrame {
    Q_OBJECT
public:
    TfrCurrency(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    uint16_t CheckScreen() override;
    // Selects the source with the 1-based number.
    void FocusItem(uint16_t item) override;
    void FocusFirstList() override;

protected:
    // Enter in the list edits the current record, Delete removes the selected ones.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The two dates a rate is needed for.
    enum class RateDate { Income, Tax };

    // Layout (TfrCurrencyLayout.cpp): the list above, the entries of the selected source below,
    // a splitter between them whose place is remembered in the settings.
    QSplitter* BuildSplitter();
    void BuildList(QGroupBox* box);
    void SizeColumns();
    QWidget* BuildEntries();
    QGroupBox* BuildIncome();
    QGroupBox* BuildExchange();
    QGroupBox* BuildAmounts(const char* name, const QString& caption, TMaskedEdit*& currency, QLabel*& roubles,
                            const char* currencyName, const char* roublesName);
    QGroupBox* BuildDeduction();
    QGroupBox* BuildCfc();
    void ConnectRules();
    // The lines that say why entries are disabled: no source selected, no income code yet, no
    // deduction for the income, no controlled company.
    void ShowEntryHints();

    // The list and its commands (TfrCurrencyList.cpp). Record numbers are 0-based
    // positions in the document's list, whatever order the list is sorted in.
    mTCurrencyIncome& Record() const;
    int CurrentRecord() const;
    QList<int> SelectedRecords() const;
    void SelectRecord(int record);
    void ListSelectionChanged();
    void UpdateListEnabling();
    // Refills the list after records were added or removed and selects one (or none).
    void ReloadList(int select);
    // The list row and the totals of a record saved from the entries.
    void ShowSaved(int record);
    void ShowTotals();
    // The undo history's step of a list command on a source.
    QString SourceStepName(const char* action, int record) const;
    void SourceStep(const char* action, int record);
    void AddSource();
    void EditSource();
    void RemoveSelectedSources();
    void CopySource();
    // "Загрузить из отчета брокера..." (TfrCurrencyImport.cpp): a template or broker report read
    // with progress, its report confirmed by the user, its payments added as one step.
    void ImportReport();
    // The entries of the selected record (TfrCurrency.cpp).
    void SourceSelected(int record);
    // The entries of a record, in the order their rules need them filled.
    void Bind();
    void SaveRecord(mTCurrencyIncome& r) const;
    void LoadRecord(const mTCurrencyIncome& r);
    // The automatic box; the rates it takes from the dictionary are read-only.
    void ShowAutomaticRate(bool automatic);
    void ClearEntries();

    // Rules of the entries (TfrCurrencyRules.cpp).
    // The income part and the deduction part: the income code and deduction code chosen, the
    // deduction amount following the income in roubles.
    void BuildIncomePart();
    void OnIncomeCodeTaken();
    void ChooseCurrency();
    void CurrencyCodeChanged();
    void DateChanged(RateDate which);
    void AutoRateClicked();
    void IncomeAmountChanged();
    void TaxAmountChanged();
    // The CFC number and profit rule by the income code.
    void ApplyCfcRules(int incomeCode);
    // The currency name read-only from the dictionary, or editable for a currency it lacks.
    void ShowCurrencyName(bool keepTyped);
    const CurrencyRate* FindRate(RateDate which) const;
    // The automatic box is offered while at least one of the dates has a rate in force.
    void UpdateAutoAvailability();
    // The line beside the rates naming the dates the rate dictionary has no rate for, and how
    // to load the rates; empty while both dates have one or no currency is given.
    void ShowRateHint();
    // The date a new income starts with: the income date last used on the screen (of the selected
    // record, else of the last one), for the first income the first working day of the year.
    Date NewIncomeDate() const;
    // With the box ticked: the rate and units of the date from the dictionary, read-only; a
    // date without a rate in force stays editable and empty.
    void ApplyAutoRate(RateDate which);
    // After a change of the currency or of the date: the date's rate from the dictionary with the
    // box ticked, otherwise emptied for the user to type anew.
    void RefreshRate(RateDate which);
    TMaskedEdit* RateEdit(RateDate which) const;
    TMaskedEdit* UnitsEdit(RateDate which) const;
    // The amount in roubles of the amount field at the date's rate; 0 unless all are filled.
    Money RoublesOf(TMaskedEdit* amount, RateDate which) const;

    const IncomeCodeDict& m_dict;
    // The selected source (-1: none); its values are in the entries.
    int m_selected = -1;
    RecordBindings<mTCurrencyIncome> m_fields;
    // The declaration's own fields the screen shows.
    RecordBindings<mTDeclaration> m_declarationFields;
    // Set while entries are filled by the program, so that their change events do not cascade.
    bool m_filling = false;
    // The record asks for the automatic rate, but its currency and dates have none yet: the box
    // is ticked as soon as a rate is found, unless the user decides first.
    bool m_autoPending = false;
    IncomeDeductionPart* m_part = nullptr;
    // The dictionary rate of the income chosen.
    int m_rateCode = 0;
    // The income date as shown before its last change: a payment date equal to it follows the
    // income date, one the user set apart stays.
    Date m_shownIncomeDate;

    QSplitter* spCurrency = nullptr;
    QTableView* lvSourseIncomeInfo = nullptr;
    ForeignIncomeModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    bool m_listing = false;
    // The entry groups, enabled only while a source is selected.
    QList<QWidget*> m_dependents;
    QPushButton* fbEditSourse = nullptr;
    QPushButton* fbDeleteSourse = nullptr;
    QPushButton* fbCopySourse = nullptr;
    QPushButton* fbImportReport = nullptr;
    QLabel* lbTotalIncome = nullptr;
    QLabel* lbTotalTax = nullptr;
    TMaskedEdit* meAppB = nullptr;
    QLabel* lbNoSource = nullptr;
    QLabel* lbNoRate = nullptr;
    QLabel* lbNeedIncomeCode = nullptr;
    QLabel* lbNoDeduction = nullptr;
    QLabel* lbNoCfc = nullptr;

    TMaskedEdit* pnlIncomeCod = nullptr;
    QPushButton* bnIncomeCod = nullptr;
    QLabel* lbIncomeName = nullptr;
    TDtpPanel* dtIncomeGetDate = nullptr;
    TDtpPanel* dtSubtractDate = nullptr;

    TMaskedEdit* meCurrencyCode = nullptr;
    QPushButton* bnCurrencyCode = nullptr;
    TMaskedEdit* meCurrencyName = nullptr;
    QCheckBox* chbAutoExchange = nullptr;
    QLabel* lbAutoExchange = nullptr;
    TMaskedEdit* meCurrencyExchange = nullptr;
    TMaskedEdit* meCurrencyUnits = nullptr;
    TMaskedEdit* meCurrencyExchange2 = nullptr;
    TMaskedEdit* meCurrencyUnits2 = nullptr;

    TMaskedEdit* meIncomeCurrencySum = nullptr;
    QLabel* pnlIncomeRublSum = nullptr;
    TMaskedEdit* meTaxCurrencySum = nullptr;
    QLabel* pnlTaxRoubleSum = nullptr;

    QLabel* lbSubtractCod = nullptr;
    QLabel* pnlSubtractCod = nullptr;
    QPushButton* bnSubtractCod = nullptr;
    QLabel* lbSubtractSum = nullptr;
    TMaskedEdit* meSubtractSum = nullptr;

    TMaskedDocEdit* meKIKNum = nullptr;
    QGroupBox* gbKIKProfit = nullptr;
    QRadioButton* rb1 = nullptr;
    QRadioButton* rb2 = nullptr;
};

}  // namespace zizaza
