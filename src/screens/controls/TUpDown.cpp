#include "screens/controls/TUpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

TUpDown::TUpDown(QLineEdit* associate, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_associate(associate), m_min(minimum), m_max(maximum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    up->setObjectName(QStringLiteral("Up"));
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(this);
    down->setObjectName(QStringLiteral("Down"));
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        layout->addWidget(b);
    }
    connect(up, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(down, &QToolButton::clicked, this, [this] { StepBy(-1); });
    // The arrows are out of the Tab order: the keys step the number in its field, which stays
    // reachable from the keyboard even when it cannot be typed into.
    associate->installEventFilter(this);
    if (auto* masked = qobject_cast<TMaskedEdit*>(associate))
        masked->KeepInTabOrder();
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_associate && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int TUpDown::Position() const {
    bool ok = false;
    const int v = m_associate->text().trimmed().toInt(&ok);
    return ok ? std::clamp(v, m_min, m_max) : m_min;
}

void TUpDown::SetPosition(int value) {
    m_associate->setText(QString::number(std::clamp(value, m_min, m_max)));
}

void TUpDown::StepBy(int delta) {
    const int before = Position();
    SetPosition(before + delta);
    if (Position() != before)
        emit Moved();
}

}  // namespace zizaza
