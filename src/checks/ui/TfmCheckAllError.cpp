#include "checks/ui/TfmCheckAllError.h"

#include <QPushButton>

#include "ui/UserInterface.h"

namespace zizaza {

TfmCheckAllError::TfmCheckAllError(UserInterface& ui, QWidget* parent)
    : TCheckDialogBase(parent, QSize(558, 159)), m_ui(ui) {
    setObjectName(QStringLiteral("fmCheckAllError"));
    m_button1 = AddButton(QStringLiteral("Button1"), QStringLiteral("Исправить"), kFix);
    m_button2 = AddButton(QStringLiteral("Button2"), QStringLiteral("Отмена"), kCancel);
    m_button1->setDefault(true);
}

CheckAnswer TfmCheckAllError::ShowProblem(const std::string& sectionTitle, const std::string& message) {
    SetSectionTitle(QString::fromStdString(sectionTitle));
    SetMessage(QString::fromStdString(message));
    return m_ui.RunModal(*this) == kFix ? CheckAnswer::Fix : CheckAnswer::Cancel;
}

}  // namespace zizaza
