// zizaza-cli diff: what a corrective declaration changes against the declaration filed before.
#include "cli/Commands.h"
#include "cli/FilingFiles.h"
#include "filing/DeclarationChanges.h"

#include <filesystem>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ПОДАННАЯ.xml ФАЙЛ.tv7|НОВАЯ.xml [ВЫХОД.html|ВЫХОД.pdf]  что изменилось по сравнению с поданной декларацией: "
    "раздел 1 по КБК и ОКТМО (было, стало, разница), каждый измененный показатель по листам и строкам, добавленные "
    "и удаленные записи; с третьим параметром - еще и в файл HTML или PDF";

int run(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 && args.size() != 3) {
        err << "Использование: zizaza-cli diff " << kUsage << "\n";
        return kExitFailure;
    }
    XmlExportOptions options;
    options.showMessage = [&err](const std::string& message) { err << message << "\n"; };
    const auto filedXml = DeclarationXmlOf(args[0], options, err);
    if (!filedXml)
        return kExitFailure;
    const auto newXml = DeclarationXmlOf(args[1], options, err);
    if (!newXml)
        return kExitFailure;
    DeclarationChanges changes;
    std::string numbering;
    try {
        const FiledDeclaration filed = ReadFiledDeclaration(*filedXml, args[0]);
        const FiledDeclaration current = ReadFiledDeclaration(*newXml, args[1]);
        CheckFiledDeclaration(filed, current);
        try {
            CheckCorrectionFollows(filed, current);
        } catch (const FilingError& e) {
            numbering = e.what();
        }
        changes = CompareDeclarations(*filedXml, *newXml);
    } catch (const FilingError& e) {
        err << e.what() << "\n";
        return kExitFailure;
    }
    out << ChangesText(changes);
    if (args.size() == 3) {
        const std::string output = std::filesystem::absolute(args[2]).string();
        if (const int status = WriteHtmlOrPdf(ChangesHtml(changes, args[0]), output, err); status != kExitOk)
            return status;
        out << "Сформирован файл " << output << "\n";
    }
    if (!numbering.empty()) {
        out << numbering << " Подготовьте уточненную декларацию: zizaza-cli correct.\n";
        return kExitProblems;
    }
    return kExitOk;
}

const CommandRegistrar registrar({"diff", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
