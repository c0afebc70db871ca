#include "print/module/PreviewWindow.h"

#include "PrintTestSupport.h"

#include <QAction>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include "print/module/PageView.h"

#include <gtest/gtest.h>

using namespace zizaza::print;
using namespace zizaza::print::test;

namespace {

class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        pages = PagesOf(ReadFile(GoldenPath("salaried_flat_mortgage")));
        window = std::make_unique<PreviewWindow>(pages, dir.filePath(QStringLiteral("NO_NDFL3_TEST.pdf")),
                                                 QStringLiteral("Просмотр"));
        window->SetErrorReporter([this](QWidget*, const QString& text) { errors << text; });
        window->SetWrittenReporter([this](QWidget*, const QString& file) { written << file; });
        window->show();
    }
    void trigger(const char* action) {
        auto* a = window->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }

    QTemporaryDir dir;
    std::vector<FormPage> pages;
    std::unique_ptr<PreviewWindow> window;
    QStringList errors;
    QStringList written;
};

}  // namespace

TEST_F(PreviewWindowTest, ShowsEveryPageAndNavigatesWithinThem) {
    ASSERT_EQ(window->PageCount(), static_cast<int>(pages.size()));
    EXPECT_EQ(window->CurrentPage(), 1);
    trigger("actNextPage");
    EXPECT_EQ(window->CurrentPage(), 2);
    trigger("actLastPage");
    EXPECT_EQ(window->CurrentPage(), window->PageCount());
    trigger("actNextPage");  // stays on the last page
    EXPECT_EQ(window->CurrentPage(), window->PageCount());
    auto* box = window->findChild<QSpinBox*>(QStringLiteral("sbPage"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->value(), window->PageCount());
    box->setValue(3);
    EXPECT_EQ(window->CurrentPage(), 3);
    trigger("actFirstPage");
    EXPECT_EQ(box->value(), 1);
}

TEST_F(PreviewWindowTest, ZoomsInAndOut) {
    const double start = window->View()->Zoom();
    trigger("actZoomIn");
    EXPECT_GT(window->View()->Zoom(), start);
    trigger("actZoomOut");
    trigger("actZoomOut");
    EXPECT_LT(window->View()->Zoom(), start);
    trigger("actFitWidth");
    EXPECT_DOUBLE_EQ(window->View()->Zoom(), start) << "the window opens fitted to the width";
}

TEST_F(PreviewWindowTest, SavesAsPdfWhereTheUserSays) {
    QString suggested;
    const QString target = dir.filePath(QStringLiteral("моя декларация"));
    window->SetFileChooser([&](QWidget*, const QString& s) {
        suggested = s;
        return target;
    });
    trigger("actSavePdf");
    EXPECT_EQ(suggested, dir.filePath(QStringLiteral("NO_NDFL3_TEST.pdf")));
    EXPECT_EQ(PdfPageCount(target + QStringLiteral(".pdf")), static_cast<int>(pages.size()));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(written, QStringList{target + QStringLiteral(".pdf")}) << "the file written is told with its path";
}

TEST_F(PreviewWindowTest, CancellingTheFileDialogSavesNothing) {
    window->SetFileChooser([](QWidget*, const QString&) { return QString(); });
    trigger("actSavePdf");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PreviewWindowTest, AFileThatCannotBeWrittenIsReported) {
    window->SetFileChooser([](QWidget*, const QString&) { return QStringLiteral("/proc/нет/x.pdf"); });
    trigger("actSavePdf");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("/proc/нет/x.pdf")));
    EXPECT_TRUE(written.isEmpty());
}

TEST_F(PreviewWindowTest, PrintsOnThePrinterTheUserChose) {
    const QString target = dir.filePath(QStringLiteral("printed.pdf"));
    bool asked = false;
    window->SetPrinterChooser([&](QWidget*, QPrinter& printer, int) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);  // the chosen "printer" is a file here
        printer.setOutputFileName(target);
        return true;
    });
    trigger("actPrint");
    EXPECT_TRUE(asked);
    EXPECT_EQ(PdfPageCount(target), static_cast<int>(pages.size()));

    window->SetPrinterChooser([](QWidget*, QPrinter&, int) { return false; });
    QFile::remove(target);
    trigger("actPrint");
    EXPECT_FALSE(QFile::exists(target));
}
