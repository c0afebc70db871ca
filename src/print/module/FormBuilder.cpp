#include "print/module/FormBuilder.h"

#include "print/PrintModuleInterface.h"
#include "print/module/FormSections.h"
#include "print/module/RefundPages.h"
#include "print/module/SheetWriter.h"
#include "print/module/TitlePages.h"

#include <QSet>

namespace zizaza::print {
namespace {

enum class FormKind { Ndfl3, Ndfl4 };

FormKind formOf(const XmlElement& document) {
    const QString knd = document.Attr(QStringLiteral("КНД"));
    if (knd == QStringLiteral("1151020") || (knd.isEmpty() && document.Child(QStringLiteral("НДФЛ3"))))
        return FormKind::Ndfl3;
    if (knd == QStringLiteral("1151021") || (knd.isEmpty() && document.Child(QStringLiteral("НДФЛ4"))))
        return FormKind::Ndfl4;
    throw PrintModuleError(QStringLiteral("Неизвестная форма декларации (КНД %1)").arg(knd).toStdString());
}

PageHeader headerOf(const XmlElement& document, FormKind kind) {
    PageHeader header;
    const QString person = kind == FormKind::Ndfl3 ? QStringLiteral("СвНП/НПФЛ3/") : QStringLiteral("СвНП/НПФЛ/");
    const QString names = kind == FormKind::Ndfl3 ? QStringLiteral("ФИОФЛ/") : QStringLiteral("ФИО/");
    header.formName = kind == FormKind::Ndfl3 ? QStringLiteral("3-НДФЛ") : QStringLiteral("4-НДФЛ");
    header.inn = document
                     .Value(kind == FormKind::Ndfl3 ? person + QStringLiteral("СведФЛ1/ИННФЛ")
                                                    : person + QStringLiteral("ИННФЛ"))
                     .trimmed();
    header.surname = document.Value(person + names + QStringLiteral("Фамилия")).trimmed();
    header.initials = document.Value(person + names + QStringLiteral("Имя")).trimmed().left(1) +
                      document.Value(person + names + QStringLiteral("Отчество")).trimmed().left(1);
    header.date = document.Attr(QStringLiteral("ДатаДок"));
    return header;
}

void writeSection(SheetWriter& writer, const SectionDef& section, const XmlElement& body) {
    bool started = false;
    for (const auto& child : body.children) {
        const ElementDef* def = nullptr;
        for (const ElementDef& candidate : section.elements)
            if (candidate.name == child->name)
                def = &candidate;
        if (!def)
            continue;
        if (!started || section.pagePerElement)
            writer.BeginSection(section.section, section.title);
        started = true;
        for (const FormBlock& block : ElementBlocks(*child, *def))
            writer.Add(block);
    }
}

// Body elements that no part of the form knows still reach the paper, on sheets of their own.
void writeUnknown(SheetWriter& writer, const XmlElement& body) {
    QSet<QString> known;
    for (const SectionDef& section : Ndfl3Sections())
        for (const ElementDef& element : section.elements)
            known.insert(element.name);
    for (const auto& child : body.children) {
        if (known.contains(child->name))
            continue;
        writer.BeginSection(QStringLiteral("Прочие сведения"), QStringLiteral("Прочие сведения декларации"));
        ElementDef generic;
        generic.name = child->name;
        generic.heading = child->name;
        for (const FormBlock& block : ElementBlocks(*child, generic))
            writer.Add(block);
    }
}

}  // namespace

std::vector<FormPage> BuildFormPages(const XmlElement& root, const RenderParams& params) {
    if (IsRefundApplication(root))
        return RefundApplicationPages(root);
    const XmlElement* document = root.Child(QStringLiteral("Документ"));
    if (!document)
        throw PrintModuleError("Текст не является декларацией: нет элемента Документ");
    const FormKind kind = formOf(*document);
    const PageHeader header = headerOf(*document, kind);

    std::vector<FormPage> body;
    if (kind == FormKind::Ndfl3) {
        if (const XmlElement* ndfl = document->Child(QStringLiteral("НДФЛ3"))) {
            SheetWriter writer(header);
            for (const SectionDef& section : Ndfl3Sections())
                writeSection(writer, section, *ndfl);
            writeUnknown(writer, *ndfl);
            body = writer.TakePages();
        }
    }

    const int total = static_cast<int>(body.size()) + 1;
    std::vector<FormPage> pages;
    pages.push_back(kind == FormKind::Ndfl3 ? Ndfl3TitlePage(*document, params.recipientName, total)
                                            : Ndfl4TitlePage(*document, params.recipientName, total));
    for (FormPage& page : body)
        pages.push_back(std::move(page));
    StampPages(pages, header);
    return pages;
}

}  // namespace zizaza::print
