#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zizaza {

// The answers of the check dialog of the screens and the entry dialogs: "Исправить",
// "Пропустить", "Пропустить все", or the dialog closed with its close box.
enum class CheckDialogAnswer { Fix, Skip, SkipAll, Closed };

// Shows one problem of a screen's (or an entry dialog's) own check, the caption "Проверка: " and
// the area's title, and returns the user's answer. The desktop program answers with one
// TfmCheckError per run; tests answer from a script.
class IAreaCheckDialog {
public:
    virtual ~IAreaCheckDialog() = default;
    virtual CheckDialogAnswer ShowProblem(std::string_view areaTitle, std::string_view message) = 0;
};

// One run of an area's own checks. Problems are reported in order; "Исправить" ends the run with
// the problem's item, "Пропустить" (or closing the dialog) goes on, "Пропустить все" ends it.
//
//     AreaCheckRun run(dialog, "Задание условий");
//     run.Problem(doc.InspectionCode.empty(), "Не введен номер инспекции", kItemInspection);
//     return run.Result();
class AreaCheckRun {
public:
    AreaCheckRun(IAreaCheckDialog& dialog, std::string areaTitle);

    // Areas whose checks stop at the first problem shown, whatever the answer.
    void StopAtFirstProblem() { m_stopAtFirst = true; }
    // Areas whose checks go on after "Исправить"; the last problem fixed gives the result.
    void GoOnAfterFix() { m_goOnAfterFix = true; }

    // Shows the problem when failing is true and the run goes on. Returns whether it was shown.
    bool Problem(bool failing, std::string_view message, uint16_t item);

    bool Finished() const { return m_finished; }
    // Whether the user chose "Исправить" on some problem of the run.
    bool Fixing() const { return m_fixing; }
    // The item of the problem the user chose to fix, 0 for none.
    uint16_t Result() const { return m_result; }
    // The answer to the last problem shown (Closed before the first).
    CheckDialogAnswer LastAnswer() const { return m_lastAnswer; }

private:
    IAreaCheckDialog& m_dialog;
    std::string m_areaTitle;
    bool m_stopAtFirst = false;
    bool m_goOnAfterFix = false;
    bool m_finished = false;
    bool m_fixing = false;
    uint16_t m_result = 0;
    CheckDialogAnswer m_lastAnswer = CheckDialogAnswer::Closed;
};

}  // namespace zizaza
