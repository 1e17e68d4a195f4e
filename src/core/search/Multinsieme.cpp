#include "search/Multinsieme.h"

#include "text/Accenti.h"

namespace verbolario {

const Multinsieme::Piana Multinsieme::kPiana;

Multinsieme::Piana::Piana() {
    for (int c = 0; c < 256; ++c) t[c] = accenti::piana(static_cast<unsigned char>(c));
}

Multinsieme::Multinsieme(std::string_view testo, bool piega) : size_(testo.size()) {
    for (char c : testo) {
        auto u = static_cast<unsigned char>(c);
        ++conta_[piega ? kPiana.t[u] : u];
    }
}

bool Multinsieme::contiene(std::string_view w, bool piega) const {
    bool ok = true;
    size_t fatti = 0;
    for (; fatti < w.size(); ++fatti) {
        auto u = static_cast<unsigned char>(w[fatti]);
        if (piega) u = kPiana.t[u];
        if (uso_[u] == conta_[u]) {
            ok = false;
            break;
        }
        ++uso_[u];
    }
    for (size_t k = 0; k < fatti; ++k) {
        auto u = static_cast<unsigned char>(w[k]);
        uso_[piega ? kPiana.t[u] : u] = 0;
    }
    return ok;
}

bool Multinsieme::contenutoIn(std::string_view w, bool piega, std::string* avanzi) const {
    if (w.size() < size_) return false;
    size_t presi = 0;
    for (char c : w) {
        auto u = static_cast<unsigned char>(c);
        if (piega) u = kPiana.t[u];
        if (uso_[u] < conta_[u]) {
            ++uso_[u];
            ++presi;
        } else if (avanzi) {
            avanzi->push_back(static_cast<char>(u));
        }
    }
    for (char c : w) {
        auto u = static_cast<unsigned char>(c);
        uso_[piega ? kPiana.t[u] : u] = 0;
    }
    return presi == size_;
}

} // namespace verbolario
