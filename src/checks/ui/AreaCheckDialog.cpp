#include "checks/ui/AreaCheckDialog.h"

#include <QPushButton>
#include <QString>

#include "checks/ui/TfmCheckError.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

AreaCheckDialog::AreaCheckDialog(UserInterface& ui, QWidget* parent) : m_ui(ui), m_parent(parent) {}

AreaCheckDialog::~AreaCheckDialog() = default;

TfmCheckError& AreaCheckDialog::Dialog() {
    if (!m_dialog) {
        m_dialog = std::make_unique<TfmCheckError>(m_parent ? m_parent->window() : nullptr);
        m_dialog->Button2()->setEnabled(!m_skipDisabled);
        m_dialog->Button3()->setEnabled(!m_skipAllDisabled);
    }
    return *m_dialog;
}

void AreaCheckDialog::DisableSkip() {
    m_skipDisabled = true;
    if (m_dialog)
        m_dialog->Button2()->setEnabled(false);
}

void AreaCheckDialog::DisableSkipAll() {
    m_skipAllDisabled = true;
    if (m_dialog)
        m_dialog->Button3()->setEnabled(false);
}

CheckDialogAnswer AreaCheckDialog::ShowProblem(std::string_view areaTitle, std::string_view message) {
    TfmCheckError& dialog = Dialog();
    dialog.SetSectionTitle(Q(areaTitle));
    dialog.SetMessage(Q(message));
    return TfmCheckError::Answer(m_ui.RunModal(dialog));
}

}  // namespace zizaza
