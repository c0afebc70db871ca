#pragma once

#include "checks/ICheckAnswerer.h"
#include "checks/ui/TCheckDialogBase.h"

class QPushButton;

namespace zizaza {

class UserInterface;

// The check dialog of the whole-declaration check: "Исправить" (6) or "Отмена" (7). It answers
// the core check's questions; one dialog serves a whole run.
class TfmCheckAllError : public TCheckDialogBase, public ICheckAnswerer {
    Q_OBJECT
public:
    static constexpr int kFix = 6;
    static constexpr int kCancel = 7;

    TfmCheckAllError(UserInterface& ui, QWidget* parent = nullptr);

    // Shows one problem; "Исправить" is Fix, "Отмена" and the close box are Cancel.
    CheckAnswer ShowProblem(const std::string& sectionTitle, const std::string& message) override;

    QPushButton* Button1() const { return m_button1; }
    QPushButton* Button2() const { return m_button2; }

private:
    UserInterface& m_ui;
    QPushButton* m_button1;
    QPushButton* m_button2;
};

}  // namespace zizaza
