#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/UserInterface.h"

namespace zizaza {

// The real dialogs: Qt message boxes, file, folder and printer dialogs.
class QtUserInterface : public UserInterface {
public:
    // Message boxes and dialogs are centred over this window (the main window once it exists).
    void SetParentWindow(QWidget* window) { m_parent = window; }

    Answer Ask(const QString& text, bool withCancel) override;
    int Choose(const QString& text, const QString& first, const QString& second, const QString& third) override;
    // As Choose, with the third button set away from the others: an answer that cannot be taken back.
    int ChooseThirdApart(const QString& text, const QString& first, const QString& second, const QString& third);
    void Inform(const QString& text) override;
    void Error(const QString& text) override;
    void Plain(const QString& text) override;
    QString ChooseOpenFile(const FileDialogRequest& request) override;
    QStringList ChooseOpenFiles(const FileDialogRequest& request) override;
    QString ChooseSaveFile(const FileDialogRequest& request) override;
    QString ChooseFolder(const QString& title, const QString& start) override;
    bool ChoosePrinter(QPrinter& printer) override;
    int RunModal(QDialog& dialog) override;
    bool OpenUrl(const QUrl& url) override;
    bool InformFileWritten(const QString& text) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace zizaza
