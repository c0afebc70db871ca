#include "cli/Commands.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/ImportSoun.h"
#include "storage/Date.h"

#include <ostream>

namespace zizaza::cli {
namespace {

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    std::string date;
    if (!TakeOption(args, "--date", date))
        date = Date::Today().ToText();
    else if (!Date::Parse(date)) {
        err << "Неверная дата: " << date << "\n";
        return kExitFailure;
    }
    if (args.size() != 2) {
        err << "Использование: zizaza-cli import-soun soun1.dbf OUT.xml [--date ДД.ММ.ГГГГ]\n";
        return kExitFailure;
    }
    try {
        ImportSoun(args[0], args[1], date, "00");
    } catch (const DictionaryError& e) {
        err << "Импортировать данные не удалось: " << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    out << "Данные успешно импортированы: " << args[1] << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"import-soun",
                                  "soun1.dbf OUT.xml [--date ДД.ММ.ГГГГ]  справочник инспекций из таблицы СОУН", run});

}  // namespace
}  // namespace zizaza::cli
