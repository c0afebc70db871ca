#pragma once

#include <QDialog>

class QTextBrowser;

namespace zizaza {

class UserInterface;

// The window of the report "Расчет налога": the report's HTML in a text browser, printed on the
// printer the user picks, saved as PDF or HTML (by the extension chosen) without ever leaving a
// half-written file.
class TfmTaxReport : public QDialog {
    Q_OBJECT
public:
    TfmTaxReport(const QString& html, UserInterface& ui, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_browser; }
    // Where the save dialog starts and the name it proposes (without extension).
    void SetSaveLocation(const QString& folder, const QString& baseName) {
        m_folder = folder;
        m_baseName = baseName;
    }
    void Print();
    void Save();
    // Writes the report to the file, PDF unless the name ends in .html or .htm; false with the
    // reason shown to the user.
    bool SaveTo(const QString& path);

private:
    QString m_html;
    UserInterface& m_ui;
    QTextBrowser* m_browser = nullptr;
    QString m_folder;
    QString m_baseName;
};

}  // namespace zizaza
