#include "search/Modello.h"

#include "text/Accenti.h"

#include <bit>
#include <string>

namespace verbolario {
namespace {

Modello::Insieme elencoTraParentesi(std::string_view elenco) {
    Modello::Insieme s;
    bool negato = !elenco.empty() && elenco[0] == '!';
    if (negato) elenco.remove_prefix(1);
    for (size_t k = 0; k < elenco.size(); ++k) {
        auto a = static_cast<unsigned char>(elenco[k]);
        // A hyphen between two characters is a range; at either end it is itself.
        if (k + 2 < elenco.size() && elenco[k + 1] == '-') {
            auto b = static_cast<unsigned char>(elenco[k + 2]);
            for (unsigned x = a; x <= b; ++x) s.aggiungi(static_cast<unsigned char>(x));
            k += 2;
        } else {
            s.aggiungi(a);
        }
    }
    if (negato) s.complementa();
    return s;
}

bool soloAccentate(const Modello::Insieme& s) {
    bool qualcuna = false;
    for (int c = 0; c < 256; ++c) {
        if (!s.ha(static_cast<unsigned char>(c))) continue;
        if (accenti::piana(static_cast<unsigned char>(c)) == c) return false;
        qualcuna = true;
    }
    return qualcuna;
}

} // namespace

int Modello::Insieme::quanti() const {
    int n = 0;
    for (uint64_t w : bits_) n += std::popcount(w);
    return n;
}

int Modello::Insieme::unico() const {
    if (quanti() != 1) return -1;
    for (int k = 0; k < 4; ++k)
        if (bits_[k]) return k * 64 + std::countr_zero(bits_[k]);
    return -1;
}

Modello::Modello(std::string_view p) {
    std::vector<Segmento> segmenti(1);
    for (size_t i = 0; i < p.size(); ++i) {
        auto c = static_cast<unsigned char>(p[i]);
        if (c == '*') {
            // "**" is "*": a star right after a star opens no new run.
            if (segmenti.size() == 1 || !segmenti.back().empty()) segmenti.emplace_back();
            asterisco_ = true;
            continue;
        }
        Insieme s;
        if (c == '?') {
            s.complementa();
        } else if (c == '#') {
            for (unsigned char d = '0'; d <= '9'; ++d) s.aggiungi(d);
        } else if (c == '[') {
            size_t chiusa = p.find(']', i + 1);
            if (chiusa == std::string_view::npos) {
                valido_ = false;
                return;
            }
            s = elencoTraParentesi(p.substr(i + 1, chiusa - i - 1));
            i = chiusa;
        } else {
            s.aggiungi(c);
        }
        esigeAccento_ = esigeAccento_ || soloAccentate(s);
        segmenti.back().push_back(s);
        ++minima_;
    }
    prefisso_ = std::move(segmenti.front());
    if (segmenti.size() > 1) {
        suffisso_ = std::move(segmenti.back());
        centrali_.assign(std::make_move_iterator(segmenti.begin() + 1),
                         std::make_move_iterator(segmenti.end() - 1));
    }
    std::string letterali;
    auto raccogli = [&](const Segmento& seg) {
        for (const auto& s : seg)
            if (int u = s.unico(); u >= 0) letterali.push_back(static_cast<char>(u));
    };
    for (const auto& seg : centrali_) raccogli(seg);
    lettereRichieste_ = Firma(letterali) & 0xFFFFFFFF;
    raccogli(prefisso_);
    raccogli(suffisso_);
    lettereRichieste_ |= Firma(letterali) & ~uint64_t{0xFFFFFFFF};
}

uint64_t Firma(std::string_view testo) {
    uint64_t una = 0, due = 0;
    for (char c : testo) {
        if (c < 'a' || c > 'z') continue;
        const uint64_t bit = uint64_t{1} << (c - 'a');
        due |= una & bit;
        una |= bit;
    }
    return una | (due << 32);
}

bool Modello::segmentoA(const Segmento& s, const char* testo, size_t pos) {
    for (size_t k = 0; k < s.size(); ++k)
        if (!s[k].ha(static_cast<unsigned char>(testo[pos + k]))) return false;
    return true;
}

bool Modello::centraliTra(const char* testo, size_t da, size_t a) const {
    for (const auto& seg : centrali_) {
        // The leftmost place of each run leaves the most room for the next.
        for (;;) {
            if (a - da < seg.size()) return false;
            if (segmentoA(seg, testo, da)) break;
            ++da;
        }
        da += seg.size();
    }
    return true;
}

bool Modello::combacia(std::string_view t) const {
    if (!valido_) return false;
    if (!asterisco_) return t.size() == minima_ && segmentoA(prefisso_, t.data(), 0);
    if (t.size() < minima_) return false;
    const size_t fine = t.size() - suffisso_.size();
    return segmentoA(prefisso_, t.data(), 0) && segmentoA(suffisso_, t.data(), fine) &&
           centraliTra(t.data(), prefisso_.size(), fine);
}

} // namespace verbolario
