#include "PreparaSfida.h"

#include "Poll.h"
#include "dictionary/Voci.h"
#include "games/Casuale.h"
#include "games/VociAdatte.h"

#include <algorithm>
#include <unordered_map>

namespace verbolario {

namespace {

bool adatta(std::string_view voce, int lunghezzaLimite) {
    return voce.size() >= static_cast<size_t>(VociAdatte::kMinima) &&
           voce.size() <= static_cast<size_t>(lunghezzaLimite);
}

bool contiene(std::string_view voce, std::string_view parte) {
    return voce.find(parte) != std::string_view::npos;
}

// Up to four bytes packed into one key.
uint32_t chiave(std::string_view parte) {
    uint32_t k = 0;
    for (char c : parte) k = (k << 8) | static_cast<unsigned char>(c);
    return k;
}

// The part of `lettere` bytes a key was packed from.
std::string parteDi(uint32_t chiave, int lettere) {
    std::string parte(static_cast<size_t>(lettere), '\0');
    for (auto i = parte.size(); i-- > 0; chiave >>= 8) parte[i] = static_cast<char>(chiave & 0xFF);
    return parte;
}

class Preparatore {
public:
    Preparatore(const Voci& voci, int lettere, int lunghezzaLimite, Casuale& caso, Poll& poll)
        : voci_(voci), adatte_(voci.derived<VociAdatte>()), k_(lettere), l_(lunghezzaLimite),
          caso_(caso), poll_(poll), quante_(adatte_.quante(lunghezzaLimite)),
          piccolo_(voci.upperBound() < kLimiteDizionarioPiccolo) {}

    Preparazione prepara() {
        Preparazione p;
        if (quante_ == 0) {
            p.esito = EsitoSfida::NessunaVoceAdatta;
            return p;
        }
        for (int tentativo = 0; tentativo < kPartiACaso; ++tentativo) {
            if (poll_.stop()) return p;
            const Passo passo = provaParte(scegliParte(), p.sfida);
            if (passo != Passo::Fallita) {
                p.esito = esito(passo);
                return p;
            }
        }
        p.esito = analisiCompleta(p.sfida);
        return p;
    }

private:
    enum class Passo { Fatta, Fallita, Interrotta };

    std::string_view estraiAdatta() {
        return voci_[adatte_.indice(
            static_cast<size_t>(caso_.indice(static_cast<int64_t>(quante_))), l_)];
    }

    std::string scegliParte() {
        const std::string_view voce = estraiAdatta();
        const int64_t p = caso_.posizione(static_cast<int64_t>(voce.size()) - k_ + 1);
        return std::string(voce.substr(static_cast<size_t>(p - 1), static_cast<size_t>(k_)));
    }

    // Short words of a small dictionary: few entries hold a part, so they are counted
    // rather than drawn for.
    bool regolaSeriale() const { return l_ - k_ < 4 && piccolo_; }

    Passo provaParte(const std::string& parte, Sfida& s) {
        if (regolaSeriale()) {
            const int64_t n = Numera(voci_, parte, l_);
            if (n >= kMinimoSeriale && n <= kMassimoSeriale) return seriale(parte, s);
            if (n < kMinimoSeriale) return Passo::Fallita;
        }
        return riempiACaso(parte, s);
    }

    Passo seriale(const std::string& parte, Sfida& s) {
        std::vector<std::string> parole = Seriale(voci_, parte, l_, poll_);
        if (parole.size() < Sfida::kParole)
            return poll_.stop() ? Passo::Interrotta : Passo::Fallita;
        s.parte = parte;
        std::move(parole.begin(), parole.end(), s.voci.begin());
        return Passo::Fatta;
    }

    Passo riempiACaso(const std::string& parte, Sfida& s) {
        std::array<std::string_view, Sfida::kParole> messe;
        size_t quante = 0;
        int estrazioni = 0, ripetute = 0;
        while (quante < Sfida::kParole) {
            if (poll_.stop()) return Passo::Interrotta;
            const std::string_view w = estraiAdatta();
            if (contiene(w, parte)) {
                // A word already shown is drawn again without counting; when nothing else
                // holds the part, that alone would go on for ever.
                const auto fine = messe.begin() + static_cast<long>(quante);
                if (std::find(messe.begin(), fine, w) != fine) {
                    if (++ripetute >= kEstrazioniPerParte) return Passo::Fallita;
                    continue;
                }
                messe[quante++] = w;
                if (quante == Sfida::kParole) break;
            }
            if (++estrazioni >= kEstrazioniPerParte) return Passo::Fallita;
        }
        s.parte = parte;
        for (size_t i = 0; i < Sfida::kParole; ++i) s.voci[i] = std::string(messe[i]);
        return Passo::Fatta;
    }

