#include "dictionary/RighePulite.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace verbolario {
namespace {

// The bytes that rule a line out wherever they stand: the field delimiter, the quote, and
// every capital the loader would lower-case (A-Z, 0xC0-0xDE but the multiplication sign,
// and Š, Œ, Ž, Ÿ).
constexpr bool problematico(unsigned c) {
    return c == ',' || c == '"' || (c >= 'A' && c <= 'Z') ||
           (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A || c == 0x8C || c == 0x8E ||
           c == 0x9F;
}

constexpr std::array<bool, 256> kProblematici = [] {
    std::array<bool, 256> t{};
    for (unsigned c = 0; c < 256; ++c) t[c] = problematico(c);
    return t;
}();

// The same set as two 16-entry tables, one by low and one by high nibble, such that a byte
// is in the set exactly when the entries for its two nibbles share a bit: each distinct row
// of the set (the low nibbles that go with one high nibble) gets a bit of its own.
struct Nibble {
    std::array<unsigned char, 16> basso{}, alto{};
};
constexpr Nibble kNibble = [] {
    Nibble t;
    std::array<unsigned, 8> righe{};
    unsigned usate = 0;
    for (unsigned h = 0; h < 16; ++h) {
        unsigned riga = 0;
        for (unsigned l = 0; l < 16; ++l)
            if (problematico(h << 4 | l)) riga |= 1u << l;
        if (!riga) continue;
        unsigned b = 0;
        while (b < usate && righe[b] != riga) ++b;
        if (b == usate) righe[usate++] = riga; // at most 8 distinct rows, as it happens 7
        t.alto[h] = static_cast<unsigned char>(1u << b);
        for (unsigned l = 0; l < 16; ++l)
            if (riga >> l & 1) t.basso[l] |= static_cast<unsigned char>(1u << b);
    }
    return t;
}();

// Where the references go: written in place, the table growing a step at a time (and cut to
// size at the end) rather than checked entry by entry. The steps are bounded, so a slot is
// cleared about once however many pieces of a text go into one table.
class Uscita {
public:
    Uscita(std::vector<Voci::Ref>& refs, uint32_t base)
        : refs_(refs), n_(refs.size()), base_(base) {}
    ~Uscita() { refs_.resize(n_); }
    Uscita(const Uscita&) = delete;
    Uscita& operator=(const Uscita&) = delete;

    // Room for m more.
    void spazio(size_t m) {
        if (n_ + m > refs_.size())
            refs_.resize(n_ + std::max(m, std::clamp<size_t>(n_, 4096, 65536)));
    }
    // The line from inizio to the line end at lf (a CR before it left out); room for it made.
    void riga(const char* b, size_t inizio, size_t lf) {
        const size_t fine = lf - (lf > inizio && b[lf - 1] == '\r');
        refs_[n_++] = {base_ + static_cast<uint32_t>(inizio), static_cast<uint32_t>(fine - inizio)};
    }

private:
    std::vector<Voci::Ref>& refs_;
    size_t n_;
    uint32_t base_;
};

// One byte at a time over b[0, a), where a follows a line end.
Spezzatura scalare(const char* b, size_t a, uint32_t base, std::vector<Voci::Ref>& refs) {
    Uscita out(refs, base);
    Spezzatura s;
    size_t inizio = 0;
    for (size_t i = 0; i < a; ++i) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (c == '\n') {
            out.spazio(1);
            out.riga(b, inizio, i);
            inizio = i + 1;
            continue;
        }
        const bool male = kProblematici[c] || (c == '\r' && b[i + 1] != '\n') ||
                          (c == ' ' && (i == inizio || b[i + 1] == '\n' || b[i + 1] == '\r'));
        if (male) return {inizio, false, s.segni};
        s.segni = s.segni || c == ' ' || c == '-';
    }
    s.fine = inizio;
    return s;
}

#if defined(__x86_64__) || defined(__i386__)
#define VERBOLARIO_AVX2 __attribute__((target("avx2"), always_inline)) inline

VERBOLARIO_AVX2 __m256i carica(const char* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

VERBOLARIO_AVX2 uint64_t uguali(__m256i x0, __m256i x1, char c) {
    const __m256i v = _mm256_set1_epi8(c);
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(x0, v))) |
           uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(x1, v)))} << 32;
}

