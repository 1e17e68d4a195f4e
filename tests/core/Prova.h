#pragma once

// Helpers shared by the core tests: dictionaries from lists, a poll that stops on cue, a
// scratch folder, and random dictionaries full of awkward entries for comparing the fast
// searches with plain transcriptions of their loops.

#include "Poll.h"
#include "dictionary/Voci.h"
#include "search/Indici.h"
#include "search/RisultatoRicerca.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace verbolario::prova {

using V = std::vector<std::string>;

// Says "stop" from its (n+1)-th question on.
class StopDopo : public Poll {
public:
    explicit StopDopo(int n) : n_(n) {}
    bool stop() override { return n_-- <= 0; }

private:
    int n_;
};

inline Voci dizionario(const V& elenco) {
    Voci v;
    for (const auto& s : elenco) v.append(s);
    return v;
}

// A copy of the dictionary with every search index built: the searches answer from the
// indexes there, and look at each entry once in the original. Tests run both.
inline Voci conIndici(const Voci& v) {
    Voci c = v;
    for (Indice i : kIndici) CostruisciIndice(c, i);
    return c;
}

inline V elenco(const Voci& v) {
    V out;
    for (size_t i = 0; i < v.size(); ++i) out.emplace_back(v[i]);
    return out;
}

inline std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// A stopped search keeps a non-empty, shorter prefix of the full list.
inline void prefissoInterrotto(const RisultatoRicerca& r, const V& completo) {
    EXPECT_TRUE(r.interrotto);
    ASSERT_LT(r.righe.size(), completo.size());
    EXPECT_FALSE(r.righe.empty());
    EXPECT_TRUE(std::equal(r.righe.begin(), r.righe.end(), completo.begin()));
}

inline std::string leggiFile(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

inline void scriviFile(const std::string& p, const std::string& testo) {
    std::ofstream(p, std::ios::binary) << testo;
}

class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "verbolario-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& nome) const { return path_ + "/" + nome; }
    // Only the named files remain: no temporary left behind.
    size_t quanti() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
    }

private:
    std::string path_;
};

// Entries made of a few letters (so that rhymes, palindromes and exchanges are frequent),
// accented vowels, capitals, blanks, hyphens, apostrophes, digits, a TAB comment, the 1/2
// sign, and some empty and repeated entries.
class Generatore {
public:
    explicit Generatore(uint32_t seme) : rng_(seme) {}

    std::string parola(size_t maxLen = 7) {
        static constexpr std::string_view kPezzi[] = {
            "a", "e", "o",    "i",    "c",    "n",    "r",    "m",    "t",    "a",
            "o", "e", "\xE0", "\xE8", "\xE9", "\xF2", "\xEC", "\xF9", "\xE2", "\xEB",
            " ", "-", "'",    "A",    "C",    "\xC0", "1",    "\xBD", "?",    "*"};
        std::uniform_int_distribution<size_t> lun(0, maxLen);
        std::uniform_int_distribution<size_t> quale(0, std::size(kPezzi) - 1);
        std::string w;
        for (size_t n = lun(rng_); w.size() < n;) w += kPezzi[quale(rng_)];
        if (uno(8)) w += "\tnota";
        return w;
    }

    Voci dizionario(size_t n) {
        Voci v;
        V fatte;
        for (size_t i = 0; i < n; ++i) {
            std::string w = !fatte.empty() && uno(10) ? fatte[rng_() % fatte.size()] : parola();
            fatte.push_back(w);
            v.append(w);
        }
        return v;
    }

    bool uno(unsigned su) { return rng_() % su == 0; }
    std::mt19937& rng() { return rng_; }

private:
    std::mt19937 rng_;
};

} // namespace verbolario::prova
