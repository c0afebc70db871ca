#include "checks/ui/ScreenCheckRun.h"

namespace zizaza {

ScreenCheckRun::ScreenCheckRun(UserInterface& ui, QWidget* parent, const QString& areaTitle)
    : m_dialog(ui, parent), m_run(m_dialog, areaTitle.toStdString()) {}

bool ScreenCheckRun::Problem(bool failing, const QString& message, uint16_t item) {
    return m_run.Problem(failing, message.toStdString(), item);
}

}  // namespace zizaza
