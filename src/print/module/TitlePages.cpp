#include "print/module/TitlePages.h"

#include "print/module/SheetWriter.h"
#include "print/module/TextMeasure.h"

#include <algorithm>

namespace zizaza::print {
namespace {

constexpr double kLeft = 15.0;
constexpr double kRight = 200.0;
constexpr double kNameCellsX = 40.0;
constexpr int kNameCells = 37;

// Writes labelled cells left to right along one band of the page.
class TitleWriter {
public:
    TitleWriter(FormPage& page, const XmlElement& document) : m_pen(page), m_doc(document) {}

    PagePen& Pen() { return m_pen; }

    const QString* Value(const QString& paths) const { return m_doc.Find(paths); }

    // Label of labelWidth, then the cells; returns the x after the cells. The band's height grows
    // to the tallest field.
    double Field(double x, double y, double labelWidth, const QString& label, const ValueSpec& shape,
                 const QString* value, bool forOfficer = false) {
        double h = m_pen.Label(x, y, labelWidth, label);
        QSizeF size = m_pen.Cells(x + labelWidth + 1, y, shape, value, PagePen::kCellWidth, forOfficer);
        m_band = std::max({m_band, h, size.height()});
        return x + labelWidth + 1 + size.width();
    }

    // Ends the band: returns the y of the next one.
    double Next(double y, double gap = 2.5) {
        double next = y + m_band + gap;
        m_band = 0;
        return next;
    }

