#include "search/RicercaModello.h"

#include "dictionary/VociInMemoria.h"
#include "search/Arrangia.h"
#include "search/Discrimina.h"
#include "search/IndiceModello.h"
#include "search/Modello.h"
#include "search/Ordinamento.h"
#include "search/Passata.h"
#include "search/SistemaStringa.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <climits>
#include <deque>
#include <optional>

namespace verbolario {
namespace {

// The result list's capacity: the match that would be this one stops the search.
constexpr int64_t kTroppe = 32736;
constexpr const char* kCapacitaSuperata = "E' stata oltrepassata la capacit\xE0 della lista.";

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

// What a number-key search asks of a hit besides the pattern: no key letter the pattern leaves
// out, and no pattern letter more often than in the pattern. The letter signature settles most
// hits; the compared form is read only for letters the pattern allows more than once or
// letters outside a-z.
class ControlloChiave final : public IndiceModello::Filtro {
public:
    ControlloChiave(std::string_view esclusi, std::string_view firma) {
        for (char c : esclusi) {
            esclusa_[static_cast<unsigned char>(c)] = true;
            leggi_ = leggi_ || c < 'a' || c > 'z';
        }
        vietate_ = Firma(esclusi) & 0xFFFFFFFF;
        for (char c : firma) {
            auto& p = posto_[static_cast<unsigned char>(c)];
            if (p == 0) {
                ammesse_.push_back(0);
                p = static_cast<uint8_t>(ammesse_.size());
            }
            ++ammesse_[p - 1];
        }
        // Letters the pattern holds once may not come twice.
        const uint64_t f = Firma(firma);
        soloUna_ = (f & ~(f >> 32)) & 0xFFFFFFFF;
        // Exact counts, and letters outside a-z, are only in the text.
        leggi_ = leggi_ || (f >> 32) != 0;
        for (char c : firma) leggi_ = leggi_ || c < 'a' || c > 'z';
    }

    bool bastaFirma() const override { return !leggi_; }

    bool ammette(uint64_t firma, std::string_view forma) const override {
        if (firma & vietate_) return false;
        if ((firma >> 32) & soloUna_) return false;
        return !leggi_ || ammetteForma(forma);
    }

private:
    bool ammetteForma(std::string_view forma) const {
        std::array<int64_t, kLettere> visti{};
        for (char ch : forma) {
            auto c = static_cast<unsigned char>(ch);
            if (esclusa_[c]) return false;
            if (uint8_t p = posto_[c]; p && ++visti[p - 1] > ammesse_[p - 1]) return false;
        }
        return true;
    }

    // The pattern's letters come from the 48-letter alphabet.
    static constexpr size_t kLettere = 48;
    std::array<bool, 256> esclusa_{};
    std::array<uint8_t, 256> posto_{}; // 1 + place in ammesse_, 0 for no pattern letter
    std::vector<int64_t> ammesse_;
    uint64_t vietate_ = 0, soloUna_ = 0;
    bool leggi_ = false;
};

// The hits the list can hold, taken in dictionary order; the match that would pass the
// capacity stops the list and raises the message.
std::vector<std::string_view> entroCapienza(const IndiceModello::Trovate& trovate, const Voci& voci,
                                            int64_t limite, RisultatoRicerca& r) {
    std::vector<std::string_view> elencate;
    for (size_t k = 0; k < trovate.indici.size(); ++k) {
        if (static_cast<int64_t>(k) + 1 == limite) {
            r.messaggio = kCapacitaSuperata;
            break;
        }
        if (trovate.elencate[k]) elencate.push_back(voci[trovate.indici[k]]);
    }
    return elencate;
}

// What every pattern search works out from the text typed before it looks at the entries.
struct Richiesta {
    std::string modello;
    bool accenti = false;
    bool conChiave = false;
    std::string escl;
    int64_t limite = kTroppe;
};

// The pattern, or a result asking for text when there is none.
std::optional<RisultatoRicerca> prepara(std::string_view testo, const OpzioniModello& opzioni,
                                        Richiesta& q) {
    q.escl = cp1252::lowered(senzaSpazi(opzioni.chiave));
    // An empty box would make the pattern "*", the whole dictionary: ask for text instead.
    testo = senzaSpazi(testo);
    q.modello =
        testo.empty() ? std::string() : cp1252::lowered(senzaSpazi(SistemaStringa(testo, q.escl)));
    if (q.modello.empty()) {
        RisultatoRicerca r;
        r.eseguita = false;
        r.stato = "Scrivi qualcosa . . . . ";
        r.beep = true;
        return r;
    }
    // Accents count when the pattern has one, or a number key has one.
    q.accenti = accenti::Accentazione(q.modello) != 0;
    q.conChiave = opzioni.mnemos && !q.escl.empty();
    if (q.conChiave) {
        q.accenti = q.accenti || accenti::Accentazione(q.escl) != 0;
        std::string ridotta;
        if (Incoerente(q.modello, q.escl, ridotta)) q.escl = ridotta;
    }
    if (opzioni.senzaLimite) q.limite = INT64_MAX;
    return std::nullopt;
}

// The characters the pattern asks for one by one (single-character elements), in their order.
// A matching entry holds them in that order too, folded as it is compared: its compared form
// only drops characters and folds the others. So an entry without them in order is passed over
// with one look at its characters, before it is cleaned, folded or matched.
class LettereInOrdine {
public:
    LettereInOrdine(const Modello& m, bool accenti) : piega_(!accenti) {
        auto prendi = [this](const Modello::Segmento& s) {
            for (const Modello::Insieme& e : s)
                if (const int c = e.unico(); c >= 0) lettere_.push_back(static_cast<char>(c));
        };
        prendi(m.prefisso());
        for (const Modello::Segmento& s : m.centrali()) prendi(s);
        prendi(m.suffisso());
    }

