#pragma once

#include <QDir>
#include <QFileInfo>
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
    QString name;           // the name a save dialog proposes; empty: none
    QString defaultSuffix;  // added to a name typed without extension ("tv7")
    std::vector<FileType> types;
};

// The extension of a file type's pattern ("html" for "*.html"); empty for "*" or several patterns.
inline QString TypeSuffix(const FileType& type) {
    const QString pattern = type.pattern.trimmed();
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.contains(QLatin1Char(' ')) ||
        pattern.endsWith(QLatin1Char('*')))
        return {};
    return pattern.mid(2);
}

// The file a save dialog gives for the name typed and the file type chosen: a name without an
// extension gets the chosen type's one (the request's default suffix for a type without one).
inline QString SavedFileName(const QString& typed, const FileDialogRequest& request, size_t chosenType) {
    if (typed.isEmpty() || !QFileInfo(typed).suffix().isEmpty())
        return typed;
    QString suffix = chosenType < request.types.size() ? TypeSuffix(request.types[chosenType]) : QString();
    if (suffix.isEmpty())
        suffix = request.defaultSuffix;
    return suffix.isEmpty() ? typed : typed + QLatin1Char('.') + suffix;
}

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
    // start: the folder the picker opens in (empty: its own choice).
    virtual QString ChooseFolder(const QString& title, const QString& start) = 0;
    // The print dialog sets printer up: printer or PDF file, copies, page range; false: cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;

    // Shows one of the program's own dialogs modally and returns its result.
    virtual int RunModal(QDialog& dialog) = 0;

    // Hands a web or mail address to the desktop; false when nothing could open it.
    virtual bool OpenUrl(const QUrl& url) = 0;

    // Tells that a file was written (the text names it) in a box that also offers "Открыть папку";
    // true when the user chose that. Interfaces without such a box only inform.
    virtual bool InformFileWritten(const QString& text) {
        Inform(text);
        return false;
    }
};

// Tells that the file at path was written and, when the user asks, opens the folder that holds it.
inline void TellFileWritten(UserInterface& ui, const QString& text, const QString& path) {
    if (!ui.InformFileWritten(text))
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!ui.OpenUrl(QUrl::fromLocalFile(folder)))
        ui.Error(QStringLiteral("Не удалось открыть папку ") + QDir::toNativeSeparators(folder));
}

// The caption of every message box of the program.
inline const QString kProgramCaption = QStringLiteral("Zizaza 2017");

}  // namespace zizaza
