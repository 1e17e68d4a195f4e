#include "search/Sfoglia.h"

#include "core/Prova.h"
#include "dictionary/VociInMemoria.h"
#include "search/Ordinamento.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

constexpr size_t kCapacita = 32736;
const std::string kTroppe = "Superata la capacit\xE0 della lista!";

// Collecting in dictionary order into the sorted list, as the browse is defined; the list
// holds at most kCapacita entries and the message says when more matched.
template <class Prende> RisultatoRicerca raccogli(const Voci& v, Prende prende) {
    RisultatoRicerca r;
    for (size_t i = 0; i < v.size(); ++i) {
        if (!prende(v[i])) continue;
        if (r.righe.size() == kCapacita) {
            r.messaggio = kTroppe;
            break;
        }
        r.righe.emplace_back(v[i]);
    }
    std::stable_sort(r.righe.begin(), r.righe.end(), OrdineAlfabetico{});
    return r;
}

RisultatoRicerca testoLetterale(std::string_view testo, const Voci& v) {
    const std::string_view t = trim(testo);
    const std::string prefisso = cp1252::lowered(t.substr(0, 2));
    RisultatoRicerca r =
        raccogli(v, [&](std::string_view e) { return e.substr(0, 2) == prefisso; });
    for (size_t k = 0; k < r.righe.size() && r.selezionato < 0; ++k)
        if (cp1252::lowered(std::string_view(r.righe[k]).substr(0, t.size())) == cp1252::lowered(t))
            r.selezionato = static_cast<int64_t>(k);
    return r;
}

RisultatoRicerca letteraLetterale(char lettera, const Voci& v) {
    const auto sel = cp1252::lower(static_cast<unsigned char>(lettera));
    return raccogli(v, [&](std::string_view e) {
        return !e.empty() && accenti::piana(static_cast<unsigned char>(e[0])) == sel;
    });
}

RisultatoRicerca testo(std::string_view t, const Voci& v) {
    NoPoll poll;
    return SfogliaTesto(t, v, poll);
}

RisultatoRicerca lettera(char c, const Voci& v) {
    NoPoll poll;
    return SfogliaLettera(c, v, poll);
}

} // namespace

// Which entries are listed is held to the loops by the randomized comparison; here the
// status texts and the selection helpers.
TEST(Sfoglia, ScrivendoCAS) {
    const Voci v = dizionario(
        {"casa", "cane", "barca", "cassa", "c\xE0sa", "ca", "cas\tnota", "cbs", "c", "", "CAsa"});
    // One character: only the entry made of it; emptied by hand: only empty entries.
    const std::tuple<const char*, V, const char*> casi[] = {
        {"c", {"c"}, "1 voci presenti."},
        {" Ca ", {"ca", "cane", "cas\tnota", "casa", "cassa"}, "5 voci presenti."},
        {"", {""}, "1 voci presenti."},
        {"z", {}, "Nessuna voce corrispondente al testo."},
    };
    for (const auto& [t, righe, stato] : casi) {
        RisultatoRicerca r = testo(t, v);
        EXPECT_EQ(r.righe, righe) << t;
        EXPECT_EQ(r.stato, stato) << t;
        EXPECT_EQ(r.selezionato, righe.empty() ? -1 : 0) << t;
    }
    // Up to two letters, or another pair, rebuilds; further letters move the selection.
    const std::tuple<const char*, const char*, bool> tasti[] = {
        {"", "c", true},  {"c", "ca", true},    {"ca", "ca", true},       {"ca", "cb", true},
        {"ca", "", true}, {"ca", "cas", false}, {" ca ", " cass ", false}};
    for (const auto& [prima, dopo, ricostruisce] : tasti)
        EXPECT_EQ(serveRicostruire(prima, dopo), ricostruisce) << prima << "/" << dopo;
    const V ca = std::get<1>(casi[1]);
    EXPECT_EQ(selezionaInizio(ca, "cas"), 2);
    EXPECT_EQ(selezionaInizio(ca, " CASS"), 4);
    EXPECT_EQ(selezionaInizio(ca, "casx"), -1);
    EXPECT_EQ(statoSfoglia(ca.size(), -1, "casx"), "Nessuna voce corrispondente al testo.");
    EXPECT_EQ(statoSfoglia(ca.size(), 3, "casa"), "5 voci presenti.");
}

