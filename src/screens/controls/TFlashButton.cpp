#include "screens/controls/TFlashButton.h"

#include <QPainter>
#include <QPalette>
#include <QPen>

namespace zizaza {

const QColor TFlashButton::FieldActiveColor(208, 212, 216);
const QColor TFlashButton::FieldSelectedColor(176, 188, 208);
const QColor TFlashButton::FieldActiveSelected(132, 146, 181);
const QColor TFlashButton::BevelActiveColor(8, 36, 102);
const QColor TFlashButton::BevelSelectedColor(8, 36, 102);

TFlashButton::TFlashButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    resize(22, 23);
}

void TFlashButton::SetDown(bool down) {
    setChecked(down);
}

void TFlashButton::nextCheckState() {
    if (isChecked() && !m_allowAllUp && m_groupIndex != 0)
        return;
    setChecked(!isChecked());
}

void TFlashButton::checkStateSet() {
    if (isChecked())
        ReleaseOthers();
    update();
}

void TFlashButton::ReleaseOthers() {
    if (m_groupIndex == 0 || !parentWidget())
        return;
    for (auto* other : parentWidget()->findChildren<TFlashButton*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->m_groupIndex == m_groupIndex && other->isChecked())
            other->setChecked(false);
}

QColor TFlashButton::FaceColor() const {
    if (isChecked())
        return m_hover ? FieldActiveSelected : FieldSelectedColor;
    if (m_hover && isEnabled())
        return FieldActiveColor;
    return palette().color(QPalette::Button);
}

QSize TFlashButton::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    const QSize is = icon().isNull() ? QSize(0, 0) : iconSize();
    if (text().isEmpty())
        return QSize(std::max(22, is.width() + 6), std::max(23, is.height() + 6));
    const int iconHeight = icon().isNull() ? 0 : is.height() + m_spacing;
    return QSize(std::max(22, fm.horizontalAdvance(text()) + 12), std::max(23, iconHeight + fm.height() + 10));
}

void TFlashButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, FaceColor());
    if (isChecked() || (m_hover && isEnabled())) {
        p.setPen(isChecked() ? BevelSelectedColor : BevelActiveColor);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        // The keyboard's place among the buttons: a dashed frame inside the face.
        p.setPen(QPen(BevelActiveColor, 1, Qt::DashLine));
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    QRect textRect = r.adjusted(4, 4, -4, -4);
    if (!icon().isNull()) {
        const QSize is = iconSize();
        const int iconTop = text().isEmpty() ? r.center().y() - is.height() / 2 : r.top() + 4;
        icon().paint(&p, QRect(r.center().x() - is.width() / 2, iconTop, is.width(), is.height()), Qt::AlignCenter,
                     mode);
        textRect.setTop(iconTop + is.height() + m_spacing);
    }
    if (!text().isEmpty()) {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());
    }
}

void TFlashButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TFlashButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace zizaza
