#include "cli/Commands.h"
#include "storage/AtomicFile.h"

int main(int argc, char** argv) {
    zizaza::IgnoreFileSizeSignal();
    return zizaza::cli::Run(argc, argv);
}
