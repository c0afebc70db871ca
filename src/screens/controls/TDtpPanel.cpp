#include "screens/controls/TDtpPanel.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "screens/ScreenFormat.h"
#include "screens/controls/TTestMaskD.h"

namespace zizaza {

namespace {

QDate ToQDate(Date d) {
    int y = 0, m = 0, day = 0;
    d.ToYmd(y, m, day);
    return QDate(y, m, day);
}

std::optional<Date> FromQDate(QDate d) {
    return Date::FromYmd(d.year(), d.month(), d.day());
}

}  // namespace

TDtpPanel::TDtpPanel(QWidget* parent)
    : QWidget(parent), m_date(Date::Ymd(2020, 1, 1)), m_min(Date::Ymd(2017, 1, 1)), m_max(Date::Ymd(2030, 12, 31)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_text = new TTestMaskD(this);
    m_text->setObjectName(QStringLiteral("DateText"));
    m_dropButton = new QToolButton(this);
    m_dropButton->setObjectName(QStringLiteral("DateDropDown"));
    m_dropButton->setArrowType(Qt::DownArrow);
    m_dropButton->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_dropButton);
    setFocusProxy(m_text);

    m_popup = new QWidget(this, Qt::Popup);
    auto* popupLayout = new QVBoxLayout(m_popup);
    popupLayout->setContentsMargins(0, 0, 0, 0);
    m_calendar = new QCalendarWidget(m_popup);
    m_calendar->setObjectName(QStringLiteral("DateCalendar"));
    m_calendar->setGridVisible(true);
    popupLayout->addWidget(m_calendar);

    connect(m_text, &QLineEdit::textEdited, this, &TDtpPanel::OnTextEdited);
    connect(m_text, &TTestMaskD::Left, this, &TDtpPanel::OnTextLeft);
    connect(m_dropButton, &QToolButton::clicked, this, &TDtpPanel::DropDown);
    connect(m_calendar, &QCalendarWidget::clicked, this, &TDtpPanel::OnDayChosen);
    connect(m_calendar, &QCalendarWidget::activated, this, &TDtpPanel::OnDayChosen);
    m_calendar->setDateRange(ToQDate(m_min), ToQDate(m_max));
    ShowDateText();
}

void TDtpPanel::ShowDateText() {
    m_text->setText(DateToScreen(m_date));
    m_calendar->setSelectedDate(ToQDate(m_date));
}

void TDtpPanel::SetDate(Date date) {
    date = date.DateOnly();
    if (date < m_min)
        date = m_min;
    if (date > m_max)
        date = m_max;
    const bool changed = date != m_date;
    m_date = date;
    ShowDateText();
    if (changed)
        emit Changed();
}

void TDtpPanel::SetMinDate(Date date) {
    m_min = date.DateOnly();
    if (m_max < m_min)
        m_max = m_min;
    m_calendar->setDateRange(ToQDate(m_min), ToQDate(m_max));
    if (m_date < m_min)
        SetDate(m_min);
}

void TDtpPanel::SetMaxDate(Date date) {
    m_max = date.DateOnly();
    if (m_min > m_max)
        m_min = m_max;
    m_calendar->setDateRange(ToQDate(m_min), ToQDate(m_max));
    if (m_date > m_max)
        SetDate(m_max);
}

void TDtpPanel::OnTextEdited(const QString& text) {
    if (text.trimmed().size() <= 9)
        return;
    std::optional<Date> typed = DateFromScreen(text);
    if (typed && *typed > m_min && *typed < m_max) {
        const bool changed = *typed != m_date;
        m_date = *typed;
        m_calendar->setSelectedDate(ToQDate(m_date));
        if (changed)
            emit Changed();
    }
}

void TDtpPanel::OnTextLeft() {
    std::optional<Date> typed = DateFromScreen(m_text->text());
    // A date equal to a bound is valid too: it is taken, not left behind the text.
    SetDate(typed ? *typed : m_min);
}

void TDtpPanel::OnDayChosen() {
    m_popup->hide();
    if (std::optional<Date> chosen = FromQDate(m_calendar->selectedDate()))
        SetDate(*chosen);
    m_text->setFocus();
}

void TDtpPanel::DropDown() {
    m_calendar->setSelectedDate(ToQDate(m_date));
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    m_calendar->setFocus();
}

}  // namespace zizaza
