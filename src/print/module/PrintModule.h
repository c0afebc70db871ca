#pragma once

#include "print/PrintModuleInterface.h"
#include "print/module/FormPage.h"

#include <QString>

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

    // The pages of a declaration text with the parameters set so far.
    std::vector<FormPage> Render(const std::string& xmlText) const;

    // The file a relative output name of PrintData is written to.
    QString OutputPath(const std::string& outputFile) const;

private:
    std::map<std::string, std::string> m_params;
    QString m_folder;
};

}  // namespace zizaza::print
