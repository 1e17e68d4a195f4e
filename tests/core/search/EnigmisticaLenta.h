#pragma once

// The word-play relations written the slow, obvious way: every word of the dictionary is
// compared with the typed word by inserting, removing, changing and moving every letter and
// trying every split, with no index. The fast searches must list exactly the same lines.
// Header-only over plain strings, so any test or fuzz target can include it.

#include "search/Ordinamento.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario::lenta {

using Righe = std::vector<std::string>;

// A dictionary word: the entry, its term, and the term as the typed word's rule compares it.
struct Parola {
    std::string voce, termine, forma;
};

inline bool lettera(char c) {
    return lettere::isAlfabeto(cp1252::lower(static_cast<unsigned char>(c)));
}

inline std::string forma(std::string_view t, bool esatta) {
    std::string f;
    for (char c : t) {
        const unsigned char l = cp1252::lower(static_cast<unsigned char>(c));
        f += static_cast<char>(esatta ? l : accenti::piana(l));
    }
    return f;
}

// The typed text: its lower-case letters, compared with accents only when it holds one.
struct Digitato {
    std::string testo;
    bool esatta = false;
};

inline Digitato digitato(std::string_view s) {
    Digitato d;
    for (char c : cp1252::lowered(s))
        if (lettere::isAlfabeto(static_cast<unsigned char>(c))) d.testo += c;
    d.esatta = accenti::Accentazione(d.testo) != 0;
    if (!d.esatta) d.testo = forma(d.testo, false);
    return d;
}

inline std::vector<Parola> parole(const Righe& voci, bool esatta) {
    std::vector<Parola> p;
    for (const std::string& v : voci) {
        const std::string t = v.substr(0, v.find('\t'));
        if (t.empty() || !std::all_of(t.begin(), t.end(), lettera)) continue;
        p.push_back({v, t, forma(t, esatta)});
    }
    return p;
}

inline Righe ordinate(Righe r, bool uniche) {
    OrdinaAlfabetico(r);
    if (uniche) r.erase(std::unique(r.begin(), r.end()), r.end());
    return r;
}

// The entries, as stored, whose compared form passes the test.
template <class Test> Righe voci(const Righe& dizionario, bool esatta, Test test) {
    Righe r;
    for (const Parola& w : parole(dizionario, esatta))
        if (test(w.forma)) r.push_back(w.voce);
    return ordinate(r, false);
}

inline Righe zeppe(const Righe& diz, std::string_view s) {
    const Digitato q = digitato(s);
    return voci(diz, q.esatta, [&](const std::string& f) {
        for (size_t i = 0; i < f.size(); ++i)
            if (std::string(f).erase(i, 1) == q.testo) return true;
        return false;
    });
}

inline Righe scarti(const Righe& diz, std::string_view s) {
    const Digitato q = digitato(s);
    return voci(diz, q.esatta, [&](const std::string& f) {
        for (size_t i = 0; i < q.testo.size(); ++i)
            if (std::string(q.testo).erase(i, 1) == f) return true;
        return false;
    });
}

inline Righe cambi(const Righe& diz, std::string_view s) {
    const Digitato q = digitato(s);
    return voci(diz, q.esatta, [&](const std::string& f) {
        if (f.size() != q.testo.size()) return false;
        size_t diverse = 0;
        for (size_t i = 0; i < f.size(); ++i) diverse += f[i] != q.testo[i];
        return diverse == 1;
    });
}

inline Righe spostamenti(const Righe& diz, std::string_view s) {
    const Digitato q = digitato(s);
    return voci(diz, q.esatta, [&](const std::string& f) {
        if (f == q.testo) return false;
        for (size_t i = 0; i < q.testo.size(); ++i)
            for (size_t j = 0; j < q.testo.size(); ++j)
                if (std::string(q.testo).erase(i, 1).insert(j, 1, q.testo[i]) == f) return true;
        return false;
    });
}

inline Righe antipodi(const Righe& diz, std::string_view s) {
    const Digitato q = digitato(s);
    return voci(diz, q.esatta, [&](const std::string& f) {
        const std::string& w = q.testo;
        if (w.empty() || f == w) return false;
        return f == w.substr(1) + w[0] || f == w.back() + w.substr(0, w.size() - 1);
    });
}

inline Righe bifronti(const Righe& diz, std::string_view s) {
    if (s.find_first_not_of(' ') == std::string_view::npos) {
        Righe r;
        const auto p = parole(diz, false);
        for (const Parola& a : p)
            for (const Parola& b : p)
                if (a.forma < b.forma && a.forma == std::string(b.forma.rbegin(), b.forma.rend()))
                    r.push_back(a.termine + ' ' + b.termine);
        return ordinate(r, true);
    }
    const Digitato q = digitato(s);
    const std::string rovescio(q.testo.rbegin(), q.testo.rend());
    return voci(diz, q.esatta,
                [&](const std::string& f) { return rovescio != q.testo && f == rovescio; });
}

