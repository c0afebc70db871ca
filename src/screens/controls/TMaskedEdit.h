#pragma once

#include <QLineEdit>
#include <optional>

namespace zizaza {

// What a TMaskedEdit accepts.
enum class TEditTypeControlEnum {
    edtCurrency,  // a money amount with the screen's decimal separator
    edtDigital,   // digits only
    edtChar,      // anything but digits
    edtNone,      // any text
    edt_Digital,  // digits and spaces
};

// A one-line edit that filters typed characters by its kind and checks every change of its
// text (typed, pasted or undone) against the same rules; a text that breaks them is replaced
// by the last accepted one. Characters that Windows-1251 cannot hold are refused with a hint,
// so nothing typed here is changed when the declaration is saved.
//
// Pasted amounts may group their roubles by spaces ("150 000,00") and use either separator.
// A whole-rouble field takes an amount with zero kopecks as the roubles ("60000,00" gives
// 60000, typed or pasted) and refuses kopecks with a hint, so a separator never multiplies
// the amount.
class TMaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskedEdit(QWidget* parent = nullptr);

    TEditTypeControlEnum EditType() const { return m_editType; }
    void SetEditType(TEditTypeControlEnum type);
    // Characters in all; for amounts the digits before the separator. 0 = no limit.
    int WholeLength() const { return m_wholeLength; }
    void SetWholeLength(int length) { m_wholeLength = length; }
    // Digits after the separator of an amount. 0 = no limit.
    int FractionalLength() const { return m_fractionalLength; }
    void SetFractionalLength(int length) { m_fractionalLength = length; }

    // Shorthands for the usual fields.
    void SetupMoney();                   // edtCurrency, 12 whole digits, 2 decimals
    void SetupDigits(int length);        // edtDigital
    void SetupRoubles(int length = 12);  // edtDigital, an amount in whole roubles
    void SetupText(int length = 0);      // edtNone
    bool WholeRoubles() const { return m_wholeRoubles; }
    // The largest number a digits field takes from the user (0 = none); a larger one is
    // refused with the hint.
    void SetMaximum(int maximum, const QString& hint);

    // Shows a value kept in the document: the maximum applies to what the user enters, so a
    // stored number above it is shown as it is instead of being dropped.
    void SetStoredText(const QString& text);

    // A read-only field leaves the Tab order; this one stays (an up/down steps it by the keys).
    void KeepInTabOrder();

    // Whether a text satisfies the rules of this field.
    bool Accepts(const QString& text) const;
    QString LastAcceptedText() const { return m_lastText; }

signals:
    // The accepted text changed (by the user or by the program).
    void Changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Why a text is refused; some reasons are told to the user.
    enum class Refusal { None, Rules, NotCp1251, AboveMaximum, Kopecks };

    void OnTextChanged(const QString& text);
    Refusal Check(const QString& text) const;
    Refusal TypedRefusal(QChar c) const;
    // A refused text that is a pasted amount written otherwise: the same amount as this field
    // writes it; nullopt when there is none (why then tells the reason to show).
    std::optional<QString> Rewritten(const QString& text, Refusal& why) const;
    void Refuse(Refusal why);
    // The text as it would be after typing s over the selection at the caret.
    QString Prospective(const QString& s) const;
    bool AcceptsCurrency(const QString& text) const;
    bool WithinLength(const QString& text) const;

    TEditTypeControlEnum m_editType = TEditTypeControlEnum::edtCurrency;
    int m_wholeLength = 0;
    int m_fractionalLength = 0;
    bool m_wholeRoubles = false;
    int m_maximum = 0;
    QString m_maximumHint;
    QString m_lastText;
    // Set while SetStoredText fills the field.
    bool m_storing = false;
    // A separator was typed into a whole-rouble field: the kopeck digits typed next are not
    // roubles (zeros are passed over, others refused), until another key or the focus leaves.
    bool m_kopecks = false;
    // The field showed a zero when it took the focus: the first digit typed replaces it.
    bool m_replaceZero = false;
    bool m_keepInTabOrder = false;
};

}  // namespace zizaza
