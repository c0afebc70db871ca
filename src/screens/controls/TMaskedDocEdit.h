#pragma once

#include <QLineEdit>

namespace zizaza {

// Formats of the series and number of an identity document. "Letters" are the capital Cyrillic
// letters А to Я; every part may be shorter than its limit.
enum class TDocumentMaskEnum {
    edtR_BB,   // Roman number (I V X L C, canonical, up to 9), "-", 2 letters, space, 6 digits
    edt99,     // 2 digits, space, 7 digits
    edt99_,    // 2 digits, space, 2 digits, space, 6 digits
    edtBB,     // 2 letters, space, 6 digits
    edtBB0,    // 2 letters, space, 7 digits
    edtNone1,  // any text of up to 25 characters
    edtNone2,  // any text of up to 14 characters
    edtBB5,    // 2 letters, space, 5 digits
};

// The series-and-number entry of identity documents. Typed characters are filtered by the
// format, the spaces between the parts are put in by the control, small Cyrillic letters become
// capitals, and every change of the text (a paste too) that breaks the format, or holds what
// Windows-1251 cannot store, is replaced by the last accepted text; characters Windows-1251
// lacks are refused with a hint.
class TMaskedDocEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskedDocEdit(QWidget* parent = nullptr);

    TDocumentMaskEnum EditType() const { return m_editType; }
    void SetEditType(TDocumentMaskEnum type) { m_editType = type; }

    // Whether a whole text fits a format.
    static bool Fits(TDocumentMaskEnum type, const QString& text);
    // Whether a text is a canonical Roman number of I, V, X, L and C of at most 9 characters.
    static bool IsCanonicalRoman(const QString& text);

    // Shows a text kept in the document. A text the format refuses (written by an earlier
    // edition, or under another format) is not dropped: the field falls back to free text and
    // keeps it.
    void SetStoredText(const QString& text);
    QString LastAcceptedText() const { return m_lastText; }

signals:
    // The accepted text changed.
    void Changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool Accepts(const QString& text) const;
    // The typed character as the part under the caret takes it (Roman digits, capitals).
    QChar Translate(QChar c) const;
    void OnTextChanged(const QString& text);

    TDocumentMaskEnum m_editType = TDocumentMaskEnum::edtNone1;
    QString m_lastText;
    bool m_replacing = false;
};

}  // namespace zizaza
