#include "filing/DeclarationChanges.h"

#include "dictionaries/DictionaryError.h"
#include "dictionaries/XmlDoc.h"
#include "filing/FormLines.h"
#include "model/TaxFacts.h"
#include "report/HtmlText.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace zizaza {
namespace {

// The declaration's tree as plain values: the comparison walks two of them side by side.
struct Node {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<std::unique_ptr<Node>> children;
    const Node* parent = nullptr;

    const std::string* Attr(std::string_view attribute) const {
        for (const auto& [n, v] : attributes)
            if (n == attribute)
                return &v;
        return nullptr;
    }
    std::string Value(std::string_view attribute) const {
        const std::string* v = Attr(attribute);
        return v ? *v : std::string();
    }
    const Node* Child(std::string_view childName) const {
        for (const auto& c : children)
            if (c->name == childName)
                return c.get();
        return nullptr;
    }
};

std::unique_ptr<Node> copyTree(const xmlNode* x, const Node* parent) {
    auto node = std::make_unique<Node>();
    node->name = std::string(ElementName(x));
    node->parent = parent;
    for (const xmlAttr* a = x->properties; a; a = a->next)
        node->attributes.emplace_back(reinterpret_cast<const char*>(a->name),
                                      AttributeOr(x, reinterpret_cast<const char*>(a->name)));
    for (xmlNode* c : ChildElements(x))
        node->children.push_back(copyTree(c, node.get()));
    return node;
}

std::unique_ptr<Node> parseDeclaration(std::string_view text, const char* which) {
    XmlDoc doc;
    try {
        doc = XmlDoc::ParseText(text, which);
    } catch (const DictionaryError& e) {
        throw FilingError(e.what());
    }
    if (!doc.Root() || ElementName(doc.Root()) != "Файл")
        throw FilingError(std::string(which) + " не является файлом декларации");
    auto root = copyTree(doc.Root(), nullptr);
    if (!root->Child("Документ"))
        throw FilingError(std::string(which) + " не является файлом декларации: нет элемента Документ");
    return root;
}

long long whole(const std::string& text) {
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string joined(std::initializer_list<std::string> parts, const char* separator = ", ") {
    std::string out;
    for (const std::string& p : parts) {
        if (p.empty())
            continue;
        if (!out.empty())
            out += separator;
        out += p;
    }
    return out;
}

// The source of an income: the organisation or the person that paid it.
std::string sourceOf(const Node& income) {
    if (const Node* org = income.Child("ИстЮЛ"))
        return joined({org->Value("Наим"), org->Attr("ИННЮЛ") ? "ИНН " + org->Value("ИННЮЛ") : "",
                       org->Attr("КПП") ? "КПП " + org->Value("КПП") : ""});
    if (const Node* person = income.Child("ИстФЛИн"))
        return joined({person->Value("ФИОИн"), person->Attr("ИННФЛ") ? "ИНН " + person->Value("ИННФЛ") : ""});
    return {};
}

// What tells a record apart from the others of its kind, as the user reads it; empty for a record
// that is the only one of its kind in its place.
std::string recordKey(const Node& n) {
    const std::string& e = n.name;
    if (e == "ДоходИстРФ")
        return "Источник выплаты: " + joined({sourceOf(n), "ставка " + n.Value("Ставка") + "%"});
    if (e == "НалБаза")
        return "Ставка " + n.Value("Ставка") + "%, вид дохода " + n.Value("ВидДоход");
    if (e == "ДоходИстИно")
        return "Ставка " + n.Value("Ставка") + "%";
    if (e == "СумНалПу")
        return "КБК " + n.Value("КБК") + ", ОКТМО " + n.Value("ОКТМО");
    if (e == "РасчДохНалИно")
        return "Источник за пределами РФ: " +
               joined({n.Value("НаимИстДох"), "страна " + n.Value("ОКСМ"), "дата дохода " + n.Value("ДатаДох")});
    if (e == "СвОбъектРасх") {
        const Node* object = n.Child("СведОбъект");
        return "Объект: номер " + (object ? object->Value("НомерОб") : std::string());
    }
    if (e == "ДохПродОНИ")
        return "Объект: кадастровый номер " + n.Value("НомКадОтчуждОНИ");
    if (e == "РасчВидДеят")
        return "Вид деятельности " + n.Value("ВидДеят") +
               joined({"", n.Attr("ОКВЭД") ? "ОКВЭД " + n.Value("ОКВЭД") : ""});
    if (e == "РасчПСВВыч" || e == "РасчДопСВВыч") {
        const Node* contract = n.Child("СведДогНПО");
        const Node* org = contract ? contract->Child("СведИст") : nullptr;
        return "Договор " + joined({contract ? contract->Value("НомДогНПО") : "",
                                    contract ? "от " + contract->Value("ДатаДогНПО") : "",
                                    org ? org->Value("Наим") : "", org ? "ИНН " + org->Value("ИННЮЛ") : ""});
    }
    if (e == "ДохОперЦБ")
        return "Вид операций " + n.Value("ВидОпер");
    if (e == "ОстУбытПрошПер")
        return "Убыток за " + n.Value("ПериодПрош") + " год";
    return {};
}

const Node* topOf(const Node& n) {
    const Node* top = &n;
    while (top->parent && top->parent->name != "НДФЛ3")
        top = top->parent;
    return top->parent ? top : nullptr;
}

// The record a figure belongs to: the nearest element up the tree with a key.
std::string recordOf(const Node& n) {
    for (const Node* p = &n; p && p->name != "НДФЛ3"; p = p->parent)
        if (std::string key = recordKey(*p); !key.empty())
            return key;
    return {};
}

struct Comparison {
    DeclarationChanges& out;

    void figure(const std::string& sheet, const std::string& record, const FormLine* line, const std::string& attribute,
                const std::string& oldValue, const std::string& newValue) {
        out.figures.push_back(FigureChange{sheet, record, line ? std::string(line->code) : std::string(),
                                           line ? std::string(line->label) : attribute, oldValue, newValue});
    }

    // The line of an attribute: on its element, or as a path from one of the elements above it.
    static const FormLine* lineOf(const Node& n, const std::string& attribute) {
        const Node* top = topOf(n);
        if (!top)
            return nullptr;
        std::string path = attribute;
        for (const Node* e = &n; e; e = e->parent) {
            if (const FormLine* line = FindFormLine(top->name, e->name, path))
                return line;
            if (e == top)
                break;
            path = e->name + "/" + path;
        }
        return nullptr;
    }

    static std::string sheetOf(const Node& n) {
        const Node* top = topOf(n);
        std::string sheet = top ? std::string(SheetOf(top->name)) : std::string();
        return sheet.empty() ? (top ? top->name : n.name) : sheet;
    }

    // Children are matched by their key, else by their name and place among those of the name.
    static std::vector<std::pair<std::string, const Node*>> keyed(const Node& n) {
        std::vector<std::pair<std::string, const Node*>> out;
        std::map<std::string, int> seen;
        for (const auto& c : n.children) {
            const std::string key = c->name + "|" + recordKey(*c);
            out.emplace_back(key + "#" + std::to_string(seen[key]++), c.get());
        }
        return out;
    }

    void record(const Node& n, bool added) {
        std::string what = recordOf(n);
        const FormLine* line = nullptr;
        if (what.empty()) {
            // A block without a key of its own: named by its first line, or its element.
            for (const auto& [a, v] : n.attributes)
                if ((line = lineOf(n, a)))
                    break;
            what = line ? std::string(line->label) : n.name;
        }
        out.records.push_back(RecordChange{sheetOf(n), what, added});
    }

    void compare(const Node& o, const Node& n) {
        const std::string sheet = sheetOf(n);
        const std::string rec = recordOf(n);
        std::set<std::string> names;
        for (const auto& [a, v] : o.attributes)
            names.insert(a);
        for (const auto& [a, v] : n.attributes)
            names.insert(a);
        // Attributes in the order of the new declaration, then the ones only the old one has.
        std::vector<std::string> order;
        for (const auto& [a, v] : n.attributes)
            order.push_back(a);
        for (const auto& [a, v] : o.attributes)
            if (!n.Attr(a))
                order.push_back(a);
        for (const std::string& a : order) {
            const std::string* ov = o.Attr(a);
            const std::string* nv = n.Attr(a);
            if (ov && nv && *ov == *nv)
                continue;
            figure(sheet, rec, lineOf(n, a), a, ov ? *ov : std::string(), nv ? *nv : std::string());
        }
        const auto oldChildren = keyed(o), newChildren = keyed(n);
        // Named pairs rather than structured bindings: clang before 16 cannot capture a binding.
        for (const auto& added : newChildren) {
            auto match = std::find_if(oldChildren.begin(), oldChildren.end(),
                                      [&](const auto& entry) { return entry.first == added.first; });
            if (match == oldChildren.end())
                record(*added.second, true);
            else
                compare(*match->second, *added.second);
        }
        for (const auto& removed : oldChildren)
            if (std::none_of(newChildren.begin(), newChildren.end(),
                             [&](const auto& entry) { return entry.first == removed.first; }))
                record(*removed.second, false);
    }
};

// The title page: the person, the signer and the inspection, by the label of each field.
struct TitleField {
    const char* path;
    const char* label;
};
constexpr TitleField kTitleFields[] = {
    {"КодНО", "Представляется в налоговый орган (код)"},
    {"СвНП/НПФЛ3/ДокПредст", "Код категории налогоплательщика"},
    {"СвНП/НПФЛ3/Статус", "Статус налогоплательщика"},
    {"СвНП/НПФЛ3/Тлф", "Номер контактного телефона"},
    {"СвНП/НПФЛ3/АдрИно", "Адрес места жительства за пределами Российской Федерации"},
    {"СвНП/НПФЛ3/ФИОФЛ/Фамилия", "Фамилия"},
    {"СвНП/НПФЛ3/ФИОФЛ/Имя", "Имя"},
    {"СвНП/НПФЛ3/ФИОФЛ/Отчество", "Отчество"},
    {"СвНП/НПФЛ3/СведФЛ/ИННФЛ", "ИНН"},
    {"СвНП/НПФЛ3/СведФЛ/ДатаРожд", "Дата рождения"},
    {"СвНП/НПФЛ3/СведФЛ/МестоРожд", "Место рождения"},
    {"СвНП/НПФЛ3/СведФЛ/ОКСМ", "Код страны"},
    {"СвНП/НПФЛ3/СведФЛ/УдЛичн/КодВидДок", "Код вида документа, удостоверяющего личность"},
    {"СвНП/НПФЛ3/СведФЛ/УдЛичн/СерНомДок", "Серия и номер документа"},
    {"СвНП/НПФЛ3/СведФЛ/УдЛичн/ДатаДок", "Дата выдачи документа"},
    {"СвНП/НПФЛ3/СведФЛ/УдЛичн/ВыдДок", "Кем выдан документ"},
    {"Подписант/ПрПодп", "Достоверность подтверждает (1 - налогоплательщик, 2 - представитель)"},
    {"Подписант/ФИО/Фамилия", "Фамилия представителя"},
    {"Подписант/ФИО/Имя", "Имя представителя"},
    {"Подписант/ФИО/Отчество", "Отчество представителя"},
    {"Подписант/СвПред/НаимДок", "Документ, подтверждающий полномочия представителя"},
    {"Подписант/СвПред/НаимОрг", "Организация - представитель"},
};

// The value at a path below Документ; "СведФЛ" stands for either СведФЛ1 (with an INN) or СведФЛ2.
std::optional<std::string> titleValue(const Node& document, std::string_view path) {
    const Node* n = &document;
    while (true) {
        const size_t slash = path.find('/');
        if (slash == std::string_view::npos)
            break;
        const std::string_view step = path.substr(0, slash);
        const Node* next =
            step == "СведФЛ" ? (n->Child("СведФЛ1") ? n->Child("СведФЛ1") : n->Child("СведФЛ2")) : n->Child(step);
        if (!next)
            return std::nullopt;
        n = next;
        path = path.substr(slash + 1);
    }
    const std::string* v = n->Attr(path);
    return v ? std::optional<std::string>(*v) : std::nullopt;
}

std::string money(long long roubles) {
    std::string digits = std::to_string(roubles < 0 ? -roubles : roubles);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ' ';
        out += digits[i];
    }
    return (roubles < 0 ? "-" : "") + out;
}

std::string section1Verdict(const Section1Change& c) {
    const long long d = c.Difference();
    if (d > 0)
        return "доплатить " + money(d) + " руб.";
    if (d < 0)
        return c.newRefund > c.oldRefund ? "к возврату больше на " + money(-d) + " руб."
                                         : "к уплате меньше на " + money(-d) + " руб.";
    return "без изменений";
}

std::string side(long long pay, long long refund) {
    if (pay > 0)
        return "к уплате " + money(pay);
    if (refund > 0)
        return "к возврату " + money(refund);
    return "0";
}

std::string valueText(const std::string& v) {
    return v.empty() ? "(нет)" : v;
}

}  // namespace

