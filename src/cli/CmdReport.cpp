// zizaza-cli report: the calculation report "Расчет налога" as an HTML page or, through the
// renderer beside the tool (zizaza-pdf), as a PDF file.
#include "calc/kTSvodSum.h"
#include "cli/Commands.h"
#include "cli/Renderer.h"
#include "model/mTDeclaration.h"
#include "report/TaxReport.h"
#include "storage/AtomicFile.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <ostream>

namespace zizaza::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "ФАЙЛ.tv7 ВЫХОД.html|ВЫХОД.pdf  отчет \"Расчет налога\": итог по КБК и ОКТМО, сроки и как получен каждый "
    "показатель раздела 2; формат по расширению выходного файла";

std::string lowerExtension(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

int writePdf(const std::string& html, const std::string& output, std::ostream& err) {
    const fs::path renderer = RendererProgram();
    if (::access(renderer.c_str(), X_OK) != 0) {
        err << kModuleMissing << "\n";
        return kExitFailure;
    }
    PrivateTempFile file(html, "report.html");
    if (!file.ok()) {
        err << "Не удалось записать временный файл для модуля печати\n";
        return kExitFailure;
    }
    return RenderInto(renderer, {"--html", file.path().string(), output}, output, err) ? kExitOk : kExitFailure;
}

int run(const Args& args, std::ostream& out, std::ostream& err) {
    const std::string ext = args.size() == 2 ? lowerExtension(args[1]) : std::string();
    if (ext != ".html" && ext != ".htm" && ext != ".pdf") {
        err << "Использование: zizaza-cli report " << kUsage << "\n";
        return kExitFailure;
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    kTSvodSum sum;
    sum.Compute(declaration);
    const std::string html = TaxReportHtml(declaration, sum);
    const std::string output = fs::absolute(args[1]).string();
    if (ext == ".pdf") {
        if (const int status = writePdf(html, output, err); status != kExitOk)
            return status;
    } else {
        try {
            WriteFileAtomically(output, html);
        } catch (const std::exception& e) {
            err << ErrorMessage(e) << "\n";
            return kExitFailure;
        }
    }
    out << "Сформирован файл " << output << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"report", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
