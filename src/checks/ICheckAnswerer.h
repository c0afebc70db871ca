#pragma once

#include <string>
#include <string_view>

namespace zizaza {

// What the user decided about one problem of the whole-declaration check. Closing the dialog
// with its close box counts as Cancel.
enum class CheckAnswer { Fix, Cancel };

// Shows the problems of the whole-declaration check one at a time and returns the user's answer:
// "Исправить" (Fix) or "Отмена" (Cancel). The desktop program answers with the dialog
// TfmCheckAllError (caption CheckCaption(sectionTitle), the message in its label); tests and the
// command line answer from a script. One answerer serves a whole check run.
class ICheckAnswerer {
public:
    virtual ~ICheckAnswerer() = default;
    virtual CheckAnswer ShowProblem(const std::string& sectionTitle, const std::string& message) = 0;
};

// The caption of a check dialog: "Проверка: " followed by the section's title.
inline std::string CheckCaption(std::string_view sectionTitle) {
    return "Проверка: " + std::string(sectionTitle);
}

}  // namespace zizaza
