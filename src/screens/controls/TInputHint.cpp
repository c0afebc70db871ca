#include "screens/controls/TInputHint.h"

#include <QEvent>
#include <QToolTip>

namespace zizaza {

namespace {

constexpr int kShownMilliseconds = 6000;
const char kObjectName[] = "InputHint";

}  // namespace

QString NotCp1251Hint() {
    return QStringLiteral(
        "Символы, которых нет в кодировке Windows-1251 (эмодзи, иероглифы и т. п.), в декларацию не вводятся");
}

QString WholeRoublesHint() {
    return QStringLiteral("Сумма указывается в целых рублях, без копеек");
}

TInputHint::TInputHint(QWidget* field) : QLabel(field, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QLatin1String(kObjectName));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(QToolTip::palette());
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(3);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kShownMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
    field->installEventFilter(this);
}

TInputHint* TInputHint::Of(const QWidget* field) {
    return field->findChild<TInputHint*>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly);
}

void TInputHint::Show(QWidget* field, const QString& text) {
    TInputHint* hint = Of(field);
    if (!hint)
        hint = new TInputHint(field);
    hint->setText(text);
    hint->adjustSize();
    hint->move(field->mapToGlobal(QPoint(0, field->height())));
    hint->show();
    hint->m_timer.start();
}

bool TInputHint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide || event->type() == QEvent::FocusOut)
        hide();
    return QLabel::eventFilter(watched, event);
}

}  // namespace zizaza
