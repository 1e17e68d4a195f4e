// A search stopped half-way keeps the hits of the entries it read before the stop, in the
// order a pass in dictionary order finds them, and its count says how many it kept.

#include "search/Anagrammi.h"
#include "search/CercaPalindromi.h"
#include "search/CercaScambi.h"
#include "search/TrovaRima.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

#include <functional>

namespace verbolario {
namespace {

using namespace prova;

Voci ripetute(size_t n, const std::function<std::string(size_t)>& voce) {
    Voci v;
    for (size_t i = 0; i < n; ++i) v.append(voce(i));
    return v;
}

TEST(Interruzione, AStopKeepsAPrefixOfTheFullList) {
    const Voci palindromi = ripetute(20000, [](size_t i) { return i % 2 ? "anna" : "roma"; });
    const Voci scambi = ripetute(8000, [](size_t i) { return i % 2 ? "cene" : "cono"; });
    const Voci rime = ripetute(
        5000, [](size_t i) { return std::string("p").append(std::to_string(i)) + "more"; });
    const std::string_view parole[] = {"roma", "amor", "mora", "ramo", "orma", "rete", "erte"};
    const std::string_view code[] = {"", "s", "e", "a", "i", "o", "ss", "se", "es", "ae"};
    const Voci anagrammi = ripetute(20000, [&](size_t i) {
        return std::string(parole[i % std::size(parole)]).append(code[i / 7 % std::size(code)]);
    });
    using Cerca = std::function<RisultatoRicerca(const Voci&, Poll&)>;
    const std::tuple<const char*, const Voci*, int, Cerca> casi[] = {
        {"palindromi", &palindromi, 2,
         [](const Voci& v, Poll& p) { return CercaPalindromi("", v, p); }},
        {"rovesciato", &palindromi, 2,
         [](const Voci& v, Poll& p) { return CercaPalindromi("amo", v, p); }},
        {"scambi", &scambi, 0,
         [](const Voci& v, Poll& p) { return CercaScambi(0, "cane", true, v, p); }},
        {"rime", &rime, 0, [](const Voci& v, Poll& p) { return TrovaRima("amore", v, p); }},
        {"anagrammi", &anagrammi, 1,
         [](const Voci& v, Poll& p) { return Anagrammi(kCompleti, "moras", {}, v, p); }},
        {"parziali", &anagrammi, 1,
         [](const Voci& v, Poll& p) { return Anagrammi(kParziali, "moras", {}, v, p); }},
        {"contenitori", &anagrammi, 1,
         [](const Voci& v, Poll& p) { return Anagrammi(kContenitori, "moras", {}, v, p); }},
    };
    for (const auto& [nome, voci, domande, cerca] : casi)
        for (const Voci& v : {*voci, conIndici(*voci)}) {
            SCOPED_TRACE(nome);
            NoPoll mai;
            const RisultatoRicerca tutto = cerca(v, mai);
            StopDopo poll(domande);
            const RisultatoRicerca r = cerca(v, poll);
            prefissoInterrotto(r, tutto.righe);
            EXPECT_EQ(r.stato,
                      std::to_string(r.righe.size()) + tutto.stato.substr(tutto.stato.find(' ')));
        }
}

} // namespace
} // namespace verbolario
