// Long jobs over many pages: what the print dialog chose is what is printed, a cancelled job leaves
// the earlier file, and the preview paints only the pages it shows.
#include "print/module/FormPainter.h"
#include "print/module/PageView.h"
#include "print/module/PreviewWindow.h"
#include "print/module/PrintModule.h"

#include "PrintTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace zizaza;
using namespace zizaza::print;
using namespace zizaza::print::test;

namespace {

// A progress that stops the job once it has done stopAfter pages; counts what it was told.
struct Canceller {
    int stopAfter;
    int told = 0;
    ProgressFactory Factory() {
        return [this](QWidget*, const QString&) -> PageProgress {
            return [this](int done, int) {
                ++told;
                return done < stopAfter;
            };
        };
    }
};

QPrinter* pdfPrinter(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return &printer;
}

}  // namespace

TEST(PrintJob, TheSequenceFollowsRangeOrderAndCopiesOfTheDialog) {
    const struct {
        const char* name;
        QPrinter::PrintRange range;
        int from, to, copies;
        bool collate;
        QPrinter::PageOrder order;
        std::vector<int> expected;  // page indices from 0
    } cases[] = {
        {"all", QPrinter::AllPages, 0, 0, 1, true, QPrinter::FirstPageFirst, {0, 1, 2, 3, 4}},
        {"range", QPrinter::PageRange, 2, 3, 1, true, QPrinter::FirstPageFirst, {1, 2}},
        {"range past the end", QPrinter::PageRange, 4, 9, 1, true, QPrinter::FirstPageFirst, {3, 4}},
        {"current page", QPrinter::CurrentPage, 0, 0, 1, true, QPrinter::FirstPageFirst, {2}},
        {"collated copies", QPrinter::PageRange, 1, 2, 2, true, QPrinter::FirstPageFirst, {0, 1, 0, 1}},
        {"uncollated copies", QPrinter::PageRange, 1, 2, 2, false, QPrinter::FirstPageFirst, {0, 0, 1, 1}},
        {"last page first", QPrinter::PageRange, 1, 3, 1, true, QPrinter::LastPageFirst, {2, 1, 0}},
    };
    for (const auto& c : cases) {
        QPrinter printer;
        pdfPrinter(printer, QStringLiteral("/tmp/x.pdf"));  // a PDF file: the copies are ours to make
        printer.setPrintRange(c.range);
        if (c.from > 0)
            printer.setFromTo(c.from, c.to);
        printer.setCopyCount(c.copies);
        printer.setCollateCopies(c.collate);
        printer.setPageOrder(c.order);
        EXPECT_EQ(PrintSequence(printer, 5, 3), c.expected) << c.name;
    }
}

TEST(PrintJob, PrintToFileWritesTheChosenPagesAsAReadablePdf) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("печать в файл.pdf"));
    PrintModule module;
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, file);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    ASSERT_TRUE(module.PrintOn(ReadGolden("salaried_flat_mortgage"), printer, nullptr));
    EXPECT_EQ(PdfPageCount(file), 2);
    const QString text = PdfText(file);
    const int total = static_cast<int>(PagesOf(ReadFile(GoldenPath("salaried_flat_mortgage"))).size());
    EXPECT_TRUE(text.contains(QStringLiteral("страница 2 из %1").arg(total))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("страница 3 из %1").arg(total))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("страница 1 из"))) << text.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file is left";

    printer.setFromTo(40, 50);  // past the declaration's last page
    EXPECT_THROW(module.PrintOn(ReadGolden("salaried_flat_mortgage"), printer, nullptr), PrintModuleError);
}

TEST(PrintJob, ACancelledPdfLeavesTheEarlierFile) {
    const std::vector<FormPage> pages = PagesOf(ManyForeignIncomes(30));
    ASSERT_GT(pages.size(), 30u);
    using Way = std::function<bool(const QString& target, const ProgressFactory&)>;
    const struct {
        const char* name;
        Way write;
    } ways[] = {
        {"preview",
         [&](const QString& target, const ProgressFactory& progress) {
             PreviewWindow window(pages, QStringLiteral("X.pdf"), QStringLiteral("Просмотр"));
             window.SetFileChooser([&](QWidget*, const QString&) { return target; });
             window.SetWrittenReporter([](QWidget*, const QString&) {});
             window.SetProgress(progress);
             window.SaveAsPdf();
             return true;
         }},
        {"print to file",
         [&](const QString& target, const ProgressFactory& progress) {
             PrintModule module;
             module.SetProgress(progress);
             QPrinter printer(QPrinter::HighResolution);
             return module.PrintOn(ManyForeignIncomes(30).toStdString(), *pdfPrinter(printer, target), nullptr);
         }},
    };
    const QByteArray earlier("%PDF-1.4 прежний файл\n");
    for (const auto& way : ways) {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("декларация.pdf"));
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        file.close();
        Canceller cancel{10};
        way.write(target, cancel.Factory());
        EXPECT_EQ(cancel.told, 10) << way.name << ": the job stops when cancelled";
        EXPECT_EQ(ReadFile(target), earlier) << way.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << way.name;

        Canceller never{1 << 30};
        EXPECT_TRUE(way.write(target, never.Factory())) << way.name;
        EXPECT_EQ(never.told, static_cast<int>(pages.size())) << way.name << ": progress for every page";
        EXPECT_EQ(PdfPageCount(target), static_cast<int>(pages.size())) << way.name;
    }
}

