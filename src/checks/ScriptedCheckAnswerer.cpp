#include "checks/ScriptedCheckAnswerer.h"

#include <utility>

namespace zizaza {

std::string ScriptedCheckAnswerer::Shown::Line() const {
    return CheckCaption(sectionTitle) + ": " + message;
}

ScriptedCheckAnswerer::ScriptedCheckAnswerer(std::vector<CheckAnswer> script, CheckAnswer fallback)
    : m_script(std::move(script)), m_fallback(fallback) {}

CheckAnswer ScriptedCheckAnswerer::ShowProblem(const std::string& sectionTitle, const std::string& message) {
    CheckAnswer answer = m_shown.size() < m_script.size() ? m_script[m_shown.size()] : m_fallback;
    m_shown.push_back({sectionTitle, message, answer});
    return answer;
}

}  // namespace zizaza
