#pragma once

#include "Argomenti.h"
#include "PollInterruzione.h"

#include <iosfwd>

namespace verbolario {
class Voci;
}

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
