#include "screens/TThinkingFrame.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedDocEdit.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

TThinkingFrame::TThinkingFrame(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : QFrame(parent), m_host(owner), m_slot(slot) {
    setFrameShape(QFrame::NoFrame);
}

TThinkingFrame* TThinkingFrame::ShowSubScreen(int) {
    return nullptr;
}

void TThinkingFrame::StepDone(QAbstractButton* button, const char* action) {
    if (m_host.IsLoading())
        return;
    QString text = button->text().remove(QLatin1Char('&')).simplified();
    if (text.size() > 40) {
        text.truncate(40);
        text = text.left(text.lastIndexOf(QLatin1Char(' '))) + QStringLiteral("…");
    }
    m_host.StepDone({QString::fromUtf8(action) + QStringLiteral(" «%1»").arg(text)});
}

void TThinkingFrame::WatchControls() {
    for (auto* edit : findChildren<TMaskedEdit*>())
        connect(edit, &TMaskedEdit::Changed, this, [this] { NotifyChanged(); });
    for (auto* edit : findChildren<TMaskedDocEdit*>())
        connect(edit, &TMaskedDocEdit::Changed, this, [this] { NotifyChanged(); });
    for (auto* date : findChildren<TDtpPanel*>())
        connect(date, &TDtpPanel::Changed, this, [this] { NotifyChanged(); });
    // A tick is a step of its own once the screen's handlers are done with it (they were
    // connected before): unticking an income kind takes its lists away.
    for (auto* box : findChildren<QCheckBox*>())
        connect(box, &QAbstractButton::clicked, this, [this, box] {
            NotifyChanged();
            StepDone(box, box->isChecked() ? "отметка" : "снятие отметки");
        });
    for (auto* radio : findChildren<QRadioButton*>())
        connect(radio, &QAbstractButton::clicked, this, [this, radio] {
            NotifyChanged();
            StepDone(radio, "выбор");
        });
    for (auto* spin : findChildren<QSpinBox*>())
        connect(spin, &QSpinBox::valueChanged, this, [this] { NotifyChanged(); });
}

}  // namespace zizaza
