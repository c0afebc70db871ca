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

TThinkingFrame* TThinkingFrame::ShowSubScreen(int) { return nullptr; }

void TThinkingFrame::WatchControls() {
    for (auto* edit : findChildren<TMaskedEdit*>())
        connect(edit, &TMaskedEdit::Changed, this, [this] { NotifyChanged(); });
    for (auto* edit : findChildren<TMaskedDocEdit*>())
        connect(edit, &TMaskedDocEdit::Changed, this, [this] { NotifyChanged(); });
    for (auto* date : findChildren<TDtpPanel*>())
        connect(date, &TDtpPanel::Changed, this, [this] { NotifyChanged(); });
    for (auto* box : findChildren<QCheckBox*>())
        connect(box, &QAbstractButton::clicked, this, [this] { NotifyChanged(); });
    for (auto* radio : findChildren<QRadioButton*>())
        connect(radio, &QAbstractButton::clicked, this, [this] { NotifyChanged(); });
    for (auto* spin : findChildren<QSpinBox*>())
        connect(spin, &QSpinBox::valueChanged, this, [this] { NotifyChanged(); });
}

}  // namespace zizaza
