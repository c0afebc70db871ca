#include "screens/controls/TTestMaskD.h"

#include <QKeyEvent>

namespace zizaza {

TTestMaskD::TTestMaskD(QWidget* parent) : QLineEdit(parent) {
    // Optional digits: a half-typed date is still text the date panel can judge on leaving.
    setInputMask(QStringLiteral("00.00.0000;_"));
}

void TTestMaskD::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit Left();
}

void TTestMaskD::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter)
        emit Left();
    QLineEdit::keyPressEvent(event);
}

}  // namespace zizaza
