#include "dictionaries/CbrRateFiles.h"

#include "dictionaries/CsvText.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/FileIo.h"
#include "dictionaries/XmlDoc.h"

#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace zizaza {
namespace {

[[noreturn]] void Refuse(const std::string& fileName, const std::string& reason) {
    throw DictionaryError("Файл курсов ЦБ РФ " + fileName + " не загружен: " + reason);
}

// The Bank of Russia has published rates of the rouble since 1 July 1992; a rate dated beyond next
// year is a mistake, and a file of every day of those years for every currency stays far below
// this size.
constexpr int kFirstRateYear = 1992;
constexpr size_t kMaxRateFileSize = 16 * 1024 * 1024;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

// A rate as the dictionary keeps it: decimal point, positive.
std::optional<std::string> RateText(std::string_view text) {
    std::string value(TrimField(text));
    std::replace(value.begin(), value.end(), ',', '.');
    const std::optional<Money> money = Money::Parse(value);
    if (!money || *money <= Money())
        return std::nullopt;
    return value;
}

std::optional<std::string> QuantityText(std::string_view text) {
    const std::string value(TrimField(text));
    if (!RateQuantity({"", "", value}))
        return std::nullopt;
    return value;
}

// Collects the entries of one file per currency and checks every value on the way.
class Collector {
public:
    explicit Collector(const std::string& fileName) : m_fileName(fileName), m_lastYear(Date::Today().Year() + 1) {}

    void Add(const std::string& code, const std::string& alpha, const std::string& name, std::string_view dateText,
             std::string_view quantity, std::string_view rate) {
        const std::optional<Date> date = ParseDate(dateText);
        const std::optional<std::string> q = QuantityText(quantity);
        const std::optional<std::string> r = RateText(rate);
        const std::string where = " (валюта " + (alpha.empty() ? code : alpha) + ")";
        if (!date)
            Refuse(m_fileName, "неверная дата «" + std::string(dateText) + "»" + where);
        if (date->Year() < kFirstRateYear || date->Year() > m_lastYear)
            Refuse(m_fileName, "дата курса " + date->ToText() + " вне " + std::to_string(kFirstRateYear) + " - " +
                                   std::to_string(m_lastYear) + " годов" + where);
        if (!q)
            Refuse(m_fileName, "неверное количество единиц «" + std::string(quantity) + "»" + where);
        if (!r)
            Refuse(m_fileName, "неверный курс «" + std::string(rate) + "»" + where);
        LoadedRates& entry = m_byCode[code];
        entry.code = code;
        entry.alpha = alpha;
        entry.name = name;
        entry.rates.push_back({date->ToText(), *r, *q});
    }

    // Each currency's entries in date order; the covered days run from the first entry to the
    // last one. A history file's end date (DateRange2) may lie beyond its last rate, up to
    // 31.12.9999: the days after the last published rate are not known to have no rate of their
    // own, so they are not covered.
    std::vector<LoadedRates> Finish() {
        if (m_byCode.empty())
            Refuse(m_fileName, "в файле нет курсов");
        std::vector<LoadedRates> result;
        for (auto& [code, entry] : m_byCode) {
            auto day = [](const CurrencyRate& r) { return Date::Parse(r.date)->days(); };
            std::stable_sort(entry.rates.begin(), entry.rates.end(),
                             [&](const CurrencyRate& a, const CurrencyRate& b) { return day(a) < day(b); });
            for (size_t i = 1; i < entry.rates.size(); ++i)
                if (entry.rates[i].date == entry.rates[i - 1].date)
                    Refuse(m_fileName, "два курса на " + entry.rates[i].date + " (валюта " + code + ")");
            Date first = *Date::Parse(entry.rates.front().date);
            Date last = *Date::Parse(entry.rates.back().date);
            entry.covered = {first, last};
            result.push_back(std::move(entry));
        }
        return result;
    }

