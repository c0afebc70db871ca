// zizaza-cli correct: turns the declaration into a correction of the one filed before it.
#include "cli/Commands.h"
#include "cli/FilingFiles.h"
#include "cli/XmlCommandOptions.h"
#include "filing/DeclarationChanges.h"
#include "filing/ExportArchive.h"
#include "model/mTDeclaration.h"

#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage =
    "ФАЙЛ.tv7 [--filed ПОДАННАЯ.xml] [--today ДД.ММ.ГГГГ]  уточненная декларация: номер корректировки - номер "
    "поданной декларации + 1 (форма 2017 года остается), файл сохраняется; затем что изменилось и что сделать "
    "(статьи 81 и 88 НК РФ); без --filed - последняя выгрузка этого файла";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    XmlExportOptions options;
    if (!TakeXmlOptions(args, options, err))
        return kExitFailure;
    std::string filedPath;
    const bool filedGiven = TakeOption(args, "--filed", filedPath);
    if (args.size() != 1) {
        err << "Использование: zizaza-cli correct " << kUsage << "\n";
        return kExitFailure;
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    if (!filedGiven) {
        auto last = ExportArchive(ExportArchive::DefaultFolder()).Last(args[0], declaration.Person.Name.Inn);
        if (!last) {
            err << "Выгрузка этой декларации не найдена: укажите файл поданной декларации (--filed ПОДАННАЯ.xml).\n";
            return kExitFailure;
        }
        filedPath = *last;
        out << "Поданная декларация: " << filedPath << "\n";
    }
    const auto filedXml = DeclarationXmlOf(filedPath, options, err);
    if (!filedXml)
        return kExitFailure;
    try {
        const FiledDeclaration filed = ReadFiledDeclaration(*filedXml, filedPath);
        std::string xml;
        if (!BuildDeclarationXml("", declaration, XmlExportMode::Text, xml, options)) {
            err << "Файл не сформирован, свяжитесь с разработчиками.\n";
            return kExitFailure;
        }
        CheckFiledDeclaration(filed, ReadFiledDeclaration(xml, args[0]));
        const int number = NextCorrectionNumber(filed);
        if (declaration.CorrectionNumber != number) {
            declaration.CorrectionNumber = number;
            declaration.Save(args[0]);
        }
        if (!BuildDeclarationXml("", declaration, XmlExportMode::Text, xml, options)) {
            err << "Файл не сформирован, свяжитесь с разработчиками.\n";
            return kExitFailure;
        }
        CheckCorrectionFollows(filed, ReadFiledDeclaration(xml, args[0]));
        out << "Уточненная декларация: номер корректировки " << number << ", файл " << args[0] << " сохранен.\n";
        out << ChangesText(CompareDeclarations(*filedXml, xml));
        out << "Выгрузите уточненную декларацию командой zizaza-cli export или в программе.\n";
    } catch (const FilingError& e) {
        err << e.what() << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

const CommandRegistrar registrar({"correct", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
