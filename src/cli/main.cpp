#include "Cli.h"

#include <iostream>

int main(int argc, char** argv) {
    return verbolario::cli::run(argc, argv, std::cin, std::cout, std::cerr);
}
