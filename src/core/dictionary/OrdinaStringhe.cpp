#include "dictionary/OrdinaStringhe.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <new>
#include <optional>
#include <utility>

namespace verbolario {
namespace {

// Eight bytes of a text from a given offset, big-endian and padded with zeros: comparing two
// keys orders the texts as their bytes at that offset do. Texts whose keys tie are sorted
// again on their next eight bytes, so almost all the work is integer compares and the text
// is read a few bytes at a time.
struct Chiave {
    uint64_t k;
    uint32_t idx;
    uint32_t len;
};

uint64_t chiave(std::string_view s, size_t off) {
    if (s.size() <= off) return 0;
    if (s.size() >= off + 8) {
        uint64_t k;
        std::memcpy(&k, s.data() + off, 8);
        if constexpr (std::endian::native == std::endian::little) k = __builtin_bswap64(k);
        return k;
    }
    uint64_t k = 0;
    size_t i = off;
    for (; i < s.size(); ++i) k = (k << 8) | static_cast<unsigned char>(s[i]);
    return k << (8 * (off + 8 - s.size()));
}

// Sorts a[0, n) whose keys hold the bytes from offset off. Ties whose texts go on past the key
// are queued for the next offset; ties that do not are texts equal but for trailing NULs,
// where the shorter comes first. A queue rather than recursion, since a pathological list of
// long equal entries would go as deep as the entries are long.
template <class Get> void ordinaSecchio(Chiave* a, size_t n, Get& get) {
    struct Lavoro {
        Chiave* a;
        size_t n, off;
    };
    std::vector<Lavoro> coda{{a, n, 0}};
    while (!coda.empty()) {
        Lavoro l = coda.back();
        coda.pop_back();
        std::sort(l.a, l.a + l.n, [](const Chiave& x, const Chiave& y) { return x.k < y.k; });
        for (size_t i = 0; i < l.n;) {
            size_t j = i + 1;
            bool oltre = l.a[i].len > l.off + 8;
            for (; j < l.n && l.a[j].k == l.a[i].k; ++j) oltre = oltre || l.a[j].len > l.off + 8;
            if (j - i > 1) {
                if (oltre) {
                    for (size_t t = i; t < j; ++t) l.a[t].k = chiave(get(l.a[t].idx), l.off + 8);
                    coda.push_back({l.a + i, j - i, l.off + 8});
                } else {
                    std::sort(l.a + i, l.a + j,
                              [](const Chiave& x, const Chiave& y) { return x.len < y.len; });
                }
            }
            i = j;
        }
    }
}

// The n texts (get(i) -> string_view) in order, as keys whose idx says where each came
// from; false when stopped.
template <class Get> bool ordina(size_t n, Get get, std::vector<Chiave>& secchi, Poll& poll) {
    if (n > std::numeric_limits<uint32_t>::max()) throw std::bad_alloc();
    // Distribute by the first byte, then sort each bucket on its own: the stop request is
    // heard between buckets.
    std::array<size_t, 257> inizio{};
    for (size_t i = 0; i < n; ++i) {
        if ((i & 0xFFFF) == 0 && poll.stop()) return false;
        std::string_view s = get(i);
        ++inizio[s.empty() ? 1 : static_cast<unsigned char>(s[0]) + 1];
    }
    for (size_t b = 1; b < inizio.size(); ++b) inizio[b] += inizio[b - 1];
    secchi.resize(n);
    std::array<size_t, 256> pos{};
    std::copy(inizio.begin(), inizio.end() - 1, pos.begin());
    for (size_t i = 0; i < n; ++i) {
        std::string_view s = get(i);
        Chiave c{chiave(s, 0), static_cast<uint32_t>(i), static_cast<uint32_t>(s.size())};
        secchi[pos[c.k >> 56]++] = c;
    }
    for (size_t b = 0; b < 256; ++b) {
        if (inizio[b + 1] == inizio[b]) continue;
        if (poll.stop()) return false;
        ordinaSecchio(secchi.data() + inizio[b], inizio[b + 1] - inizio[b], get);
        poll.progress(static_cast<int64_t>(inizio[b + 1]), static_cast<int64_t>(n));
    }
    return true;
}

} // namespace

namespace {

// The references in order, or nothing when stopped.
std::optional<std::vector<Voci::Ref>> ordinati(const char* data, const std::vector<Voci::Ref>& refs,
                                               Poll& poll) {
    std::vector<Chiave> ordine;
    auto get = [data, &refs](size_t i) {
        return std::string_view(data + refs[i].off, refs[i].len);
    };
    if (!ordina(refs.size(), get, ordine, poll)) return std::nullopt;
    std::vector<Voci::Ref> out(refs.size());
    for (size_t i = 0; i < ordine.size(); ++i) out[i] = refs[ordine[i].idx];
    return out;
}

} // namespace

bool OrdinaRiferimenti(const char* data, std::vector<Voci::Ref>& refs, Poll& poll) {
    auto r = ordinati(data, refs, poll);
    if (!r) return false;
    refs = std::move(*r);
    return true;
}

bool OrdinaStringhe(Voci& voci, Poll& poll) {
    auto r = ordinati(voci.data(), voci.refs(), poll);
    if (!r) return false;
    voci.replaceRefs(std::move(*r));
    return true;
}

bool OrdinaStringhe(std::vector<std::string>& elenco, Poll& poll) {
    std::vector<Chiave> ordine;
    auto get = [&elenco](size_t i) { return std::string_view(elenco[i]); };
    if (!ordina(elenco.size(), get, ordine, poll)) return false;
    std::vector<std::string> ordinati(elenco.size());
    for (size_t i = 0; i < ordine.size(); ++i) ordinati[i] = std::move(elenco[ordine[i].idx]);
    elenco = std::move(ordinati);
    return true;
}

} // namespace verbolario