long long DeclarationChanges::PayDifference() const {
    long long sum = 0;
    for (const Section1Change& c : section1)
        sum += c.newPay - c.oldPay;
    return sum;
}

long long DeclarationChanges::RefundDifference() const {
    long long sum = 0;
    for (const Section1Change& c : section1)
        sum += c.newRefund - c.oldRefund;
    return sum;
}

DeclarationChanges CompareDeclarations(std::string_view filedXml, std::string_view newXml) {
    const auto oldRoot = parseDeclaration(filedXml, "Поданная декларация");
    const auto newRoot = parseDeclaration(newXml, "Новая декларация");
    const Node& oldDoc = *oldRoot->Child("Документ");
    const Node& newDoc = *newRoot->Child("Документ");
    DeclarationChanges changes;
    changes.oldCorrection = oldDoc.Value("НомКорр");
    changes.newCorrection = newDoc.Value("НомКорр");

    auto addSection1 = [&](const Node& doc, bool isNew) {
        const Node* body = doc.Child("НДФЛ3");
        if (!body)
            return;
        for (const auto& line : body->children) {
            if (line->name != "СумНалПу")
                continue;
            auto it = std::find_if(changes.section1.begin(), changes.section1.end(), [&](const Section1Change& c) {
                return c.kbk == line->Value("КБК") && c.oktmo == line->Value("ОКТМО");
            });
            if (it == changes.section1.end())
                it = changes.section1.insert(changes.section1.end(),
                                             Section1Change{line->Value("КБК"), line->Value("ОКТМО")});
            (isNew ? it->newPay : it->oldPay) += whole(line->Value("ПодлУпл"));
            (isNew ? it->newRefund : it->oldRefund) += whole(line->Value("ПодлВозв"));
        }
    };
    addSection1(oldDoc, false);
    addSection1(newDoc, true);

    for (const TitleField& field : kTitleFields) {
        auto o = titleValue(oldDoc, field.path), n = titleValue(newDoc, field.path);
        if (o.value_or("") != n.value_or(""))
            changes.figures.push_back(
                FigureChange{"Титульный лист", "", "", field.label, o.value_or(""), n.value_or("")});
    }
    const Node* oldBody = oldDoc.Child("НДФЛ3");
    const Node* newBody = newDoc.Child("НДФЛ3");
    Node empty;
    empty.name = "НДФЛ3";
    Comparison{changes}.compare(oldBody ? *oldBody : empty, newBody ? *newBody : empty);
    return changes;
}

