#pragma once

#include "print/PrintModuleInterface.h"

#include <memory>
#include <string>

namespace zizaza {

// Loads the print module plug-in from folder (the program's folder when empty) and creates one
// module. Returns nullptr when the library is missing, cannot be loaded, lacks the entry points or
// has another interface version; the reason goes to *why when given. The library stays loaded
// until the program ends, so the module may outlive this call.
std::unique_ptr<IPrintModule> LoadPrintModule(const std::string& folder = {}, std::string* why = nullptr);

}  // namespace zizaza
