#include "app/QtUserInterface.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace zizaza {

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kProgramCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString NameFilters(const FileDialogRequest& request) {
    QStringList filters;
    for (const FileType& t : request.types)
        filters << QStringLiteral("%1 (%2)").arg(t.description, t.pattern);
    return filters.join(QStringLiteral(";;"));
}

void Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title.isEmpty() ? kProgramCaption : request.title);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setNameFilter(NameFilters(request));
    dialog.setSizeGripEnabled(true);
}

// The question with its buttons; no third text: two buttons only. thirdApart: the third
// button in the reset role, which every platform's button order sets at the far side.
int ChooseButton(QWidget* parent, const QString& text, const QString& first, const QString& second,
                 const QString& third, bool thirdApart) {
    QMessageBox box(QMessageBox::Question, kProgramCaption, text, QMessageBox::NoButton, parent);
    QPushButton* buttons[] = {
        box.addButton(first, QMessageBox::YesRole), box.addButton(second, QMessageBox::NoRole),
        third.isEmpty() ? nullptr
                        : box.addButton(third, thirdApart ? QMessageBox::ResetRole : QMessageBox::DestructiveRole)};
    box.setDefaultButton(buttons[0]);
    box.setEscapeButton(buttons[1]);
    box.exec();
    for (int i = 0; i < 3; ++i)
        if (buttons[i] && box.clickedButton() == buttons[i])
            return i;
    return 1;
}

// A question too long for a message box (a report and the question on its last line) in a window
// that scrolls and can be made larger; the question stands below the report, always in sight.
constexpr int kLongQuestionLines = 14;

UserInterface::Answer AskInScrollingWindow(QWidget* parent, const QString& text, bool withCancel) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgLongQuestion"));
    dialog.setWindowTitle(kProgramCaption);
    dialog.setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(&dialog);
    const qsizetype lastLine = text.trimmed().lastIndexOf(QLatin1Char('\n'));
    auto* view = new QPlainTextEdit(&dialog);
    view->setObjectName(QStringLiteral("edReport"));
    view->setReadOnly(true);
    view->setPlainText(text.left(lastLine));
    view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(view, 1);
    auto* question = new QLabel(text.trimmed().mid(lastLine + 1), &dialog);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* yes = buttons->addButton(QStringLiteral("Да"), QDialogButtonBox::YesRole);
    QPushButton* no = buttons->addButton(QStringLiteral("Нет"), QDialogButtonBox::NoRole);
    QPushButton* cancel =
        withCancel ? buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole) : nullptr;
    layout->addWidget(buttons);
    QAbstractButton* clicked = nullptr;
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton* b) {
        clicked = b;
        dialog.accept();
    });
    yes->setDefault(true);
    yes->setFocus();
    const QFontMetrics metrics(view->font());
    dialog.resize(metrics.averageCharWidth() * 110, metrics.lineSpacing() * 32);
    dialog.exec();
    if (clicked == yes)
        return UserInterface::Answer::Yes;
    if (clicked == no || !cancel)
        return UserInterface::Answer::No;
    return UserInterface::Answer::Cancel;
}

}  // namespace

UserInterface::Answer QtUserInterface::Ask(const QString& text, bool withCancel) {
    if (text.count(QLatin1Char('\n')) > kLongQuestionLines)
        return AskInScrollingWindow(m_parent, text, withCancel);
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, kProgramCaption, text, buttons, m_parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    if (withCancel)
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return withCancel ? Answer::Cancel : Answer::No;
    }
}

int QtUserInterface::Choose(const QString& text, const QString& first, const QString& second, const QString& third) {
    return ChooseButton(m_parent, text, first, second, third, false);
}

int QtUserInterface::ChooseThirdApart(const QString& text, const QString& first, const QString& second,
                                      const QString& third) {
    return ChooseButton(m_parent, text, first, second, third, true);
}
void QtUserInterface::Inform(const QString& text) {
    ShowBox(m_parent, QMessageBox::Information, text);
}
void QtUserInterface::Error(const QString& text) {
    ShowBox(m_parent, QMessageBox::Critical, text);
}
void QtUserInterface::Plain(const QString& text) {
    ShowBox(m_parent, QMessageBox::NoIcon, text);
}

QString QtUserInterface::ChooseOpenFile(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QStringList QtUserInterface::ChooseOpenFiles(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtUserInterface::ChooseSaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.name.isEmpty())
        dialog.selectFile(request.name);
    // A name typed without extension gets the one of the file type chosen in the dialog.
    const auto followType = [&dialog, &request](const QString& filter) {
        const QStringList filters = dialog.nameFilters();
        const qsizetype index = filters.indexOf(filter);
        const QString suffix = index >= 0 && static_cast<size_t>(index) < request.types.size()
                                   ? TypeSuffix(request.types[static_cast<size_t>(index)])
                                   : QString();
        dialog.setDefaultSuffix(suffix.isEmpty() ? request.defaultSuffix : suffix);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followType);
    followType(dialog.selectedNameFilter());
    // Replacing a declaration file is the usual case; the dialog does not ask about it.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QString QtUserInterface::ChooseFolder(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(m_parent, title, start, QFileDialog::ShowDirsOnly);
}

bool QtUserInterface::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtUserInterface::RunModal(QDialog& dialog) {
    return dialog.exec();
}

bool QtUserInterface::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool QtUserInterface::InformFileWritten(const QString& text) {
    QMessageBox box(QMessageBox::Information, kProgramCaption, text, QMessageBox::Ok, m_parent);
    QPushButton* open = box.addButton(QStringLiteral("Открыть папку"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == open;
}

}  // namespace zizaza
