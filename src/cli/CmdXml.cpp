#include "cli/Commands.h"
#include "cli/XmlCommandOptions.h"
#include "model/mTDeclaration.h"

#include <exception>
#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ФАЙЛ.tv7 [--today ДД.ММ.ГГГГ] [--guid GUID]  текст xml, который содержал бы файл выгрузки (windows-1251)";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    XmlExportOptions options;
    if (!TakeXmlOptions(args, options, err))
        return kExitFailure;
    if (args.size() != 1) {
        err << "Использование: zizaza-cli xml " << kUsage << "\n";
        return kExitFailure;
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    std::string text;
    if (!BuildDeclarationXml("", declaration, XmlExportMode::Text, text, options))
        return kExitFailure;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return out ? kExitOk : kExitFailure;
}

const CommandRegistrar registrar({"xml", kUsage, run, true});

}  // namespace
}  // namespace zizaza::cli
