#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "checks/IncomeDeduction.h"
#include "screens/FieldBindings.h"
#include "storage/Money.h"

class QLabel;
class QPushButton;
class QWidget;

namespace zizaza {

class IncomeCodeDict;
class ScreenHost;
class TMaskedEdit;
struct DeductionEntry;
struct IncomeEntry;

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
        // As ByEntry, with the income in roubles of an amount in a currency: a computed amount is
        // shown also at 0, a typed one is only held under the cap; no stored deduction code is
        // shown while the income offers no deductions.
        Roubles,
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
        // The income the deduction follows; none: the income amount as typed.
        std::function<std::optional<Money>()> incomeForDeduction;
        // The deduction amount is disabled with the deduction part.
        bool amountWithPart = false;
        // The part follows the typed income itself; otherwise its owner calls IncomeChanged.
        bool watchIncome = true;
        // A stored line shows its income amount empty at 0 and without an income code.
        bool incomeEmptyAtZero = false;
    };
    // Controls a screen made and laid out itself; the code fields may be labels, an editable
    // income code field takes typed codes. A missing income label is left out.
    struct Controls {
        QWidget* incomeCode = nullptr;
        QPushButton* incomeChooser = nullptr;
        QLabel* incomeName = nullptr;
        QLabel* incomeSumLabel = nullptr;
        TMaskedEdit* incomeSum = nullptr;
        QLabel* deductCodeLabel = nullptr;
        QWidget* deductCode = nullptr;
        QPushButton* deductChooser = nullptr;
        QLabel* deductSumLabel = nullptr;
        TMaskedEdit* deductSum = nullptr;
    };

    // Makes its controls as children of parent.
    IncomeDeductionPart(QWidget* parent, ScreenHost& host, Options options);
    IncomeDeductionPart(QWidget* parent, ScreenHost& host, Options options, const Controls& controls);

    // The controls, for the dialog's layout.
    QWidget* meIncomeCode = nullptr;
    QPushButton* bnIncomeCode = nullptr;
    QLabel* lbIncomeName = nullptr;
    QLabel* lbIncomeSum = nullptr;
    TMaskedEdit* meIncomeSum = nullptr;
    QLabel* lbDeductCode = nullptr;
    QWidget* meDeductCode = nullptr;
    QPushButton* bnDeductCode = nullptr;
    QLabel* lbDeductSum = nullptr;
    TMaskedEdit* meDeductSum = nullptr;

    // Shows the stored income amount and, with an income code, the code with its name, the
    // deduction part it offers and the stored deduction as the follow rule shows it again.
    void Fill(int incomeCode, const QString& incomeName, Money incomeAmount, int deductionCode, Money deductionAmount);

    // The same for a stored value; an empty name is the dictionary's.
    void Show(const IncomeDeduction& value, const QString& incomeName = QString()) {
        Fill(value.IncomeCode, incomeName, value.Income, value.DeductionCode, value.Deduction);
    }
    // The income and deduction entered: the codes (0 when none), the amounts (empty gives 0); a
    // hidden deduction amount means a deduction without an amount.
    IncomeDeduction Value() const;

    // The income code with its name and the deduction part it offers (0: none).
    void ShowIncome(int incomeCode, const QString& incomeName);
    // The stored deduction of the income shown, as the follow rule shows it again.
    void FillDeduction(int code, Money stored);
    // No income, no deduction.
    void Clear();
    // The income changed in a way the part does not watch.
    void IncomeChanged();

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
    // A code other than the one shown was chosen and is about to be taken.
    void AboutToChoose();
    // A new income code was taken (the deduction emptied). Runs while the part's own live rules
    // are held, so that the dialog may empty or fill its fields.
    void IncomeCodeTaken();

private:
    void TakeIncomeCode(const QString& code, const QString& name);
    // The entry of a code the income picker lists, or none.
    const IncomeEntry* PickerIncome(const QString& code) const;
    void OnIncomeCodeTyped(const QString& text);
    // The income's name, wrapped and whole in the label the part made.
    void ShowIncomeName(const QString& name);
    void TakeDeduction(const DeductionEntry* entry);
    void Build(const Controls& controls);
    std::optional<Money> DeductionIncome() const;
    // The amount of the Income rule: the capped income for an equivalent entry, else 0.
    Money FollowingIncome() const;
    // The deduction part is enabled from the dictionary entry of the income code.
    void EnableDeductionPart();
    void SetDeductionPartEnabled(bool enabled);
    void ShowDeductionAttributes();
    void ShowAmount(Money amount, bool emptyAtZero);
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
    // The part made its name label and keeps it tall enough for the whole name.
    bool m_fitName = false;
    // Set while the part itself writes a field, so that its live rules do not run again.
    bool m_updating = false;
};

// Binds the part to the four fields of a record R that hold its income and deduction (and the
// field that keeps the income's name, when R keeps one).
template <typename R, typename Code>
void BindIncomeDeduction(RecordBindings<R>& fields, IncomeDeductionPart* part, Code R::*incomeCode, Money R::*income,
                         Code R::*deductionCode, Money R::*deduction, std::string R::*incomeName = nullptr) {
    fields.Fields(
        [=](const R& r) {
            const QString name = incomeName ? QString::fromStdString(r.*incomeName) : QString();
            part->Show({r.*incomeCode, r.*income, r.*deductionCode, r.*deduction}, name);
        },
        [=](R& r) {
            const IncomeDeduction value = part->Value();
            r.*incomeCode = value.IncomeCode;
            r.*income = value.Income;
            r.*deductionCode = value.DeductionCode;
            r.*deduction = value.Deduction;
            if (incomeName)
                r.*incomeName = part->IncomeName().toStdString();
        });
}

}  // namespace zizaza