std::vector<std::string> CorrectionAdvice(const DeclarationChanges& changes) {
    std::vector<std::string> advice;
    const long long pay = changes.PayDifference(), refund = changes.RefundDifference();
    if (pay > 0)
        advice.push_back("Налог к уплате увеличился на " + money(pay) +
                         " руб.: до подачи уточненной декларации уплатите недостающую сумму налога и пени - тогда "
                         "штраф не применяется (пункт 4 статьи 81 НК РФ).");
    if (pay < 0 || refund > 0)
        advice.push_back(
            "Сумма налога уменьшилась: налоговый орган вправе потребовать пояснения, обосновывающие изменение "
            "показателей (пункт 3 статьи 88 НК РФ).");
    if (refund != 0)
        advice.push_back("Сумма налога к возврату изменилась на " + money(refund) +
                         " руб.: подайте новое заявление на возврат налога (меню \"Декларация\" - \"Заявление на "
                         "возврат налога...\", команда zizaza-cli refund).");
    return advice;
}

std::string ChangesText(const DeclarationChanges& c) {
    std::ostringstream out;
    out << "Номер корректировки: " << valueText(c.oldCorrection) << " -> " << valueText(c.newCorrection) << "\n";
    out << "Раздел 1:\n";
    for (const Section1Change& s : c.section1)
        out << "  КБК " << s.kbk << ", ОКТМО " << s.oktmo << ": " << side(s.oldPay, s.oldRefund) << " -> "
            << side(s.newPay, s.newRefund) << "; " << section1Verdict(s) << "\n";
    if (!c.Any()) {
        out << "Показатели декларации не изменились.\n";
    } else {
        out << "Измененные показатели:\n";
        for (const FigureChange& f : c.figures) {
            out << "  " << f.sheet;
            if (!f.record.empty())
                out << ", " << f.record;
            out << ": ";
            if (!f.line.empty())
                out << "стр. " << f.line << " ";
            out << f.label << ": " << valueText(f.oldValue) << " -> " << valueText(f.newValue) << "\n";
        }
        for (const RecordChange& r : c.records)
            out << "  " << r.sheet << ": " << (r.added ? "добавлено: " : "удалено: ") << r.record << "\n";
    }
    for (const std::string& a : CorrectionAdvice(c))
        out << a << "\n";
    return out.str();
}

