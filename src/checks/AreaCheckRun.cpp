#include "checks/AreaCheckRun.h"

#include <utility>

namespace zizaza {

AreaCheckRun::AreaCheckRun(IAreaCheckDialog& dialog, std::string areaTitle)
    : m_dialog(dialog), m_areaTitle(std::move(areaTitle)) {}

bool AreaCheckRun::Problem(bool failing, std::string_view message, uint16_t item) {
    if (m_finished || !failing)
        return false;
    m_lastAnswer = m_dialog.ShowProblem(m_areaTitle, message);
    if (m_lastAnswer == CheckDialogAnswer::Fix) {
        m_result = item;
        m_fixing = true;
        m_finished = !m_goOnAfterFix;
    }
    if (m_lastAnswer == CheckDialogAnswer::SkipAll || m_stopAtFirst)
        m_finished = true;
    return true;
}

}  // namespace zizaza
