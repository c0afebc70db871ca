#include "screens/ScreenWidgets.h"

#include <QFormLayout>
#include <QGridLayout>
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

int AddRows(QGridLayout* grid, QWidget* parent, std::initializer_list<FieldRow> rows, int first, bool wrap) {
    int row = first;
    for (const FieldRow& r : rows) {
        QLabel* label = r.label;
        if (!label && !r.caption.isEmpty()) {
            label = new QLabel(r.caption, parent);
            label->setWordWrap(wrap);
        }
        if (!r.hint.isEmpty()) {
            if (label)
                label->setToolTip(r.hint);
            if (r.field)
                r.field->setToolTip(r.hint);
        }
        const int column = label ? 1 : 0;
        const int span = label ? 1 : 2;
        if (label)
            grid->addWidget(label, row, 0);
        if (r.field)
            grid->addWidget(r.field, row, column, 1, span, r.align);
        else if (r.layout)
            grid->addLayout(r.layout, row, column, 1, span, r.align);
        ++row;
    }
    return row;
}

void AddRows(QFormLayout* form, std::initializer_list<FieldRow> rows) {
    for (const FieldRow& r : rows) {
        if (r.label)
            form->addRow(r.label, r.field);
        else
            form->addRow(r.caption, r.field);
    }
}

}  // namespace zizaza::parts
