#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"

#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

struct EsitoSalvataggio {
    bool ok = false;
    bool interrotto = false; // stopped by the user before the file was replaced
    std::string errore;      // Italian description of the failure when !ok (Windows-1252)
};

// The question asked before a reformatted dictionary replaces its file.
std::string domandaSostituzione(std::string_view percorso);

// Writes the dictionary to path, one entry per CR LF line, no quoting. The entries are first
// trimmed of spaces (the trimmed text is kept in memory), sorted by byte code, and repeats
// and empty slots are dropped, so the file is sorted and every line is distinct.
//
// The file is replaced safely: the lines go to a new file in the same folder, which is
// flushed to disk and then renamed over the old one. On any failure (no room, no permission,
// missing folder, a stop request) the old file is left exactly as it was. A read-only old
// file is replaced all the same, and its permissions carry over to the new one. The caller
// clears its modified flag only when the result is ok.
EsitoSalvataggio SaveDictionary(Voci& voci, const std::string& path, Poll& poll);

// Writes the lines of a result list, each followed by CR LF, with the same safe replacement.
EsitoSalvataggio SalvaLista(const std::vector<std::string>& righe, const std::string& path);

} // namespace verbolario
