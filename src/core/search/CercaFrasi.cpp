#include "search/CercaFrasi.h"

#include "dictionary/CaricaDizionario.h"
#include "search/Arrangia.h"
#include "search/Ascolto.h"
#include "search/Enigmistica.h"
#include "search/RaccoltaParole.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace verbolario {
namespace {

using namespace enigmistica;

constexpr int kMaxParole = 5;

// How often a letter occurs: a pasted text may hold one letter hundreds of times.
using Conto = uint16_t;

// A word the text's letters can spell, with every dictionary term that compares equal to it.
struct Candidato {
    std::string forma;
    std::vector<std::string_view> termini; // distinct, in byte order
    uint64_t lettere = 0;                  // which of the text's letters it uses
};

// The phrases are sets of candidates taken in candidate order (longest first), so each set
// is met once. All but the last word are tried one by one; the last one must be exactly the
// letters left, which is one look-up by their counts.
class Frasi {
public:
    Frasi(const Parola& p, const OpzioniFrasi& o, std::string_view digitato, Ascolto& ascolto)
        : p_(p), parole_(std::clamp(o.parole, 1, kMaxParole)), minimo_(std::max(o.minimo, 1)),
          limite_(o.limite), ascolto_(ascolto) {
        for (char c : p.testo) {
            auto& k = posto_[static_cast<unsigned char>(c)];
            if (k == 0) {
                totale_.push_back(0);
                k = static_cast<uint8_t>(totale_.size());
            }
            ++totale_[k - 1];
        }
        rimasti_ = totale_;
        for (std::string_view w : dividi(digitato)) digitate_.push_back(std::string(w));
        std::sort(digitate_.begin(), digitate_.end());
    }

    // The words the text's letters can spell, from the word order.
    void raccogli(const Voci& voci);
    // The same from one plain pass over the source; `tenute` keeps them for the search.
    // False when the user asked to stop.
    bool raccogli(FonteVoci& fonte, Poll& poll, Voci& tenute);
    void cerca() { cerca(0, 0, p_.testo.size()); }
    std::vector<std::string>& righe() { return righe_; }

private:
    std::vector<std::string> dividi(std::string_view digitato) const;
    bool conta(std::string_view forma, std::vector<Conto>& conti) const;
    void aggiungi(std::vector<std::pair<std::string, std::string_view>>& trovate);
    static std::string firma(const std::vector<Conto>& conti) {
        return std::string(reinterpret_cast<const char*>(conti.data()),
                           conti.size() * sizeof(Conto));
    }
    uint64_t maschera(const std::vector<Conto>& conti) const {
        uint64_t m = 0;
        for (size_t l = 0; l < conti.size(); ++l)
            if (conti[l]) m |= uint64_t{1} << l;
        return m;
    }
    const Conto* conti(size_t c) const { return conti_.data() + c * totale_.size(); }
    bool entra(size_t c, uint64_t libere) const;
    void togli(size_t c, int segno);
    void cerca(size_t inizio, int scelte, size_t resto);
    void emetti();
    void espandi(size_t k, size_t primo, std::string& riga);
    bool basta() const { return limite_ && righe_.size() >= limite_; }

