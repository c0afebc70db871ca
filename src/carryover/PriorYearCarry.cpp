#include "carryover/PriorYearCarry.h"

#include "carryover/CarryOverError.h"
#include "carryover/CarryParts.h"
#include "imports/ImportText.h"
#include "model/mTDeclaration.h"
#include "storage/NumberText.h"

#include <array>

namespace zizaza {
namespace carry {

xmlNode* Child(const xmlNode* parent, std::string_view name) {
    if (!parent)
        return nullptr;
    for (xmlNode* child : ChildElements(parent))
        if (ElementName(child) == name)
            return child;
    return nullptr;
}

Money AmountOf(const xmlNode* node, const char* name) {
    if (!node)
        return Money();
    auto text = GetAttribute(node, name);
    auto amount = text ? Money::Parse(*text) : std::nullopt;
    return amount ? *amount : Money();
}

// "2 000 000,00": the kopecks after a comma, the thousands apart.
std::string AmountText(Money amount) {
    const std::string text = MoneyToText2(amount);
    const size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += ' ';
        grouped += whole[i];
    }
    return point == std::string::npos ? grouped : grouped + "," + text.substr(point + 1);
}

std::string CarriedText(const xmlNode* node, const char* name, const std::string& what, CarryOverReport& report) {
    const std::optional<std::string> text = node ? GetAttribute(node, name) : std::nullopt;
    if (!text)
        return {};
    ImportedText plain = PlainImportedText(*text);
    if (!plain.refusal.empty()) {
        report.notCarried.push_back(what + ": " + plain.refusal + "; введите на экране");
        return {};
    }
    if (plain.replaced)
        report.carried.push_back(what + ": знаки, которых нет в файле декларации, заменены: «" + *text + "» → «" +
                                 plain.text + "»");
    return plain.text;
}

std::optional<Date> CarriedDate(const xmlNode* node, const char* name, const std::string& what,
                                CarryOverReport& report) {
    const std::optional<std::string> text = node ? GetAttribute(node, name) : std::nullopt;
    const std::optional<Date> date = text ? Date::Parse(*text) : std::nullopt;
    if (!date)
        return std::nullopt;
    if (std::string reason = ImportedDateRefusal(*date); !reason.empty()) {
        report.notCarried.push_back(what + ": " + reason);
        return std::nullopt;
    }
    return date;
}

Money CarriedAmount(const xmlNode* node, const char* name, CarryOverReport& report, const std::string& what) {
    const std::optional<std::string> text = node ? GetAttribute(node, name) : std::nullopt;
    if (!text)
        return Money();
    const std::optional<Money> amount = Money::Parse(*text);
    if (!amount || !ImportedAmountRefusal(*amount).empty()) {
        report.notCarried.push_back(what + " " + *text +
                                    ": больше 999 999 999 999,99, такую сумму декларация не вмещает");
        return Money();
    }
    return *amount;
}

bool FitsAmountField(Money amount, const std::string& what, CarryOverReport& report) {
    if (std::string reason = ImportedAmountRefusal(amount); !reason.empty()) {
        report.notCarried.push_back(what + ": " + reason + ", такую сумму декларация не вмещает");
        return false;
    }
    return true;
}

}  // namespace carry

