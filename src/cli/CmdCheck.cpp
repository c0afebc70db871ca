#include "checks/DeclarationCheck.h"
#include "cli/Commands.h"
#include "model/mTDeclaration.h"

#include <exception>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage = "ФАЙЛ.tv7 [--all]  проверка декларации; --all: все найденные ошибки";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    DeclarationCheckOptions options;
    options.listAll = TakeFlag(args, "--all");
    if (args.size() != 1) {
        err << "Использование: zizaza-cli check " << kUsage << "\n";
        return kExitFailure;
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    // The problems are answered "Отмена", as a user who reads them and fixes nothing.
    bool passed = false;
    try {
        passed = DeclarationPassesCheck(declaration, out, options);
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    if (!passed)
        return kExitProblems;
    out << "Проверка декларации завершена успешно\n";
    return kExitOk;
}

const CommandRegistrar registrar({"check", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