    const Parola& p_;
    const int parole_;
    const size_t minimo_;
    const size_t limite_;
    Ascolto& ascolto_;
    std::array<uint8_t, 256> posto_{}; // 1 + place of a letter among the text's, 0 for none
    std::vector<Conto> totale_;        // how often the text holds each of its letters
    std::vector<Conto> rimasti_;       // of those, the letters not used yet
    std::vector<std::string> digitate_;
    std::vector<Candidato> cand_;
    std::vector<Conto> conti_;      // letter counts of each candidate
    std::vector<size_t> primoFino_; // first candidate of length <= n
    std::unordered_map<std::string, std::vector<uint32_t>> perFirma_; // by letter counts
    std::vector<uint32_t> scelta_;
    std::vector<std::string> righe_;
};

// The typed words as compared forms, to leave the text itself out of its anagrams.
std::vector<std::string> Frasi::dividi(std::string_view digitato) const {
    std::vector<std::string> w;
    const std::string t = cp1252::lowered(digitato);
    size_t da = 0;
    while (da <= t.size()) {
        const size_t fine = std::min(t.find(' ', da), t.size());
        std::string parola = Forma(Arrangia(std::string_view(t).substr(da, fine - da)), p_.esatta);
        if (!parola.empty()) w.push_back(std::move(parola));
        da = fine + 1;
    }
    return w;
}

bool Frasi::conta(std::string_view forma, std::vector<Conto>& conti) const {
    std::fill(conti.begin(), conti.end(), 0);
    for (char c : forma) {
        const uint8_t k = posto_[static_cast<unsigned char>(c)];
        if (k == 0 || ++conti[k - 1] > totale_[k - 1]) return false;
    }
    return true;
}

void Frasi::raccogli(const Voci& voci) {
    const IndiceParole& d = IndiceParole::diritto(voci);
    std::vector<std::pair<std::string, std::string_view>> trovate;
    std::vector<Conto> conti(totale_.size());
    for (size_t k = 0; k < d.size() && ascolto_.arrivaA(static_cast<int64_t>(k)); ++k) {
        const std::string_view t = SoloTermine(voci[d[k]]);
        if (t.size() < minimo_ || t.size() > p_.testo.size()) continue;
        std::string f = Forma(t, p_.esatta);
        if (conta(f, conti)) trovate.emplace_back(std::move(f), t);
    }
    aggiungi(trovate);
}

bool Frasi::raccogli(FonteVoci& fonte, Poll& poll, Voci& tenute) {
    std::vector<Conto> conti(totale_.size());
    const bool tutta =
        RaccogliParole(fonte, poll, TavolaLettere(p_), minimo_, p_.testo.size(), tenute,
                       [&](std::string_view forma) { return conta(forma, conti); });
    std::vector<std::pair<std::string, std::string_view>> trovate;
    for (size_t i = 0; i < tenute.size(); ++i) {
        const std::string_view t = SoloTermine(tenute[i]);
        trovate.emplace_back(Forma(t, p_.esatta), t);
    }
    aggiungi(trovate);
    return tutta;
}

void Frasi::aggiungi(std::vector<std::pair<std::string, std::string_view>>& trovate) {
    std::sort(trovate.begin(), trovate.end(), [](const auto& a, const auto& b) {
        if (a.first.size() != b.first.size()) return a.first.size() > b.first.size();
        return a < b;
    });
    std::vector<Conto> conti(totale_.size());
    for (size_t k = 0; k < trovate.size(); ++k) {
        if (k > 0 && trovate[k].first == trovate[k - 1].first) {
            if (trovate[k].second != cand_.back().termini.back())
                cand_.back().termini.push_back(trovate[k].second);
            continue;
        }
        conta(trovate[k].first, conti);
        perFirma_[firma(conti)].push_back(static_cast<uint32_t>(cand_.size()));
        conti_.insert(conti_.end(), conti.begin(), conti.end());
        cand_.push_back({trovate[k].first, {trovate[k].second}, maschera(conti)});
    }
    primoFino_.assign(p_.testo.size() + 1, cand_.size());
    for (size_t n = 0; n <= p_.testo.size(); ++n)
        for (size_t c = 0; c < cand_.size(); ++c)
            if (cand_[c].forma.size() <= n) {
                primoFino_[n] = c;
                break;
            }
}

bool Frasi::entra(size_t c, uint64_t libere) const {
    if (cand_[c].lettere & ~libere) return false;
    const Conto* k = conti(c);
    for (size_t l = 0; l < rimasti_.size(); ++l)
        if (k[l] > rimasti_[l]) return false;
    return true;
}

void Frasi::togli(size_t c, int segno) {
    const Conto* k = conti(c);
    for (size_t l = 0; l < rimasti_.size(); ++l)
        rimasti_[l] = static_cast<Conto>(rimasti_[l] - segno * k[l]);
}

void Frasi::cerca(size_t inizio, int scelte, size_t resto) {
    if (basta() || !ascolto_.ancora()) return;
    // The letters left make one word.
    if (resto >= minimo_)
        if (auto it = perFirma_.find(firma(rimasti_)); it != perFirma_.end())
            for (uint32_t c : it->second)
                if (c >= inizio) {
                    scelta_.push_back(c);
                    emetti();
                    scelta_.pop_back();
                }
    const int liberi = parole_ - scelte;
    if (liberi < 2 || resto < 2 * minimo_) return;
    // One more word, leaving room for at least one after it; later words are no longer
    // than this one, so it must be long enough for the rest to fit in the words left.
    const uint64_t libere = maschera(rimasti_);
    for (size_t c = std::max(inizio, primoFino_[resto - minimo_]); c < cand_.size(); ++c) {
        const size_t l = cand_[c].forma.size();
        if (l * static_cast<size_t>(liberi) < resto || basta()) break;
        if (!entra(c, libere)) continue;
        togli(c, 1);
        scelta_.push_back(static_cast<uint32_t>(c));
        cerca(c, scelte + 1, resto - l);
        scelta_.pop_back();
        togli(c, -1);
        if (!ascolto_.ancora()) return;
    }
}

void Frasi::emetti() {
    std::vector<std::string> forme;
    for (uint32_t c : scelta_) forme.push_back(cand_[c].forma);
    std::sort(forme.begin(), forme.end());
    if (forme == digitate_) return;
    std::string riga;
    espandi(0, 0, riga);
}

// One line per choice of term for each word; a word taken twice takes its terms in order,
// so "pero però" and "però pero" do not both appear.
void Frasi::espandi(size_t k, size_t primo, std::string& riga) {
    if (k == scelta_.size()) {
        righe_.push_back(riga);
        return;
    }
    const Candidato& c = cand_[scelta_[k]];
    const size_t da = k > 0 && scelta_[k - 1] == scelta_[k] ? primo : 0;
    const size_t lunga = riga.size();
    for (size_t t = da; t < c.termini.size() && !basta(); ++t) {
        if (k > 0) riga += ' ';
        riga += c.termini[t];
        espandi(k + 1, t, riga);
        riga.resize(lunga);
    }
}

RisultatoRicerca elenco(Frasi& frasi, bool fermata) {
    RisultatoRicerca r =
        ElencoRighe(std::move(frasi.righe()),
                    {"Nessuna frase trovata.", "Una frase trovata.", " frasi trovate."});
    r.interrotto = fermata;
    return r;
}

} // namespace

RisultatoRicerca CercaFrasi(std::string_view testo, const OpzioniFrasi& opzioni, const Voci& voci,
                            Poll& poll) {
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    Ascolto ascolto(poll, static_cast<int64_t>(IndiceParole::diritto(voci).size()));
    Frasi frasi(p, opzioni, testo, ascolto);
    frasi.raccogli(voci);
    if (!ascolto.fermato()) frasi.cerca();
    return elenco(frasi, ascolto.fermato());
}

RisultatoRicerca CercaFrasi(std::string_view testo, const OpzioniFrasi& opzioni, FonteVoci& fonte,
                            Poll& poll) {
    const Parola p = Prepara(testo);
    if (p.testo.empty()) return NienteDaCercare();
    // Only the search among the words gathered asks through this one.
    Ascolto ascolto(poll, 0);
    Frasi frasi(p, opzioni, testo, ascolto);
    Voci tenute;
    const bool tutta = frasi.raccogli(fonte, poll, tenute);
    if (tutta) frasi.cerca();
    return elenco(frasi, !tutta || ascolto.fermato());
}

} // namespace verbolario
