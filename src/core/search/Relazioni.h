#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/CercaFrasi.h"
#include "search/RisultatoRicerca.h"

#include <span>
#include <string>
#include <string_view>

namespace verbolario {

// The word-play relations of the puzzle magazines, in the order the program offers them.
enum class Relazione {
    Zeppa,
    Scarto,
    Cambio,
    Spostamento,
    Sciarada,
    Incastro,
    Lucchetto,
    Bifronte,
    Antipodo,
    Frase,
};

struct DescrizioneRelazione {
    Relazione relazione;
    std::string_view comando;      // its name on the command line
    std::string_view nome;         // its name in the program (Windows-1252)
    std::string_view suggerimento; // what it finds, in a line or two (Windows-1252)
};

// Every relation, in the order of the enum.
std::span<const DescrizioneRelazione> TabellaRelazioni();
// The relation of a command-line name, or nullptr.
const DescrizioneRelazione* TrovaRelazione(std::string_view comando);

struct OpzioniRelazione {
    bool tre = false; // sciarada: three parts instead of two
    OpzioniFrasi frasi;
};

// The word a line of a result list stands for, to search it again: its term, brackets
// dropped, up to the first blank (the first word of a pair or a phrase).
std::string ParolaDellaRiga(std::string_view riga);

// Runs one relation on the typed text. The word orders are used when they have been built
// (Indice::Parole), else every entry is looked at once: most relations of a word then keep
// the few words that can take part in one and work among those, every bifronte pair takes
// two passes. Both ways list the same lines.
RisultatoRicerca CercaRelazione(Relazione r, std::string_view testo,
                                const OpzioniRelazione& opzioni, const Voci& voci, Poll& poll);
RisultatoRicerca CercaRelazione(Relazione r, std::string_view testo,
                                const OpzioniRelazione& opzioni, FonteVoci& fonte, Poll& poll);

} // namespace verbolario
