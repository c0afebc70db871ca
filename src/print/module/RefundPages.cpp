#include "print/module/RefundPages.h"

#include "print/PrintModuleInterface.h"
#include "print/module/SheetWriter.h"

#include <algorithm>

namespace zizaza::print {
namespace {

constexpr double kLeft = 15.0;
constexpr double kRight = 200.0;
constexpr int kNameCells = 40;
constexpr const char* kKnd = "1150058";

// Writes one band of labelled cells after another, as the paper form's title pages do.
class Bands {
public:
    Bands(FormPage& page, const XmlElement& application) : m_pen(page), m_doc(application) {}

    PagePen& Pen() { return m_pen; }
    const QString* Value(const QString& path) const { return m_doc.Find(path); }

    double Field(double x, double y, double labelWidth, const QString& label, const ValueSpec& shape,
                 const QString* value, bool forOfficer = false) {
        double h = labelWidth > 0 ? m_pen.Label(x, y, labelWidth, label) : 0;
        const double cellsX = labelWidth > 0 ? x + labelWidth + 1 : x;
        QSizeF size = m_pen.Cells(cellsX, y, shape, value, PagePen::kCellWidth, forOfficer);
        m_band = std::max({m_band, h, size.height()});
        return cellsX + size.width();
    }
    double Next(double y, double gap = 2.5) {
        double next = y + m_band + gap;
        m_band = 0;
        return next;
    }
    // A value over the width of the page with its explanation in small type under it.
    double Wide(double y, const QString& path, int rows, const QString& note) {
        Field(kLeft, y, 0, QString(), ValueSpec{ValueKind::Text, kNameCells, 0, rows}, Value(path));
        y = Next(y, 0.5);
        return y + m_pen.Text(kLeft, y, kRight - kLeft, note, TextStyle::Small, Qt::AlignHCenter) + 2.5;
    }

private:
    PagePen m_pen;
    const XmlElement& m_doc;
    double m_band = 0;
};

double pageTitle(PagePen& pen, double y, const QString& title) {
    return y + pen.Text(kLeft, y, kRight - kLeft, title, TextStyle::Title, Qt::AlignHCenter) + 4;
}

// The signer's block of the title page and the box the tax officer fills.
void signatureBlocks(Bands& w, double y, int totalPages) {
    PagePen& pen = w.Pen();
    QString pages = QString::number(totalPages).rightJustified(3, QLatin1Char('0'));
    double x = w.Field(kLeft, y, 34, QStringLiteral("Заявление составлено на"), ValueSpec{ValueKind::Code, 3}, &pages);
    x = w.Field(x + 2, y, 70, QStringLiteral("страницах с приложением подтверждающих документов или их копий на"),
                ValueSpec{ValueKind::Code, 3}, nullptr);
    pen.Label(x + 2, y, 12, QStringLiteral("листах"));
    y = w.Next(y, 3);
    pen.Rule(kLeft, y, kRight);
    y += 3;

    const double right = 107;
    double left = y;
    left += pen.Text(kLeft, left, right - kLeft,
                     QStringLiteral("Достоверность и полноту сведений, указанных в настоящем заявлении, подтверждаю:"),
                     TextStyle::Bold) +
            1.5;
    pen.Cells(kLeft, left, ValueSpec{ValueKind::Code, 1}, w.Value(QStringLiteral("Подписант/ПрПодп")));
    pen.Label(kLeft + 6, left, right - kLeft - 6,
              QStringLiteral("1 - налогоплательщик, 2 - представитель налогоплательщика"));
    left += PagePen::kCellHeight + 2.5;
    for (const char* part : {"Фамилия", "Имя", "Отчество"}) {
        pen.Cells(kLeft + 4, left, ValueSpec{ValueKind::Code, 20},
                  w.Value(QStringLiteral("Подписант/ФИО/") + QString::fromUtf8(part)));
        left += PagePen::kCellHeight + PagePen::kRowGap;
    }
    left += pen.Text(kLeft, left, right - kLeft, QStringLiteral("(фамилия, имя, отчество полностью)"), TextStyle::Small,
                     Qt::AlignHCenter) +
            3;
    pen.Rule(kLeft + 12, left + PagePen::kCellHeight, kLeft + 40);
    pen.Label(kLeft, left, 12, QStringLiteral("Подпись"));
    pen.Label(kLeft + 46, left, 9, QStringLiteral("Дата"));
    pen.Cells(kLeft + 55, left, DateSpec(), w.Value(QStringLiteral("ДатаДок")));
    left += PagePen::kCellHeight + 3;
    left += pen.Text(kLeft, left, right - kLeft,
                     QStringLiteral("Наименование документа, подтверждающего полномочия представителя")) +
            1;
    pen.Cells(kLeft + 4, left, ValueSpec{ValueKind::Text, 20, 0, 2}, w.Value(QStringLiteral("Подписант/НаимДок")));

    const double officer = 112, width = kRight - officer;
    const double bottom = 266;
    pen.Frame(QRectF(officer - 2, y - 2, width + 2, bottom - y + 2));
    y += pen.Text(officer, y, width, QStringLiteral("Заполняется работником налогового органа"), TextStyle::Bold,
                  Qt::AlignHCenter) +
         1;
    y += pen.Text(officer, y, width, QStringLiteral("Сведения о представлении заявления"), TextStyle::Label,
                  Qt::AlignHCenter) +
         3;
    x = w.Field(officer, y, 38, QStringLiteral("Данное заявление составлено на"), ValueSpec{ValueKind::Code, 3},
                nullptr, true);
    pen.Label(x + 2, y, 20, QStringLiteral("страницах"));
    y = w.Next(y);
    x = w.Field(officer, y, 56, QStringLiteral("с приложением подтверждающих документов или их копий на"),
                ValueSpec{ValueKind::Code, 3}, nullptr, true);
    pen.Label(x + 2, y, 12, QStringLiteral("листах"));
    y = w.Next(y, 4);
    w.Field(officer, y, 36, QStringLiteral("Дата представления заявления"), DateSpec(), nullptr, true);
    y = w.Next(y, 4);
    y += pen.Text(officer, y, width, QStringLiteral("Зарегистрировано за №"), TextStyle::Label) + 1;
    pen.Cells(officer, y, ValueSpec{ValueKind::Code, 13}, nullptr, PagePen::kCellWidth, true);
    y += PagePen::kCellHeight + 10;
    pen.Rule(officer, y, officer + 50);
    pen.Rule(officer + 56, y, kRight - 2);
    pen.Text(officer, y + 0.5, 50, QStringLiteral("Фамилия, И. О."), TextStyle::Small, Qt::AlignHCenter);
    pen.Text(officer + 56, y + 0.5, kRight - officer - 58, QStringLiteral("Подпись"), TextStyle::Small,
             Qt::AlignHCenter);
}

FormPage titlePage(const XmlElement& a, int totalPages) {
    FormPage page;
    page.section = QStringLiteral("Заявление о возврате");
    Bands w(page, a);
    PagePen& pen = w.Pen();
    double y = SheetWriter::BodyTop(true);
    pen.Text(kLeft, y, kRight - kLeft, QStringLiteral("Форма по КНД ") + QString::fromLatin1(kKnd), TextStyle::Small,
             Qt::AlignRight);
    y = pageTitle(pen, y + 4,
                  QStringLiteral("Заявление о возврате суммы излишне уплаченного (взысканного, подлежащего "
                                 "возмещению) налога (сбора, страховых взносов, пеней, штрафа)"));
    double x = w.Field(kLeft, y, 24, QStringLiteral("Номер заявления"), ValueSpec{ValueKind::Code, 7},
                       w.Value(QStringLiteral("НомЗаяв")));
    w.Field(x + 16, y, 44, QStringLiteral("Представляется в налоговый орган (код)"), ValueSpec{ValueKind::Code, 4},
            w.Value(QStringLiteral("КодНО")));
    y = w.Next(y, 4);

    QString name = QStringList{a.Value(QStringLiteral("Заявитель/Фамилия")), a.Value(QStringLiteral("Заявитель/Имя")),
                               a.Value(QStringLiteral("Заявитель/Отчество"))}
                       .join(QLatin1Char(' '))
                       .simplified();
    w.Field(kLeft, y, 0, QString(), ValueSpec{ValueKind::Text, kNameCells, 0, 4}, &name);
    y = w.Next(y, 0.5);
    y += pen.Text(kLeft, y, kRight - kLeft,
                  QStringLiteral("(полное наименование организации, фамилия, имя, отчество индивидуального "
                                 "предпринимателя, физического лица)"),
                  TextStyle::Small, Qt::AlignHCenter) +
         4;

    x = w.Field(kLeft, y, 24, QStringLiteral("В соответствии со статьей"), ValueSpec{ValueKind::Code, 3},
                w.Value(QStringLiteral("Статья")));
    pen.Label(x + 2, y, kRight - x - 2, QStringLiteral("Налогового кодекса Российской Федерации прошу вернуть сумму"));
    y = w.Next(y);
    x = w.Field(kLeft, y, 0, QString(), ValueSpec{ValueKind::Code, 1}, w.Value(QStringLiteral("ПрПереплаты")));
    pen.Label(x + 2, y, kRight - x - 2,
              QStringLiteral("(1 - излишне уплаченного, 2 - излишне взысканного, 3 - подлежащего возмещению)"));
    y = w.Next(y);
    x = w.Field(kLeft, y, 0, QString(), ValueSpec{ValueKind::Code, 1}, w.Value(QStringLiteral("ВидПлат")));
    pen.Label(x + 2, y, kRight - x - 2,
              QStringLiteral("(1 - налога (сбора, страховых взносов), 2 - пени, 3 - штрафа)"));
    y = w.Next(y, 3);
    x = w.Field(kLeft, y, 24, QStringLiteral("в размере"), ValueSpec{ValueKind::Whole, 15},
                w.Value(QStringLiteral("Сумма")));
    pen.Label(x + 2, y, 20, QStringLiteral("рублей"));
    y = w.Next(y, 3);
    w.Field(kLeft, y, 44, QStringLiteral("Налоговый период (код)"), ValueSpec{ValueKind::Code, 10},
            w.Value(QStringLiteral("Период")));
    y = w.Next(y);
    w.Field(kLeft, y, 44, QStringLiteral("Код по ОКТМО"), ValueSpec{ValueKind::Code, 11},
            w.Value(QStringLiteral("ОКТМО")));
    y = w.Next(y);
    w.Field(kLeft, y, 44, QStringLiteral("Код бюджетной классификации"), ValueSpec{ValueKind::Code, 20},
            w.Value(QStringLiteral("КБК")));
    y = w.Next(y, 3);
    y += pen.Text(kLeft, y, kRight - kLeft,
                  QStringLiteral("Указанную сумму прошу перечислить на счет, сведения о котором приведены на "
                                 "странице 002 настоящего заявления."),
                  TextStyle::Label) +
         4;
    signatureBlocks(w, y, totalPages);
    return page;
}

FormPage accountPage(const XmlElement& a) {
    FormPage page;
    page.section = QStringLiteral("Сведения о счете");
    Bands w(page, a);
    PagePen& pen = w.Pen();
    double y = pageTitle(pen, SheetWriter::BodyTop(false), QStringLiteral("Сведения о счете"));
    y = w.Wide(y, QStringLiteral("СвСчет/НаимБанк"), 3, QStringLiteral("(наименование банка)"));
    w.Field(kLeft, y, 44, QStringLiteral("Банковский идентификационный код (БИК)"), ValueSpec{ValueKind::Code, 9},
            w.Value(QStringLiteral("СвСчет/БИК")));
    y = w.Next(y);
    w.Field(kLeft, y, 44, QStringLiteral("Корреспондентский счет банка"), ValueSpec{ValueKind::Code, 20},
            w.Value(QStringLiteral("СвСчет/КорСч")));
    y = w.Next(y, 3);
    double x = w.Field(kLeft, y, 44, QStringLiteral("Вид счета (код)"), ValueSpec{ValueKind::Code, 2},
                       w.Value(QStringLiteral("СвСчет/ВидСч")));
    pen.Label(x + 3, y, kRight - x - 3, QStringLiteral("02 - текущий счет, 07 - счет по вкладу (депозиту)"));
    y = w.Next(y);
    w.Field(kLeft, y, 44, QStringLiteral("Номер счета"), ValueSpec{ValueKind::Code, 20},
            w.Value(QStringLiteral("СвСчет/НомСч")));
    y = w.Next(y, 4);
    y += pen.Text(kLeft, y, kRight - kLeft, QStringLiteral("Получатель"), TextStyle::Bold) + 1.5;
    x = w.Field(kLeft, y, 0, QString(), ValueSpec{ValueKind::Code, 1}, w.Value(QStringLiteral("СвСчет/Получатель")));
    pen.Label(x + 3, y, kRight - x - 3,
              QStringLiteral("1 - организация, 2 - индивидуальный предприниматель, 3 - физическое лицо"));
    y = w.Next(y, 3);
    y = w.Wide(y, QStringLiteral("СвСчет/НаимПолуч"), 3,
               QStringLiteral("(наименование получателя: фамилия, имя, отчество физического лица)"));
    w.Field(kLeft, y, 44, QStringLiteral("ИНН получателя"), ValueSpec{ValueKind::Code, 12},
            w.Value(QStringLiteral("СвСчет/ИННПолуч")));
    return page;
}

FormPage personPage(const XmlElement& a) {
    FormPage page;
    page.section = QStringLiteral("Сведения о физическом лице");
    Bands w(page, a);
    PagePen& pen = w.Pen();
    double y = pageTitle(pen, SheetWriter::BodyTop(false),
                         QStringLiteral("Сведения о физическом лице, не являющемся индивидуальным "
                                        "предпринимателем"));
    for (const char* part : {"Фамилия", "Имя", "Отчество"}) {
        w.Field(kLeft, y, 24, QString::fromUtf8(part), ValueSpec{ValueKind::Text, 36},
                w.Value(QStringLiteral("СвФЛ/") + QString::fromUtf8(part)));
        y = w.Next(y);
    }
    y += 2;
    y += pen.Text(kLeft, y, kRight - kLeft, QStringLiteral("Сведения о документе, удостоверяющем личность:"),
                  TextStyle::Bold) +
         1.5;
    double x = w.Field(kLeft, y, 24, QStringLiteral("Код вида документа"), ValueSpec{ValueKind::Code, 2},
                       w.Value(QStringLiteral("СвФЛ/КодВидДок")));
    w.Field(x + 6, y, 22, QStringLiteral("Серия и номер"), ValueSpec{ValueKind::Code, 20},
            w.Value(QStringLiteral("СвФЛ/СерНомДок")));
    y = w.Next(y);
    w.Field(kLeft, y, 24, QStringLiteral("Кем выдан"), ValueSpec{ValueKind::Text, 36, 0, 3},
            w.Value(QStringLiteral("СвФЛ/ВыдДок")));
    y = w.Next(y);
    w.Field(kLeft, y, 24, QStringLiteral("Дата выдачи"), DateSpec(), w.Value(QStringLiteral("СвФЛ/ДатаВыд")));
    y = w.Next(y, 4);
    w.Field(kLeft, y, 24, QStringLiteral("Дата рождения"), DateSpec(), w.Value(QStringLiteral("СвФЛ/ДатаРожд")));
    y = w.Next(y);
    w.Field(kLeft, y, 24, QStringLiteral("Место рождения"), ValueSpec{ValueKind::Text, 36, 0, 2},
            w.Value(QStringLiteral("СвФЛ/МестоРожд")));
    y = w.Next(y, 4);
    y += pen.Text(kLeft, y, kRight - kLeft,
                  QStringLiteral("Адрес места жительства (места пребывания) в Российской "
                                 "Федерации:"),
                  TextStyle::Bold) +
         1.5;
    // Without an address in the declaration the cells stay empty for the person to fill by hand.
    const QString* address = w.Value(QStringLiteral("СвФЛ/Адрес"));
    w.Field(kLeft, y, 0, QString(), ValueSpec{ValueKind::Text, kNameCells, 0, 4}, address, address == nullptr);
    return page;
}

// The INN and page number on top of every page, the scanning marks, and the signature line under
// the pages after the first.
void stamp(std::vector<FormPage>& pages, const XmlElement& a) {
    const QString* inn = a.Find(QStringLiteral("Заявитель/ИНН"));
    for (size_t i = 0; i < pages.size(); ++i) {
        PagePen pen(pages[i]);
        pen.Marker(QRectF(8, 8, 5, 5));
        pen.Marker(QRectF(197, 8, 5, 5));
        pen.Marker(QRectF(8, 284, 5, 5));
        pen.Marker(QRectF(197, 284, 5, 5));
        pen.Label(40, 8, 10, QStringLiteral("ИНН"));
        pen.Cells(50, 8, ValueSpec{ValueKind::Code, 12}, inn);
        pen.Label(104, 8, 10, QStringLiteral("КПП"));
        pen.Cells(114, 8, ValueSpec{ValueKind::Code, 9}, nullptr);
        pen.Label(156, 8, 8, QStringLiteral("Стр."));
        QString number = QString::number(i + 1).rightJustified(3, QLatin1Char('0'));
        pen.Cells(164, 8, ValueSpec{ValueKind::Code, 3}, &number);
        if (i == 0)
            continue;
        pen.Rule(kLeft, 271, kRight);
        pen.Text(kLeft, 273, 92,
                 QStringLiteral("Достоверность и полноту сведений, указанных на данной странице, подтверждаю:"),
                 TextStyle::Small);
        pen.Rule(112, 278.5, 146);
        pen.Text(112, 279, 34, QStringLiteral("(подпись)"), TextStyle::Small, Qt::AlignHCenter);
        const QString* date = a.Find(QStringLiteral("ДатаДок"));
        pen.Label(152, 273, 10, QStringLiteral("Дата"));
        pen.Cells(162, 273, DateSpec(), date, 4.0);
    }
}

}  // namespace

bool IsRefundApplication(const XmlElement& root) {
    const XmlElement* document = root.Child(QStringLiteral("Документ"));
    return document && document->Attr(QStringLiteral("КНД")) == QLatin1String(kKnd);
}

std::vector<FormPage> RefundApplicationPages(const XmlElement& root) {
    std::vector<FormPage> all;
    for (const XmlElement* a : root.Children(QStringLiteral("Документ"))) {
        if (a->Attr(QStringLiteral("КНД")) != QLatin1String(kKnd))
            throw PrintModuleError("В файле заявлений на возврат есть документ другой формы");
        const bool personPageNeeded = a->Child(QStringLiteral("СвФЛ")) != nullptr;
        std::vector<FormPage> pages;
        pages.push_back(titlePage(*a, personPageNeeded ? 3 : 2));
        pages.push_back(accountPage(*a));
        if (personPageNeeded)
            pages.push_back(personPage(*a));
        stamp(pages, *a);
        for (FormPage& page : pages)
            all.push_back(std::move(page));
    }
    return all;
}

}  // namespace zizaza::print
