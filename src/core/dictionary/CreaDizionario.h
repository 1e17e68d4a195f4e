#pragma once

#include "dictionary/SaveDictionary.h"

#include <string>
#include <vector>

namespace verbolario {

// The starter dictionary offered to a user who has none: a few lines telling how to fill
// it in, with three accented sample entries (Windows-1252), to be deleted before use.
std::vector<std::string> ModelloDizionario();

// Writes the starter dictionary to path (CR LF after every line), replacing any file there
// safely: on failure the old file is untouched and the result says why.
EsitoSalvataggio CreaDizionario(const std::string& path);

} // namespace verbolario
