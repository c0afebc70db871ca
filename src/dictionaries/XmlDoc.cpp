#include "dictionaries/XmlDoc.h"

#include "dictionaries/DictionaryError.h"
#include "dictionaries/FileIo.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <climits>

namespace zizaza {
namespace {

const xmlChar* X(const char* s) {
    return reinterpret_cast<const xmlChar*>(s);
}

std::string TrimmedMessage(const char* message) {
    std::string text = message ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

[[noreturn]] void ParseFailure(const std::string& name, const std::string& detail) {
    throw DictionaryError("Не удается прочитать XML-файл " + name + ": " + detail);
}

struct ParserContext {
    ParserContext() : ctxt(xmlNewParserCtxt()) {}
    ~ParserContext() {
        if (ctxt)
            xmlFreeParserCtxt(ctxt);
    }
    ParserContext(const ParserContext&) = delete;
    ParserContext& operator=(const ParserContext&) = delete;
    xmlParserCtxt* ctxt;
};

// The first error of the parse running on this thread. The handler's own argument is the
// parser's context, which libxml2 needs for itself.
struct FirstError {
    std::string message;
    int line = 0;

    static thread_local FirstError* current;
    struct Scope {
        explicit Scope(FirstError& e) : previous(current) { current = &e; }
        ~Scope() { current = previous; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        FirstError* previous;
    };

    static void Record(void*, xmlErrorPtr error) {
        FirstError* self = current;
        if (self && error && error->level >= XML_ERR_ERROR && self->message.empty())
            self->message = XmlErrorText(*error);
    }
};
thread_local FirstError* FirstError::current = nullptr;

void CollectText(const xmlNode* node, std::string& out) {
    for (const xmlNode* c = node->children; c; c = c->next) {
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) {
            if (c->content)
                out += reinterpret_cast<const char*>(c->content);
        } else if (c->type == XML_ELEMENT_NODE) {
            CollectText(c, out);
        }
    }
}

xmlNode* NextElement(xmlNode* n) {
    while (n && n->type != XML_ELEMENT_NODE)
        n = n->next;
    return n;
}

// The element and attribute a schema message names: "Element 'X', attribute 'Y': ...".
std::string Quoted(std::string_view message, std::string_view after) {
    const size_t at = message.find(after);
    if (at == std::string_view::npos)
        return {};
    const size_t start = at + after.size();
    const size_t end = message.find('\'', start);
    return end == std::string_view::npos ? std::string() : std::string(message.substr(start, end - start));
}

std::string SchemaMeaning(int code, std::string_view message) {
    const std::string element = Quoted(message, "Element '");
    const std::string attribute = Quoted(message, "attribute '");
    const std::string where =
        attribute.empty() ? "в элементе " + element : "в поле " + attribute + " элемента " + element;
    if (message.find("[facet 'enumeration']") != std::string_view::npos)
        return where + " значение не из списка допустимых";
    if (message.find("[facet") != std::string_view::npos || code == XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_1 ||
        code == XML_SCHEMAV_CVC_TYPE_3_1_1 || code == XML_SCHEMAV_CVC_ATTRIBUTE_3)
        return where + " значение не допускается форматом";
    if (code == XML_SCHEMAV_CVC_COMPLEX_TYPE_4)
        return "в элементе " + element + " нет обязательного поля";
    if (code == XML_SCHEMAV_CVC_COMPLEX_TYPE_3_2_1 || code == XML_SCHEMAV_CVC_COMPLEX_TYPE_3_2_2)
        return "поле " + attribute + " не допускается в элементе " + element;
    if (message.find("Missing child element") != std::string_view::npos)
        return "в элементе " + element + " нет обязательного вложенного элемента";
    if (code == XML_SCHEMAV_ELEMENT_CONTENT || message.find("is not expected") != std::string_view::npos)
        return "элемент " + element + " здесь не допускается";
    if (code == XML_SCHEMAV_CVC_ELT_1)
        return "корневой элемент " + element + " не тот, что у файла этого формата";
    return element.empty() ? std::string("файл не соответствует формату") : where + " файл не соответствует формату";
}

void IgnoreGenericError(void*, const char*, ...) {}
void IgnoreStructuredError(void*, xmlErrorPtr) {}

std::string ParseMeaning(int code, std::string_view message) {
    if (message.find("Excessive depth") != std::string_view::npos ||
        message.find("XML_PARSE_HUGE") != std::string_view::npos)
        return "элементы вложены слишком глубоко";
    switch (code) {
        case XML_I18N_CONV_FAILED:
        case XML_IO_ENCODER:
            return "знаки файла не в той кодировке, что указана в нем (файл в другой кодировке)";
        case XML_ERR_DOCUMENT_EMPTY:
            return "файл пуст";
        case XML_ERR_INVALID_CHAR:
        case XML_ERR_INVALID_ENCODING:
            return "знаки файла не в той кодировке, что указана в нем (файл в другой кодировке)";
        case XML_ERR_UNSUPPORTED_ENCODING:
        case XML_ERR_UNKNOWN_ENCODING:
            return "кодировка файла не поддерживается";
        case XML_ERR_DOCUMENT_END:
            return "после конца документа есть лишний текст";
        case XML_ERR_TAG_NOT_FINISHED:
        case XML_ERR_LTSLASH_REQUIRED:
        case XML_ERR_GT_REQUIRED:
        case XML_ERR_ATTRIBUTE_NOT_FINISHED:
        case XML_ERR_LITERAL_NOT_FINISHED:
        case XML_ERR_COMMENT_NOT_FINISHED:
            return "файл обрывается раньше конца документа";
        case XML_ERR_TAG_NAME_MISMATCH:
            return "закрывающий тег не соответствует открывающему";
        case XML_ERR_ATTRIBUTE_REDEFINED:
            return "поле элемента повторяется";
        case XML_ERR_UNDECLARED_ENTITY:
        case XML_WAR_UNDECLARED_ENTITY:
        case XML_ERR_ENTITYREF_SEMICOL_MISSING:
            return "неизвестная ссылка на знак (&...;)";
        default:
            break;
    }
    if (message.find("Premature end") != std::string_view::npos)
        return "файл обрывается раньше конца документа";
    return "нарушена разметка XML";
}

}  // namespace

void SilenceXmlLibrary() {
    xmlSetGenericErrorFunc(nullptr, &IgnoreGenericError);
    xmlSetStructuredErrorFunc(nullptr, &IgnoreStructuredError);
}

std::string XmlErrorText(const xmlError& error) {
    const std::string library = TrimmedMessage(error.message);
    std::string text = error.domain == XML_FROM_SCHEMASV || error.domain == XML_FROM_SCHEMASP
                           ? SchemaMeaning(error.code, library)
                           : ParseMeaning(error.code, library);
    // The library's own English words stay out: the meaning above says what is wrong.
    if (error.line > 0)
        text += " (строка " + std::to_string(error.line) + ")";
    return text;
}

XmlDoc XmlDoc::ParseText(std::string_view text, const std::string& name) {
    // Entities can only be declared in a document type declaration; refusing the declaration
    // before parsing rules out external entities and entity expansion alike. A NUL byte means a
    // 16- or 32-bit encoding, in which the search below would see nothing; no dictionary uses one.
    if (text.find('\0') != std::string_view::npos)
        ParseFailure(name, "неподдерживаемая кодировка");
    if (text.find("<!DOCTYPE") != std::string_view::npos)
        ParseFailure(name, "объявление типа документа не допускается");
    if (text.size() > static_cast<size_t>(INT_MAX))
        ParseFailure(name, "слишком большой файл");

    SilenceXmlLibrary();
    ParserContext parser;
    if (!parser.ctxt)
        ParseFailure(name, "недостаточно памяти");
    // The first error says where the text goes wrong; the later ones follow from it. The handler
    // of the context keeps it (and nothing is printed).
    FirstError first;
    FirstError::Scope scope(first);
    parser.ctxt->sax->serror = &FirstError::Record;
    // The conversion of an encoding reports through the library's own handler, not the parser's.
    xmlSetStructuredErrorFunc(nullptr, &FirstError::Record);
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlDoc* raw =
        xmlCtxtReadMemory(parser.ctxt, text.data(), static_cast<int>(text.size()), name.c_str(), nullptr, options);
    XmlDoc doc(raw);
    SilenceXmlLibrary();
    if (!raw || !parser.ctxt->wellFormed) {
        std::string detail = first.message;
        if (detail.empty()) {
            const xmlError* err = xmlCtxtGetLastError(parser.ctxt);
            detail = err ? XmlErrorText(*err) : "документ не разобран";
        }
        ParseFailure(name, detail);
    }
    if (raw->intSubset || raw->extSubset)
        ParseFailure(name, "объявление типа документа не допускается");
    if (!doc.Root())
        ParseFailure(name, "нет корневого элемента");
    return doc;
}

XmlDoc XmlDoc::ParseFile(const std::string& path) {
    return ParseText(ReadWholeFile(path), path);
}

XmlDoc XmlDoc::WithRoot(const char* rootName) {
    xmlDoc* raw = xmlNewDoc(X("1.0"));
    if (!raw)
        throw DictionaryError("Недостаточно памяти для XML-документа");
    XmlDoc doc(raw);
    xmlNode* root = xmlNewDocNode(raw, nullptr, X(rootName), nullptr);
    if (!root)
        throw DictionaryError("Недостаточно памяти для XML-документа");
    xmlDocSetRootElement(raw, root);
    return doc;
}

xmlNode* XmlDoc::Root() const {
    return m_doc ? xmlDocGetRootElement(m_doc.get()) : nullptr;
}

std::string XmlDoc::Serialize(const char* encoding) const {
    xmlChar* mem = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_doc.get(), &mem, &size, encoding, 1);
    if (!mem || size <= 0) {
        xmlFree(mem);
        throw DictionaryError(std::string("Не удается записать XML-документ в кодировке ") + encoding);
    }
    std::string out(reinterpret_cast<const char*>(mem), static_cast<size_t>(size));
    xmlFree(mem);
    return out;
}

void XmlDoc::SaveFile(const std::string& path, const char* encoding) const {
    WriteDictionaryFile(path, Serialize(encoding));
}

ChildElements::iterator& ChildElements::iterator::operator++() {
    m_node = NextElement(m_node->next);
    return *this;
}

ChildElements::iterator ChildElements::begin() const {
    return iterator(m_parent ? NextElement(m_parent->children) : nullptr);
}

std::string_view ElementName(const xmlNode* node) {
    return node && node->name ? std::string_view(reinterpret_cast<const char*>(node->name)) : std::string_view();
}

std::optional<std::string> GetAttribute(const xmlNode* node, const char* name) {
    // xmlHasProp finds the attribute without consulting a DTD (there is none).
    xmlAttr* attr = xmlHasProp(node, X(name));
    if (!attr)
        return std::nullopt;
    std::string value;
    for (const xmlNode* c = attr->children; c; c = c->next)
        if (c->type == XML_TEXT_NODE && c->content)
            value += reinterpret_cast<const char*>(c->content);
    return value;
}

std::string AttributeOr(const xmlNode* node, const char* name, std::string_view fallback) {
    auto value = GetAttribute(node, name);
    return value ? *value : std::string(fallback);
}

std::string ElementText(const xmlNode* node) {
    std::string out;
    if (node)
        CollectText(node, out);
    return out;
}

void SetAttribute(xmlNode* node, const char* name, std::string_view value) {
    std::string v(value);
    if (!xmlSetProp(node, X(name), X(v.c_str())))
        throw DictionaryError("Недостаточно памяти для XML-документа");
}

xmlNode* AppendElement(xmlNode* parent, const char* name, std::string_view text) {
    xmlNode* child = xmlNewChild(parent, nullptr, X(name), nullptr);
    if (!child)
        throw DictionaryError("Недостаточно памяти для XML-документа");
    if (!text.empty()) {
        xmlNode* t = xmlNewTextLen(reinterpret_cast<const xmlChar*>(text.data()), static_cast<int>(text.size()));
        if (!t || !xmlAddChild(child, t))
            throw DictionaryError("Недостаточно памяти для XML-документа");
    }
    return child;
}

}  // namespace zizaza
