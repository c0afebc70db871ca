#include "screens/controls/TUpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

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
