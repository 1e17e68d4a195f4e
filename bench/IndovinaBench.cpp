// The guessing game on the bundled and the large list. Targets on the large list: drawing a
// word and laying out its boxes within 16 ms, the count of a length range (GetRange) within
// 5 ms. Both read the per-length counts the dictionary keeps once built; building them is
// measured apart (BM_Indice/IndiceLunghezze copies the list, so each run builds afresh).

#include "BenchFixture.h"

#include "games/Casuale.h"
#include "games/IndiceLunghezze.h"
#include "games/IndovinaParola.h"
#include "games/IntervalloLunghezze.h"
#include "games/RigaCaselle.h"

using namespace verbolario;

namespace {

using bench::Lista;

// A word of min..max characters drawn, set up as a game, and its row laid out in the
// design-size window.
template <Lista L, int Min, int Max> void BM_NuovaParola(benchmark::State& state) {
    const Voci* voci = L(state);
    if (!voci) return;
    auto caso = casualeDaOrologio();
    GetRange(*voci, Min, Max);
    IndovinaParola gioco;
    for (auto _ : state) {
        const std::optional<size_t> i = EstraiVoce(*voci, Min, Max, *caso);
        if (!i) {
            state.SkipWithError("nessuna voce nell'intervallo");
            return;
        }
        gioco.nuovaParola((*voci)[*i]);
        benchmark::DoNotOptimize(RigaCaselle::disponi(gioco.lunghezza(), 640, 467));
    }
}

template <Lista L, int Min, int Max> void BM_GetRange(benchmark::State& state) {
    const Voci* voci = L(state);
    if (!voci) return;
    GetRange(*voci, Min, Max);
    for (auto _ : state) benchmark::DoNotOptimize(GetRange(*voci, Min, Max));
}

template <Lista L> void BM_IndiceLunghezze(benchmark::State& state) {
    bench::misuraIndice(state, L, [](Voci& v) { return &v.derived<IndiceLunghezze>(); });
}

#define INDOVINA_BENCH(nome, ...)                                                                  \
    BENCHMARK(nome<bench::Incluso, __VA_ARGS__>)                                                   \
        ->Name(#nome "/" #__VA_ARGS__ "/incluso")                                                  \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK(nome<bench::Grande, __VA_ARGS__>)                                                    \
        ->Name(#nome "/" #__VA_ARGS__ "/grande")                                                   \
        ->Unit(benchmark::kMicrosecond)

INDOVINA_BENCH(BM_NuovaParola, 3, 30);
INDOVINA_BENCH(BM_NuovaParola, 20, 30);
INDOVINA_BENCH(BM_GetRange, 3, 30);
INDOVINA_BENCH(BM_GetRange, 7, 9);

BENCHMARK(BM_IndiceLunghezze<bench::Incluso>)
    ->Name("BM_Indice/IndiceLunghezze/incluso")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndiceLunghezze<bench::Grande>)
    ->Name("BM_Indice/IndiceLunghezze/grande")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
