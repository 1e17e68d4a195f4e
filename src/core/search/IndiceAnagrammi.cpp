#include "search/IndiceAnagrammi.h"

#include "search/Arrangia.h"
#include "text/Accenti.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace verbolario {
namespace {

// Above this length a histogram over lengths would cost more than sorting.
constexpr uint32_t kMaxIstogramma = 1u << 20;

} // namespace

bool IndiceAnagrammi::frasiDistinte(const Voci& voci) {
    return !voci.senzaSegni();
}

const IndiceAnagrammi& IndiceAnagrammi::di(const Voci& voci, bool frasi) {
    if (frasi && frasiDistinte(voci)) return voci.derived<IndiceAnagrammiPer<true>>();
    return voci.derived<IndiceAnagrammiPer<false>>();
}

const IndiceAnagrammi* IndiceAnagrammi::pronto(const Voci& voci, bool frasi) {
    if (frasi && frasiDistinte(voci)) return voci.cached<IndiceAnagrammiPer<true>>();
    return voci.cached<IndiceAnagrammiPer<false>>();
}

std::string_view IndiceAnagrammi::pulisci(std::string_view voce, bool frasi, std::string& out) {
    out.clear();
    if (!vaPulita(voce, frasi)) {
        out.assign(voce);
        return out;
    }
    out = Arrangia(voce);
    return out;
}

IndiceAnagrammi::Maschera IndiceAnagrammi::maschera(std::string_view testo) {
    // Every entry's mask is taken, so the bit of each folded character is looked up.
    static constexpr auto kBit = [] {
        std::array<Maschera, 256> t{};
        for (unsigned c = 0; c < 256; ++c)
            t[c] = bit(accenti::piana(static_cast<unsigned char>(c)));
        return t;
    }();
    Maschera m = 0;
    for (char c : testo) m |= kBit[static_cast<unsigned char>(c)];
    return m;
}

IndiceAnagrammi::IndiceAnagrammi(const Voci& voci, bool frasi) : frasi_(frasi) {
    const size_t n = voci.size();
    std::vector<uint32_t> lunghezze(n);
    std::vector<Maschera> maschere(n);
    std::string pulita;
    diverseOff_.push_back(0);
    for (size_t i = 0; i < n; ++i) {
        std::string_view voce = voci[i];
        if (vaPulita(voce, frasi)) {
            pulisci(voce, frasi, pulita);
            diverseIdx_.push_back(static_cast<uint32_t>(i));
            diverseTesto_ += pulita;
            diverseOff_.push_back(diverseTesto_.size());
            voce = pulita;
            maschere[i] = kPulita;
        }
        maschere[i] |= maschera(voce);
        lunghezze[i] = static_cast<uint32_t>(voce.size());
    }
    disponiPerLunghezza(lunghezze, maschere);
}

void IndiceAnagrammi::disponiPerLunghezza(const std::vector<uint32_t>& lunghezze,
                                          const std::vector<Maschera>& maschere) {
    const size_t n = lunghezze.size();
    const uint32_t massima = n ? *std::max_element(lunghezze.begin(), lunghezze.end()) : 0;
    ordine_.resize(n);
    if (massima < kMaxIstogramma) {
        // Counting sort: stable, so each length keeps dictionary order.
        std::vector<size_t> posto(size_t{massima} + 2, 0);
        for (uint32_t l : lunghezze) ++posto[l + 1];
        std::partial_sum(posto.begin(), posto.end(), posto.begin());
        for (uint32_t l = 0; l <= massima; ++l)
            if (posto[l + 1] > posto[l]) {
                lunghezze_.push_back(l);
                inizi_.push_back(posto[l]);
            }
        for (size_t i = 0; i < n; ++i) ordine_[posto[lunghezze[i]]++] = static_cast<uint32_t>(i);
    } else {
        std::iota(ordine_.begin(), ordine_.end(), 0u);
        std::stable_sort(ordine_.begin(), ordine_.end(),
                         [&](uint32_t a, uint32_t b) { return lunghezze[a] < lunghezze[b]; });
        for (size_t k = 0; k < n; ++k)
            if (k == 0 || lunghezze[ordine_[k]] != lunghezze[ordine_[k - 1]]) {
                lunghezze_.push_back(lunghezze[ordine_[k]]);
                inizi_.push_back(k);
            }
    }
    inizi_.push_back(n);
    maschere_.resize(n);
    for (size_t k = 0; k < n; ++k) maschere_[k] = maschere[ordine_[k]];
}

std::string_view IndiceAnagrammi::pulitaDiversa(uint32_t i) const {
    auto it = std::lower_bound(diverseIdx_.begin(), diverseIdx_.end(), i);
    const auto k = static_cast<size_t>(it - diverseIdx_.begin());
    return std::string_view(diverseTesto_)
        .substr(diverseOff_[k], diverseOff_[k + 1] - diverseOff_[k]);
}

} // namespace verbolario
