#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/UserInterface.h"

namespace zizaza::test {

// What the print dialog is scripted to choose: "Print to File" into outputFile, copies, and pages
// fromPage to toPage (0: all pages).
struct PrinterChoice {
    QString outputFile;
    int copies = 1;
    int fromPage = 0, toPage = 0;
};

// Answers every dialog of the program from a script and records what was shown. A dialog
// that arrives with no scripted answer fails the test and is cancelled.
class ScriptedUi : public UserInterface {
public:
    enum class Kind { Ask, Inform, Error, Plain };
    struct Message {
        Kind kind;
        QString text;
    };
    using ModalHandler = std::function<int(QDialog&)>;

    Answer Ask(const QString& text, bool withCancel) override;
    void Inform(const QString& text) override;
    void Error(const QString& text) override;
    void Plain(const QString& text) override;
    QString ChooseOpenFile(const FileDialogRequest& request) override;
    // The next scripted name; names joined by "\n" are several files chosen at once.
    QStringList ChooseOpenFiles(const FileDialogRequest& request) override;
    QString ChooseSaveFile(const FileDialogRequest& request) override;
    QString ChooseFolder(const QString& title, const QString& start) override;
    bool ChoosePrinter(QPrinter& printer) override;
    int RunModal(QDialog& dialog) override;
    bool OpenUrl(const QUrl& url) override;
    // Recorded as information; answers openFolder.
    bool InformFileWritten(const QString& text) override;

    // Script. An empty file name stands for a cancelled dialog.
    ScriptedUi& Answers(std::initializer_list<Answer> answers);
    ScriptedUi& OpenFile(const QString& name);
    // The file chosen in the save dialog, as given; with a file type (an index into the request's
    // types), the name typed there with that type chosen.
    ScriptedUi& SaveFile(const QString& name, std::optional<size_t> type = std::nullopt);
    // An empty folder stands for a cancelled picker.
    ScriptedUi& Folder(const QString& folder);
    // The print dialog's answer; nullopt stands for a cancelled dialog.
    ScriptedUi& Printer(std::optional<PrinterChoice> choice);
    ScriptedUi& Modal(ModalHandler handler);
    // The next modal dialog is answered by clicking its button of that object name.
    ScriptedUi& Click(const QString& buttonName);
    // The next modal dialog is closed with its close box (reject).
    ScriptedUi& CloseBox();
    // The next modal dialog is a code picker: the row of the code is chosen and "Да" pressed.
    ScriptedUi& PickCode(const QString& code);

    // What was shown.
    std::vector<Message> messages;
    QStringList checkMessages;  // the texts of the check dialogs shown, in order
    QStringList checkCaptions;
    QStringList modalTitles;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<QUrl> urls;
    QStringList folderTitles;
    QStringList folderStarts;
    QStringList writtenFiles;  // the texts of the boxes that told of a file written
    bool openFolder = false;   // the answer to those boxes: "Открыть папку" or OK
    int printerDialogs = 0;
    // Called when the folder picker opens, before it is answered.
    std::function<void()> onFolderPicker;
    bool openUrlSucceeds = true;

    QStringList Texts(Kind kind) const;
    bool NothingPending() const;

private:
    std::deque<Answer> m_answers;
    std::deque<QString> m_openFiles;
    std::deque<std::pair<QString, std::optional<size_t>>> m_saveFiles;
    std::deque<QString> m_folders;
    struct ScriptedPrinter {
        bool cancelled;
        PrinterChoice choice;
    };
    std::deque<ScriptedPrinter> m_printers;
    std::deque<ModalHandler> m_modals;
};

}  // namespace zizaza::test
