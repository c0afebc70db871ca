#include "cli/Commands.h"
#include "cli/RatesDictionary.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/FileIo.h"
#include "imports/ForeignIncomeImport.h"
#include "imports/SettlementDates.h"
#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"
#include "storage/AtomicFile.h"

#include <exception>
#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ОТЧЕТ... ДЕКЛАРАЦИЯ.tv7 [--out ФАЙЛ.tv7] [--dict ФАЙЛ] [--skip-refused] [--dates settlement|trade] "
    "[--register ФАЙЛ.txt]  доходы за пределами РФ из шаблона программы или отчетов брокера (несколько "
    "отчетов в любом порядке: сделки сопоставляются по ФИФО по всем годам и файлам, повторы учитываются "
    "один раз; --dates: курс на дату расчетов (по умолчанию) или на дату сделки; --register: реестр сделок "
    "с лотами в файл; без --out декларация сохраняется на месте; со строками, которые не загружаются, "
    "декларация не меняется, если не задан --skip-refused)";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    std::string output;
    std::string dict;
    std::string dates;
    std::string registerFile;
    TakeOption(args, "--out", output);
    TakeOption(args, "--dict", dict);
    TakeOption(args, "--dates", dates);
    TakeOption(args, "--register", registerFile);
    const bool skipRefused = TakeFlag(args, "--skip-refused");
    if (args.size() < 2 || (!dates.empty() && dates != "settlement" && dates != "trade")) {
        err << "Использование: zizaza-cli import-foreign " << kUsage << "\n";
        return kExitFailure;
    }
    const std::string declarationFile = args.back();
    args.pop_back();
    mTDeclaration declaration;
    if (!LoadDeclaration(declarationFile, declaration, err))
        return kExitFailure;
    ForeignImport result;
    try {
        std::vector<ReportFile> files;
        for (const std::string& name : args)
            files.push_back({args.size() > 1 ? name : std::string(), ReadWholeFile(name)});
        // Without the exchange calendar the trades needing a settlement date are refused by name.
        std::optional<ExchangeHolidays> holidays;
        try {
            holidays = ExchangeHolidays::Load(ProgramFolder() + "/" + kExchangeHolidaysFileName);
        } catch (const std::exception&) {
        }
        ForeignImportOptions options;
        options.dates = dates == "trade" ? TradeDates::Trade : TradeDates::Settlement;
        options.holidays = holidays ? &*holidays : nullptr;
        options.present = declaration.CurrencyIncomeCount();
        result = ReadForeignReports(files, CurrencyRates::Load(CommandRatesFiles(dict).read), options);
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    const std::string report = DescribeForeignImport(result);
    out << report;
    if (!registerFile.empty()) {
        try {
            WriteFileAtomically(registerFile, report);
        } catch (const std::exception& e) {
            err << ErrorMessage(e) << "\n";
            return kExitFailure;
        }
        out << "Реестр сделок записан: " << registerFile << "\n";
    }
    if (result.records.empty() || (!result.refused.empty() && !skipRefused)) {
        err << "Декларация не изменена: "
            << (result.records.empty() ? "нет выплат для загрузки" : "есть строки, которые не загружаются") << "\n";
        return kExitProblems;
    }
    const std::string target = output.empty() ? declarationFile : output;
    std::error_code ec;
    if (IsEarlierEditionFile(declarationFile) && std::filesystem::equivalent(declarationFile, target, ec)) {
        err << "Файл прежней версии программы не заменяется: из него взяты только личные данные. Укажите --out.\n";
        return kExitFailure;
    }
    try {
        ApplyForeignImport(declaration, result);
        declaration.Save(target);
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    out << "Декларация сохранена: " << target << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"import-foreign", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