TEST(PrintJob, ThePreviewPaintsOnlyThePagesItShows) {
    PrintModule module;
    int total = 0, rendered = 0, afterLast = 0;
    module.SetPreviewHook([&](PreviewWindow& shown) {
        QTimer::singleShot(0, &shown, [&] {  // once the window is up
            PreviewWindow& window = shown;
            QApplication::processEvents();
            total = window.PageCount();
            rendered = window.View()->RenderedPages();
            window.GoToPage(total);
            QApplication::processEvents();
            window.View()->repaint();
            afterLast = window.View()->RenderedPages();
            window.GoToPage(1);
            window.View()->repaint();
            EXPECT_EQ(window.View()->RenderedPages(), afterLast) << "the first page comes from the cache";
            window.reject();
        });
    });
    module.PreviewData(ManyForeignIncomes(300).toStdString(), nullptr);
    EXPECT_GT(total, 300);
    EXPECT_GE(rendered, 1);
    EXPECT_LE(rendered, 3);
    EXPECT_GT(afterLast, rendered);
    EXPECT_LT(afterLast, rendered + PageView::kCacheSize);
}

TEST(PrintJob, ThePreviewFitsTheScreenWithEveryCommandInSight) {
    PreviewWindow window(PagesOf(ReadFile(GoldenPath("salaried_flat_mortgage"))), QStringLiteral("X.pdf"),
                         QStringLiteral("Просмотр"));
    const QRect available(100, 50, 1280, 860);
    window.FitInto(available);
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(available.contains(window.geometry())) << window.geometry().height();
    EXPECT_GT(window.height(), available.height() * 3 / 4);
    EXPECT_LT(window.minimumWidth(), available.width());
    EXPECT_FALSE(window.maximumSize().width() == window.minimumSize().width()) << "the window is resizable";

    const struct {
        const char* name;
        const char* text;
        QKeySequence key;
    } actions[] = {
        {"actPrevPage", "Предыдущая страница", QKeySequence(Qt::Key_PageUp)},
        {"actNextPage", "Следующая страница", QKeySequence(Qt::Key_PageDown)},
        {"actPrint", "Печать", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"actSavePdf", "Сохранить в PDF", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actClose", "Закрыть", QKeySequence(Qt::Key_Escape)},
        {"actFitWidth", "По ширине страницы", QKeySequence(Qt::CTRL | Qt::Key_0)},
    };
    for (const auto& a : actions) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(a.name));
        ASSERT_NE(action, nullptr) << a.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(a.text)) << a.name;
        EXPECT_EQ(action->shortcut(), a.key) << a.name;
        QWidget* button = window.ToolBar()->widgetForAction(action);
        ASSERT_NE(button, nullptr) << a.name;
        EXPECT_TRUE(button->isVisible()) << a.name << " is hidden behind the tool bar's extension";
    }
    // The keys do what they say.
    window.findChild<QAction*>(QStringLiteral("actNextPage"))->trigger();
    EXPECT_EQ(window.CurrentPage(), 2);
    window.findChild<QAction*>(QStringLiteral("actPrevPage"))->trigger();
    EXPECT_EQ(window.CurrentPage(), 1);
    EXPECT_EQ(window.View()->FitMode(), PageView::Fit::Width);
}

TEST(PrintJob, SaveAsPdfProposesTheDeclarationsNameBesideItsFile) {
    const std::string xml = ReadGolden("salaried_flat_mortgage");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    PrintModule module;
    module.SetPrintTiffParam(kDocumentFileParam, "/где-то/Иванов 2017.tv7");
    EXPECT_EQ(module.SuggestedPdf(xml), QDir(documents).filePath(QStringLiteral("Иванов 2017.pdf")));
    QTemporaryDir beside;
    module.SetPrintTiffParam(kDocumentFileParam, beside.filePath(QStringLiteral("Иванов 2017.tv7")).toStdString());
    EXPECT_EQ(module.SuggestedPdf(xml), beside.filePath(QStringLiteral("Иванов 2017.pdf"))) << "beside the file";
    module.SetPrintTiffParam(kDocumentFileParam, "");  // a declaration not saved yet
    const QString surname = FirstAttribute(QByteArray::fromStdString(xml), QStringLiteral("Фамилия"));
    EXPECT_EQ(module.SuggestedPdf(xml), QDir(documents).filePath(QStringLiteral("3-НДФЛ %1 2017.pdf").arg(surname)));
}
