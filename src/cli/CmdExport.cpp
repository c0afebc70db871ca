#include "checks/DeclarationCheck.h"
#include "cli/Commands.h"
#include "cli/FilingFiles.h"
#include "cli/XmlCommandOptions.h"
#include "model/mTDeclaration.h"

#include <exception>
#include <filesystem>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ФАЙЛ.tv7 [--dir ПАПКА] [--today ДД.ММ.ГГГГ] [--guid GUID] [--force]  файл xml выгрузки в папку "
    "(по умолчанию текущую) после проверки декларации; --force выгружает и при ошибках";

// The folder as the program passes it to the export: ending with its separator.
std::string ExportFolder(const std::string& dir) {
    std::string folder = dir.empty() ? std::filesystem::current_path().string() : dir;
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    XmlExportOptions options;
    if (!TakeXmlOptions(args, options, err))
        return kExitFailure;
    std::string dir;
    TakeOption(args, "--dir", dir);
    const bool force = TakeFlag(args, "--force");
    if (args.size() != 1) {
        err << "Использование: zizaza-cli export " << kUsage << "\n";
        return kExitFailure;
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    // As in the program, the whole-declaration check runs first: a declaration with problems is
    // not exported, unless the caller insists.
    if (!force && !DeclarationPassesCheck(declaration, out))
        return kExitProblems;

    const std::string folder = ExportFolder(dir);
    std::string name;
    // A file the system could not write is told with the system's reason: nothing for the developers.
    bool diskFailure = false;
    options.showMessage = [&err, &diskFailure](const std::string& text) {
        diskFailure = text != kXmlExportErrorMessage && text != kXmlCalculationErrorMessage;
        err << text << "\n";
    };
    if (!BuildDeclarationXml(folder, declaration, XmlExportMode::File, name, options)) {
        err << (diskFailure ? "Файл не сформирован.\n" : "Файл не сформирован, свяжитесь с разработчиками.\n");
        return kExitFailure;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(folder + name, ec)) {
        err << "Не удалось сохранить файл в указанный каталог. Выберите другой каталог или запускайте "
               "программу с правами администратора.\n";
        return kExitFailure;
    }
    out << "Сформирован файл " << folder << " " << name << "\n";
    KeepExportCopy(args[0], declaration.Person.Name.Inn, folder + name, err);
    return kExitOk;
}

const CommandRegistrar registrar({"export", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
