#include "dictionary/OrdinaStringhe.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace verbolario {
namespace {

// The first eight bytes of a text, big-endian and padded with zeros: comparing two keys
// orders the texts as their bytes do, except that texts equal in the key need a look at the
// rest. Most comparisons of a word list are then settled by one integer compare.
struct Chiave {
    uint64_t k;
    uint32_t idx;
};

uint64_t chiave(std::string_view s) {
    unsigned char b[8] = {};
    std::memcpy(b, s.data(), std::min<size_t>(s.size(), 8));
    uint64_t k = 0;
    for (unsigned char c : b) k = (k << 8) | c;
    return k;
}

// Returns the order of n texts (get(i) -> string_view), or nothing when stopped.
template <class Get>
bool permutazione(size_t n, Get get, std::vector<uint32_t>& ordine, Poll& poll) {
    if (n > std::numeric_limits<uint32_t>::max()) throw std::bad_alloc();
    std::vector<Chiave> chiavi(n);
    std::array<size_t, 257> inizio{};
    for (size_t i = 0; i < n; ++i) {
        if ((i & 0xFFFF) == 0 && poll.stop()) return false;
        chiavi[i] = {chiave(get(i)), static_cast<uint32_t>(i)};
        ++inizio[(chiavi[i].k >> 56) + 1];
    }
    // Distribute by the first byte, then sort each bucket on its own: the stop request is
    // heard between buckets.
    for (size_t b = 1; b < inizio.size(); ++b) inizio[b] += inizio[b - 1];
    std::vector<Chiave> secchi(n);
    std::array<size_t, 256> pos{};
    std::copy(inizio.begin(), inizio.end() - 1, pos.begin());
    for (const Chiave& c : chiavi) secchi[pos[c.k >> 56]++] = c;
    chiavi.clear();
    chiavi.shrink_to_fit();

    auto minore = [&get](const Chiave& a, const Chiave& b) {
        if (a.k != b.k) return a.k < b.k;
        std::string_view sa = get(a.idx), sb = get(b.idx);
        std::string_view ta = sa.size() > 8 ? sa.substr(8) : std::string_view{};
        std::string_view tb = sb.size() > 8 ? sb.substr(8) : std::string_view{};
        int c = ta.compare(tb);
        if (c != 0) return c < 0;
        return sa.size() < sb.size();
    };
    for (size_t b = 0; b < 256; ++b) {
        if (poll.stop()) return false;
        std::sort(secchi.begin() + static_cast<ptrdiff_t>(inizio[b]),
                  secchi.begin() + static_cast<ptrdiff_t>(inizio[b + 1]), minore);
        poll.progress(static_cast<int64_t>(inizio[b + 1]), static_cast<int64_t>(n));
    }
    ordine.resize(n);
    for (size_t i = 0; i < n; ++i) ordine[i] = secchi[i].idx;
    return true;
}

} // namespace

bool OrdinaRiferimenti(const char* data, std::vector<Voci::Ref>& refs, Poll& poll) {
    std::vector<uint32_t> ordine;
    auto get = [data, &refs](size_t i) {
        return std::string_view(data + refs[i].off, refs[i].len);
    };
    if (!permutazione(refs.size(), get, ordine, poll)) return false;
    std::vector<Voci::Ref> ordinati(refs.size());
    for (size_t i = 0; i < ordine.size(); ++i) ordinati[i] = refs[ordine[i]];
    refs = std::move(ordinati);
    return true;
}

bool OrdinaStringhe(Voci& voci, Poll& poll) {
    std::vector<Voci::Ref> refs = std::as_const(voci).refs();
    if (!OrdinaRiferimenti(voci.data(), refs, poll)) return false;
    voci.refs() = std::move(refs);
    return true;
}

bool OrdinaStringhe(std::vector<std::string>& elenco, Poll& poll) {
    std::vector<uint32_t> ordine;
    auto get = [&elenco](size_t i) { return std::string_view(elenco[i]); };
    if (!permutazione(elenco.size(), get, ordine, poll)) return false;
    std::vector<std::string> ordinati(elenco.size());
    for (size_t i = 0; i < ordine.size(); ++i) ordinati[i] = std::move(elenco[ordine[i]]);
    elenco = std::move(ordinati);
    return true;
}

} // namespace verbolario
