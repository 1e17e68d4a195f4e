// Rhymes, palindromes and reversals, vowel and consonant exchanges, browsing and the common
// letters, on the bundled and the large list. Targets: each search within 10 ms on the large
// list (browsing far below that) and 0.5 ms on the bundled one. The searches answer from
// indexes built apart (the *Indice benchmarks copy the list, so every iteration builds afresh
// on an unchanged dictionary); until an index exists a search takes one plain pass over the
// list, timed on the large list by the */piana rows.

#include "BenchFixture.h"

#include "search/CercaComuni.h"
#include "search/CercaPalindromi.h"
#include "search/CercaScambi.h"
#include "search/IndicePalindromi.h"
#include "search/IndiceRime.h"
#include "search/IndiceSfoglia.h"
#include "search/Sfoglia.h"
#include "search/TrovaRima.h"

using namespace verbolario;

namespace {

using bench::Lista;
using bench::misura;

template <Lista L> void BM_RimaAmore(benchmark::State& s) {
    misura(s, L, [](auto& v, Poll& p) { return TrovaRima("amore", v, p); });
}
template <Lista L> void BM_Palindromi(benchmark::State& s) {
    misura(s, L, [](auto& v, Poll& p) { return CercaPalindromi("", v, p); });
}
template <Lista L> void BM_RovescioAmo(benchmark::State& s) {
    misura(s, L, [](auto& v, Poll& p) { return CercaPalindromi("amo", v, p); });
}
template <Lista L, int Tipo, bool Tutte> void BM_ScambiCane(benchmark::State& s) {
    misura(s, L, [](auto& v, Poll& p) { return CercaScambi(Tipo, "cane", Tutte, v, p); });
}
template <Lista L> void BM_SfogliaCa(benchmark::State& s) {
    misura(s, L, [](auto& v, Poll& p) { return SfogliaTesto("ca", v, p); });
}
template <Lista L> void BM_SfogliaTastoE(benchmark::State& s) {
    misura(s, L, [](auto& v, Poll& p) { return SfogliaLettera('e', v, p); });
}

template <Lista L> void BM_Comuni1000(benchmark::State& state) {
    const Voci* voci = L(state);
    if (!voci) return;
    std::vector<std::string> righe;
    for (size_t i = 0; i < 1000; ++i) righe.emplace_back((*voci)[i * (voci->size() / 1000)]);
    NoPoll poll;
    for (auto _ : state) benchmark::DoNotOptimize(CercaComuni(righe, poll));
}

template <Lista L, class Indice> void BM_Indice(benchmark::State& state) {
    bench::misuraIndice(state, L, [](Voci& v) { return &v.derived<Indice>(); });
}

#define MISC_BENCH(nome, ...)                                                                      \
    BENCHMARK(nome<bench::Incluso __VA_OPT__(, ) __VA_ARGS__>)                                     \
        ->Name(#nome "/" #__VA_ARGS__ "/incluso")                                                  \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK(nome<bench::Grande __VA_OPT__(, ) __VA_ARGS__>)                                      \
        ->Name(#nome "/" #__VA_ARGS__ "/grande")                                                   \
        ->Unit(benchmark::kMicrosecond)

MISC_BENCH(BM_RimaAmore);
MISC_BENCH(BM_Palindromi);
MISC_BENCH(BM_RovescioAmo);
MISC_BENCH(BM_ScambiCane, 0, false);
MISC_BENCH(BM_ScambiCane, 0, true);
MISC_BENCH(BM_ScambiCane, 1, false);
MISC_BENCH(BM_ScambiCane, 1, true);
MISC_BENCH(BM_SfogliaCa);
MISC_BENCH(BM_SfogliaTastoE);
MISC_BENCH(BM_Comuni1000);

#define MISC_INDICE(tipo)                                                                          \
    BENCHMARK(BM_Indice<bench::Incluso, tipo>)                                                     \
        ->Name("BM_Indice/" #tipo "/incluso")                                                      \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK(BM_Indice<bench::Grande, tipo>)                                                      \
        ->Name("BM_Indice/" #tipo "/grande")                                                       \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(3)

MISC_INDICE(IndiceRime);
MISC_INDICE(IndicePalindromi);
MISC_INDICE(IndiceSfoglia);

const bool kPiane = [] {
    bench::registraPiana("BM_RimaAmore/piana/grande",
                         [](auto& v, Poll& p) { return TrovaRima("amore", v, p); });
    bench::registraPiana("BM_Palindromi/piana/grande",
                         [](auto& v, Poll& p) { return CercaPalindromi("", v, p); });
    bench::registraPiana("BM_RovescioAmo/piana/grande",
                         [](auto& v, Poll& p) { return CercaPalindromi("amo", v, p); });
    bench::registraPiana("BM_ScambiCane/piana/grande",
                         [](auto& v, Poll& p) { return CercaScambi(0, "cane", false, v, p); });
    bench::registraPiana("BM_SfogliaCa/piana/grande",
                         [](auto& v, Poll& p) { return SfogliaTesto("ca", v, p); });
    bench::registraPiana("BM_SfogliaTastoE/piana/grande",
                         [](auto& v, Poll& p) { return SfogliaLettera('e', v, p); });
    return true;
}();

} // namespace
