#include "screens/ScreenWidgets.h"

#include <QLabel>
#include <QPushButton>

#include "screens/controls/TMaskedEdit.h"

namespace zizaza::parts {

namespace {

constexpr int kAmountWidth = 140;

}  // namespace

TMaskedEdit* MoneyEdit(QWidget* parent, const char* name) {
    auto* edit = Named(new TMaskedEdit(parent), name);
    edit->SetupMoney();
    edit->setFixedWidth(kAmountWidth);
    return edit;
}

TMaskedEdit* RoublesEdit(QWidget* parent, const char* name) {
    TMaskedEdit* edit = DigitsEdit(parent, name, 12);
    edit->SetupRoubles();
    return edit;
}

TMaskedEdit* DigitsEdit(QWidget* parent, const char* name, int length) {
    auto* edit = Named(new TMaskedEdit(parent), name);
    edit->SetupDigits(length);
    edit->setFixedWidth(kAmountWidth);
    return edit;
}

TMaskedEdit* ChosenField(QWidget* parent, const char* name) {
    auto* edit = Named(new TMaskedEdit(parent), name);
    edit->SetupText(0);
    edit->setReadOnly(true);
    edit->setFixedWidth(60);
    return edit;
}

QPushButton* CodeChooser(QWidget* parent, const char* name) {
    auto* button = Named(new QPushButton(QStringLiteral("..."), parent), name);
    button->setFixedWidth(28);
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("Выбрать код из справочника"));
    return button;
}

QPushButton* ListButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QLabel* TotalDisplay(QWidget* parent, const char* name) {
    auto* label = Named(new QLabel(parent), name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(140);
    return label;
}

}  // namespace zizaza::parts
