#include "search/Enigmistica.h"

#include "dictionary/CaricaDizionario.h"
#include "search/Arrangia.h"
#include "search/Ordinamento.h"
#include "search/RaccoltaParole.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <algorithm>
#include <numeric>

namespace verbolario::enigmistica {

Parola Prepara(std::string_view digitato) {
    Parola p;
    p.testo = Arrangia(cp1252::lowered(digitato));
    // A typed accent is meant, as in the other searches.
    p.esatta = accenti::Accentazione(p.testo) != 0;
    return p;
}

std::string Forma(std::string_view termine, bool esatta) {
    std::string f;
    f.reserve(termine.size());
    for (char c : termine)
        f += static_cast<char>(esatta ? cp1252::lower(static_cast<unsigned char>(c))
                                      : IndiceParole::piega(static_cast<unsigned char>(c)));
    return f;
}

std::string Piegata(std::string_view testo) {
    return Forma(testo, false);
}

std::string_view Alfabeto(bool esatta) {
    static const std::string piane = "abcdefghijklmnopqrstuvwxyz";
    static const std::string tutte = piane + std::string(lettere::kVocaliAccentate);
    return esatta ? tutte : piane;
}

const Tavola& TavolaForme(bool esatta) {
    static const auto tavole = [] {
        std::array<Tavola, 2> t{};
        for (int c = 0; c < 256; ++c) {
            const auto b = static_cast<unsigned char>(c);
            if (!IndiceParole::parola(std::string_view(reinterpret_cast<const char*>(&b), 1)))
                continue;
            t[0][b] = IndiceParole::piega(b);
            t[1][b] = cp1252::lower(b);
        }
        return t;
    }();
    return tavole[esatta ? 1 : 0];
}

Tavola TavolaLettere(const Parola& p) {
    std::array<bool, 256> sue{};
    for (char c : p.testo) sue[static_cast<unsigned char>(c)] = true;
    Tavola t = TavolaForme(p.esatta);
    for (unsigned char& c : t)
        if (!sue[c]) c = 0;
    return t;
}

void Trova(const Voci& voci, std::string_view forma, bool esatta, std::vector<uint32_t>& voce) {
    const IndiceParole& indice = IndiceParole::diritto(voci);
    const IndiceParole::Intervallo r = indice.uguali(voci, esatta ? Piegata(forma) : forma);
    for (size_t k = r.da; k < r.a; ++k) {
        const uint32_t i = indice[k];
        // Folded keys agree; with accents that count, the words must agree as written.
        if (!esatta || Forma(SoloTermine(voci[i]), true) == forma) voce.push_back(i);
    }
}

std::vector<std::string_view> Termini(const Voci& voci, std::string_view forma, bool esatta) {
    std::vector<uint32_t> voce;
    Trova(voci, forma, esatta, voce);
    std::vector<std::string_view> t;
    for (uint32_t i : voce) t.push_back(SoloTermine(voci[i]));
    std::sort(t.begin(), t.end());
    t.erase(std::unique(t.begin(), t.end()), t.end());
    return t;
}

std::string Conteggio(size_t n, const Nomi& nomi) {
    if (n == 0) return nomi.nessuno;
    if (n == 1) return nomi.uno;
    return std::to_string(n) + nomi.molti;
}

RisultatoRicerca NienteDaCercare() {
    RisultatoRicerca r;
    r.eseguita = false;
    r.stato = "Scrivi qualcosa . . . . . .";
    r.beep = true;
    return r;
}

RisultatoRicerca ElencoVoci(std::vector<uint32_t> voce, const Voci& voci, const Nomi& nomi) {
    std::sort(voce.begin(), voce.end());
    voce.erase(std::unique(voce.begin(), voce.end()), voce.end());
    std::vector<std::string> righe;
    righe.reserve(voce.size());
    for (uint32_t i : voce) righe.emplace_back(voci[i]);
    OrdinaAlfabetico(righe);
    RisultatoRicerca r;
    r.stato = Conteggio(righe.size(), nomi);
    r.righe = std::move(righe);
    return r;
}

RisultatoRicerca ElencoRighe(std::vector<std::string> righe, const Nomi& nomi) {
    OrdinaAlfabetico(righe);
    righe.erase(std::unique(righe.begin(), righe.end()), righe.end());
    RisultatoRicerca r;
    r.stato = Conteggio(righe.size(), nomi);
    r.righe = std::move(righe);
    return r;
}

namespace {

std::vector<std::string> uniche(std::vector<std::string> varianti) {
    std::sort(varianti.begin(), varianti.end());
    varianti.erase(std::unique(varianti.begin(), varianti.end()), varianti.end());
    return varianti;
}

} // namespace

RisultatoRicerca CercaVarianti(const Parola& p, const std::vector<std::string>& varianti,
                               const Voci& voci, const Nomi& nomi) {
    std::vector<uint32_t> voce;
    for (const std::string& v : uniche(varianti)) Trova(voci, v, p.esatta, voce);
    return ElencoVoci(std::move(voce), voci, nomi);
}

RisultatoRicerca CercaVarianti(const Parola& p, const std::vector<std::string>& varianti,
                               FonteVoci& fonte, Poll& poll, const Nomi& nomi) {
    const std::vector<std::string> cercate = uniche(varianti);
    Voci trovate;
    bool fermata = false;
    if (!cercate.empty()) {
        const auto [corta, lunga] = std::minmax_element(
            cercate.begin(), cercate.end(),
            [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
        fermata = !RaccogliParole(fonte, poll, TavolaForme(p.esatta), corta->size(), lunga->size(),
                                  trovate, [&](std::string_view forma) {
                                      return std::binary_search(cercate.begin(), cercate.end(),
                                                                forma, std::less<>());
                                  });
    }
    // Every word kept is a hit.
    std::vector<uint32_t> voce(trovate.size());
    std::iota(voce.begin(), voce.end(), 0u);
    RisultatoRicerca r = ElencoVoci(std::move(voce), trovate, nomi);
    r.interrotto = fermata;
    return r;
}

RisultatoRicerca CercaVarianti(std::string_view testo, Varianti varianti, const Voci& voci,
                               const Nomi& nomi) {
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    return CercaVarianti(p, varianti(p), voci, nomi);
}

RisultatoRicerca CercaVarianti(std::string_view testo, Varianti varianti, FonteVoci& fonte,
                               Poll& poll, const Nomi& nomi) {
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    return CercaVarianti(p, varianti(p), fonte, poll, nomi);
}

} // namespace verbolario::enigmistica
