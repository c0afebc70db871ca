#pragma once

#include "checks/AreaCheckRun.h"
#include "checks/ui/TCheckDialogBase.h"

class QPushButton;

namespace zizaza {

// The check dialog of the screens and the entry dialogs: "Исправить" (6), "Пропустить" (7),
// "Пропустить все" (9).
class TfmCheckError : public TCheckDialogBase {
    Q_OBJECT
public:
    static constexpr int kFix = 6;
    static constexpr int kSkip = 7;
    static constexpr int kSkipAll = 9;

    explicit TfmCheckError(QWidget* parent = nullptr);

    // The answer of a result of the dialog; any result but the three buttons' is Closed.
    static CheckDialogAnswer Answer(int result);

    QPushButton* Button1() const { return m_button1; }
    QPushButton* Button2() const { return m_button2; }
    QPushButton* Button3() const { return m_button3; }

private:
    QPushButton* m_button1;
    QPushButton* m_button2;
    QPushButton* m_button3;
};

}  // namespace zizaza
