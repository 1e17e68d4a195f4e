#pragma once

#include <string>

namespace verbolario::cli {

// The folder that holds the running executable (no trailing slash); "." when the system
// does not say.
std::string cartellaProgramma();

// The dictionary the program would load at start-up from the given program folder: the one
// recorded in the settings file when it exists, else dizionario.dic in that folder (which
// may itself be missing: the loader then says so).
std::string dizionarioDelProgramma(const std::string& cartella);

} // namespace verbolario::cli
