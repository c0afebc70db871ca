#pragma once

#include <QString>
#include <cstdint>

#include "checks/AreaCheckRun.h"
#include "checks/ui/AreaCheckDialog.h"

class QWidget;

namespace zizaza {

class UserInterface;

// One run of an entry dialog's own checks, shown in the run's one check dialog (the screens ask
// the core's checks of their area instead). Problems are reported in order: "Исправить" ends the
// run with the problem's item, "Пропустить" (or closing the dialog) goes on, "Пропустить все"
// ends it with 0.
//
//     ScreenCheckRun run(Host().Ui(), this, "Источник дохода");
//     run.Problem(name.isEmpty(), "Не введено наименование", 1);
//     return run.Result();
class ScreenCheckRun {
public:
    ScreenCheckRun(UserInterface& ui, QWidget* parent, const QString& areaTitle);

    // Checks that stop at the first failure, whatever the answer.
    void StopAtFirstProblem() { m_run.StopAtFirstProblem(); }
    // The buttons "Пропустить" and "Пропустить все" can be disabled for the whole run.
    void DisableSkip() { m_dialog.DisableSkip(); }
    void DisableSkipAll() { m_dialog.DisableSkipAll(); }

    // Shows the problem when failing is true and the run goes on. Returns whether the problem
    // was shown.
    bool Problem(bool failing, const QString& message, uint16_t item);

    bool Finished() const { return m_run.Finished(); }
    uint16_t Result() const { return m_run.Result(); }
    // The answer to the last problem shown (Closed before the first).
    CheckDialogAnswer LastAnswer() const { return m_run.LastAnswer(); }

private:
    AreaCheckDialog m_dialog;
    AreaCheckRun m_run;
};

}  // namespace zizaza
