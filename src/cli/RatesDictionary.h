#pragma once

#include "dictionaries/CbrRateFiles.h"

#include <string>

namespace zizaza::cli {

// The rate dictionary of the commands: the file given with --dict, read and written in place;
// otherwise the program's own one beside the executable, or the user's copy (see ChooseRatesFiles).
RatesFiles CommandRatesFiles(const std::string& dictOption);

}  // namespace zizaza::cli
