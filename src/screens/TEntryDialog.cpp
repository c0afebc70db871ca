#include "screens/TEntryDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ScreenHost.h"
#include "ui/UserInterface.h"

namespace zizaza {

TEntryDialog::TEntryDialog(ScreenHost& host, const QString& caption) : QDialog(host.DialogParent()), m_host(host) {
    setWindowTitle(caption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_content = new QVBoxLayout;
    layout->addLayout(m_content, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_yes = new QPushButton(QStringLiteral("Да"), this);
    m_yes->setObjectName(QStringLiteral("btYes"));
    m_no = new QPushButton(QStringLiteral("Нет"), this);
    m_no->setObjectName(QStringLiteral("btNo"));
    // Enter is handled by the dialog itself, whichever control has the focus.
    m_yes->setAutoDefault(false);
    m_no->setAutoDefault(false);
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    layout->addLayout(buttons);
    connect(m_yes, &QPushButton::clicked, this, &TEntryDialog::OnYes);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);
}

bool TEntryDialog::Run() {
    const bool accepted = m_host.Ui().RunModal(*this) == QDialog::Accepted;
    if (accepted)
        m_host.DialogConfirmed(windowTitle());
    return accepted;
}

void TEntryDialog::OnYes() {
    const int item = CheckEntries();
    if (item == 0)
        accept();
    else
        FocusEntry(item);
}

void TEntryDialog::keyPressEvent(QKeyEvent* event) {
    const bool enterOrEscape =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape;
    if (enterOrEscape && !m_enterEscapeHandled) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnYes();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape rejects
}

}  // namespace zizaza
