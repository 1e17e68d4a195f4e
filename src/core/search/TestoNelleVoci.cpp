#include "search/TestoNelleVoci.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace verbolario {
namespace {

// The candidate filter looks at three bytes of testo (first, second, last; for shorter texts
// some coincide) at every place, many places per step; memcmp confirms the rest.
struct Ago {
    std::string_view testo;
    size_t secondo; // offset of the second byte looked at
};

bool conferma(std::string_view buf, size_t p, const Ago& ago) {
    return std::memcmp(buf.data() + p, ago.testo.data(), ago.testo.size()) == 0;
}

size_t trovaScalare(std::string_view buf, size_t q, size_t a, const Ago& ago) {
    for (; q < a && q + ago.testo.size() <= buf.size(); ++q)
        if (buf[q] == ago.testo[0] && conferma(buf, q, ago)) return q;
    return a;
}

#if defined(__x86_64__) || defined(__i386__)
// The places among 32 from o where the three bytes looked at match. A function of its own
// rather than a lambda: clang compiles a lambda without its enclosing function's target.
__attribute__((target("avx2"), always_inline)) inline uint32_t
candidatiAvx2(const char* b, size_t o, size_t secondo, size_t m, __m256i v0, __m256i v1,
              __m256i v2) {
    const auto* p0 = reinterpret_cast<const __m256i*>(b + o);
    const auto* p1 = reinterpret_cast<const __m256i*>(b + o + secondo);
    const auto* p2 = reinterpret_cast<const __m256i*>(b + o + m - 1);
    __m256i x = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(p0), v0),
                                 _mm256_cmpeq_epi8(_mm256_loadu_si256(p1), v1));
    x = _mm256_and_si256(x, _mm256_cmpeq_epi8(_mm256_loadu_si256(p2), v2));
    return static_cast<uint32_t>(_mm256_movemask_epi8(x));
}

// 64 places per step, the loop aligned to a cache line: the whole dictionary goes through it.
#if defined(__clang__)
__attribute__((target("avx2")))
#else
__attribute__((target("avx2"), optimize("align-loops=64:64", "align-jumps=64:64")))
#endif
size_t
trovaAvx2(std::string_view buf, size_t q, size_t a, const Ago& ago) {
    const size_t m = ago.testo.size();
    const __m256i v0 = _mm256_set1_epi8(ago.testo[0]);
    const __m256i v1 = _mm256_set1_epi8(ago.testo[ago.secondo]);
    const __m256i v2 = _mm256_set1_epi8(ago.testo[m - 1]);
    const char* b = buf.data();
    for (; q < a && q + m - 1 + 64 <= buf.size(); q += 64) {
        const uint32_t basso = candidatiAvx2(b, q, ago.secondo, m, v0, v1, v2);
        const uint32_t alto = candidatiAvx2(b, q + 32, ago.secondo, m, v0, v1, v2);
        for (uint64_t bits = basso | uint64_t{alto} << 32; bits != 0; bits &= bits - 1) {
            const size_t p = q + static_cast<size_t>(std::countr_zero(bits));
            if (p >= a) return a;
            if (conferma(buf, p, ago)) return p;
        }
    }
    return trovaScalare(buf, q, a, ago);
}
#endif

// First place at or after da (and before a) where testo starts, or a when none.
size_t trova(std::string_view buf, size_t da, size_t a, const Ago& ago) {
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return trovaAvx2(buf, da, a, ago);
#endif
    return trovaScalare(buf, da, a, ago);
}

// The entries of a run in order, one stretch of memory: each occurrence found is placed in
// its entry by a search over the references (their ends ascend too).
void nelTratto(const Lotto& l, const Ago& ago, std::vector<Occorrenza>& trovate) {
    const Voci::Ref* refs = l.refs;
    const size_t m = ago.testo.size();
    const size_t inizio = refs[0].off;
    const size_t fine = size_t{refs[l.n - 1].off} + refs[l.n - 1].len;
    const std::string_view buf(l.testo, fine);
    size_t k = 0; // the first entry that may still hold an occurrence
    size_t q = inizio;
    while (q < fine) {
        const size_t p = trova(buf, q, fine, ago);
        if (p == fine) break;
        k = static_cast<size_t>(
            std::partition_point(refs + k, refs + l.n,
                                 [p](const Voci::Ref& r) { return size_t{r.off} + r.len <= p; }) -
            refs);
        if (k == l.n) break;
        const Voci::Ref& r = refs[k];
        // Between entries, or across the end of one, or in an entry too short to count.
        if (p < r.off || p + m > size_t{r.off} + r.len || r.len <= 2) {
            q = p + 1;
            continue;
        }
        trovate.push_back({static_cast<uint32_t>(l.primo + k), static_cast<uint32_t>(p - r.off)});
        q = size_t{r.off} + r.len;
    }
}

} // namespace

void TestoNelleVoci(const Lotto& l, std::string_view testo, std::vector<Occorrenza>& trovate) {
    if (testo.empty() || l.n == 0) return;
    const Ago ago{testo, testo.size() > 2 ? 1u : 0u};
    if (l.inOrdine) {
        nelTratto(l, ago, trovate);
        return;
    }
    for (size_t k = 0; k < l.n; ++k) {
        const std::string_view e = l[k];
        if (e.size() <= 2) continue;
        if (size_t p = e.find(testo); p != std::string_view::npos)
            trovate.push_back({static_cast<uint32_t>(l.primo + k), static_cast<uint32_t>(p)});
    }
}

} // namespace verbolario
