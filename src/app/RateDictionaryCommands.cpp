#include "app/RateDictionaryCommands.h"

#include <QFileInfo>
#include <exception>

#include "dictionaries/CbrRateFiles.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

RatesFiles RateDictionaryFiles(const QString& programFolder) {
    return ChooseRatesFiles((programFolder + QString::fromLatin1(kCurrencyRatesFileName)).toStdString(),
                            UserDataFolder() + "/" + kCurrencyRatesFileName);
}

}  // namespace

void LoadRateDictionary(UserInterface& ui, const QString& programFolder, std::optional<CurrencyRates>& rates) {
    const std::string path = RateDictionaryFiles(programFolder).read;
    if (!QFileInfo::exists(QString::fromStdString(path)))
        return;
    try {
        rates = CurrencyRates::Load(path);
    } catch (const std::exception& e) {
        // The automatic rates go without it.
        ui.Error(QString::fromStdString(e.what()));
    }
}

void LoadCbrRatesCommand(UserInterface& ui, const QString& programFolder, std::optional<CurrencyRates>& rates) {
    FileDialogRequest request;
    request.title = QStringLiteral("Загрузить курсы ЦБ РФ");
    request.types = {{QStringLiteral("Курсы ЦБ РФ (XML, CSV)"), QStringLiteral("*.xml *.XML *.csv *.CSV")},
                     {QStringLiteral("Все файлы"), QStringLiteral("*")}};
    const QString file = ui.ChooseOpenFile(request);
    if (file.isEmpty())
        return;
    const RatesFiles files = RateDictionaryFiles(programFolder);
    try {
        const std::string report = ImportCbrRates(
            file.toStdString(), files, (programFolder + QString::fromLatin1(kCbrCurrencyIdsFileName)).toStdString());
        rates = CurrencyRates::Load(files.write);
        ui.Inform(QString::fromStdString(report) + QStringLiteral("Справочник курсов: ") +
                  QString::fromStdString(files.write));
    } catch (const std::exception& e) {
        ui.Error(QString::fromStdString(e.what()));
    }
}

}  // namespace zizaza