// Every way of cutting the text into `parti` pieces of two letters or more, each a word.
inline void sciarade(const std::vector<Parola>& p, std::string_view resto, size_t parti,
                     const std::string& prima, Righe& r) {
    for (const Parola& w : p) {
        if (w.forma.size() < 2 || !resto.starts_with(w.forma)) continue;
        if (parti == 1 && w.forma.size() == resto.size()) r.push_back(prima + w.termine);
        if (parti > 1)
            sciarade(p, resto.substr(w.forma.size()), parti - 1, prima + w.termine + ' ', r);
    }
}

inline Righe sciarade(const Righe& diz, std::string_view s, bool tre) {
    const Digitato q = digitato(s);
    Righe r;
    sciarade(parole(diz, q.esatta), q.testo, tre ? 3 : 2, {}, r);
    return ordinate(r, true);
}

inline Righe incastri(const Righe& diz, std::string_view s) {
    const Digitato q = digitato(s);
    const auto p = parole(diz, q.esatta);
    Righe r;
    for (const Parola& a : p)
        for (const Parola& b : p) {
            if (a.forma.size() < 2 || b.forma.size() < 2) continue;
            for (size_t k = 1; k < a.forma.size(); ++k)
                if (a.forma.substr(0, k) + b.forma + a.forma.substr(k) == q.testo)
                    r.push_back(a.termine.substr(0, k) + '(' + b.termine + ')' +
                                a.termine.substr(k));
        }
    return ordinate(r, true);
}

inline Righe lucchetti(const Righe& diz, std::string_view s) {
    const Digitato q = digitato(s);
    const auto p = parole(diz, q.esatta);
    Righe r;
    for (const Parola& a : p)
        for (const Parola& b : p)
            for (size_t y = 2; y < a.forma.size() && y < b.forma.size(); ++y)
                if (a.forma.substr(a.forma.size() - y) == b.forma.substr(0, y) &&
                    a.forma.substr(0, a.forma.size() - y) + b.forma.substr(y) == q.testo)
                    r.push_back(a.termine + ' ' + b.termine);
    return ordinate(r, true);
}

// Sets of words, each word at least `minimo` letters, taken in dictionary order with
// repetition, whose letters together are exactly the text's.
inline void frasi(const std::vector<Parola>& p, size_t da, std::vector<const Parola*>& scelte,
                  size_t lettere, int quante, size_t minimo, const Digitato& q,
                  const Righe& digitate, Righe& r) {
    if (lettere == q.testo.size()) {
        std::string tutte, a = q.testo;
        Righe forme;
        for (const Parola* w : scelte) {
            tutte += w->forma;
            forme.push_back(w->forma);
        }
        std::sort(tutte.begin(), tutte.end());
        std::sort(a.begin(), a.end());
        std::sort(forme.begin(), forme.end());
        if (tutte != a || forme == digitate) return;
        std::vector<const Parola*> ordine = scelte;
        std::sort(ordine.begin(), ordine.end(), [](const Parola* x, const Parola* y) {
            if (x->forma.size() != y->forma.size()) return x->forma.size() > y->forma.size();
            if (x->forma != y->forma) return x->forma < y->forma;
            return x->termine < y->termine;
        });
        std::string riga;
        for (const Parola* w : ordine) riga += (riga.empty() ? "" : " ") + w->termine;
        r.push_back(riga);
        return;
    }
    if (static_cast<int>(scelte.size()) == quante) return;
    for (size_t i = da; i < p.size(); ++i) {
        if (p[i].forma.size() < minimo || lettere + p[i].forma.size() > q.testo.size()) continue;
        scelte.push_back(&p[i]);
        frasi(p, i, scelte, lettere + p[i].forma.size(), quante, minimo, q, digitate, r);
        scelte.pop_back();
    }
}

inline Righe frasi(const Righe& diz, std::string_view s, int quante, size_t minimo) {
    const Digitato q = digitato(s);
    Righe digitate;
    std::string t = cp1252::lowered(s) + ' ';
    for (size_t da = 0, fine; (fine = t.find(' ', da)) != std::string::npos; da = fine + 1) {
        std::string w = digitato(t.substr(da, fine - da)).testo;
        if (!w.empty()) digitate.push_back(forma(w, q.esatta));
    }
    std::sort(digitate.begin(), digitate.end());
    Righe r;
    std::vector<const Parola*> scelte;
    if (!q.testo.empty())
        frasi(parole(diz, q.esatta), 0, scelte, 0, quante, minimo, q, digitate, r);
    return ordinate(r, true);
}

} // namespace verbolario::lenta