    static std::optional<Date> ParseDate(std::string_view text) {
        text = TrimField(text);
        if (auto d = Date::Parse(text, '.'); d && text.size() == 10)
            return d;
        if (auto d = Date::Parse(text, '/'); d && text.size() == 10)
            return d;
        return std::nullopt;
    }

private:
    std::string m_fileName;
    int m_lastYear;  // next year
    std::map<std::string, LoadedRates> m_byCode;
};

xmlNode* ChildNamed(const xmlNode* node, std::string_view name) {
    for (xmlNode* child : ChildElements(node))
        if (ElementName(child) == name)
            return child;
    return nullptr;
}

std::string ChildText(const xmlNode* node, std::string_view name) {
    const xmlNode* child = ChildNamed(node, name);
    return child ? std::string(TrimField(ElementText(child))) : std::string();
}

const CbrCurrencyId* FindId(const std::vector<CbrCurrencyId>& ids, std::string_view id) {
    auto it = std::find_if(ids.begin(), ids.end(), [&](const CbrCurrencyId& c) { return c.id == id; });
    return it == ids.end() ? nullptr : &*it;
}

std::string DictionaryName(const CurrencyRates& rates, const std::string& code, const std::string& fallback) {
    const Currency* c = rates.FindCurrency(code);
    return c ? c->name : fallback;
}

std::vector<LoadedRates> ReadDailyXml(const XmlDoc& doc, const std::string& fileName, const CurrencyRates& rates) {
    const std::optional<Date> date = Collector::ParseDate(AttributeOr(doc.Root(), "Date"));
    if (!date)
        Refuse(fileName, "нет даты курсов (атрибут Date)");
    Collector collector(fileName);
    for (xmlNode* valute : ChildElements(doc.Root())) {
        const std::string code = ChildText(valute, "NumCode");
        if (code.size() != 3 || !std::all_of(code.begin(), code.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
            Refuse(fileName, "неверный цифровой код валюты «" + code + "»");
        collector.Add(code, ChildText(valute, "CharCode"), DictionaryName(rates, code, ChildText(valute, "Name")),
                      date->ToText(), ChildText(valute, "Nominal"), ChildText(valute, "Value"));
    }
    return collector.Finish();
}

std::vector<LoadedRates> ReadHistoryXml(const XmlDoc& doc, const std::string& fileName,
                                        const std::vector<CbrCurrencyId>& ids, const CurrencyRates& rates) {
    Collector collector(fileName);
    for (xmlNode* record : ChildElements(doc.Root())) {
        const std::string id = AttributeOr(record, "Id");
        const CbrCurrencyId* currency = FindId(ids, id);
        if (!currency)
            Refuse(fileName, "неизвестный идентификатор валюты ЦБ РФ «" + id + "»");
        collector.Add(currency->isoNum, currency->isoChar, DictionaryName(rates, currency->isoNum, currency->name),
                      AttributeOr(record, "Date"), ChildText(record, "Nominal"), ChildText(record, "Value"));
    }
    return collector.Finish();
}

std::vector<LoadedRates> ReadXml(std::string_view bytes, const std::string& fileName,
                                 const std::vector<CbrCurrencyId>& ids, const CurrencyRates& rates) {
    XmlDoc doc = XmlDoc::ParseText(bytes, fileName);
    if (ElementName(doc.Root()) != "ValCurs")
        Refuse(fileName, "это не файл курсов ЦБ РФ (нет элемента ValCurs)");
    xmlNode* first = ChildElements(doc.Root()).begin() == ChildElements(doc.Root()).end()
                         ? nullptr
                         : *ChildElements(doc.Root()).begin();
    if (!first)
        Refuse(fileName, "в файле нет курсов");
    for (xmlNode* child : ChildElements(doc.Root()))
        if (ElementName(child) != ElementName(first))
            Refuse(fileName, "неожиданный элемент " + std::string(ElementName(child)));
    if (ElementName(first) == "Valute")
        return ReadDailyXml(doc, fileName, rates);
    if (ElementName(first) == "Record")
        return ReadHistoryXml(doc, fileName, ids, rates);
    Refuse(fileName, "неожиданный элемент " + std::string(ElementName(first)));
}

// The currency of a row of the CSV export, which names it only in Russian.
const Currency* CurrencyByName(std::string_view name, const std::vector<CbrCurrencyId>& ids,
                               const CurrencyRates& rates) {
    const std::string wanted = std::string(TrimField(name));
    for (const CbrCurrencyId& id : ids)
        if (id.name == wanted)
            return rates.FindCurrency(id.isoNum);
    for (const Currency& c : rates.Currencies())
        if (c.name == wanted)
            return &c;
    return nullptr;
}

std::vector<LoadedRates> ReadCsv(std::string_view bytes, const std::string& fileName,
                                 const std::vector<CbrCurrencyId>& ids, const CurrencyRates& rates) {
    const std::vector<CsvRow> rows = ReadCsvRows(DecodeTextFile(bytes), ';');
    const std::vector<std::string> header = {"nominal", "data", "curs", "cdx"};
    if (rows.empty() || rows[0].fields.size() < header.size() ||
        !std::equal(header.begin(), header.end(), rows[0].fields.begin(),
                    [](const std::string& want, const std::string& got) { return Lower(TrimField(got)) == want; }))
        Refuse(fileName, "это не файл курсов ЦБ РФ (ожидается заголовок nominal;data;curs;cdx или XML)");
    Collector collector(fileName);
    for (size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string>& f = rows[i].fields;
        if (f.size() < header.size())
            Refuse(fileName, "в строке " + std::to_string(rows[i].line) + " не хватает полей");
        const Currency* currency = CurrencyByName(f[3], ids, rates);
        if (!currency)
            Refuse(fileName, "неизвестная валюта «" + std::string(TrimField(f[3])) + "» в строке " +
                                 std::to_string(rows[i].line));
        collector.Add(currency->code, currency->alpha, currency->name, f[1], f[0], f[2]);
    }
    return collector.Finish();
}

std::vector<DateRange> MergeRanges(std::vector<DateRange> ranges) {
    std::sort(ranges.begin(), ranges.end(), [](const DateRange& a, const DateRange& b) { return a.first < b.first; });
    std::vector<DateRange> merged;
    for (const DateRange& r : ranges) {
        if (!merged.empty() && r.first.days() <= merged.back().last.days() + 1)
            merged.back().last = std::max(merged.back().last, r.last);
        else
            merged.push_back(r);
    }
    return merged;
}

void MergeInto(Currency& currency, const LoadedRates& loaded, AddedRates& added) {
    // A currency without rates covers nothing so far; one of a file without coverage keeps
    // counting every day from its first entry on.
    if (!currency.covered && currency.rates.empty())
        currency.covered.emplace();
    // By day; entries whose date cannot be read are not found by any look-up and are left out.
    std::map<double, CurrencyRate> byDay;
    for (const CurrencyRate& r : currency.rates)
        if (auto d = Date::Parse(r.date))
            byDay.emplace(d->days(), r);
    for (const CurrencyRate& r : loaded.rates) {
        auto [it, inserted] = byDay.try_emplace(Date::Parse(r.date)->days(), r);
        if (inserted) {
            ++added.added;
        } else if (it->second.rate != r.rate || it->second.quantity != r.quantity) {
            ++added.changed;
            it->second = r;
        }
    }
    currency.rates.clear();
    for (auto& [day, r] : byDay)
        currency.rates.push_back(std::move(r));
    if (currency.covered) {
        currency.covered->push_back(loaded.covered);
        currency.covered = MergeRanges(std::move(*currency.covered));
    }
    if (currency.alpha.empty())
        currency.alpha = loaded.alpha;
}

}  // namespace

std::vector<CbrCurrencyId> ParseCbrCurrencyIds(std::string_view text) {
    const std::vector<CsvRow> rows = ReadCsvRows(DecodeTextFile(text), ',');
    if (rows.empty() || rows[0].fields.size() < 4 || rows[0].fields[0] != "cbr_id")
        throw DictionaryError("Неверный формат справочника идентификаторов валют ЦБ РФ");
    std::vector<CbrCurrencyId> ids;
    for (size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string>& f = rows[i].fields;
        if (f.size() >= 4)
            ids.push_back({std::string(TrimField(f[0])), std::string(TrimField(f[1])), std::string(TrimField(f[2])),
                           std::string(TrimField(f[3]))});
    }
    return ids;
}

std::vector<CbrCurrencyId> LoadCbrCurrencyIds(const std::string& path) {
    return ParseCbrCurrencyIds(ReadWholeFile(path));
}

std::vector<LoadedRates> ReadCbrRateFile(std::string_view bytes, const std::string& fileName,
                                         const std::vector<CbrCurrencyId>& ids, const CurrencyRates& rates) {
    if (bytes.size() > kMaxRateFileSize)
        Refuse(fileName, "файл больше " + std::to_string(kMaxRateFileSize / (1024 * 1024)) +
                             " МБ, такого файла курсов у ЦБ РФ нет");
    std::string_view start = bytes;
    if (start.starts_with("\xEF\xBB\xBF"))
        start.remove_prefix(3);
    while (!start.empty() && std::isspace(static_cast<unsigned char>(start.front())))
        start.remove_prefix(1);
    if (start.starts_with("<")) {
        try {
            return ReadXml(bytes, fileName, ids, rates);
        } catch (const DictionaryError& e) {
            const std::string what = e.what();
            if (what.starts_with("Файл курсов ЦБ РФ"))
                throw;
            Refuse(fileName, what);
        }
    }
    return ReadCsv(bytes, fileName, ids, rates);
}

CurrencyRates MergeRates(const CurrencyRates& base, const std::vector<LoadedRates>& loaded,
                         std::vector<AddedRates>& report) {
    std::vector<Currency> currencies = base.Currencies();
    for (const LoadedRates& l : loaded) {
        auto it =
            std::find_if(currencies.begin(), currencies.end(), [&](const Currency& c) { return c.code == l.code; });
        if (it == currencies.end()) {
            auto at =
                std::find_if(currencies.begin(), currencies.end(), [&](const Currency& c) { return c.code > l.code; });
            it = currencies.insert(at, Currency{l.code, l.name, {}, l.alpha, std::vector<DateRange>{}});
        }
        AddedRates added{l.code, it->name, l.covered, 0, 0};
        MergeInto(*it, l, added);
        report.push_back(std::move(added));
    }
    return CurrencyRates::FromCurrencies(std::move(currencies));
}

std::string DescribeAddedRates(const std::vector<AddedRates>& report) {
    std::string text = "Добавлены курсы ЦБ РФ:\n";
    for (const AddedRates& a : report) {
        text += a.code + " " + a.name + ": с " + a.range.first.ToText() + " по " + a.range.last.ToText() +
                ", новых курсов " + std::to_string(a.added);
        if (a.changed)
            text += ", исправлено " + std::to_string(a.changed);
        text += "\n";
    }
    return text;
}

RatesFiles ChooseRatesFiles(const std::string& programFile, const std::string& userFile) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(userFile, ec))
        return {userFile, userFile};
    const fs::path folder = fs::path(programFile).has_parent_path() ? fs::path(programFile).parent_path() : ".";
    const bool writable = ::access(folder.c_str(), W_OK) == 0 &&
                          (!fs::exists(programFile, ec) || ::access(programFile.c_str(), W_OK) == 0);
    return {programFile, writable ? programFile : userFile};
}