TEST(Sfoglia, Tasto) {
    const Voci v = dizionario({"fare", "ebano", "\xE8ra", "\xEAx", "e", "", "\xE8\tnota"});
    EXPECT_EQ(lettera('E', v).stato, "5 voci presenti.");
    EXPECT_EQ(lettera('q', v).stato, "0 voci presenti.");
    EXPECT_EQ(lettera('e', Voci{}).stato, "0 voci presenti.");
}

// Each text and key, plainly and through the index, against the loops: the rows, the
// selection and the capacity message.
void confrontaSfoglia(const Voci& v, const V& testi, std::string_view tasti,
                      const std::string& come) {
    const Voci x = conIndici(v);
    for (const Voci* voci : {&v, &x}) {
        for (const std::string& t : testi) {
            const RisultatoRicerca lento = testoLetterale(t, v), r = testo(t, *voci);
            EXPECT_EQ(std::tie(r.righe, r.selezionato, r.messaggio),
                      std::tie(lento.righe, lento.selezionato, lento.messaggio))
                << come << " " << t;
        }
        for (char k : tasti) {
            const RisultatoRicerca lento = letteraLetterale(k, v), r = lettera(k, *voci);
            EXPECT_EQ(std::tie(r.righe, r.messaggio), std::tie(lento.righe, lento.messaggio))
                << come << " " << k;
        }
    }
}

TEST(Sfoglia, Capacita) {
    for (size_t n : {kCapacita, kCapacita + 5000}) {
        Voci v;
        for (size_t i = 0; i < n; ++i)
            v.append(std::string("ca").append(std::to_string(i * 7919 % 100000)));
        confrontaSfoglia(v, {"ca"}, "c", std::to_string(n));
        EXPECT_EQ(testo("ca", v).messaggio, n > kCapacita ? kTroppe : "");
        // Without the limit the whole group is listed.
        VociInMemoria fonte(v);
        NoPoll np;
        const RisultatoRicerca tutte = SfogliaTesto("ca", fonte, np, true);
        EXPECT_EQ(tutte.righe.size(), n);
        EXPECT_TRUE(tutte.messaggio.empty());
        EXPECT_EQ(SfogliaLettera('c', fonte, np, true).righe, tutte.righe);
    }
}

// A list sorted by byte, as most are: nearly every group is already in alphabetical order but
// for its accented entries, which sort apart by byte; one group is over capacity.
TEST(Sfoglia, ListaOrdinataConAccentate) {
    std::vector<std::string> parole;
    for (int i = 0; i < 40000; ++i) {
        const std::string n = std::to_string(i);
        parole.push_back("ca" + std::string(i % 53 ? "e" : "\xE8") + n);
        if (i % 7 == 0) parole.push_back("c\xE0" + n);
        if (i % 5 == 0) parole.push_back("ce" + n);
    }
    std::sort(parole.begin(), parole.end());
    confrontaSfoglia(dizionario(parole), {"ca", "c\xE0", "ce", "cae"}, "c\xE0", "ordinata");
}

TEST(Sfoglia, UgualeAlCicloSuDizionariCasuali) {
    Generatore gen(5);
    for (int d = 0; d < 300; ++d) {
        const Voci v = gen.dizionario(80);
        V testi;
        for (int q = 0; q < 6; ++q)
            testi.push_back(q % 2 ? std::string(v[gen.rng()() % v.size()]).substr(0, 3)
                                  : gen.parola(3));
        confrontaSfoglia(v, testi, "aeocAC\xE0- 1", std::to_string(d));
    }
}
