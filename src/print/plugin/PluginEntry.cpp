#include "print/module/PrintModule.h"

#include <QtGlobal>

// The plug-in's entry points, looked up by name by the program's loader.
extern "C" Q_DECL_EXPORT int ZizazaPrintModuleVersion() {
    return zizaza::kPrintModuleInterfaceVersion;
}

extern "C" Q_DECL_EXPORT zizaza::IPrintModule* ZizazaCreatePrintModule() {
    return new zizaza::print::PrintModule();
}