std::string UserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string base = xdg && *xdg == '/' ? xdg : std::string(home ? home : ".") + "/.local/share";
    return base + "/Кверон/Zizaza 2017";
}

void SaveCurrencyRates(const CurrencyRates& rates, const std::string& path) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    // The program goes without rates when it cannot load this file: the file is read back as the
    // program reads it before it replaces the old one.
    WriteDictionaryFile(path, rates.Serialize(), [&](std::string_view written) {
        const CurrencyRates again = CurrencyRates::FromDoc(XmlDoc::ParseText(written, path));
        const auto& a = again.Currencies();
        const auto& b = rates.Currencies();
        const bool same = std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Currency& x, const Currency& y) {
            return x.code == y.code && x.rates.size() == y.rates.size();
        });
        if (!same)
            throw DictionaryError("Справочник курсов не записан: записанный файл читается не так: " + path);
    });
}

std::string ImportCbrRates(const std::string& rateFile, const RatesFiles& files, const std::string& idsFile) {
    std::error_code ec;
    const CurrencyRates base =
        std::filesystem::exists(files.read, ec) ? CurrencyRates::Load(files.read) : CurrencyRates();
    // Without the identifiers only the history files cannot be read; they then say so.
    const std::vector<CbrCurrencyId> ids =
        std::filesystem::exists(idsFile, ec) ? LoadCbrCurrencyIds(idsFile) : std::vector<CbrCurrencyId>{};
    const std::vector<LoadedRates> loaded = ReadCbrRateFile(ReadWholeFile(rateFile), rateFile, ids, base);
    std::vector<AddedRates> report;
    SaveCurrencyRates(MergeRates(base, loaded, report), files.write);
    return DescribeAddedRates(report);
}

}  // namespace zizaza
