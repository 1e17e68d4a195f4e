#pragma once

// Small dictionaries built from awkward entries, for comparing the fast searches with plain
// transcriptions of their loops.

#include "Poll.h"
#include "dictionary/Voci.h"

#include <initializer_list>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario::prova {

inline Voci voci(std::initializer_list<std::string_view> entries) {
    Voci v;
    for (std::string_view e : entries) v.append(e);
    return v;
}

inline std::vector<std::string> elenco(const Voci& v) {
    std::vector<std::string> out;
    for (size_t i = 0; i < v.size(); ++i) out.emplace_back(v[i]);
    return out;
}

// Stops at its n-th question.
class FermaDopo : public Poll {
public:
    explicit FermaDopo(int n) : n_(n) {}
    bool stop() override { return --n_ <= 0; }

private:
    int n_;
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
        std::vector<std::string> fatte;
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