std::string ChangesHtml(const DeclarationChanges& c, const std::string& filedName) {
    HtmlText h;
    h.Raw("<html><head><meta charset=\"utf-8\"><title>Изменения уточненной декларации</title></head><body>\n");
    h.Heading(2, "Что изменилось по сравнению с поданной декларацией");
    h.Paragraph("Поданная декларация: " + filedName);
    h.Paragraph("Номер корректировки: " + valueText(c.oldCorrection) + " -> " + valueText(c.newCorrection));
    h.Heading(3, "Раздел 1");
    h.TableStart({"КБК", "ОКТМО", "Было", "Стало", "Итог"});
    for (const Section1Change& s : c.section1)
        h.Row({s.kbk, s.oktmo, side(s.oldPay, s.oldRefund), side(s.newPay, s.newRefund), section1Verdict(s)});
    h.TableEnd();
    for (const std::string& a : CorrectionAdvice(c))
        h.Paragraph(a);
    h.Heading(3, "Измененные показатели");
    if (!c.Any()) {
        h.Paragraph("Показатели декларации не изменились.");
    } else {
        h.TableStart({"Лист", "Запись", "Строка", "Показатель", "Было", "Стало"});
        for (const FigureChange& f : c.figures)
            h.Row({f.sheet, f.record, f.line, f.label, valueText(f.oldValue), valueText(f.newValue)});
        for (const RecordChange& r : c.records)
            h.Row({r.sheet, r.record, "", "", r.added ? "" : "запись удалена", r.added ? "запись добавлена" : ""});
        h.TableEnd();
    }
    h.Raw("</body></html>\n");
    return h.Take();
}