    // For an entry compared as it stands (no blank, no hyphen), at least as long as the
    // pattern's fixed part: the places the pattern fixes at its start and end.
    static bool estremi(const Modello& m, std::string_view e, bool piega) {
        auto ha = [piega](const Modello::Insieme& s, char ch) {
            auto c = static_cast<unsigned char>(ch);
            return s.ha(piega ? accenti::piana(c) : c);
        };
        const Modello::Segmento& pre = m.prefisso();
        for (size_t k = 0; k < pre.size(); ++k)
            if (!ha(pre[k], e[k])) return false;
        const Modello::Segmento& suf = m.suffisso();
        for (size_t k = 0; k < suf.size(); ++k)
            if (!ha(suf[k], e[e.size() - suf.size() + k])) return false;
        return true;
    }

    bool possibile(std::string_view e) const {
        size_t k = 0;
        for (size_t i = 0; i < e.size() && k < lettere_.size(); ++i) {
            auto c = static_cast<unsigned char>(e[i]);
            if (piega_) c = accenti::piana(c);
            k += c == static_cast<unsigned char>(lettere_[k]);
        }
        return k == lettere_.size();
    }

private:
    std::string lettere_;
    bool piega_;
};

// The hits, in dictionary order, filtered and ordered for the list.
RisultatoRicerca elenca(std::vector<std::string_view> elencate, const Richiesta& q,
                        const OpzioniModello& opzioni, RisultatoRicerca r) {
    // In memory and quick, so not stopped halfway: after a stop the hits so far are still
    // filtered and ordered in full. The filter keeps or drops each hit on its own, so it may
    // run before the alphabetical order.
    NoPoll senzaStop;
    if (opzioni.mnemos && opzioni.filtro)
        Discrimina(elencate, q.modello, opzioni.doppie, senzaStop);
    OrdinaAlfabetico(elencate);
    std::vector<std::string> righe(elencate.begin(), elencate.end());
    if (opzioni.mnemos && opzioni.ordine)
        righe = OrdinaPerLunghezza(std::move(righe), false, senzaStop);
    r.stato = statoConteggio(righe.size());
    r.righe = std::move(righe);
    return r;
}

} // namespace

RisultatoRicerca RicercaModello(std::string_view testo, const OpzioniModello& opzioni,
                                const Voci& voci, Poll& poll) {
    const IndiceModello* indice = voci.cached<IndiceModello>();
    if (!indice) {
        VociInMemoria fonte(voci);
        return RicercaModello(testo, opzioni, fonte, poll);
    }
    Richiesta q;
    if (auto chiedi = prepara(testo, opzioni, q)) return *chiedi;
    const ControlloChiave controllo(Arrangia(q.escl), Arrangia(q.modello));
    const Modello m(q.modello);
    IndiceModello::Trovate trovate;
    RisultatoRicerca r;
    r.interrotto = !indice->cerca(voci, m, q.accenti, q.limite, q.conChiave ? &controllo : nullptr,
                                  trovate, poll);
    std::vector<std::string_view> elencate = entroCapienza(trovate, voci, q.limite, r);
    return elenca(std::move(elencate), q, opzioni, std::move(r));
}

RisultatoRicerca RicercaModello(std::string_view testo, const OpzioniModello& opzioni,
                                FonteVoci& fonte, Poll& poll) {
    Richiesta q;
    if (auto chiedi = prepara(testo, opzioni, q)) return *chiedi;
    const ControlloChiave controllo(Arrangia(q.escl), Arrangia(q.modello));
    const Modello m(q.modello);
    const size_t minima = m.lunghezzaMinima();
    const bool esatta = !m.haAsterisco();
    RisultatoRicerca r;
    // The hits' texts: a source's runs of entries do not outlive their turn.
    std::deque<std::string> copie;
    std::vector<std::string_view> elencate;
    int64_t trovate = 0;
    std::string forma;
    const LettereInOrdine lettere(m, q.accenti);
    r.interrotto = !Passata(fonte, poll, [&](size_t, std::string_view e, const Lotto& l) {
        // The compared form drops blanks and signs only from entries with a blank or hyphen;
        // it is never longer than the entry.
        if (e.size() < minima || (esatta && e.size() != minima && l.senzaSegni)) return true;
        const bool riscritta = !l.senzaSegni && VaRiscritta(e);
        if (esatta && e.size() != minima && !riscritta) return true;
        if (!riscritta && !LettereInOrdine::estremi(m, e, !q.accenti)) return true;
        if (!lettere.possibile(e)) return true;
        std::string_view w = e;
        if (riscritta) w = forma = Arrangia(e);
        if (!q.accenti && accenti::haAccenti(w)) {
            if (w.data() != forma.data()) forma.assign(w);
            accenti::foldAll(forma);
            w = forma;
        }
        if (!m.combacia(w)) return true;
        if (++trovate == q.limite) {
            r.messaggio = kCapacitaSuperata;
            return false;
        }
        if (!q.conChiave || controllo.ammette(Firma(w), w))
            elencate.push_back(copie.emplace_back(e));
        return true;
    });
    return elenca(std::move(elencate), q, opzioni, std::move(r));
}

} // namespace verbolario
