// zizaza-cli pdf: the pages of the paper form as a PDF file. The command line tool has no Qt: the
// declaration is checked and exported here, and the print module renders the XML in the program
// zizaza-pdf beside this one (built with the desktop program).
#include "checks/DeclarationCheck.h"
#include "cli/Commands.h"
#include "cli/Renderer.h"
#include "cli/XmlCommandOptions.h"
#include "model/mTDeclaration.h"

#include <unistd.h>

#include <filesystem>
#include <ostream>

namespace zizaza::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "ФАЙЛ.tv7 ВЫХОД.pdf [--today ДД.ММ.ГГГГ] [--guid GUID] [--force]  страницы декларации в файл PDF (через модуль "
    "печати) после проверки декларации; --force и при ошибках";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    XmlExportOptions options;
    if (!TakeXmlOptions(args, options, err))
        return kExitFailure;
    const bool force = TakeFlag(args, "--force");
    if (args.size() != 2) {
        err << "Использование: zizaza-cli pdf " << kUsage << "\n";
        return kExitFailure;
    }
    const fs::path renderer = RendererProgram();
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    if (!force && !DeclarationPassesCheck(declaration, out))
        return kExitProblems;
    if (::access(renderer.c_str(), X_OK) != 0) {
        err << kModuleMissing << "\n";
        return kExitFailure;
    }
    std::string xml;
    if (!BuildDeclarationXml("", declaration, XmlExportMode::Text, xml, options)) {
        err << "Файл не сформирован, свяжитесь с разработчиками.\n";
        return kExitFailure;
    }
    PrivateTempFile file(xml, "declaration.xml");
    if (!file.ok()) {
        err << "Не удалось записать временный файл для модуля печати\n";
        return kExitFailure;
    }
    const std::string output = fs::absolute(args[1]).string();
    std::vector<std::string> rendererArgs = {file.path().string(), output};
    if (!declaration.InspectionName.empty())
        rendererArgs.insert(rendererArgs.end(), {"--recipient", declaration.InspectionName});
    if (!RenderInto(renderer, rendererArgs, output, err))
        return kExitFailure;
    out << "Сформирован файл " << output << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"pdf", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