void CheckFiledDeclaration(const FiledDeclaration& filed, const FiledDeclaration& current) {
    const std::string year = std::to_string(kTaxYear);
    if (filed.knd != "1151020" || filed.year != year)
        throw FilingError("Поданный файл не является декларацией 3-НДФЛ за " + year + " год (КНД " + filed.knd +
                          ", год " + filed.year + "): выберите файл поданной декларации за " + year + " год.");
    if (filed.inn != current.inn ||
        (filed.inn.empty() && (filed.surname != current.surname || filed.firstName != current.firstName ||
                               filed.birthDate != current.birthDate)))
        throw FilingError("Поданная декларация составлена на другого налогоплательщика (ИНН " + valueText(filed.inn) +
                          ", " + filed.surname + "), а эта - на ИНН " + valueText(current.inn) + ", " +
                          current.surname + ".");
}

int NextCorrectionNumber(const FiledDeclaration& filed) {
    int number = 0;
    const std::string& text = filed.correctionNumber;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || number < 0 || number >= 999)
        throw FilingError("В поданной декларации неверный номер корректировки: \"" + text + "\"");
    return number + 1;
}

void CheckCorrectionFollows(const FiledDeclaration& filed, const FiledDeclaration& correction) {
    CheckFiledDeclaration(filed, correction);
    const int expected = NextCorrectionNumber(filed);
    if (correction.correctionNumber != std::to_string(expected))
        throw FilingError("Номер корректировки " + correction.correctionNumber +
                          " не следует за номером поданной декларации (" + filed.correctionNumber + "): должен быть " +
                          std::to_string(expected) + ".");
}

}  // namespace zizaza
