#include "checks/ui/TCheckDialogBase.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zizaza {

TCheckDialogBase::TCheckDialogBase(QWidget* parent, QSize clientSize) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Проверка"));
    setFixedSize(clientSize);
    setModal(true);

    auto* layout = new QHBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QHBoxLayout(panel);
    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    m_message = new QLabel(panel);
    m_message->setObjectName(QStringLiteral("Label1"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    // The label wraps a long text inside the fixed dialog instead of widening it.
    m_message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    panelLayout->addWidget(picture);
    panelLayout->addWidget(m_message, 1);
    layout->addWidget(panel, 1);

    m_buttons = new QVBoxLayout;
    layout->addLayout(m_buttons);
    m_buttons->addStretch();
}

QPushButton* TCheckDialogBase::AddButton(const QString& objectName, const QString& caption, int result) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setMinimumWidth(120);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    m_buttons->insertWidget(m_buttons->count() - 1, button);
    return button;
}

void TCheckDialogBase::SetSectionTitle(const QString& title) {
    setWindowTitle(QStringLiteral("Проверка: ") + title);
}

void TCheckDialogBase::SetMessage(const QString& message) {
    m_message->setText(message);
}

QString TCheckDialogBase::Message() const {
    return m_message->text();
}

void TCheckDialogBase::reject() {
    done(kCancelled);
}

}  // namespace zizaza
