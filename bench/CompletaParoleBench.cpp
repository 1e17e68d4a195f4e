// Preparing a round of the timed game, on the bundled and the large list, for 2, 3 and 4
// missing letters and longest words of 6, 10 and 16 letters. Targets: 50 ms a round on the
// bundled list, 200 ms on the large one. Every iteration prepares a new round (the random
// source goes on), so the time is an average over rounds; "peggiore_ms" is the slowest one.
// The suitable-entries index is built when the mode is chosen; BM_IndiceVociAdatte measures
// it apart.

#include "BenchFixture.h"

#include "games/Casuale.h"
#include "games/PreparaSfida.h"
#include "games/VociAdatte.h"

#include <chrono>

using namespace verbolario;

namespace {

template <bench::Lista L> void BM_PreparaSfida(benchmark::State& state) {
    const Voci* voci = L(state);
    if (!voci) return;
    const int k = static_cast<int>(state.range(0));
    const int l = static_cast<int>(state.range(1));
    voci->derived<VociAdatte>();
    const auto caso = casualeDaSeme(20240611);
    NoPoll poll;
    double peggiore = 0;
    int64_t non = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        Preparazione p = PreparaSfida(*voci, k, l, *caso, poll);
        const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - t0;
        peggiore = std::max(peggiore, ms.count());
        if (p.esito != EsitoSfida::Pronta) ++non;
        benchmark::DoNotOptimize(p);
    }
    state.counters["peggiore_ms"] = peggiore;
    state.counters["senza_partita"] = static_cast<double>(non);
}

void argomenti(benchmark::internal::Benchmark* b) {
    for (int k : {2, 3, 4})
        for (int l : {6, 10, 16}) b->Args({k, l});
    b->ArgNames({"K", "L"})->Unit(benchmark::kMillisecond);
}

template <bench::Lista L> void BM_IndiceVociAdatte(benchmark::State& state) {
    bench::misuraIndice(state, L, [](Voci& v) { return &v.derived<VociAdatte>(); });
}

BENCHMARK(BM_PreparaSfida<bench::Incluso>)->Name("BM_PreparaSfida/incluso")->Apply(argomenti);
BENCHMARK(BM_PreparaSfida<bench::Grande>)->Name("BM_PreparaSfida/grande")->Apply(argomenti);
BENCHMARK(BM_IndiceVociAdatte<bench::Incluso>)
    ->Name("BM_IndiceVociAdatte/incluso")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndiceVociAdatte<bench::Grande>)
    ->Name("BM_IndiceVociAdatte/grande")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
