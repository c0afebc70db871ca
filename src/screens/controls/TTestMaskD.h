#pragma once

#include <QLineEdit>

namespace zizaza {

// The text part of a date entry: day, month and year behind a fixed mask with the screen's
// date separator ("__.__.____").
class TTestMaskD : public QLineEdit {
    Q_OBJECT
public:
    explicit TTestMaskD(QWidget* parent = nullptr);

signals:
    // The text part lost the input focus (or Enter was pressed in it).
    void Left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zizaza
