#include "print/PrintModuleInterface.h"

#include "PrintTestSupport.h"

#include <gtest/gtest.h>

using namespace zizaza;
using namespace zizaza::print;
using namespace zizaza::print::test;

namespace {

QStringList sectionsOf(const std::vector<FormPage>& pages) {
    QStringList sections;
    for (const FormPage& page : pages)
        sections << page.section;
    return sections;
}

// The cells that follow a line code on a page (the code's frame and the cells share a band).
QString valueAfterCode(const FormPage& page, const QString& code) {
    for (const TextItem& text : page.texts) {
        if (text.style != TextStyle::Code || text.lines.value(0) != code)
            continue;
        for (const CellItem& cell : page.cells)
            if (cell.x > text.rect.right() && std::abs(cell.y - (text.rect.center().y() - cell.cellHeight / 2)) < 1.5)
                return cell.Text();
    }
    return QStringLiteral("<no line %1>").arg(code);
}

const FormPage* pageOf(const std::vector<FormPage>& pages, const QString& section) {
    for (const FormPage& page : pages)
        if (page.section == section)
            return &page;
    return nullptr;
}

// A resident's declaration with many Russian sources, an element and an attribute that the paper
// form does not know, and a very long source name.
QByteArray manySources(int sources) {
    QString body;
    for (int i = 0; i < sources; ++i)
        body += QStringLiteral(
                    "<ДоходИстРФ Ставка=\"13\" ВидДоход=\"06\" ОКТМО=\"45383000\" Доход=\"%1.00\" "
                    "ДоходОбл=\"%1.00\" НалИсчисл=\"13\" НалУдерж=\"13\"><ИстЮЛ Наим=\"%2\" "
                    "ИННЮЛ=\"7701234567\" КПП=\"770101001\"/></ДоходИстРФ>")
                    .arg(1000 + i)
                    .arg(i == 0 ? QString(250, QChar(0x416)) : QStringLiteral("ИСТОЧНИК %1").arg(i));
    QString xml = QStringLiteral(
                      "<Файл ИдФайл=\"T\"><Документ КНД=\"1151020\" ДатаДок=\"01.03.2018\" Новый=\"ДА\"><СвНП><НПФЛ3 "
                      "ДокПредст=\"760\" Статус=\"1\"><ФИОФЛ Фамилия=\"ПЕТРОВ\" Имя=\"ИВАН\"/><СведФЛ1 "
                      "ИННФЛ=\"500100732259\" ДатаРожд=\"01.01.1970\" ОКСМ=\"643\"/></НПФЛ3></СвНП><Подписант "
                      "ПрПодп=\"1\"/><НДФЛ3><СумНалПу ПрУплВозв=\"3\" КБК=\"18210102010011000110\" "
                      "ОКТМО=\"45383000\" ПодлУпл=\"0\" ПодлВозв=\"0\" Лишний=\"777\"/>%1<ДоходБудущий "
                      "Сумма=\"4242.42\"/></НДФЛ3></Документ></Файл>")
                      .arg(body);
    return xml.toUtf8();
}

}  // namespace

