#include "cli/Commands.h"
#include "cli/RatesDictionary.h"
#include "dictionaries/DictionaryError.h"

#include <exception>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ФАЙЛ [--dict ФАЙЛ]  загружает курсы из файла ЦБ РФ (XML за день, XML динамики, CSV выгрузки) в справочник";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    std::string dict;
    TakeOption(args, "--dict", dict);
    if (args.size() != 1) {
        err << "Использование: zizaza-cli import-rates " << kUsage << "\n";
        return kExitFailure;
    }
    const RatesFiles files = CommandRatesFiles(dict);
    try {
        out << ImportCbrRates(args[0], files, ProgramFolder() + "/" + kCbrCurrencyIdsFileName);
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    out << "Справочник курсов: " << files.write << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"import-rates", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
