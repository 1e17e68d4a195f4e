#include "search/RicercaModello.h"

#include "search/Arrangia.h"
#include "search/Discrimina.h"
#include "search/IndiceModello.h"
#include "search/Modello.h"
#include "search/Ordinamento.h"
#include "search/SistemaStringa.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

#include <bit>

namespace verbolario {
namespace {

// The result list's capacity: the match that would be this one stops the search.
constexpr int64_t kTroppe = 32736;

std::string_view senzaSpazi(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string statoConteggio(size_t n) {
    if (n == 0) return "Nessuna parola trovata";
    if (n == 1) return "Una parola trovata";
    return std::to_string(n) + " parole trovate";
}

// What a number-key search asks of a hit besides the pattern.
struct ControlloChiave {
    std::string esclusi; // key letters the pattern leaves out: a hit holds none of them
    std::string firma;   // the pattern's letters: a hit holds each at most as often

    bool ammette(std::string w) const {
        if (w.find_first_of(esclusi) != std::string::npos) return false;
        for (char c : firma) {
            size_t p = w.find(c);
            if (p != std::string::npos) w[p] = ' ';
        }
        return w.find_first_of(firma) == std::string::npos;
    }
};

} // namespace

RisultatoRicerca RicercaModello(std::string_view testo, const OpzioniModello& opzioni,
                                const Voci& voci, Poll& poll) {
    RisultatoRicerca r;
    std::string escl = cp1252::lowered(senzaSpazi(opzioni.chiave));
    // An empty box would make the pattern "*", the whole dictionary: ask for text instead.
    testo = senzaSpazi(testo);
    const std::string modello =
        testo.empty() ? std::string() : cp1252::lowered(senzaSpazi(SistemaStringa(testo, escl)));
    if (modello.empty()) {
        r.eseguita = false;
        r.stato = "Scrivi qualcosa . . . . ";
        r.beep = true;
        return r;
    }

    bool accenti = accenti::Accentazione(modello) != 0;
    const bool conChiave = opzioni.mnemos && !escl.empty();
    ControlloChiave controllo;
    if (conChiave) {
        controllo.firma = Arrangia(modello);
        accenti = accenti || accenti::Accentazione(escl) != 0;
        std::string ridotta;
        if (Incoerente(modello, escl, ridotta)) escl = ridotta;
        controllo.esclusi = Arrangia(escl);
    }

    const Modello m(modello);
    std::vector<uint64_t> trovate((voci.size() + 63) / 64, 0);
    r.interrotto = !voci.derived<IndiceModello>().cerca(voci, m, accenti, trovate, poll);

    // Dictionary order decides which hits fit in the list.
    std::vector<std::string> righe;
    int64_t contate = 0;
    for (size_t w = 0; w < trovate.size() && r.messaggio.empty(); ++w) {
        for (uint64_t bits = trovate[w]; bits; bits &= bits - 1) {
            const size_t i = w * 64 + static_cast<size_t>(std::countr_zero(bits));
            if (++contate == kTroppe) {
                r.messaggio = "E' stata oltrepassata la capacit\xE0 della lista.";
                break;
            }
            if (conChiave && !controllo.ammette(FormaConfrontata(voci[i], !accenti))) continue;
            righe.emplace_back(voci[i]);
        }
    }

    OrdinaAlfabetico(righe);
    // After a stop the hits so far are still filtered and ordered in full.
    NoPoll senzaStop;
    Poll& dopo = r.interrotto ? static_cast<Poll&>(senzaStop) : poll;
    if (opzioni.mnemos && opzioni.filtro) Discrimina(righe, modello, opzioni.doppie, dopo);
    if (opzioni.mnemos && opzioni.ordine) righe = OrdinaPerLunghezza(std::move(righe), false, dopo);

    r.stato = statoConteggio(righe.size());
    r.righe = std::move(righe);
    return r;
}

} // namespace verbolario
