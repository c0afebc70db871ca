#pragma once

#include "print/module/FormPage.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QSpinBox;

namespace zizaza::print {

// The module's preview: the pages of the form with page navigation, zoom, printing and saving
// as PDF. The dialogs it asks (file name, printer) and its error messages go through replaceable
// functions, so that tests answer them.
class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    // The chosen PDF file name; empty: cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    // Sets the printer up from the user's choice; false: cancelled.
    using PrinterChooser = std::function<bool(QWidget* parent, QPrinter& printer)>;
    using ErrorReporter = std::function<void(QWidget* parent, const QString& text)>;

    PreviewWindow(std::vector<FormPage> pages, const QString& folder, const QString& fileBaseName, const QString& title,
                  QWidget* owner = nullptr);
    ~PreviewWindow() override;

    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void SetPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    void SetErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }

    int PageCount() const;
    int CurrentPage() const;  // from 1
    QPrintPreviewWidget* Preview() const { return m_preview; }

public slots:
    void GoToPage(int page);
    void SaveAsPdf();
    void PrintPages();

private:
    void buildToolBar();
    void paintPages(QPrinter* printer);
    void showPageNumber();

    std::vector<FormPage> m_pages;
    QString m_folder, m_fileBaseName;
    QPrinter* m_previewPrinter = nullptr;
    QPrintPreviewWidget* m_preview = nullptr;
    QSpinBox* m_pageBox = nullptr;
    QLabel* m_pageCount = nullptr;
    FileChooser m_chooseFile;
    PrinterChooser m_choosePrinter;
    ErrorReporter m_reportError;
};

}  // namespace zizaza::print
