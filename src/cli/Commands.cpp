#include "cli/Commands.h"

#include "cli/TerminalText.h"
#include "dictionaries/DictionaryError.h"
#include "model/mTDeclaration.h"
#include "storage/AtomicFile.h"
#include "storage/Money.h"
#include "storage/StorageErrors.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <new>
#include <sstream>

namespace zizaza::cli {
namespace {

std::map<std::string, CommandInfo>& registry() {
    static std::map<std::string, CommandInfo> commands;
    return commands;
}

void printUsage(std::ostream& out) {
    out << "Использование: zizaza-cli КОМАНДА [ПАРАМЕТРЫ]\n"
           "Команды:\n";
    for (const auto& [name, info] : registry())
        out << "  " << name << " " << info.usage << "\n";
    out << "  --help  эта справка\n";
}

}  // namespace

CommandRegistrar::CommandRegistrar(const CommandInfo& info) {
    registry().emplace(info.name, info);
}

bool TakeOption(Args& args, const std::string& name, std::string& value) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end() || it + 1 == args.end())
        return false;
    value = *(it + 1);
    args.erase(it, it + 2);
    return true;
}

bool TakeFlag(Args& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}

std::string ErrorMessage(const std::exception& e) {
    if (dynamic_cast<const mEPrivBase*>(&e) || dynamic_cast<const DictionaryError*>(&e) ||
        dynamic_cast<const MoneyOverflow*>(&e) || dynamic_cast<const FileWriteError*>(&e))
        return e.what();
    if (dynamic_cast<const EConvertError*>(&e))
        return std::string(storage_messages::kBadFormat);
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return std::string(storage_messages::kLowMemory);
    return "Непредвиденная ошибка программы, команда не выполнена.";
}

bool LoadDeclaration(const std::string& path, mTDeclaration& declaration, std::ostream& err) {
    try {
        declaration.Load(path);
        return true;
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return false;
    }
}

std::string ProgramFolder() {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (ec ? std::filesystem::current_path() : self.parent_path()).string();
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        printUsage(args.empty() ? err : out);
        return args.empty() ? kExitFailure : kExitOk;
    }
    auto it = registry().find(args[0]);
    if (it == registry().end()) {
        err << "Неизвестная команда: " << TerminalText(args[0]) << "\n";
        printUsage(err);
        return kExitFailure;
    }
    // What the command writes is collected and made safe for the terminal as a whole, so that a
    // character is never split between two writes.
    const CommandInfo& command = it->second;
    std::ostringstream text, errors;
    std::ostream& commandOut = command.dataOnOutput ? out : text;
    int status = kExitFailure;
    try {
        status = command.run(Args(args.begin() + 1, args.end()), commandOut, errors);
    } catch (const std::exception& e) {
        errors << ErrorMessage(e) << "\n";
    }
    out << TerminalText(text.view());
    err << TerminalText(errors.view());
    out.flush();
    return status;
}

int Run(int argc, char** argv) {
    Args args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

}  // namespace zizaza::cli
