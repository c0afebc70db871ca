#pragma once

#include "print/PrintModuleInterface.h"
#include "print/module/FormPage.h"
#include "print/module/ProgressWindow.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

namespace zizaza::print {

// The print module behind the plug-in's entry points.
class PrintModule : public IPrintModule {
public:
    void SetPrintTiffParam(const std::string& name, const std::string& value) override;
    void PrintTiffFolder(const std::string& folder) override;
    void PreviewData(const std::string& xmlText, QWidget* ownerWindow) override;
    void PrintData(const std::string& xmlText, const std::string& outputFile, const std::string& printerName,
                   int options) override;
    bool PrintOn(const std::string& xmlText, QPrinter& printer, QWidget* ownerWindow) override;

    // The pages of a declaration text with the parameters set so far.
    std::vector<FormPage> Render(const std::string& xmlText) const;

    // The file a relative output name of PrintData is written to.
    QString OutputPath(const std::string& outputFile) const;

    // The PDF file the preview proposes: the declaration's file name with .pdf (else the name of
    // the export file) in the user's documents folder.
    QString SuggestedPdf(const std::string& xmlText) const;

    // Progress windows of PrintOn and of the preview (tests answer them).
    void SetProgress(ProgressFactory progress) { m_progress = std::move(progress); }
    // Called with the preview window before it is shown modally (tests close it from here).
    void SetPreviewHook(std::function<void(class PreviewWindow&)> hook) { m_previewHook = std::move(hook); }

private:
    std::map<std::string, std::string> m_params;
    QString m_folder;
    ProgressFactory m_progress = ShowPageProgress;
    std::function<void(class PreviewWindow&)> m_previewHook;
};

}  // namespace zizaza::print