TEST(FormPages, PropertyPurchaseGivesTheTitleAndEachPartOnItsOwnPages) {
    auto pages =
        PagesOf(ReadFile(GoldenPath("salaried_flat_mortgage")), QStringLiteral("ИФНС России № 5 по г. Москве"));
    EXPECT_EQ(sectionsOf(pages).join(QLatin1Char(',')),
              QStringLiteral("Титульный лист,Раздел 1,Раздел 2,Приложение 1,Приложение 5,Приложение 7"));

    const FormPage& title = pages.front();
    const QString titleCells = PageCells(title);
    EXPECT_TRUE(titleCells.contains(QStringLiteral("КУЗНЕЦОВА")));
    EXPECT_TRUE(titleCells.contains(QStringLiteral("006")));  // "Декларация составлена на 006 страницах"
    EXPECT_TRUE(titleCells.contains(QStringLiteral("15.03.2018")));
    EXPECT_TRUE(title.Strings().join(QLatin1Char(' ')).contains(QStringLiteral("ИФНС России № 5 по г. Москве")));

    const FormPage* section1 = pageOf(pages, QStringLiteral("Раздел 1"));
    ASSERT_NE(section1, nullptr);
    EXPECT_EQ(valueAfterCode(*section1, QStringLiteral("010")), QStringLiteral("2"));
    EXPECT_EQ(valueAfterCode(*section1, QStringLiteral("020")), QStringLiteral("18210102010011000110"));
    EXPECT_EQ(valueAfterCode(*section1, QStringLiteral("030")), QStringLiteral("45383000---"));
    EXPECT_EQ(valueAfterCode(*section1, QStringLiteral("050")), QStringLiteral("78000--------"));

    const FormPage* property = pageOf(pages, QStringLiteral("Приложение 7"));
    ASSERT_NE(property, nullptr);
    EXPECT_EQ(valueAfterCode(*property, QStringLiteral("080")), QStringLiteral("15.06.2016"));
    EXPECT_EQ(valueAfterCode(*property, QStringLiteral("070")), QStringLiteral("--.--.----"));  // no transfer act
    EXPECT_EQ(valueAfterCode(*property, QStringLiteral("230")), QStringLiteral("212345-------.67"));
}

TEST(FormPages, EveryPageCarriesTheInnAndItsNumber) {
    for (const char* name : {"salaried_flat_mortgage", "foreign_dividends", "securities_investor", "every_element",
                             "estimated_income_4ndfl", "family_social_no_inn"}) {
        QByteArray xml = ReadFile(GoldenPath(name));
        auto pages = PagesOf(xml);
        QString inn = FirstAttribute(xml, QStringLiteral("ИННФЛ"));
        for (size_t i = 0; i < pages.size(); ++i) {
            QString cells = PageCells(pages[i]);
            QString number = QString::number(i + 1).rightJustified(3, QLatin1Char('0'));
            EXPECT_TRUE(cells.contains(number + QLatin1Char('|'))) << name << " page " << i + 1;
            const QString innCells = inn.isEmpty() ? QStringLiteral("------------|") : inn;
            EXPECT_TRUE(cells.contains(innCells)) << name << " page " << i + 1;
            if (i > 0) {
                EXPECT_TRUE(pages[i].Strings().join(' ').contains(QStringLiteral("Достоверность и полноту"))) << name;
            }
        }
    }
}

TEST(FormPages, NothingOfTheDeclarationIsLeftOffThePaper) {
    for (const char* name : {"every_element", "foreign_dividends", "securities_investor", "entrepreneur_norm",
                             "escaped_names_exempt", "non_resident", "flat_sale_cadastral"}) {
        QByteArray xml = ReadFile(GoldenPath(name));
        auto root = ParseDeclarationXml(xml);
        QString paper;
        for (const FormPage& page : PagesOf(xml))
            paper += Squash(PageCells(page));
        const XmlElement* body = root->Child(QStringLiteral("Документ"))->Child(QStringLiteral("НДФЛ3"));
        ASSERT_NE(body, nullptr) << name;
        std::vector<const XmlElement*> todo{body};
        int checked = 0;
        while (!todo.empty()) {
            const XmlElement* e = todo.back();
            todo.pop_back();
            for (const auto& [attribute, value] : e->attributes) {
                ++checked;
                EXPECT_TRUE(paper.contains(Squash(value))) << name << ": " << e->name.toStdString() << "@"
                                                           << attribute.toStdString() << "=" << value.toStdString();
            }
            for (const auto& child : e->children)
                todo.push_back(child.get());
        }
        EXPECT_GT(checked, 10) << name;
    }
}

