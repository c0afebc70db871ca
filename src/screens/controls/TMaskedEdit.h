#pragma once

#include <QLineEdit>

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
// by the last accepted one. Characters that Windows-1251 cannot hold are refused, so nothing
// typed here is changed when the declaration is saved.
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
    void SetupText(int length = 0);      // edtNone

    // Whether a text satisfies the rules of this field.
    bool Accepts(const QString& text) const;
    QString LastAcceptedText() const { return m_lastText; }

signals:
    // The accepted text changed (by the user or by the program).
    void Changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnTextChanged(const QString& text);
    // The text as it would be after typing s over the selection at the caret.
    QString Prospective(const QString& s) const;
    bool AcceptsCurrency(const QString& text) const;
    bool WithinLength(const QString& text) const;
    bool TypedCharAllowed(QChar c) const;

    TEditTypeControlEnum m_editType = TEditTypeControlEnum::edtCurrency;
    int m_wholeLength = 0;
    int m_fractionalLength = 0;
    QString m_lastText;
};

}  // namespace zizaza