// The bytes of x in the set the two nibble tables describe.
VERBOLARIO_AVX2 uint32_t problemi(__m256i x, __m256i tb, __m256i ta) {
    const __m256i quindici = _mm256_set1_epi8(0x0F);
    const __m256i lo = _mm256_and_si256(x, quindici);
    const __m256i hi = _mm256_and_si256(_mm256_srli_epi16(x, 4), quindici);
    const __m256i c = _mm256_and_si256(_mm256_shuffle_epi8(tb, lo), _mm256_shuffle_epi8(ta, hi));
    return ~static_cast<uint32_t>(
        _mm256_movemask_epi8(_mm256_cmpeq_epi8(c, _mm256_setzero_si256())));
}

// 64 bytes at a time: masks of line ends and of the bytes that make a line unclean, then
// one reference per line end below the first such byte.
__attribute__((target("avx2"))) Spezzatura vettoriale(const char* b, size_t a, uint32_t base,
                                                      std::vector<Voci::Ref>& refs) {
    const __m256i tb = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(kNibble.basso.data())));
    const __m256i ta = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(kNibble.alto.data())));
    Uscita out(refs, base);
    size_t inizio = 0;
    uint64_t dopoFine = 1; // the text starts a line
    uint64_t segni = 0;
    for (size_t o = 0; o < a; o += 64) {
        const __m256i x0 = carica(b + o), x1 = carica(b + o + 32);
        const uint64_t lf = uguali(x0, x1, '\n');
        const uint64_t cr = uguali(x0, x1, '\r');
        const uint64_t sp = uguali(x0, x1, ' ');
        // Each byte's successor: the next bit, and for the last one the byte after the block.
        const uint64_t lfDopo = lf >> 1 | uint64_t{b[o + 64] == '\n'} << 63;
        const uint64_t crDopo = cr >> 1 | uint64_t{b[o + 64] == '\r'} << 63;
        const uint64_t validi = a - o >= 64 ? ~uint64_t{0} : (uint64_t{1} << (a - o)) - 1;
        const uint64_t male =
            (problemi(x0, tb, ta) | uint64_t{problemi(x1, tb, ta)} << 32 | (cr & ~lfDopo) |
             (sp & (lfDopo | crDopo)) | (sp & (lf << 1 | dopoFine))) &
            validi;
        uint64_t presi = validi;
        if (male) presi &= (uint64_t{1} << std::countr_zero(male)) - 1;
        segni |= (sp | uguali(x0, x1, '-')) & presi;
        out.spazio(64);
        for (uint64_t fini = lf & presi; fini; fini &= fini - 1) {
            const size_t p = o + static_cast<size_t>(std::countr_zero(fini));
            out.riga(b, inizio, p);
            inizio = p + 1;
        }
        if (male) return {inizio, false, segni != 0};
        dopoFine = lf >> 63;
    }
    return {inizio, true, segni != 0};
}
#endif

} // namespace

namespace {

template <bool Vettori>
Spezzatura spezza(char* buf, size_t n, bool ultimo, uint32_t base, std::vector<Voci::Ref>& refs) {
    size_t a = n;
    if (ultimo) {
        // A last line without its line end gets one, so every line ends alike. A lone CR
        // there would be a line end for the loader too.
        if (n > 0 && buf[n - 1] != '\n') buf[a++] = '\n';
        // The byte after the last line end is read as a successor: past the text it must not
        // look like a line end.
        buf[a] = '\0';
    } else {
        const void* ultimaFine = n ? ::memrchr(buf, '\n', n) : nullptr;
        a = ultimaFine ? static_cast<size_t>(static_cast<const char*>(ultimaFine) - buf) + 1 : 0;
    }
    Spezzatura s;
#if defined(__x86_64__) || defined(__i386__)
    if constexpr (Vettori)
        s = vettoriale(buf, a, base, refs);
    else
#endif
        s = scalare(buf, a, base, refs);
    if (ultimo && s.pulito) s.fine = n;
    return s;
}

} // namespace

Spezzatura SpezzaRighePulite(char* buf, size_t n, bool ultimo, uint32_t base,
                             std::vector<Voci::Ref>& refs) {
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return spezza<true>(buf, n, ultimo, base, refs);
#endif
    return spezza<false>(buf, n, ultimo, base, refs);
}

Spezzatura detail::SpezzaRighePuliteScalare(char* buf, size_t n, bool ultimo, uint32_t base,
                                            std::vector<Voci::Ref>& refs) {
    return spezza<false>(buf, n, ultimo, base, refs);
}

} // namespace verbolario
