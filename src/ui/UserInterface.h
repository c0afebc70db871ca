#pragma once

#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

class QDialog;
class QPrinter;

namespace zizaza {

// One file type of a file dialog: "Zizaza 2017" with the pattern "*.tv7".
struct FileType {
    QString description;
    QString pattern;
};

struct FileDialogRequest {
    QString title;
    QString folder;         // where the dialog starts; empty: the dialog's own choice
    QString defaultSuffix;  // added to a name typed without extension ("tv7")
    std::vector<FileType> types;
};

// Everything that asks the user something or tells them something goes through here: message
// boxes, the common file, folder and printer dialogs, the program's own modal dialogs and the
// opening of web and mail addresses. The program shows Qt dialogs; tests answer from a script.
class UserInterface {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserInterface() = default;

    // Question icon, Yes / No / Cancel (Yes / No when withCancel is false).
    virtual Answer Ask(const QString& text, bool withCancel = true) = 0;
    // Question icon and three buttons with the texts given: 0, 1 or 2 for the button chosen;
    // Escape and the close box choose the second. Interfaces without buttons of their own answer through Ask:
    // Yes, No, Cancel.
    virtual int Choose(const QString& text, const QString& first, const QString& second, const QString& third) {
        (void)first, (void)second, (void)third;
        return static_cast<int>(Ask(text, true));
    }
    virtual void Inform(const QString& text) = 0;  // information icon
    virtual void Error(const QString& text) = 0;   // error icon
    virtual void Plain(const QString& text) = 0;   // no icon

    // The chosen file or folder; empty when the user cancelled.
    virtual QString ChooseOpenFile(const FileDialogRequest& request) = 0;
    // Several files at once; interfaces without such a dialog give the one file chosen.
    virtual QStringList ChooseOpenFiles(const FileDialogRequest& request) {
        const QString file = ChooseOpenFile(request);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    virtual QString ChooseSaveFile(const FileDialogRequest& request) = 0;
    virtual QString ChooseFolder(const QString& title) = 0;
    // The print dialog sets printer up: printer or PDF file, copies, page range; false: cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;

    // Shows one of the program's own dialogs modally and returns its result.
    virtual int RunModal(QDialog& dialog) = 0;

    // Hands a web or mail address to the desktop; false when nothing could open it.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// The caption of every message box of the program.
inline const QString kProgramCaption = QStringLiteral("Zizaza 2017");

}  // namespace zizaza
