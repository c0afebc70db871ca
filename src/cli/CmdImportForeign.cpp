#include "cli/Commands.h"
#include "cli/RatesDictionary.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/FileIo.h"
#include "imports/ForeignIncomeImport.h"
#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"

#include <exception>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ОТЧЕТ ДЕКЛАРАЦИЯ.tv7 [--out ФАЙЛ.tv7] [--dict ФАЙЛ] [--skip-refused]  доходы за пределами РФ из шаблона "
    "программы или отчета брокера (без --out декларация сохраняется на месте; со строками, которые не "
    "загружаются, декларация не меняется, если не задан --skip-refused)";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    std::string output;
    std::string dict;
    TakeOption(args, "--out", output);
    TakeOption(args, "--dict", dict);
    const bool skipRefused = TakeFlag(args, "--skip-refused");
    if (args.size() != 2) {
        err << "Использование: zizaza-cli import-foreign " << kUsage << "\n";
        return kExitFailure;
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(args[1], declaration, err))
        return kExitFailure;
    ForeignImport result;
    try {
        result = ReadForeignReport(ReadWholeFile(args[0]), CurrencyRates::Load(CommandRatesFiles(dict).read), {},
                                   declaration.CurrencyIncomeCount());
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    out << DescribeForeignImport(result);
    if (result.records.empty() || (!result.refused.empty() && !skipRefused)) {
        err << "Декларация не изменена: "
            << (result.records.empty() ? "нет выплат для загрузки" : "есть строки, которые не загружаются") << "\n";
        return kExitProblems;
    }
    const std::string target = output.empty() ? args[1] : output;
    std::error_code ec;
    if (IsEarlierEditionFile(args[1]) && std::filesystem::equivalent(args[1], target, ec)) {
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
