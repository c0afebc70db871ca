#include "checks/ui/SourceCheckDialog.h"

#include <QPushButton>
#include <QString>

#include "checks/ui/TfmCheckError.h"
#include "ui/UserInterface.h"

namespace zizaza {

SourceCheckDialog::SourceCheckDialog(UserInterface& ui, QWidget* parent) : m_ui(ui), m_parent(parent) {}

SourceCheckDialog::~SourceCheckDialog() = default;

CheckDialogAnswer SourceCheckDialog::ShowProblem(std::string_view sectionTitle, std::string_view message,
                                                 bool skipEnabled) {
    if (!m_dialog) {
        m_dialog = std::make_unique<TfmCheckError>(m_parent);
        m_dialog->Button3()->setEnabled(false);
    }
    m_dialog->SetSectionTitle(QString::fromUtf8(sectionTitle.data(), static_cast<qsizetype>(sectionTitle.size())));
    m_dialog->SetMessage(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    m_dialog->Button2()->setEnabled(skipEnabled);
    return TfmCheckError::Answer(m_ui.RunModal(*m_dialog));
}

}  // namespace zizaza
