#include "search/CercaPalindromi.h"

#include "core/Prova.h"
#include "search/Arrangia.h"
#include "search/RevWord.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

// Both loops as the search is defined, with the two departures of the program: an entry
// with no letters is no palindrome, and a text with no letters finds nothing.
V letterale(std::string_view raw, const Voci& v) {
    V out;
    if (raw.empty()) {
        for (size_t i = 0; i < v.size(); ++i) {
            std::string_view e = v[i];
            if (e.size() <= 2) continue;
            const std::string w = accenti::NoAcc(Arrangia(e));
            const std::string r = revWord(w);
            const size_t h = e.size() / 2;
            if (!w.empty() && cp1252::lowered(w.substr(0, h)) == cp1252::lowered(r.substr(0, h)))
                out.emplace_back(e);
        }
    } else if (!trim(raw).empty()) {
        std::string t = Arrangia(cp1252::lowered(raw));
        if (accenti::Accentazione(t) != 0) t = accenti::NoAcc(t);
        const std::string r = revWord(t);
        if (r.empty()) return out;
        for (size_t i = 0; i < v.size(); ++i) {
            std::string_view e = v[i];
            if (e.size() <= 2) continue;
            const size_t p = e.find(r);
            if (p != std::string_view::npos)
                out.push_back(std::string(e.substr(0, p)) + "-" + r + "-" +
                              std::string(e.substr(p + r.size())));
        }
    }
    return out;
}

V cerca(std::string_view raw, const Voci& v) {
    NoPoll poll;
    return CercaPalindromi(raw, v, poll).righe;
}

} // namespace

TEST(CercaPalindromi, Stato) {
    const Voci v = dizionario({"ala", "casa"});
    const std::pair<const char*, const char*> casi[] = {
        {"", "1 Palindromi trovate."},
        {"a", "2 Palindromi trovate."}, // one letter: the reversal search, counted as palindromes
        {" ", "0 Palindromi trovate."},
        {"sa", "1 parole trovate contenenti il testo rovesciato."},
        {"  ", "0 parole trovate contenenti il testo rovesciato."},
    };
    NoPoll poll;
    for (const auto& [testo, stato] : casi) {
        RisultatoRicerca r = CercaPalindromi(testo, v, poll);
        EXPECT_TRUE(r.eseguita);
        EXPECT_EQ(r.stato, stato) << '"' << testo << '"';
    }
    EXPECT_EQ(CercaPalindromi("", Voci{}, poll).stato, "0 Palindromi trovate.");
    EXPECT_TRUE(CercaPalindromi("amo", Voci{}, poll).righe.empty());
}

TEST(CercaPalindromi, UgualeAlCicloSuDizionariCasuali) {
    Generatore gen(11);
    for (int d = 0; d < 300; ++d) {
        const Voci v = gen.dizionario(80);
        for (const Voci& x : {v, conIndici(v)}) {
            EXPECT_EQ(cerca("", x), letterale("", v)) << d;
            for (int q = 0; q < 8; ++q) {
                std::string testo = gen.parola(4);
                EXPECT_EQ(cerca(testo, x), letterale(testo, v)) << d << " " << testo;
            }
        }
    }
}
