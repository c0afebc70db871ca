#include "cli/Commands.h"
#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"

#include <exception>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ИЗ.tv7 В.tv7  читает декларацию и сохраняет ее заново (файл прежней версии: "
    "только личные данные)";

int run(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "Использование: zizaza-cli resave " << kUsage << "\n";
        return kExitFailure;
    }
    try {
        mTDeclaration declaration;
        declaration.Load(args[0]);
        std::error_code ec;
        if (IsEarlierEditionFile(args[0]) && std::filesystem::equivalent(args[0], args[1], ec)) {
            err << "Файл прежней версии программы не заменяется: из него взяты только личные данные. Укажите "
                   "другое имя файла.\n";
            return kExitFailure;
        }
        declaration.Save(args[1]);
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    out << "Декларация сохранена: " << args[1] << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"resave", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
