#include "carryover/SchemaValidation.h"

#include "carryover/CarryOverError.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/XmlDoc.h"

#include <libxml/xmlerror.h>
#include <libxml/xmlschemas.h>

namespace zizaza {
namespace {

struct FirstComplaint {
    std::string text;

    static void Record(void* self, xmlErrorPtr error) {
        auto* first = static_cast<FirstComplaint*>(self);
        if (error && first->text.empty())
            first->text = XmlErrorText(*error);
    }
};

template <class T, void (*FreeFn)(T*)>
struct Owned {
    explicit Owned(T* p) : ptr(p) {}
    ~Owned() {
        if (ptr)
            FreeFn(ptr);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    T* ptr;
};

}  // namespace

std::string SchemaComplaint(const XmlDoc& document, const std::string& schemaPath) {
    XmlDoc schemaDoc;
    try {
        schemaDoc = XmlDoc::ParseFile(schemaPath);
    } catch (const DictionaryError& e) {
        throw CarryOverError(std::string("Не удается прочитать схему формата: ") + e.what());
    }
    SilenceXmlLibrary();
    FirstComplaint schemaProblem;
    Owned<xmlSchemaParserCtxt, xmlSchemaFreeParserCtxt> parser(xmlSchemaNewDocParserCtxt(schemaDoc.get()));
    if (!parser.ptr)
        throw CarryOverError("Недостаточно памяти для схемы формата");
    xmlSchemaSetParserStructuredErrors(parser.ptr, &FirstComplaint::Record, &schemaProblem);
    Owned<xmlSchema, xmlSchemaFree> schema(xmlSchemaParse(parser.ptr));
    if (!schema.ptr)
        throw CarryOverError("Схема формата " + schemaPath + " повреждена: " + schemaProblem.text);

    FirstComplaint complaint;
    Owned<xmlSchemaValidCtxt, xmlSchemaFreeValidCtxt> validator(xmlSchemaNewValidCtxt(schema.ptr));
    if (!validator.ptr)
        throw CarryOverError("Недостаточно памяти для проверки по схеме");
    xmlSchemaSetValidStructuredErrors(validator.ptr, &FirstComplaint::Record, &complaint);
    const int result = xmlSchemaValidateDoc(validator.ptr, document.get());
    if (result == 0)
        return {};
    return complaint.text.empty() ? std::string("документ не прошел проверку") : complaint.text;
}

}  // namespace zizaza
