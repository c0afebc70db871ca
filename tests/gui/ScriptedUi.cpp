#include "ScriptedUi.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>

#include "checks/ui/TCheckDialogBase.h"
#include "dictionaries/ui/TCodeListPicker.h"

namespace zizaza::test {

UserInterface::Answer ScriptedUi::Ask(const QString& text, bool) {
    messages.push_back({Kind::Ask, text});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

void ScriptedUi::Inform(const QString& text) {
    messages.push_back({Kind::Inform, text});
}
void ScriptedUi::Error(const QString& text) {
    messages.push_back({Kind::Error, text});
}
void ScriptedUi::Plain(const QString& text) {
    messages.push_back({Kind::Plain, text});
}

QString ScriptedUi::ChooseOpenFile(const FileDialogRequest& request) {
    openRequests.push_back(request);
    if (m_openFiles.empty()) {
        ADD_FAILURE() << "unexpected open dialog";
        return {};
    }
    const QString name = m_openFiles.front();
    m_openFiles.pop_front();
    return name;
}

QStringList ScriptedUi::ChooseOpenFiles(const FileDialogRequest& request) {
    const QString names = ChooseOpenFile(request);
    return names.isEmpty() ? QStringList() : names.split(QLatin1Char('\n'));
}

QString ScriptedUi::ChooseSaveFile(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    if (m_saveFiles.empty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return {};
    }
    const auto [name, type] = m_saveFiles.front();
    m_saveFiles.pop_front();
    return type ? SavedFileName(name, request, *type) : name;
}

QString ScriptedUi::ChooseFolder(const QString& title, const QString& start) {
    folderTitles << title;
    folderStarts << start;
    if (onFolderPicker)
        onFolderPicker();
    if (m_folders.empty()) {
        ADD_FAILURE() << "unexpected folder dialog";
        return {};
    }
    QString folder = m_folders.front();
    m_folders.pop_front();
    return folder;
}

ScriptedUi& ScriptedUi::Folder(const QString& folder) {
    m_folders.push_back(folder);
    return *this;
}

bool ScriptedUi::ChoosePrinter(QPrinter& printer) {
    ++printerDialogs;
    if (m_printers.empty()) {
        ADD_FAILURE() << "unexpected printer dialog";
        return false;
    }
    const ScriptedPrinter answer = m_printers.front();
    m_printers.pop_front();
    if (answer.cancelled)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answer.choice.outputFile);
    printer.setCopyCount(answer.choice.copies);
    if (answer.choice.fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(answer.choice.fromPage, answer.choice.toPage);
    }
    return true;
}

ScriptedUi& ScriptedUi::Printer(std::optional<PrinterChoice> choice) {
    m_printers.push_back(choice ? ScriptedPrinter{false, *choice} : ScriptedPrinter{true, {}});
    return *this;
}

int ScriptedUi::RunModal(QDialog& dialog) {
    modalTitles << dialog.windowTitle();
    if (auto* check = qobject_cast<TCheckDialogBase*>(&dialog)) {
        checkMessages << check->Message();
        checkCaptions << check->windowTitle();
    }
    if (m_modals.empty()) {
        ADD_FAILURE() << "unexpected modal dialog: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    ModalHandler handler = std::move(m_modals.front());
    m_modals.pop_front();
    return handler(dialog);
}

bool ScriptedUi::OpenUrl(const QUrl& url) {
    urls.push_back(url);
    return openUrlSucceeds;
}

bool ScriptedUi::InformFileWritten(const QString& text) {
    messages.push_back({Kind::Inform, text});
    writtenFiles << text;
    return openFolder;
}

ScriptedUi& ScriptedUi::Answers(std::initializer_list<Answer> answers) {
    m_answers.insert(m_answers.end(), answers);
    return *this;
}

ScriptedUi& ScriptedUi::OpenFile(const QString& name) {
    m_openFiles.push_back(name);
    return *this;
}

ScriptedUi& ScriptedUi::SaveFile(const QString& name, std::optional<size_t> type) {
    m_saveFiles.emplace_back(name, type);
    return *this;
}

ScriptedUi& ScriptedUi::Modal(ModalHandler handler) {
    m_modals.push_back(std::move(handler));
    return *this;
}

ScriptedUi& ScriptedUi::Click(const QString& buttonName) {
    return Modal([buttonName](QDialog& dialog) {
        auto* button = dialog.findChild<QAbstractButton*>(buttonName);
        if (!button) {
            ADD_FAILURE() << "no button " << buttonName.toStdString() << " in " << dialog.windowTitle().toStdString();
            return int(QDialog::Rejected);
        }
        EXPECT_TRUE(button->isEnabled()) << buttonName.toStdString();
        dialog.setResult(-1);
        button->click();
        return dialog.result();
    });
}

ScriptedUi& ScriptedUi::CloseBox() {
    return Modal([](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    });
}

ScriptedUi& ScriptedUi::PickCode(const QString& code) {
    return Modal([code](QDialog& dialog) {
        auto* picker = qobject_cast<TCodeListPicker*>(&dialog);
        if (!picker) {
            ADD_FAILURE() << "not a code picker: " << dialog.windowTitle().toStdString();
            return int(QDialog::Rejected);
        }
        const QList<QTreeWidgetItem*> rows = picker->List()->findItems(code, Qt::MatchExactly, 0);
        if (rows.isEmpty()) {
            ADD_FAILURE() << "no row " << code.toStdString() << " in " << dialog.windowTitle().toStdString();
            return int(QDialog::Rejected);
        }
        picker->List()->setCurrentItem(rows.front());
        dialog.setResult(-1);
        picker->YesButton()->click();
        return dialog.result();
    });
}

QStringList ScriptedUi::Texts(Kind kind) const {
    QStringList out;
    for (const Message& m : messages)
        if (m.kind == kind)
            out << m.text;
    return out;
}

bool ScriptedUi::NothingPending() const {
    return m_answers.empty() && m_openFiles.empty() && m_saveFiles.empty() && m_folders.empty() && m_printers.empty() &&
           m_modals.empty();
}

}  // namespace zizaza::test
