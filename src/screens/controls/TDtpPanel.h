#pragma once

#include <QWidget>

#include "storage/Date.h"

class QCalendarWidget;
class QToolButton;

namespace zizaza {

class TTestMaskD;

// A date entry: the masked text and a drop-down calendar, kept between a minimum and a
// maximum date. A date that cannot exist or lies outside the bounds never stays in it.
class TDtpPanel : public QWidget {
    Q_OBJECT
public:
    explicit TDtpPanel(QWidget* parent = nullptr);

    Date GetDate() const { return m_date; }
    // Moves a date outside the bounds onto the nearer bound; Changed only when the value changes.
    void SetDate(Date date);
    Date MinDate() const { return m_min; }
    Date MaxDate() const { return m_max; }
    void SetMinDate(Date date);
    void SetMaxDate(Date date);

    TTestMaskD* TextPart() const { return m_text; }
    QCalendarWidget* Calendar() const { return m_calendar; }
    // Opens the calendar below the text, on the current date.
    void DropDown();

signals:
    void Changed();

private:
    void OnTextEdited(const QString& text);
    void OnTextLeft();
    void OnDayChosen();
    void ShowDateText();

    TTestMaskD* m_text = nullptr;
    QToolButton* m_dropButton = nullptr;
    QWidget* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    Date m_date;
    Date m_min;
    Date m_max;
};

}  // namespace zizaza
