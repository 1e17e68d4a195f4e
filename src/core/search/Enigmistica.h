#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/IndiceParole.h"
#include "search/RisultatoRicerca.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the word-play relations share: how a typed word and a dictionary word are compared,
// how a word is looked up, and how the hits become a result list.
//
// The rule of every relation: the words of the dictionary are the entries whose term is made
// of letters only (see IndiceParole); case never counts; accented vowels are matched by their
// plain vowel unless the typed word holds an accent, in which case accents must agree.
namespace verbolario::enigmistica {

// The typed word as the relations read it.
struct Parola {
    std::string testo;   // its letters only, lower case; accents folded unless esatta
    bool esatta = false; // it holds an accent: words are compared with their accents
};
Parola Prepara(std::string_view digitato);

// A word's term as the typed word's rule compares it.
std::string Forma(std::string_view termine, bool esatta);
// The same text folded, as the index keys it.
std::string Piegata(std::string_view testo);
// The letters a word compared under the rule may hold.
std::string_view Alfabeto(bool esatta);

// A term character as the typed word's rule compares it, 0 for one that is no letter (the
// term is then no word).
using Tavola = std::array<unsigned char, 256>;
const Tavola& TavolaForme(bool esatta);
// The same, 0 also for the letters the typed word lacks: only words spelled with its
// letters pass.
Tavola TavolaLettere(const Parola& p);

// Appends the entries whose term compares equal to `forma` (a compared form).
void Trova(const Voci& voci, std::string_view forma, bool esatta, std::vector<uint32_t>& voce);
// The distinct terms of those entries, as stored.
std::vector<std::string_view> Termini(const Voci& voci, std::string_view forma, bool esatta);

// How a count is worded: "Nessuna zeppa trovata.", "Una zeppa trovata.", "7 zeppe trovate.".
struct Nomi {
    const char* nessuno;
    const char* uno;
    const char* molti; // follows the number
};
std::string Conteggio(size_t n, const Nomi& nomi);

// Nothing typed: nothing is searched, and the user is asked for a word.
RisultatoRicerca NienteDaCercare();

// The entries as stored (comments included), each once, in alphabetical order.
RisultatoRicerca ElencoVoci(std::vector<uint32_t> voce, const Voci& voci, const Nomi& nomi);
// Lines made of several terms, each distinct line once, in alphabetical order.
RisultatoRicerca ElencoRighe(std::vector<std::string> righe, const Nomi& nomi);

// The words that are one of the variants of the typed word (compared forms): looked up in
// the word order, or picked out in one plain pass over a source.
RisultatoRicerca CercaVarianti(const Parola& p, const std::vector<std::string>& varianti,
                               const Voci& voci, const Nomi& nomi);
RisultatoRicerca CercaVarianti(const Parola& p, const std::vector<std::string>& varianti,
                               FonteVoci& fonte, Poll& poll, const Nomi& nomi);
// The same for the typed text, its variants made by `varianti`; nothing typed, nothing
// searched.
using Varianti = std::vector<std::string> (*)(const Parola&);
RisultatoRicerca CercaVarianti(std::string_view testo, Varianti varianti, const Voci& voci,
                               const Nomi& nomi);
RisultatoRicerca CercaVarianti(std::string_view testo, Varianti varianti, FonteVoci& fonte,
                               Poll& poll, const Nomi& nomi);

} // namespace verbolario::enigmistica
