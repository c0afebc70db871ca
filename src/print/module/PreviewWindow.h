#pragma once

#include "print/module/FormPage.h"
#include "print/module/ProgressWindow.h"

#include <QDialog>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QPrinter;
class QSpinBox;
class QToolBar;

namespace zizaza::print {

class PageView;

// The module's preview: the pages of the form with page navigation, zoom, printing and saving
// as PDF. Pages are painted as they come into sight. The dialogs it asks (file name, printer),
// its progress windows and its error messages go through replaceable functions, so that tests
// answer them.
class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    // The chosen PDF file name; empty: cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    // Sets the printer up from the user's choice (pages from 1 to pageCount, the current page
    // offered); false: cancelled.
    using PrinterChooser = std::function<bool(QWidget* parent, QPrinter& printer, int pageCount)>;
    using ErrorReporter = std::function<void(QWidget* parent, const QString& text)>;
    // Tells that the PDF file was written, offering to open its folder.
    using WrittenReporter = std::function<void(QWidget* parent, const QString& file)>;

    // suggestedPdf: the file "Сохранить в PDF" proposes.
    PreviewWindow(std::vector<FormPage> pages, const QString& suggestedPdf, const QString& title,
                  QWidget* owner = nullptr);
    ~PreviewWindow() override;

    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void SetPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    void SetErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }
    void SetWrittenReporter(WrittenReporter reporter) { m_reportWritten = std::move(reporter); }
    void SetProgress(ProgressFactory progress) { m_progress = std::move(progress); }

    // Sizes and places the window within the screen area given (the available geometry of the
    // screen, without panels): as tall as it allows, a page wide, and never larger.
    void FitInto(const QRect& available);

    int PageCount() const;
    int CurrentPage() const;  // from 1
    PageView* View() const { return m_view; }
    QToolBar* ToolBar() const { return m_toolBar; }

public slots:
    void GoToPage(int page);
    void SaveAsPdf();
    void PrintPages();

private:
    void buildToolBar();
    void showPageNumber();

    std::vector<FormPage> m_pages;
    QString m_suggestedPdf;
    PageView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    QSpinBox* m_pageBox = nullptr;
    FileChooser m_chooseFile;
    PrinterChooser m_choosePrinter;
    ErrorReporter m_reportError;
    WrittenReporter m_reportWritten;
    ProgressFactory m_progress;
};

}  // namespace zizaza::print
