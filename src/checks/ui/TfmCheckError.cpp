#include "checks/ui/TfmCheckError.h"

#include <QPushButton>

namespace zizaza {

TfmCheckError::TfmCheckError(QWidget* parent) : TCheckDialogBase(parent, QSize(558, 154)) {
    setObjectName(QStringLiteral("fmCheckError"));
    m_button1 = AddButton(QStringLiteral("Button1"), QStringLiteral("Исправить"), kFix);
    m_button2 = AddButton(QStringLiteral("Button2"), QStringLiteral("Пропустить"), kSkip);
    m_button3 = AddButton(QStringLiteral("Button3"), QStringLiteral("Пропустить все"), kSkipAll);
    m_button1->setDefault(true);
}

CheckDialogAnswer TfmCheckError::Answer(int result) {
    switch (result) {
        case kFix:
            return CheckDialogAnswer::Fix;
        case kSkip:
            return CheckDialogAnswer::Skip;
        case kSkipAll:
            return CheckDialogAnswer::SkipAll;
        default:
            return CheckDialogAnswer::Closed;
    }
}

}  // namespace zizaza
