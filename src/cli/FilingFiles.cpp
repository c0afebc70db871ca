#include "cli/FilingFiles.h"

#include "cli/Renderer.h"
#include "dictionaries/FileIo.h"
#include "filing/ExportArchive.h"
#include "model/mTDeclaration.h"
#include "storage/AtomicFile.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

namespace zizaza::cli {
namespace {

namespace fs = std::filesystem;

std::string lowerExtension(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

}  // namespace

std::optional<std::string> DeclarationXmlOf(const std::string& path, const XmlExportOptions& options,
                                            std::ostream& err) {
    if (lowerExtension(path) == ".xml") {
        try {
            return ReadWholeFile(path);
        } catch (const std::exception& e) {
            err << ErrorMessage(e) << "\n";
            return std::nullopt;
        }
    }
    mTDeclaration declaration;
    if (!LoadDeclaration(path, declaration, err))
        return std::nullopt;
    std::string xml;
    if (!BuildDeclarationXml("", declaration, XmlExportMode::Text, xml, options)) {
        err << "Файл не сформирован, свяжитесь с разработчиками.\n";
        return std::nullopt;
    }
    return xml;
}

int WriteHtmlOrPdf(const std::string& html, const std::string& output, std::ostream& err) {
    if (lowerExtension(output) == ".pdf") {
        const fs::path renderer = RendererProgram();
        if (::access(renderer.c_str(), X_OK) != 0) {
            err << kModuleMissing << "\n";
            return kExitFailure;
        }
        PrivateTempFile file(html, "changes.html");
        if (!file.ok()) {
            err << "Не удалось записать временный файл для модуля печати\n";
            return kExitFailure;
        }
        return RenderInto(renderer, {"--html", file.path().string(), output}, output, err) ? kExitOk : kExitFailure;
    }
    try {
        WriteFileAtomically(output, html);
    } catch (const std::exception& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

void KeepExportCopy(const std::string& declarationFile, const std::string& inn, const std::string& exportedFile,
                    std::ostream& err) {
    try {
        const ExportArchive archive(ExportArchive::DefaultFolder());
        archive.Keep(declarationFile, inn, fs::path(exportedFile).filename().string(), ReadWholeFile(exportedFile));
    } catch (const std::exception& e) {
        err << "Копия выгрузки не сохранена: " << e.what() << "\n";
    }
}

}  // namespace zizaza::cli
