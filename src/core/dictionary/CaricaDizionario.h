#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"

#include <string>
#include <string_view>

namespace verbolario {

struct EsitoCaricamento {
    bool ok = false;         // read to its end, or stopped by the user
    bool interrotto = false; // the user stopped it: the entries read so far are kept
    std::string errore;      // Italian description of the failure when !ok (Windows-1252)
};

// Loads a dictionary file into voci, replacing what was there. Fields end at a comma or at
// a line end (CR LF, or a lone CR or LF); blanks before a field are skipped; a field opened
// by a double quote runs to the next double quote and may hold commas; every entry is
// trimmed of spaces and lower-cased; a TAB does not end a field, so a comment after it
// stays with its term. A file with no field gives one empty entry. On failure voci is left
// with no elements.
EsitoCaricamento CaricaDizionario(const std::string& path, Voci& voci, Poll& poll);

// The same field rules over text already in memory.
EsitoCaricamento caricaDaTesto(std::string_view text, Voci& voci, Poll& poll);
// The same over the first `size` bytes of a buffer from Voci::alloca, at least
// size + 1 + kMargineRighe long, which the store then keeps.
EsitoCaricamento caricaDaBuffer(Voci::Buffer buf, size_t size, Voci& voci, Poll& poll);

// The loader's Italian description of a file error (an errno value), Windows-1252.
std::string DescriviErroreFile(int err);

// The part of an entry before its first TAB (nothing trimmed).
inline std::string_view SoloTermine(std::string_view entry) {
    size_t t = entry.find('\t');
    return t == std::string_view::npos ? entry : entry.substr(0, t);
}

// Length of the longest entry, comment included; 0 for an empty store.
int64_t LengMax(const Voci& voci);

} // namespace verbolario
