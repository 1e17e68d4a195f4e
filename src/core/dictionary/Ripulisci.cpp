#include "dictionary/Ripulisci.h"

#include "dictionary/AnalisiLetterale.h"
#include "dictionary/OrdinaStringhe.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace verbolario {
namespace {

// For each byte: its lower-case form when that is a letter of a word, else 0 (a separator).
const std::array<unsigned char, 256>& tavolaLettere() {
    static const auto tavola = [] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c) {
            unsigned char l = cp1252::lower(static_cast<unsigned char>(c));
            bool lettera = (l >= 'a' && l <= 'z') || lettere::isVocaleAccentata(l);
            t[c] = lettera ? l : 0;
        }
        return t;
    }();
    return tavola;
}

// The words of the dictionary, lower-cased, one after the other in one buffer.
struct Parole {
    std::unique_ptr<char[]> testo;
    size_t usato = 0;
    std::vector<Voci::Ref> refs;
};

size_t byteTotali(const Voci& voci) {
    size_t n = 0;
    for (const Voci::Ref& r : voci.refs()) n += r.len;
    if (n > std::numeric_limits<uint32_t>::max()) throw std::bad_alloc();
    return n;
}

// Splits one entry into words. The entry stands for itself followed by one more separator
// (the blanks that joined it to the next one, less the one boundary piece), so every word is
// closed and the invalid characters are the empty pieces: separators + 1 - words.
int64_t scomponiVoce(std::string_view v, Parole& p) {
    const auto& tav = tavolaLettere();
    char* out = p.testo.get();
    int64_t separatori = 0, parole = 0;
    size_t inizio = p.usato;
    for (char ch : v) {
        unsigned char l = tav[static_cast<unsigned char>(ch)];
        if (l) {
            out[p.usato++] = static_cast<char>(l);
            continue;
        }
        ++separatori;
        if (p.usato > inizio) {
            p.refs.push_back(
                {static_cast<uint32_t>(inizio), static_cast<uint32_t>(p.usato - inizio)});
            ++parole;
        }
        inizio = p.usato;
    }
    if (p.usato > inizio) {
        p.refs.push_back({static_cast<uint32_t>(inizio), static_cast<uint32_t>(p.usato - inizio)});
        ++parole;
    }
    return separatori + 1 - parole;
}

bool scomponi(const Voci& voci, Parole& p, int64_t& nonValidi, Poll& poll) {
    p.testo = std::make_unique_for_overwrite<char[]>(byteTotali(voci) + 1);
    p.refs.reserve(voci.size() + voci.size() / 8);
    const size_t n = voci.size();
    for (size_t i = 0; i < n; ++i) {
        if ((i & 0xFFF) == 0) {
            if (poll.stop()) return false;
            if ((i & 0x7FFF) == 0) poll.progress(static_cast<int64_t>(i), static_cast<int64_t>(n));
        }
        nonValidi += scomponiVoce(voci[i], p);
    }
    return true;
}

// Keeps one copy of each word of the sorted table, copied into a compact buffer, as the new
// dictionary. Returns the number of repeats dropped.
int64_t assegna(const Parole& p, Voci& nuovo) {
    const char* d = p.testo.get();
    auto uguale = [d](const Voci::Ref& a, const Voci::Ref& b) {
        return a.len == b.len && std::memcmp(d + a.off, d + b.off, a.len) == 0;
    };
    std::vector<Voci::Ref> unici;
    unici.reserve(p.refs.size());
    size_t byte = 0;
    for (size_t i = 0; i < p.refs.size(); ++i) {
        if (i + 1 < p.refs.size() && uguale(p.refs[i], p.refs[i + 1])) continue;
        unici.push_back(p.refs[i]);
        byte += p.refs[i].len;
    }
    const auto doppioni = static_cast<int64_t>(p.refs.size() - unici.size());
    if (unici.empty()) {
        // Nothing but separators: the dictionary becomes the one empty entry of an empty file.
        nuovo.clear();
        nuovo.append({});
        return doppioni;
    }
    auto buf = Voci::alloca(byte);
    size_t w = 0;
    for (Voci::Ref& r : unici) {
        std::memcpy(buf.get() + w, d + r.off, r.len);
        r.off = static_cast<uint32_t>(w);
        w += r.len;
    }
    nuovo.adopt(std::move(buf), w, byte, std::move(unici));
    return doppioni;
}

std::string rapportoRiuscito(int64_t nonValidi, int64_t doppioni) {
    std::string r = "Formattazione dizionario eseguita.\r\n";
    if (nonValidi > 0)
        r += "Eliminati [ " + std::to_string(nonValidi) + " ] caratteri non validi\r\n";
    if (doppioni > 0) r += "Eliminati [ " + std::to_string(doppioni) + " ] doppioni risultanti";
    if (nonValidi <= 0 && doppioni <= 0) r += "Non \xE8 stata effettuata nessuna modifica..";
    return r;
}

EsitoRipulisci interrotta() {
    EsitoRipulisci e;
    e.interrotto = true;
    e.rapporto = "Formattazione interrotta: il dizionario non \xE8 stato modificato.";
    return e;
}

} // namespace

EsitoRipulisci Ripulisci(Voci& voci, StatisticheLettere& stat, Poll& poll,
                         const std::function<void(std::string_view)>& fase) {
    auto annuncia = [&fase](std::string_view t) {
        if (fase) fase(t);
    };
    EsitoRipulisci e;
    try {
        annuncia(kFaseFormattazione);
        annuncia(kFaseScomposizione);
        Parole parole;
        if (!scomponi(voci, parole, e.nonValidi, poll)) return interrotta();
        annuncia(kFaseRiordino);
        if (!OrdinaRiferimenti(parole.testo.get(), parole.refs, poll)) return interrotta();
        annuncia(kFaseDoppi);
        annuncia(kFaseAssegnazione);
        Voci nuovo;
        e.doppioni = assegna(parole, nuovo);
        annuncia(kFaseAnalisi);
        StatisticheLettere nuove;
        NoPoll senzaSosta; // the work is done; a late stop request must not leave it half applied
        AnalisiLetterale(nuovo, nuove, senzaSosta);
        annuncia(kFaseMemoria);
        parole = {};
        voci = std::move(nuovo);
        stat = std::move(nuove);
    } catch (const std::bad_alloc&) {
        e = {};
        e.rapporto = "Errore nella formattazione del dizionario.";
        e.messaggio = "Errore durante la formattazione!\r\n"
                      "Probabilmente il file eccede la memoria assegnata (4 MByte)";
        return e;
    }
    e.ok = true;
    e.rapporto = rapportoRiuscito(e.nonValidi, e.doppioni);
    return e;
}

} // namespace verbolario
