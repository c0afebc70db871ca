#include "print/module/DeclarationXml.h"

#include "print/PrintModuleInterface.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace zizaza::print {

bool XmlElement::Has(const QString& attribute) const {
    for (const auto& [key, value] : attributes)
        if (key == attribute)
            return true;
    return false;
}

QString XmlElement::Attr(const QString& attribute) const {
    for (const auto& [key, value] : attributes)
        if (key == attribute)
            return value;
    return {};
}

const XmlElement* XmlElement::Child(const QString& childName) const {
    for (const auto& child : children)
        if (child->name == childName)
            return child.get();
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::Children(const QString& childName) const {
    std::vector<const XmlElement*> found;
    for (const auto& child : children)
        if (child->name == childName)
            found.push_back(child.get());
    return found;
}

const QString* XmlElement::Find(const QString& paths) const {
    for (const QString& path : paths.split(QLatin1Char('|'))) {
        QStringList steps = path.split(QLatin1Char('/'));
        const XmlElement* element = this;
        for (qsizetype i = 0; element && i + 1 < steps.size(); ++i)
            element = element->Child(steps[i]);
        if (!element)
            continue;
        for (const auto& [key, value] : element->attributes)
            if (key == steps.last())
                return &value;
    }
    return nullptr;
}

QString XmlElement::Value(const QString& paths) const {
    const QString* value = Find(paths);
    return value ? *value : QString();
}

namespace {

[[noreturn]] void fail(const QString& text) {
    throw PrintModuleError(text.toStdString());
}

// The encoding named by the XML declaration, or empty.
QByteArray declaredEncoding(const QByteArray& text) {
    static const QRegularExpression re(QStringLiteral(R"(^\s*<\?xml[^>]*encoding\s*=\s*["']([A-Za-z0-9._-]+)["'])"));
    auto match = re.match(QString::fromLatin1(text.left(200)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// The form's deepest element lies eight levels below the root; twice that leaves room for any
// later edition of the format. Deeper text is no declaration, and refusing it keeps the tree (and
// everything that walks it) shallow whatever the input.
constexpr size_t kMaxDepth = 16;

// What the reader found wrong, in the user's language (the reader's own texts are English).
QString readerProblem(QXmlStreamReader::Error error) {
    switch (error) {
        case QXmlStreamReader::PrematureEndOfDocumentError:
            return QStringLiteral("текст обрывается до конца документа");
        case QXmlStreamReader::UnexpectedElementError:
            return QStringLiteral("неожиданный элемент");
        default:
            return QStringLiteral("нарушена разметка XML");
    }
}

QString decode(const QByteArray& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString asUtf8 = utf8.decode(text);
    if (!utf8.hasError())
        return asUtf8;
    QByteArray encoding = declaredEncoding(text);
    if (encoding.isEmpty())
        fail(QStringLiteral("Текст декларации не в кодировке UTF-8, и кодировка в нем не указана"));
    QStringDecoder decoder(encoding.constData());
    if (!decoder.isValid())
        fail(QStringLiteral("Неизвестная кодировка текста декларации: ") + QString::fromLatin1(encoding));
    QString decoded = decoder.decode(text);
    if (decoder.hasError())
        fail(QStringLiteral("Текст декларации не соответствует кодировке ") + QString::fromLatin1(encoding));
    return decoded;
}

}  // namespace

std::unique_ptr<XmlElement> ParseDeclarationXml(const QByteArray& text) {
    // Reading from a QString makes the reader ignore the declared encoding: the text is decoded here.
    QXmlStreamReader reader(decode(text));
    std::unique_ptr<XmlElement> root;
    std::vector<XmlElement*> open;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
            case QXmlStreamReader::StartElement: {
                if (open.size() >= kMaxDepth)
                    fail(QStringLiteral("Текст декларации вложен глубже, чем бывает в форме (строка %1): более %2 "
                                        "уровней элементов")
                             .arg(reader.lineNumber())
                             .arg(kMaxDepth));
                auto element = std::make_unique<XmlElement>();
                element->name = reader.name().toString();
                for (const auto& attribute : reader.attributes())
                    element->attributes.emplace_back(attribute.qualifiedName().toString(),
                                                     attribute.value().toString());
                XmlElement* raw = element.get();
                if (open.empty())
                    root = std::move(element);
                else
                    open.back()->children.push_back(std::move(element));
                open.push_back(raw);
                break;
            }
            case QXmlStreamReader::EndElement:
                open.pop_back();
                break;
            case QXmlStreamReader::DTD:
            case QXmlStreamReader::EntityReference:
                // The format has neither; refusing them keeps entity tricks out.
                fail(QStringLiteral("Текст декларации содержит объявления сущностей"));
            default:
                break;
        }
    }
    if (reader.hasError())
        fail(QStringLiteral("Ошибка в тексте декларации (строка %1): %2")
                 .arg(reader.lineNumber())
                 .arg(readerProblem(reader.error())));
    if (!root || root->name != QStringLiteral("Файл") || !root->Child(QStringLiteral("Документ")))
        fail(QStringLiteral("Текст не является декларацией: нет элементов Файл и Документ"));
    return root;
}

}  // namespace zizaza::print
