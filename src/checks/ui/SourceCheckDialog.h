#pragma once

#include <memory>

#include "checks/IdentifierChecks.h"

class QWidget;

namespace zizaza {

class TfmCheckError;
class UserInterface;

// The check dialog of one run of a payment-source check: one TfmCheckError for the whole run,
// "Пропустить все" disabled, shown through the shell's interface.
class SourceCheckDialog : public ISourceCheckDialog {
public:
    SourceCheckDialog(UserInterface& ui, QWidget* parent);
    ~SourceCheckDialog() override;

    CheckDialogAnswer ShowProblem(std::string_view sectionTitle, std::string_view message, bool skipEnabled) override;

private:
    UserInterface& m_ui;
    QWidget* m_parent;
    std::unique_ptr<TfmCheckError> m_dialog;
};

}  // namespace zizaza
