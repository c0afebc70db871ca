#include "cli/Commands.h"

int main(int argc, char** argv) {
    return zizaza::cli::Run(argc, argv);
}
