#include "search/IndiceRovesci.h"

#include "search/Ascolto.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace verbolario {
namespace {

constexpr char kSeparatore = '\n';
constexpr size_t kBlocco = 1 << 16; // bytes scanned between stop checks

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
__attribute__((target("avx2"))) size_t trovaAvx2(std::string_view buf, size_t q, size_t a,
                                                 const Ago& ago) {
    const size_t m = ago.testo.size();
    const __m256i v0 = _mm256_set1_epi8(ago.testo[0]);
    const __m256i v1 = _mm256_set1_epi8(ago.testo[ago.secondo]);
    const __m256i v2 = _mm256_set1_epi8(ago.testo[m - 1]);
    const char* b = buf.data();
    for (; q < a && q + m - 1 + 32 <= buf.size(); q += 32) {
        const auto* p0 = reinterpret_cast<const __m256i*>(b + q);
        const auto* p1 = reinterpret_cast<const __m256i*>(b + q + ago.secondo);
        const auto* p2 = reinterpret_cast<const __m256i*>(b + q + m - 1);
        __m256i x = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(p0), v0),
                                     _mm256_cmpeq_epi8(_mm256_loadu_si256(p1), v1));
        x = _mm256_and_si256(x, _mm256_cmpeq_epi8(_mm256_loadu_si256(p2), v2));
        for (auto bits = static_cast<uint32_t>(_mm256_movemask_epi8(x)); bits != 0;
             bits &= bits - 1) {
            const size_t p = q + static_cast<size_t>(__builtin_ctz(bits));
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

} // namespace

IndiceRovesci::IndiceRovesci(const Voci& voci) {
    size_t byte = 0, quante = 0;
    for (size_t i = 0; i < voci.size(); ++i)
        if (voci[i].size() > 2) {
            byte += voci[i].size() + 1;
            ++quante;
        }
    testo_.reserve(byte);
    inizi_.reserve(quante + 1);
    voci_.reserve(quante);
    for (size_t i = 0; i < voci.size(); ++i) {
        std::string_view e = voci[i];
        if (e.size() <= 2) continue;
        inizi_.push_back(static_cast<uint32_t>(testo_.size()));
        voci_.push_back(static_cast<uint32_t>(i));
        testo_.append(e);
        testo_.push_back(kSeparatore);
    }
    inizi_.push_back(static_cast<uint32_t>(testo_.size()));
}

bool IndiceRovesci::cerca(std::string_view testo, std::vector<Occorrenza>& trovate,
                          Poll& poll) const {
    if (testo.empty() || voci_.empty()) return true;
    const std::string_view buf(testo_);
    const Ago ago{testo, testo.size() > 2 ? 1u : 0u};
    Ascolto ascolto(poll, static_cast<int64_t>(buf.size()));
    size_t q = 0;
    size_t k = 0; // the entry that holds q
    while (q < buf.size()) {
        const size_t fineBlocco = std::min(buf.size(), q + kBlocco);
        const size_t p = trova(buf, q, fineBlocco, ago);
        if (p == fineBlocco) {
            q = fineBlocco;
            if (!ascolto.arrivaA(static_cast<int64_t>(q))) return false;
            continue;
        }
        // testo holds no line feed, so a match never spans two entries.
        k = static_cast<size_t>(std::upper_bound(inizi_.begin() + static_cast<ptrdiff_t>(k),
                                                 inizi_.end(), static_cast<uint32_t>(p)) -
                                inizi_.begin()) -
            1;
        trovate.push_back({voci_[k], static_cast<uint32_t>(p - inizi_[k])});
        q = inizi_[k + 1];
        if (!ascolto.arrivaA(static_cast<int64_t>(q))) return false;
    }
    return true;
}

} // namespace verbolario