TEST(FormPages, ManySourcesFlowOverPagesThatRepeatTheTitle) {
    auto pages = PagesOf(manySources(12));
    int appendixPages = 0;
    QString appendix;
    for (const FormPage& page : pages) {
        if (page.section != QStringLiteral("Приложение 1"))
            continue;
        ++appendixPages;
        EXPECT_TRUE(
            page.Strings().contains(QStringLiteral("Приложение 1. Доходы от источников в Российской Федерации")));
        appendix += PageCells(page);
    }
    EXPECT_GE(appendixPages, 4);
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(Squash(appendix).contains(QStringLiteral("%1.00").arg(1000 + i))) << i;
    // The long name is kept whole, over as many rows as it needs.
    EXPECT_EQ(Squash(appendix).count(QChar(0x416)), 250);
}

TEST(FormPages, UnknownElementsAndAttributesStillReachThePaper) {
    auto pages = PagesOf(manySources(1));
    const FormPage* section1 = pageOf(pages, QStringLiteral("Раздел 1"));
    ASSERT_NE(section1, nullptr);
    EXPECT_TRUE(section1->Strings().contains(QStringLiteral("Лишний")));
    EXPECT_TRUE(PageCells(*section1).contains(QStringLiteral("777")));
    const FormPage* other = pageOf(pages, QStringLiteral("Прочие сведения"));
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(other->Strings().contains(QStringLiteral("ДоходБудущий")));
    EXPECT_TRUE(PageCells(*other).contains(QStringLiteral("4242.42")));
}

TEST(FormPages, ItemsStayOnTheSheetAndCellsNeverOverlap) {
    for (const char* name : {"every_element", "securities_investor", "estimated_income_4ndfl"}) {
        auto pages = PagesOf(ReadFile(GoldenPath(name)), QString(300, QLatin1Char('N')));
        for (size_t p = 0; p < pages.size(); ++p) {
            const FormPage& page = pages[p];
            std::vector<QRectF> boxes;
            for (const CellItem& cell : page.cells)
                boxes.emplace_back(cell.x, cell.y, cell.Width(), cell.cellHeight);
            for (const TextItem& text : page.texts)
                boxes.push_back(text.rect);
            for (const QRectF& box : boxes) {
                EXPECT_GE(box.left(), 7.9) << name << " page " << p + 1;
                EXPECT_LE(box.right(), 202.1) << name << " page " << p + 1;
                EXPECT_GE(box.top(), 7.9) << name << " page " << p + 1;
                EXPECT_LE(box.bottom(), 289.1) << name << " page " << p + 1;
            }
            for (size_t i = 0; i < page.cells.size(); ++i)
                for (size_t j = i + 1; j < page.cells.size(); ++j) {
                    QRectF a = boxes[i].adjusted(0.05, 0.05, -0.05, -0.05);
                    EXPECT_FALSE(a.intersects(boxes[j]))
                        << name << " page " << p + 1 << ": " << page.cells[i].Text().toStdString() << " and "
                        << page.cells[j].Text().toStdString();
                }
        }
    }
}

TEST(FormPages, EstimatedIncomeIsOneTitlePage) {
    auto pages = PagesOf(ReadFile(GoldenPath("estimated_income_4ndfl")));
    ASSERT_EQ(pages.size(), 1u);
    QString cells = PageCells(pages[0]);
    EXPECT_TRUE(cells.contains(QStringLiteral("500000")));
    EXPECT_TRUE(cells.contains(QStringLiteral("45383000")));
    EXPECT_TRUE(cells.contains(QStringLiteral("2018")));
    EXPECT_TRUE(pages[0].Strings().contains(QStringLiteral("Форма 4-НДФЛ")));
}

TEST(FormPages, ADocumentOfAnotherFormIsRefused) {
    auto root = ParseDeclarationXml(QByteArray("<Файл><Документ КНД=\"1110018\"/></Файл>"));
    EXPECT_THROW(BuildFormPages(*root, {}), PrintModuleError);
}
