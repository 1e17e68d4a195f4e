#pragma once

#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <string_view>

namespace verbolario {

// Spostamento: the words made by moving one letter of the typed word to another place
// (arpa: rapa). The word itself is not one of them.
RisultatoRicerca CercaSpostamenti(std::string_view testo, const Voci& voci);

} // namespace verbolario