namespace {

struct Section {
    const char* element;
    const char* what;
};

// The sections of a declaration that belong to its own year: none of them is carried over.
constexpr std::array<Section, 12> kYearSections = {{
    {"СумНалПу", "суммы налога к уплате и к возврату (раздел 1)"},
    {"НалБаза", "налоговая база и налог по ставкам (раздел 2)"},
    {"ДоходИстРФ", "доходы от источников в Российской Федерации"},
    {"ДоходИстИно", "доходы от источников за пределами Российской Федерации"},
    {"ДоходПредпр", "доходы от предпринимательской деятельности"},
    {"ДоходОсвПрев", "доходы, не подлежащие налогообложению"},
    {"ИмущНалВычПр", "имущественные вычеты при продаже имущества"},
    {"ВычСтандСоц", "стандартные и социальные вычеты"},
    {"ВычСоцИнв219", "вычеты по пенсионным взносам и инвестиционные вычеты"},
    {"ПрофНалВыч", "профессиональные вычеты"},
    {"ДохИвестТов", "доходы от участия в инвестиционных товариществах"},
    {"ДохПродОНИ", "доходы от продажи недвижимости по кадастровой стоимости"},
}};

void ReportYearSections(const xmlNode* body, int year, CarryOverReport& report) {
    for (const Section& s : kYearSections)
        if (carry::Child(body, s.element))
            report.notCarried.push_back(std::string("Данные ") + std::to_string(year) + " года: " + s.what);
}

// The program prepares the declaration of one tax year: say which year the carried one is for and
// what follows from it.
std::string YearsNote(int fileYear) {
    const std::string file = std::to_string(fileYear), next = std::to_string(fileYear + 1);
    const std::string target = std::to_string(kCarryTargetYear);
    const std::string held = std::to_string(kOldestCarriedLossYear) + "–" + std::to_string(kNewestCarriedLossYear);
    // A file of the target year itself is most likely the wrong file: say so first.
    const std::string sameYear = fileYear != kCarryTargetYear
                                     ? std::string()
                                     : "Выбранный файл — декларация за " + file +
                                           " год, тот же, что у новой декларации; обычно новую "
                                           "декларацию составляют на основе декларации за " +
                                           std::to_string(kCarryTargetYear - 1) +
                                           " год. Из этого файла перенесено только то, что не зависит от года. ";
    if (fileYear + 1 == kCarryTargetYear)
        return "Перенесенная декларация — за " + file + " год; новая декларация — за " + target +
               " год, в ней учитываются убытки прошлых лет " + held + " годов.";
    return sameYear + "Перенесенная декларация — за " + file + " год, следующая за ней — за " + next +
           " год. Программа составляет декларацию только за " + target + " год и хранит в ней убытки прошлых лет " +
           held + " годов: сроки переноса убытков (десять лет) отсчитаны для декларации за " + next +
           " год, а то, что декларация за " + target + " год не может хранить, указано ниже.";
}

}  // namespace

std::string CarryOverReport::Text() const {
    std::string text = "Новая декларация составлена на основе " + source + ".\n";
    if (!years.empty())
        text += years + "\n";
    text += "\nПеренесено:\n";
    for (const std::string& line : carried)
        text += "  - " + line + "\n";
    if (carried.empty())
        text += "  Переносить нечего: в файле нет сведений, которые переходят в новую декларацию.\n";
    text += "\nНе перенесено:\n";
    for (const std::string& line : notCarried)
        text += "  - " + line + "\n";
    if (notCarried.empty())
        text += "  (ничего)\n";
    return text;
}

CarriedDeclaration CarryOver(const PriorYearFile& file, Date today, const std::string& dataFolder) {
    CarriedDeclaration result;
    result.declaration = NewShellDeclaration(today);
    mTDeclaration& d = *result.declaration;
    CarryOverReport& report = result.report;
    report.source = "декларации за " + std::to_string(file.taxYear) + " год (формат " + file.formatText + ")";
    report.years = YearsNote(file.taxYear);

    const xmlNode* document = carry::Child(file.xml.Root(), "Документ");
    const xmlNode* body = carry::Child(document, "НДФЛ3");
    carry::CarryTitlePage(document, d, report, dataFolder);
    carry::CarryPropertyDeduction(file, body, d, report);
    carry::CarrySecuritiesLosses(file, body, d, report);
    ReportYearSections(body, file.taxYear, report);
    return result;
}

CarriedDeclaration StartFromPriorYear(const std::string& path, const std::string& dataFolder, Date today) {
    const PriorYearFile file = ReadPriorYearFile(path, dataFolder);
    try {
        return CarryOver(file, today, dataFolder);
    } catch (const MoneyOverflow&) {
        // Every carried amount is bounded; a sum the carry-over makes on its own must not end the program either.
        throw CarryOverError("Суммы в файле слишком велики: декларация не может их вместить.");
    }
}

}  // namespace zizaza