    double NameRow(double y, const QString& label, const QString& path, int rows = 1) {
        Field(kLeft, y, kNameCellsX - kLeft - 1, label, ValueSpec{ValueKind::Text, kNameCells, 0, rows}, Value(path));
        return Next(y);
    }

private:
    PagePen m_pen;
    const XmlElement& m_doc;
    double m_band = 0;
};

double heading(PagePen& pen, double y, const QString& text) {
    return y + pen.Text(kLeft, y, kRight - kLeft, text, TextStyle::Bold) + 1.5;
}

double pagesLine(TitleWriter& w, double y, int totalPages) {
    QString pages = QString::number(totalPages).rightJustified(3, QLatin1Char('0'));
    double x = w.Field(kLeft, y, 36, QStringLiteral("Декларация составлена на"), ValueSpec{ValueKind::Code, 3}, &pages);
    x = w.Field(x + 2, y, 70, QStringLiteral("страницах с приложением подтверждающих документов или их копий на"),
                ValueSpec{ValueKind::Code, 3}, nullptr);
    w.Pen().Label(x + 2, y, 12, QStringLiteral("листах"));
    return w.Next(y, 3);
}

// The signer's block on the left of the bottom of the title page.
void signerBlock(TitleWriter& w, double y, bool withOrganisation) {
    PagePen& pen = w.Pen();
    const double right = 107;
    y += pen.Text(kLeft, y, right - kLeft,
                  QStringLiteral("Достоверность и полноту сведений, указанных в настоящей декларации, подтверждаю:"),
                  TextStyle::Bold) +
         1.5;
    pen.Cells(kLeft, y, ValueSpec{ValueKind::Code, 1}, w.Value(QStringLiteral("Подписант/ПрПодп")));
    pen.Label(kLeft + 6, y, right - kLeft - 6,
              QStringLiteral("1 - налогоплательщик, 2 - представитель налогоплательщика"));
    y += PagePen::kCellHeight + 2.5;
    for (const char* part : {"Фамилия", "Имя", "Отчество"}) {
        pen.Cells(kLeft + 4, y, ValueSpec{ValueKind::Code, 20},
                  w.Value(QStringLiteral("Подписант/ФИО/") + QString::fromUtf8(part)));
        y += PagePen::kCellHeight + PagePen::kRowGap;
    }
    y += pen.Text(kLeft, y, right - kLeft, QStringLiteral("(фамилия, имя, отчество представителя полностью)"),
                  TextStyle::Small, Qt::AlignHCenter) +
         3;
    pen.Rule(kLeft + 12, y + PagePen::kCellHeight, kLeft + 40);
    pen.Label(kLeft, y, 12, QStringLiteral("Подпись"));
    pen.Label(kLeft + 46, y, 9, QStringLiteral("Дата"));
    pen.Cells(kLeft + 55, y, DateSpec(), w.Value(QStringLiteral("ДатаДок")));
    y += PagePen::kCellHeight + 3;
    y +=
        pen.Text(kLeft, y, right - kLeft,
                 QStringLiteral("Наименование документа, подтверждающего полномочия представителя"), TextStyle::Label) +
        1;
    y += pen.Cells(kLeft + 4, y, ValueSpec{ValueKind::Text, 20, 0, 2},
                   w.Value(QStringLiteral("Подписант/СвПред/НаимДок")))
             .height() +
         2.5;
    if (withOrganisation) {
        y += pen.Text(kLeft, y, right - kLeft,
                      QStringLiteral("Наименование организации - представителя "
                                     "налогоплательщика"),
                      TextStyle::Label) +
             1;
        pen.Cells(kLeft + 4, y, ValueSpec{ValueKind::Text, 20, 0, 2},
                  w.Value(QStringLiteral("Подписант/СвПред/НаимОрг")));
    }
}

// The box on the right of the bottom of the title page that the tax officer fills.
void officerBlock(TitleWriter& w, double y, double bottom) {
    PagePen& pen = w.Pen();
    const double left = 112, width = kRight - left;
    pen.Frame(QRectF(left - 2, y - 2, width + 2, bottom - y + 2));
    y += pen.Text(left, y, width, QStringLiteral("Заполняется работником налогового органа"), TextStyle::Bold,
                  Qt::AlignHCenter) +
         1;
    y += pen.Text(left, y, width, QStringLiteral("Сведения о представлении декларации"), TextStyle::Label,
                  Qt::AlignHCenter) +
         3;
    w.Field(left, y, 52, QStringLiteral("Данная декларация представлена (код)"), ValueSpec{ValueKind::Code, 2}, nullptr,
            true);
    y = w.Next(y);
    double x = w.Field(left, y, 6, QStringLiteral("на"), ValueSpec{ValueKind::Code, 3}, nullptr, true);
    pen.Label(x + 2, y, 20, QStringLiteral("страницах"));
    y = w.Next(y);
    x = w.Field(left, y, 56, QStringLiteral("с приложением подтверждающих документов или их копий на"),
                ValueSpec{ValueKind::Code, 3}, nullptr, true);
    pen.Label(x + 2, y, 12, QStringLiteral("листах"));
    y = w.Next(y, 4);
    w.Field(left, y, 36, QStringLiteral("Дата представления декларации"), DateSpec(), nullptr, true);
    y = w.Next(y, 4);
    y += pen.Text(left, y, width, QStringLiteral("Зарегистрирована за №"), TextStyle::Label) + 1;
    pen.Cells(left, y, ValueSpec{ValueKind::Code, 13}, nullptr, PagePen::kCellWidth, true);
    y += PagePen::kCellHeight + 10;
    pen.Rule(left, y, left + 50);
    pen.Rule(left + 56, y, kRight - 2);
    pen.Text(left, y + 0.5, 50, QStringLiteral("Фамилия, И. О."), TextStyle::Small, Qt::AlignHCenter);
    pen.Text(left + 56, y + 0.5, kRight - left - 58, QStringLiteral("Подпись"), TextStyle::Small, Qt::AlignHCenter);
}

double titleHeading(PagePen& pen, double y, const QString& knd, const QString& title) {
    pen.Text(kLeft, y, kRight - kLeft, QStringLiteral("Форма по КНД ") + knd, TextStyle::Small, Qt::AlignRight);
    y += 4;
    return y + pen.Text(kLeft, y, kRight - kLeft, title, TextStyle::Title, Qt::AlignHCenter) + 4;
}

double recipientLine(PagePen& pen, double y, const QString& recipient) {
    if (recipient.trimmed().isEmpty())
        return y;
    return y +
           pen.Text(kLeft, y, kRight - kLeft, QStringLiteral("Налоговый орган: ") + recipient.trimmed(),
                    TextStyle::Small, Qt::AlignRight) +
           1.5;
}

}  // namespace

FormPage Ndfl3TitlePage(const XmlElement& document, const QString& recipient, int totalPages) {
    FormPage page;
    page.section = QStringLiteral("Титульный лист");
    TitleWriter w(page, document);
    PagePen& pen = w.Pen();
    const QString person = QStringLiteral("СвНП/НПФЛ3/");
    auto infoPath = [&](const char* attribute) {
        QString a = QString::fromUtf8(attribute);
        return person + QStringLiteral("СведФЛ1/") + a + QStringLiteral("|") + person + QStringLiteral("СведФЛ2/") + a;
    };

    double y = titleHeading(pen, SheetWriter::BodyTop(true), QStringLiteral("1151020"),
                            QStringLiteral("Налоговая декларация по налогу на доходы физических лиц (форма 3-НДФЛ)"));
    double x = w.Field(kLeft, y, 22, QStringLiteral("Номер корректировки"), ValueSpec{ValueKind::Code, 3},
                       w.Value(QStringLiteral("НомКорр")));
    x = w.Field(x + 4, y, 22, QStringLiteral("Налоговый период (код)"), ValueSpec{ValueKind::Code, 2},
                w.Value(QStringLiteral("Период")));
    x = w.Field(x + 4, y, 28, QStringLiteral("Отчетный налоговый период (год)"), ValueSpec{ValueKind::Year},
                w.Value(QStringLiteral("ОтчетГод")));
    w.Field(x + 4, y, 30, QStringLiteral("Представляется в налоговый орган (код)"), ValueSpec{ValueKind::Code, 4},
            w.Value(QStringLiteral("КодНО")));
    y = recipientLine(pen, w.Next(y, 1), recipient) + 1.5;

    x = w.Field(kLeft, y, 22, QStringLiteral("Код страны"), ValueSpec{ValueKind::Code, 3}, w.Value(infoPath("ОКСМ")));
    w.Field(x + 8, y, 44, QStringLiteral("Код категории налогоплательщика"), ValueSpec{ValueKind::Code, 3},
            w.Value(person + QStringLiteral("ДокПредст")));
    y = w.Next(y, 3.5);

    y = w.NameRow(y, QStringLiteral("Фамилия"), person + QStringLiteral("ФИОФЛ/Фамилия"));
    y = w.NameRow(y, QStringLiteral("Имя"), person + QStringLiteral("ФИОФЛ/Имя"));
    y = w.NameRow(y, QStringLiteral("Отчество"), person + QStringLiteral("ФИОФЛ/Отчество"));
    w.Field(kLeft, y, kNameCellsX - kLeft - 1, QStringLiteral("Дата рождения"), DateSpec(),
            w.Value(infoPath("ДатаРожд")));
    y = w.Next(y);
    y = w.NameRow(y, QStringLiteral("Место рождения"), infoPath("МестоРожд"), 2);

    y = heading(pen, y + 1, QStringLiteral("Сведения о документе, удостоверяющем личность:"));
    auto idPath = [&](const char* attribute) {
        QString a = QString::fromUtf8(attribute);
        return person + QStringLiteral("СведФЛ1/УдЛичн/") + a + QStringLiteral("|") + person +
               QStringLiteral("СведФЛ2/УдЛичн/") + a;
    };
    x = w.Field(kLeft, y, kNameCellsX - kLeft - 1, QStringLiteral("Код вида документа"), ValueSpec{ValueKind::Code, 2},
                w.Value(idPath("КодВидДок")));
    w.Field(x + 6, y, 22, QStringLiteral("Серия и номер"), ValueSpec{ValueKind::Code, 20},
            w.Value(idPath("СерНомДок")));
    y = w.Next(y);
    y = w.NameRow(y, QStringLiteral("Кем выдан"), idPath("ВыдДок"), 3);
    w.Field(kLeft, y, kNameCellsX - kLeft - 1, QStringLiteral("Дата выдачи"), DateSpec(), w.Value(idPath("ДатаДок")));
    y = w.Next(y, 3.5);

    x = w.Field(kLeft, y, kNameCellsX - kLeft - 1, QStringLiteral("Статус налогоплательщика"),
                ValueSpec{ValueKind::Code, 1}, w.Value(person + QStringLiteral("Статус")));
    pen.Label(x + 3, y, kRight - x - 3,
              QStringLiteral("1 - резидент Российской Федерации, 2 - не является "
                             "резидентом Российской Федерации"));
    y = w.Next(y);
    w.Field(kLeft, y, kNameCellsX - kLeft - 1, QStringLiteral("Номер контактного телефона"),
            ValueSpec{ValueKind::Code, 20}, w.Value(person + QStringLiteral("Тлф")));
    y = w.Next(y);
    if (w.Value(person + QStringLiteral("АдрИно")))
        y = w.NameRow(y, QStringLiteral("Адрес места жительства за пределами Российской Федерации"),
                      person + QStringLiteral("АдрИно"), 2);
    y = pagesLine(w, y + 1, totalPages);

    pen.Rule(kLeft, y, kRight);
    y += 3;
    signerBlock(w, y, false);
    officerBlock(w, y, 266);
    return page;
}

FormPage Ndfl4TitlePage(const XmlElement& document, const QString& recipient, int totalPages) {
    FormPage page;
    page.section = QStringLiteral("Титульный лист");
    TitleWriter w(page, document);
    PagePen& pen = w.Pen();
    const QString person = QStringLiteral("СвНП/НПФЛ/");

    double y = titleHeading(pen, SheetWriter::BodyTop(true), QStringLiteral("1151021"),
                            QStringLiteral("Налоговая декларация о предполагаемом доходе физического лица "
                                           "(форма 4-НДФЛ)"));
    double x = w.Field(kLeft, y, 22, QStringLiteral("Номер корректировки"), ValueSpec{ValueKind::Code, 3},
                       w.Value(QStringLiteral("НомКорр")));
    x = w.Field(x + 6, y, 30, QStringLiteral("Отчетный налоговый период (год)"), ValueSpec{ValueKind::Year},
                w.Value(QStringLiteral("ОтчетГод")));
    w.Field(x + 6, y, 30, QStringLiteral("Представляется в налоговый орган (код)"), ValueSpec{ValueKind::Code, 4},
            w.Value(QStringLiteral("КодНО")));
    y = recipientLine(pen, w.Next(y, 1), recipient) + 1.5;

    x = w.Field(kLeft, y, 44, QStringLiteral("Код категории налогоплательщика"), ValueSpec{ValueKind::Code, 3},
                w.Value(person + QStringLiteral("ДокПредст")));
    w.Field(x + 8, y, 20, QStringLiteral("Код по ОКТМО"), ValueSpec{ValueKind::Code, 11},
            w.Value(person + QStringLiteral("ОКТМО")));
    y = w.Next(y, 3.5);

    y = w.NameRow(y, QStringLiteral("Фамилия"), person + QStringLiteral("ФИО/Фамилия"));
    y = w.NameRow(y, QStringLiteral("Имя"), person + QStringLiteral("ФИО/Имя"));
    y = w.NameRow(y, QStringLiteral("Отчество"), person + QStringLiteral("ФИО/Отчество"));
    w.Field(kLeft, y, kNameCellsX - kLeft - 1, QStringLiteral("Номер контактного телефона"),
            ValueSpec{ValueKind::Code, 20}, w.Value(person + QStringLiteral("Тлф")));
    y = w.Next(y, 4);

    y = heading(pen, y,
                QStringLiteral("Сумма предполагаемого дохода от осуществления предпринимательской "
                               "деятельности или от занятия частной практикой"));
    w.Field(kLeft, y, 60, QStringLiteral("Сумма предполагаемого дохода (в рублях)"), ValueSpec{ValueKind::Whole, 15},
            w.Value(QStringLiteral("НДФЛ4/ПредДоход")));
    y = w.Next(y, 4);
    y = pagesLine(w, y, totalPages);

    pen.Rule(kLeft, y, kRight);
    y += 3;
    signerBlock(w, y, true);
    officerBlock(w, y, 266);
    return page;
}

}  // namespace zizaza::print
