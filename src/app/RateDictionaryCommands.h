#pragma once

#include "dictionaries/CurrencyRates.h"

#include <QString>
#include <optional>

namespace zizaza {

class UserInterface;

// Reads the rate dictionary of the program folder, or the user's copy once there is one; a file
// that cannot be read is reported and leaves the program without rates.
void LoadRateDictionary(UserInterface& ui, const QString& programFolder, std::optional<CurrencyRates>& rates);

// "Загрузить курсы ЦБ РФ...": a Bank of Russia rate file into the rate dictionary, with the report
// of what was added, and the dictionary read again; a file that cannot be read changes nothing.
void LoadCbrRatesCommand(UserInterface& ui, const QString& programFolder, std::optional<CurrencyRates>& rates);

}  // namespace zizaza
