#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "storage/Money.h"

class QLabel;
class QPushButton;
class QWidget;

namespace zizaza {

class IncomeCodeDict;
class ScreenHost;
class TMaskedEdit;
struct DeductionEntry;

// The income code and deduction code part of the income dialogs: the income code chosen in the
// income picker with its name and amount, the deduction code chosen among the income's deductions
// and its amount following the rules of the dictionary entry. The part makes the controls; its
// dialog lays them out and adds what follows a chosen income (a month, a property panel).
class IncomeDeductionPart : public QObject {
    Q_OBJECT
public:
    // How the deduction amount follows the income, and how a stored line shows it again.
    enum class Follow {
        // Percent and equivalent entries compute it from the income, held under the cap and shown
        // empty at 0; an amount the user may type is shown again as stored (also one lowered
        // below what the income gives).
        ByEntry,
        // Always typed, held under the cap; an equivalent entry shows the capped income again.
        Typed,
        // Equivalent entries follow the income, others are 0, shown also at 0, while an
        // income is entered and when a line is shown again.
        Income,
    };
    struct Options {
        QString incomeRateFilter;           // the income picker's rate ("13", "35", "100")
        bool nonResident13Incomes = false;  // the picker lists only the incomes for non-residents
        bool allDeductions = true;          // the deduction picker's list
        Follow follow = Follow::ByEntry;
        bool capWhileTyping = false;         // a typed amount at or above the cap becomes the cap
        std::function<bool(int)> mayDeduct;  // incomes that may carry a deduction; none: all
        QString deductCodeCaption = QStringLiteral("Код вычета");
        QString deductSumCaption = QStringLiteral("Сумма вычета");
    };

    IncomeDeductionPart(QWidget* parent, ScreenHost& host, Options options);

    // The controls, for the dialog's layout.
    TMaskedEdit* meIncomeCode = nullptr;
    QPushButton* bnIncomeCode = nullptr;
    QLabel* lbIncomeName = nullptr;
    QLabel* lbIncomeSum = nullptr;
    TMaskedEdit* meIncomeSum = nullptr;
    QLabel* lbDeductCode = nullptr;
    TMaskedEdit* meDeductCode = nullptr;
    QPushButton* bnDeductCode = nullptr;
    QLabel* lbDeductSum = nullptr;
    TMaskedEdit* meDeductSum = nullptr;

    // Shows the stored income amount and, with an income code, the code with its name, the
    // deduction part it offers and the stored deduction as the follow rule shows it again.
    void Fill(int incomeCode, const QString& incomeName, Money incomeAmount, int deductionCode, Money deductionAmount);

    // The "..." buttons.
    void ChooseIncomeCode();
    void ChooseDeductCode();

    bool HasIncomeCode() const { return !m_incomeCode.isEmpty(); }
    int IncomeCode() const { return m_incomeCode.toInt(); }
    QString IncomeName() const { return m_incomeName; }
    bool HasDeductionCode() const { return !m_deductCode.isEmpty(); }
    int DeductionCode() const { return m_deductCode.toInt(); }
    const DeductionEntry* Deduction() const { return m_deduction; }
    bool DeductionPartEnabled() const { return m_deductionPartEnabled; }
    // The deduction amount may be typed.
    bool DeductionSumEditable() const;
    bool HasIncomeSum() const;
    bool HasDeductionSum() const;
    // The income as typed; nullopt while it is empty or no amount.
    std::optional<Money> IncomeSum() const;
    // The amounts to store: an empty field is 0.
    Money IncomeValue() const;
    Money DeductionValue() const;

signals:
    // A new income code was taken (the deduction emptied). Runs while the part's own live rules
    // are held, so that the dialog may empty or fill its fields.
    void IncomeCodeTaken();

private:
    void TakeIncomeCode(const QString& code, const QString& name);
    void TakeDeduction(const DeductionEntry* entry);
    void FillDeduction(int code, Money stored);
    // The amount of the Income rule: the capped income for an equivalent entry, else 0.
    Money FollowingIncome() const;
    // The deduction part is enabled from the dictionary entry of the income code.
    void EnableDeductionPart();
    void SetDeductionPartEnabled(bool enabled);
    void ShowDeductionAttributes();
    void ShowAmount(Money amount, bool emptyAtZero);
    void OnIncomeSumChanged();
    void OnDeductSumChanged();

    ScreenHost& m_host;
    QWidget* m_parent;
    const IncomeCodeDict& m_dict;
    const Options m_options;
    QString m_incomeCode;
    QString m_incomeName;
    QString m_deductCode;
    const DeductionEntry* m_deduction = nullptr;
    bool m_deductionPartEnabled = false;
    // Set while the part itself writes a field, so that its live rules do not run again.
    bool m_updating = false;
};

}  // namespace zizaza
