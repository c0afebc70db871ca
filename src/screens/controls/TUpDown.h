#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace zizaza {

// The up/down arrows beside a number field: each press, and each Up or Down key in the field,
// moves the field's whole number by one within the bounds.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* associate, int minimum, int maximum, QWidget* parent = nullptr);

    int Position() const;
    void SetPosition(int value);
    void StepBy(int delta);

signals:
    void Moved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_associate;
    int m_min;
    int m_max;
};

}  // namespace zizaza
