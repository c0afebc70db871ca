#include "cli/Commands.h"
#include "model/mTDeclaration.h"
#include "storage/Date.h"

#include <exception>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ФАЙЛ.tv7 [--today ДД.ММ.ГГГГ]  новая декларация, как ее готовит программа (датой документа сегодня или "
    "указанный день)";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    std::string todayText;
    bool dateGiven = TakeOption(args, "--today", todayText);
    if (args.size() != 1 || (!dateGiven && TakeFlag(args, "--today"))) {
        err << "Использование: zizaza-cli new " << kUsage << "\n";
        return kExitFailure;
    }
    Date today = Date::Today();
    if (dateGiven) {
        auto parsed = Date::Parse(todayText);
        if (!parsed) {
            err << "Неверная дата: " << todayText << "\n";
            return kExitFailure;
        }
        today = *parsed;
    }
    try {
        NewShellDeclaration(today)->Save(args[0]);
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    out << "Сохранена новая декларация: " << args[0] << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"new", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
