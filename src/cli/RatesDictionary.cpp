#include "cli/RatesDictionary.h"

#include "cli/Commands.h"

namespace zizaza::cli {

RatesFiles CommandRatesFiles(const std::string& dictOption) {
    if (!dictOption.empty())
        return {dictOption, dictOption};
    return ChooseRatesFiles(ProgramFolder() + "/" + kCurrencyRatesFileName,
                            UserDataFolder() + "/" + kCurrencyRatesFileName);
}

}  // namespace zizaza::cli
