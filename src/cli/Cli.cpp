#include "Cli.h"

#include <ostream>

namespace verbolario::cli {

int run(int, char**, std::istream&, std::ostream&, std::ostream& err) {
    err << "verbolario-cli: nessun comando\n";
    return kUsage;
}

} // namespace verbolario::cli