    // Every suitable entry once: which parts four different entries share. Then one of them
    // at random, filled the way provaParte would.
    EsitoSfida analisiCompleta(Sfida& s) {
        std::vector<std::string_view> distinte;
        distinte.reserve(quante_);
        for (size_t i = 0; i < quante_; ++i) {
            if ((i & 1023) == 0 && poll_.stop()) return EsitoSfida::Interrotta;
            distinte.push_back(voci_[adatte_.indice(i, l_)]);
        }
        std::sort(distinte.begin(), distinte.end());
        distinte.erase(std::unique(distinte.begin(), distinte.end()), distinte.end());

        std::unordered_map<uint32_t, uint32_t> conteggi;
        std::vector<uint32_t> proprie;
        for (size_t i = 0; i < distinte.size(); ++i) {
            if ((i & 1023) == 0 && poll_.stop()) return EsitoSfida::Interrotta;
            const std::string_view v = distinte[i];
            proprie.clear();
            for (size_t p = 0; p + static_cast<size_t>(k_) <= v.size(); ++p)
                proprie.push_back(chiave(v.substr(p, static_cast<size_t>(k_))));
            std::sort(proprie.begin(), proprie.end());
            proprie.erase(std::unique(proprie.begin(), proprie.end()), proprie.end());
            for (uint32_t c : proprie) ++conteggi[c];
        }
        std::vector<uint32_t> buone;
        for (const auto& [c, n] : conteggi)
            if (n >= Sfida::kParole) buone.push_back(c);
        if (buone.empty()) return EsitoSfida::NessunaParteComune;
        // The map's order is the library's: sorted, the same source gives the same round.
        std::sort(buone.begin(), buone.end());
        const std::string parte = parteDi(
            buone[static_cast<size_t>(caso_.indice(static_cast<int64_t>(buone.size())))], k_);

        if (regolaSeriale()) {
            const int64_t n = Numera(voci_, parte, l_);
            if (n <= kMassimoSeriale) return esito(seriale(parte, s));
        }
        std::vector<std::string_view> contenenti;
        for (std::string_view v : distinte)
            if (contiene(v, parte)) contenenti.push_back(v);
        // The first four places of a random shuffle.
        for (size_t i = 0; i < Sfida::kParole; ++i) {
            const auto j =
                i + static_cast<size_t>(caso_.indice(static_cast<int64_t>(contenenti.size() - i)));
            std::swap(contenenti[i], contenenti[j]);
            s.voci[i] = std::string(contenenti[i]);
        }
        s.parte = parte;
        return EsitoSfida::Pronta;
    }

    static EsitoSfida esito(Passo p) {
        switch (p) {
        case Passo::Fatta:
            return EsitoSfida::Pronta;
        case Passo::Interrotta:
            return EsitoSfida::Interrotta;
        default:
            return EsitoSfida::NessunaParteComune;
        }
    }

    const Voci& voci_;
    const VociAdatte& adatte_;
    int k_, l_;
    Casuale& caso_;
    Poll& poll_;
    size_t quante_;
    bool piccolo_;
};

} // namespace

int64_t Numera(const Voci& voci, std::string_view parte, int lunghezzaLimite) {
    int64_t n = 0;
    for (size_t i = 0; i < voci.size(); ++i) {
        const std::string_view v = voci[i];
        if (adatta(v, lunghezzaLimite) && contiene(v, parte)) ++n;
    }
    return n;
}

std::vector<std::string> Seriale(const Voci& voci, std::string_view parte, int lunghezzaLimite,
                                 Poll& poll) {
    std::vector<std::string> parole;
    for (size_t i = 0; i < voci.size() && parole.size() < Sfida::kParole; ++i) {
        const std::string_view v = voci[i];
        if (!adatta(v, lunghezzaLimite) || !contiene(v, parte)) continue;
        // A repeated entry would show the same word twice.
        if (std::find(parole.begin(), parole.end(), v) != parole.end()) continue;
        parole.emplace_back(v);
        if (poll.stop()) break;
    }
    return parole;
}

Preparazione PreparaSfida(const Voci& voci, int lettere, int lunghezzaLimite, Casuale& caso,
                          Poll& poll) {
    lettere = std::clamp(lettere, 1, 4);
    lunghezzaLimite = std::clamp(lunghezzaLimite, VociAdatte::kMinima, VociAdatte::kMassima);
    return Preparatore(voci, lettere, lunghezzaLimite, caso, poll).prepara();
}

std::string MessaggioSfida(EsitoSfida esito, int lettere, int lunghezzaLimite) {
    const std::string l = std::to_string(lunghezzaLimite);
    switch (esito) {
    case EsitoSfida::NessunaVoceAdatta:
        return "Nel dizionario non c'\xE8 nessuna parola lunga da 6 a " + l +
               " lettere.\r\nCon il clic destro sul contatore puoi cambiare la lunghezza "
               "massima.";
    case EsitoSfida::NessunaParteComune:
        return "Nel dizionario non ci sono quattro parole diverse, lunghe da 6 a " + l +
               " lettere, con " + std::to_string(lettere) +
               " lettere consecutive in comune.\r\nProva con meno lettere mancanti o con "
               "parole pi\xF9 lunghe.";
    default:
        return {};
    }
}

} // namespace verbolario
