#pragma once

#include "Argomenti.h"
#include "PollInterruzione.h"

#include <iosfwd>
#include <memory>

namespace verbolario {
class Voci;
class FlussoDizionario;
struct RisultatoRicerca;
} // namespace verbolario

namespace verbolario::cli {

// What every command works with.
struct Contesto {
    const Argomenti& arg;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    PollInterruzione& poll;
};

// Loads the dictionary named by -d, else the program's own; on failure prints the loader's
// message and returns false (the caller exits with kLoadFailed).
bool caricaVoci(Contesto& ctx, Voci& voci);

// The same dictionary read as it goes, for a search that looks at each entry once: no index
// to build and no more in memory than a quarter of a megabyte of the file. Null, with the
// message printed, when the file cannot be opened.
std::unique_ptr<FlussoDizionario> apriDizionario(Contesto& ctx);
// Shows a search's outcome, or, when the file could not be read to its end, the loader's
// message instead. Returns the exit code.
int mostraLetto(Contesto& ctx, const FlussoDizionario& fonte, const RisultatoRicerca& r);

// One function per command; each returns the exit code.
int comandoRime(Contesto& ctx);
int comandoAnagrammi(Contesto& ctx); // anagrammi, tutti, parziali, contenitori
int comandoPalindromi(Contesto& ctx);
int comandoScambi(Contesto& ctx);
int comandoCruci(Contesto& ctx); // cruci and mnemos
int comandoParolando(Contesto& ctx);
int comandoComuni(Contesto& ctx);
int comandoCerca(Contesto& ctx);
int comandoLettera(Contesto& ctx);
int comandoFormatta(Contesto& ctx); // formatta and accenti
int comandoAnalisi(Contesto& ctx);
int comandoEnigmistica(Contesto& ctx); // zeppa, scarto, ... frase

} // namespace verbolario::cli
