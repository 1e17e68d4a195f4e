#include "search/TrovaRima.h"

#include "core/Prova.h"
#include "search/IndiceRime.h"
#include "search/RevWord.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Wildcard.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

// The rhyme loop as the search is defined: ending from the stressed vowel, then every entry
// in turn.
V rimeLetterali(std::string_view testo, const Voci& v) {
    const Wildcard vocalePiana("[aeiou]");
    const std::string parola = cp1252::lowered(testo);
    const int64_t n = static_cast<int64_t>(parola.size());
    int64_t posizione = 0, lunghezza = 0, distanza = 0;
    if (n > 2) {
        posizione = accenti::Accentazione(parola, false);
        if (posizione == n) {
            lunghezza = 2;
        } else if (posizione != 0) {
            lunghezza = n - posizione + 1;
            distanza = n - posizione;
        } else {
            const std::string r = revWord(parola);
            for (int64_t k = 3; k <= n; ++k)
                if (vocalePiana.matches(r.substr(k - 1, 1))) {
                    lunghezza = k;
                    break;
                }
        }
    }
    if (lunghezza == 0) lunghezza = n;
    const std::string rima = parola.substr(n - lunghezza);
    V out;
    for (size_t i = 0; i < v.size(); ++i) {
        std::string_view e = v[i];
        if (static_cast<int64_t>(e.size()) < lunghezza) continue;
        if (e.substr(e.size() - rima.size()) != rima || cp1252::lowered(e) == parola) continue;
        const size_t prima = e.size() - rima.size(); // 1-based place of the character before
        if (posizione == 0 && prima >= 1 && vocalePiana.matches(e.substr(prima - 1, 1))) continue;
        if (accenti::Accentazione(e, true) != distanza) continue;
        out.emplace_back(e);
    }
    return out;
}

V rime(std::string_view testo, const Voci& v) {
    NoPoll poll;
    return TrovaRima(testo, v, poll).righe;
}

} // namespace

TEST(TrovaRima, StatoEIngresso) {
    NoPoll poll;
    EXPECT_EQ(TrovaRima("amore", dizionario({"dolore", "colore"}), poll).stato,
              "2 parole in rima.");
    for (const char* corto : {"", "a", "  b  ", " "})
        EXPECT_FALSE(TrovaRima(corto, dizionario({"ab"}), poll).eseguita) << corto;
    for (const Voci& vuoto : {Voci{}, dizionario({""})})
        EXPECT_EQ(TrovaRima("amore", vuoto, poll).stato, "0 parole in rima.");
}

TEST(TrovaRima, UgualeAlCicloSuDizionariCasuali) {
    Generatore gen(7);
    for (int d = 0; d < 300; ++d) {
        const Voci v = gen.dizionario(60);
        const Voci x = conIndici(v);
        for (int q = 0; q < 12; ++q) {
            std::string testo = q % 2 ? std::string(v[gen.rng()() % v.size()]) : gen.parola(6);
            // The box is read trimmed; under 2 characters nothing is searched.
            const std::string_view t = trim(testo);
            if (t.size() < 2) continue;
            const V atteso = rimeLetterali(t, v);
            EXPECT_EQ(rime(testo, v), atteso) << d << " " << testo;
            EXPECT_EQ(rime(testo, x), atteso) << d << " " << testo;
        }
    }
}

TEST(IndiceRime, FinaliComeAConfrontoDiretto) {
    // Long shared endings and zero bytes stress the eight-bytes-at-a-time ordering.
    std::mt19937 rng(1);
    const std::string pezzi[] = {"a", "b", std::string(1, '\0'), "rebbero", "ebbero", "\xE0"};
    for (int d = 0; d < 100; ++d) {
        Voci v;
        for (int i = 0; i < 120; ++i) {
            std::string w;
            for (size_t n = rng() % 6; n > 0; --n) w += pezzi[rng() % std::size(pezzi)];
            v.append(w);
        }
        const IndiceRime& indice = v.derived<IndiceRime>();
        for (int q = 0; q < 20; ++q) {
            std::string finale;
            for (size_t n = rng() % 4; n > 0; --n) finale += pezzi[rng() % std::size(pezzi)];
            std::vector<uint32_t> attese, trovate;
            for (size_t i = 0; i < v.size(); ++i)
                if (v[i].ends_with(finale)) attese.push_back(static_cast<uint32_t>(i));
            auto [da, a] = indice.conFinale(v, finale);
            trovate.assign(da, a);
            std::sort(trovate.begin(), trovate.end());
            EXPECT_EQ(trovate, attese) << d << " " << q;
        }
    }
}
