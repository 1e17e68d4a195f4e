#pragma once

#include "search/RisultatoRicerca.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// How results reach the terminal: the list on stdout, the status and message texts on
// stderr, all UTF-8.
namespace verbolario::cli {

// Every line (Windows-1252) as a UTF-8 line, in one write.
void scriviRighe(const std::vector<std::string>& righe, std::ostream& out);

// A status or message text (Windows-1252, "\r\n" line breaks) as UTF-8 lines; nothing for
// an empty text.
void scriviTesto(std::string_view testo, std::ostream& err);

// The whole outcome of a search: the list when the search ran, then the message-box text
// and the status text. Returns the exit code.
int mostra(const RisultatoRicerca& r, std::ostream& out, std::ostream& err);

} // namespace verbolario::cli
