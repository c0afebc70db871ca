#include "print/PrintModuleInterface.h"
#include "print/module/PrintModule.h"

#include "PrintTestSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zizaza;
using namespace zizaza::print;
using namespace zizaza::print::test;

namespace {

struct Printed {
    QString text;      // pdftotext of the whole file
    QString squashed;  // the same without blanks and dashes
    int pages = 0;
    size_t rendered = 0;
};

Printed printGolden(const char* golden, const QString& recipient = {}) {
    QTemporaryDir dir;
    PrintModule module;
    if (!recipient.isEmpty())
        module.SetPrintTiffParam(kRecipientNameParam, recipient.toStdString());
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    module.PrintData(ReadGolden(golden), pdf.toStdString(), "", 0);
    Printed printed;
    printed.text = PdfText(pdf);
    printed.squashed = Squash(printed.text);
    printed.pages = PdfPageCount(pdf);
    printed.rendered = module.Render(ReadGolden(golden)).size();
    return printed;
}

// What a taxpayer checks first on the paper, taken from the declaration itself.
void expectTheEssentials(const char* golden) {
    const QByteArray xml = ReadFile(GoldenPath(golden));
    Printed printed = printGolden(golden);
    EXPECT_EQ(printed.pages, static_cast<int>(printed.rendered)) << golden;
    for (const char* attribute : {"ИННФЛ", "Фамилия", "КБК", "ОКТМО", "ДоходОбщ", "НалБаза", "ДатаДок"}) {
        QString value = FirstAttribute(xml, QString::fromUtf8(attribute));
        ASSERT_FALSE(value.isEmpty()) << golden << " " << attribute;
        EXPECT_TRUE(printed.squashed.contains(Squash(value)))
            << golden << " " << attribute << "=" << value.toStdString();
    }
    for (const char* amount : {"ПодлУпл", "ПодлВозв"}) {
        auto root = ParseDeclarationXml(xml);
        const XmlElement* section1 =
            root->Child(QStringLiteral("Документ"))->Child(QStringLiteral("НДФЛ3"))->Child(QStringLiteral("СумНалПу"));
        EXPECT_TRUE(printed.squashed.contains(section1->Attr(QString::fromUtf8(amount)))) << golden << " " << amount;
    }
}

}  // namespace

TEST(PdfOutput, PropertyPurchaseShowsTheTaxpayerAndTheRefund) {
    expectTheEssentials("salaried_flat_mortgage");
    Printed printed = printGolden("salaried_flat_mortgage", QStringLiteral("ИФНС России № 5 по г. Москве"));
    EXPECT_TRUE(printed.squashed.contains(QStringLiteral("770512345678")));
    EXPECT_TRUE(printed.squashed.contains(QStringLiteral("КУЗНЕЦОВА")));
    EXPECT_TRUE(printed.squashed.contains(QStringLiteral("18210102010011000110")));
    EXPECT_TRUE(printed.squashed.contains(QStringLiteral("2000000.00")));  // the flat's cost
    EXPECT_TRUE(printed.text.contains(QStringLiteral("ИФНС России № 5 по г. Москве")));
    EXPECT_TRUE(printed.text.contains(QStringLiteral("Приложение 7")));
}

TEST(PdfOutput, ForeignDividendsShowEverySection1LineAndTheForeignSources) {
    expectTheEssentials("foreign_dividends");
    Printed printed = printGolden("foreign_dividends");
    for (const char* kbk : {"18210102030011000110", "18210102050011000110", "18210102010011000110"})
        EXPECT_TRUE(printed.squashed.contains(QString::fromUtf8(kbk))) << kbk;
    EXPECT_TRUE(printed.squashed.contains(QStringLiteral("APPLEINC.")));
    EXPECT_TRUE(printed.squashed.contains(QStringLiteral("59085.00")));
    EXPECT_TRUE(printed.text.contains(QStringLiteral("Приложение 2")));
}

TEST(PdfOutput, SecuritiesSaleShowsBothAccountsOperations) {
    expectTheEssentials("securities_investor");
    Printed printed = printGolden("securities_investor");
    EXPECT_TRUE(printed.text.contains(QStringLiteral("Приложение 8")));
    EXPECT_TRUE(printed.squashed.contains(QStringLiteral("500000.00")));
    EXPECT_TRUE(printed.squashed.contains(QStringLiteral("400000.00")));  // the investment deduction
}

TEST(PrintModule, PrintingOnAPrinterThatDoesNotExistFailsWithItsName) {
    PrintModule module;
    try {
        module.PrintData(ReadGolden("salaried_flat_mortgage"), "", "Нет такого принтера", 0);
        FAIL() << "printed";
    } catch (const PrintModuleError& e) {
        EXPECT_NE(std::string(e.what()).find("Нет такого принтера"), std::string::npos) << e.what();
    }
}

TEST(PrintModule, ARelativeOutputFileGoesIntoTheWorkingFolder) {
    QTemporaryDir dir;
    PrintModule module;
    module.PrintTiffFolder(dir.path().toStdString());
    module.PrintData(ReadGolden("estimated_income_4ndfl"), "4ndfl.pdf", "", 0);
    EXPECT_EQ(PdfPageCount(dir.filePath(QStringLiteral("4ndfl.pdf"))), 1);
}

TEST(PrintModule, FailuresAreReportedAsItsExceptionWithTheReason) {
    PrintModule module;
    QTemporaryDir dir;
    struct Case {
        const char* name;
        std::string xml;
        QString output;
        const char* messagePart;
    };
    const Case cases[] = {
        {"broken xml", "<Файл><Документ>", dir.filePath(QStringLiteral("a.pdf")), "Ошибка в тексте декларации"},
        {"unwritable file", ReadGolden("estimated_income_4ndfl"), QStringLiteral("/proc/нет/a.pdf"),
         "/proc/нет/a.pdf\nНет такого файла"},
    };
    for (const Case& c : cases) {
        try {
            module.PrintData(c.xml, c.output.toStdString(), "", 0);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const PrintModuleError& e) {
            EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << c.name << ": " << e.what();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a.pdf"))));
}

TEST(PrintModule, PreviewOfABrokenDeclarationFailsBeforeAnyWindow) {
    PrintModule module;
    EXPECT_THROW(module.PreviewData("не XML", nullptr), PrintModuleError);
}
