// kestrune-cli: installs and uninstalls forum mods from the command line.
#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    int code = kestrune::cli::RunCli(argc, argv, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
