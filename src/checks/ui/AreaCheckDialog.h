#pragma once

#include <memory>

#include "checks/AreaCheckRun.h"

class QWidget;

namespace zizaza {

class TfmCheckError;
class UserInterface;

// The check dialog of one run of a screen's or an entry dialog's own checks: one TfmCheckError
// for the whole run, owned by the window of the parent and shown through the shell's interface.
class AreaCheckDialog : public IAreaCheckDialog {
public:
    AreaCheckDialog(UserInterface& ui, QWidget* parent);
    ~AreaCheckDialog() override;
    AreaCheckDialog(const AreaCheckDialog&) = delete;
    AreaCheckDialog& operator=(const AreaCheckDialog&) = delete;

    // The buttons "Пропустить" and "Пропустить все" can be disabled for the whole run.
    void DisableSkip();
    void DisableSkipAll();

    CheckDialogAnswer ShowProblem(std::string_view areaTitle, std::string_view message) override;

private:
    TfmCheckError& Dialog();

    UserInterface& m_ui;
    QWidget* m_parent;
    std::unique_ptr<TfmCheckError> m_dialog;
    bool m_skipDisabled = false;
    bool m_skipAllDisabled = false;
};

}  // namespace zizaza
