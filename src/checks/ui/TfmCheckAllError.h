#pragma once

#include "checks/ui/TCheckDialogBase.h"

class QPushButton;

namespace zizaza {

class UserInterface;

// The check dialog of the whole-declaration check: "Исправить" (6) or "Отмена" (7).
class TfmCheckAllError : public TCheckDialogBase {
    Q_OBJECT
public:
    static constexpr int kFix = 6;
    static constexpr int kCancel = 7;

    TfmCheckAllError(UserInterface& ui, QWidget* parent = nullptr);

    // Shows one problem; true when the user chose "Исправить".
    bool AskFix(const QString& sectionTitle, const QString& message);

    QPushButton* Button1() const { return m_button1; }
    QPushButton* Button2() const { return m_button2; }

private:
    UserInterface& m_ui;
    QPushButton* m_button1;
    QPushButton* m_button2;
};

}  // namespace zizaza
