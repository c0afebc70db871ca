#pragma once

#include <QLabel>
#include <QTimer>

namespace zizaza {

// A short note under an entry control that says why what was typed or pasted there was refused, so
// that nothing the user enters disappears without a word. One note per control, reused; it closes by
// itself after a few seconds, or when the control is hidden or loses the focus; typing on does
// not close it, so that it is seen even by a quick typist.
class TInputHint : public QLabel {
    Q_OBJECT
public:
    static void Show(QWidget* field, const QString& text);
    // The note of the control, or nullptr while none was ever shown.
    static TInputHint* Of(const QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TInputHint(QWidget* field);

    QTimer m_timer;
};

// The notes the entry controls show.
QString NotCp1251Hint();
QString WholeRoublesHint();

}  // namespace zizaza
