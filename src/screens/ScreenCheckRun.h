#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class QWidget;

namespace zizaza {

class TfmCheckError;
class UserInterface;

// One run of a screen's (or an entry dialog's) own checks. Problems are reported in order;
// each is shown in the run's one check dialog: "Исправить" ends the run with the problem's
// item, "Пропустить" (or closing the dialog) goes on, "Пропустить все" ends it with 0.
//
//     ScreenCheckRun run(Host().Ui(), this, "Задание условий");
//     run.Problem(code.isEmpty(), "Не введен номер инспекции", 1);
//     run.Problem(...);
//     return run.Result();
class ScreenCheckRun {
public:
    ScreenCheckRun(UserInterface& ui, QWidget* parent, QString areaTitle);
    ~ScreenCheckRun();
    ScreenCheckRun(const ScreenCheckRun&) = delete;
    ScreenCheckRun& operator=(const ScreenCheckRun&) = delete;

    // Screens whose checks stop at the first failure, whatever the answer.
    void StopAtFirstProblem() { m_stopAtFirst = true; }
    // The buttons "Пропустить" and "Пропустить все" can be disabled for the whole run.
    void DisableSkip();
    void DisableSkipAll();

    // Shows the problem when failing is true and the run goes on. Returns whether the problem
    // was shown.
    bool Problem(bool failing, const QString& message, uint16_t item);

    bool Finished() const { return m_finished; }
    uint16_t Result() const { return m_result; }
    // The answer to the last problem shown (0 before the first).
    int LastAnswer() const { return m_lastAnswer; }

private:
    TfmCheckError& Dialog();

    UserInterface& m_ui;
    QWidget* m_parent;
    QString m_areaTitle;
    std::unique_ptr<TfmCheckError> m_dialog;
    bool m_stopAtFirst = false;
    bool m_skipDisabled = false;
    bool m_skipAllDisabled = false;
    bool m_finished = false;
    uint16_t m_result = 0;
    int m_lastAnswer = 0;
};

}  // namespace zizaza
