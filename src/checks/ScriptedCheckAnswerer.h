#pragma once

#include "checks/ICheckAnswerer.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zizaza {

// Answers the problems from a list given in advance and remembers every problem shown, for tests
// and the command line. Once the list is used up every further problem gets the fallback answer.
class ScriptedCheckAnswerer : public ICheckAnswerer {
public:
    struct Shown {
        std::string sectionTitle;
        std::string message;
        CheckAnswer answer;
        // The line the command line prints: "Проверка: " + title + ": " + message.
        std::string Line() const;
    };

    explicit ScriptedCheckAnswerer(std::vector<CheckAnswer> script = {}, CheckAnswer fallback = CheckAnswer::Cancel);

    CheckAnswer ShowProblem(const std::string& sectionTitle, const std::string& message) override;

    const std::vector<Shown>& ShownProblems() const { return m_shown; }
    size_t ShownCount() const { return m_shown.size(); }

private:
    std::vector<CheckAnswer> m_script;
    CheckAnswer m_fallback;
    std::vector<Shown> m_shown;
};

}  // namespace zizaza
