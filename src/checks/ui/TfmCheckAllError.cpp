#include "checks/ui/TfmCheckAllError.h"

#include <QPushButton>

#include "app/UserInterface.h"

namespace zizaza {

TfmCheckAllError::TfmCheckAllError(UserInterface& ui, QWidget* parent)
    : TCheckDialogBase(parent, QSize(558, 159)), m_ui(ui) {
    setObjectName(QStringLiteral("fmCheckAllError"));
    m_button1 = AddButton(QStringLiteral("Button1"), QStringLiteral("Исправить"), kFix);
    m_button2 = AddButton(QStringLiteral("Button2"), QStringLiteral("Отмена"), kCancel);
    m_button1->setDefault(true);
}

bool TfmCheckAllError::AskFix(const QString& sectionTitle, const QString& message) {
    SetSectionTitle(sectionTitle);
    SetMessage(message);
    return m_ui.RunModal(*this) == kFix;
}

}  // namespace zizaza
