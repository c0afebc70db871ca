#include "carryover/CarryOverError.h"
#include "carryover/PriorYearCarry.h"
#include "cli/Commands.h"
#include "model/mTDeclaration.h"
#include "storage/Date.h"

#include <exception>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ФАЙЛ.tv7 [--from ПРОШЛАЯ.xml] [--today ДД.ММ.ГГГГ]  новая декларация, как ее готовит программа (датой "
    "документа сегодня или указанный день); с --from на основе декларации прошлого года (XML 3-НДФЛ формата 5.10 "
    "или 5.12): сведения о декларанте, объекты имущественного вычета с вычетом прошлых лет и убытки по ценным "
    "бумагам, с отчетом о перенесенном";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    std::string todayText, fromPath;
    bool dateGiven = TakeOption(args, "--today", todayText);
    bool fromGiven = TakeOption(args, "--from", fromPath);
    if (args.size() != 1 || (!dateGiven && TakeFlag(args, "--today")) || (!fromGiven && TakeFlag(args, "--from"))) {
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
    std::unique_ptr<mTDeclaration> declaration;
    if (fromGiven) {
        try {
            CarriedDeclaration carried = StartFromPriorYear(fromPath, ProgramFolder(), today);
            out << carried.report.Text() << "\n";
            declaration = std::move(carried.declaration);
        } catch (const CarryOverError& e) {
            err << "Декларацию прошлого года перенести не удалось: " << e.what() << "\n";
            return kExitFailure;
        }
    } else {
        declaration = NewShellDeclaration(today);
    }
    try {
        declaration->Save(args[0]);
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
