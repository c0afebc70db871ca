#include "screens/ScreenCheckRun.h"

#include <QPushButton>

#include "app/UserInterface.h"
#include "checks/ui/TfmCheckError.h"

namespace zizaza {

ScreenCheckRun::ScreenCheckRun(UserInterface& ui, QWidget* parent, QString areaTitle)
    : m_ui(ui), m_parent(parent), m_areaTitle(std::move(areaTitle)) {}

ScreenCheckRun::~ScreenCheckRun() = default;

TfmCheckError& ScreenCheckRun::Dialog() {
    if (!m_dialog) {
        m_dialog = std::make_unique<TfmCheckError>(m_parent ? m_parent->window() : nullptr);
        m_dialog->SetSectionTitle(m_areaTitle);
        m_dialog->Button2()->setEnabled(!m_skipDisabled);
        m_dialog->Button3()->setEnabled(!m_skipAllDisabled);
    }
    return *m_dialog;
}

void ScreenCheckRun::DisableSkip() {
    m_skipDisabled = true;
    if (m_dialog)
        m_dialog->Button2()->setEnabled(false);
}

void ScreenCheckRun::DisableSkipAll() {
    m_skipAllDisabled = true;
    if (m_dialog)
        m_dialog->Button3()->setEnabled(false);
}

bool ScreenCheckRun::Problem(bool failing, const QString& message, uint16_t item) {
    if (m_finished || !failing)
        return false;
    TfmCheckError& dialog = Dialog();
    dialog.SetMessage(message);
    m_lastAnswer = m_ui.RunModal(dialog);
    if (m_lastAnswer == TfmCheckError::kFix) {
        m_finished = true;
        m_result = item;
    } else if (m_lastAnswer == TfmCheckError::kSkipAll || m_stopAtFirst) {
        m_finished = true;
        m_result = 0;
    }
    return true;
}

}  // namespace zizaza
