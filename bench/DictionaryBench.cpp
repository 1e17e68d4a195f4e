// Dictionary upkeep on the bundled and the large list. Targets: letter analysis of the large
// file (~47 MB) in 0.1 s; the clean-up of the large list in 2 s.

#include "BenchFixture.h"

#include "dictionary/AnalisiLetterale.h"
#include "dictionary/EraseAccent.h"
#include "dictionary/OrdinaStringhe.h"
#include "dictionary/Ripulisci.h"
#include "dictionary/SaveDictionary.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <unistd.h>

using namespace verbolario;

namespace {

void BM_AnalisiLetteraleFileGrande(benchmark::State& state) {
    if (!bench::Grande(state)) return;
    const std::string path = bench::PercorsoGrande();
    NoPoll poll;
    for (auto _ : state) {
        StatisticheLettere s;
        AnalisiLetterale(path, s, poll);
        benchmark::DoNotOptimize(s.perc);
    }
}

template <const Voci* (*Lista)(benchmark::State&)>
void BM_AnalisiLetteraleVoci(benchmark::State& state) {
    const Voci* voci = Lista(state);
    if (!voci) return;
    NoPoll poll;
    for (auto _ : state) {
        StatisticheLettere s;
        AnalisiLetterale(*voci, s, poll);
        benchmark::DoNotOptimize(s.perc);
    }
}

// Runs f on a fresh copy of the list each time; the copy is not timed.
template <const Voci* (*Lista)(benchmark::State&), class F>
void SuCopia(benchmark::State& state, F f) {
    const Voci* voci = Lista(state);
    if (!voci) return;
    for (auto _ : state) {
        state.PauseTiming();
        Voci copia = *voci;
        state.ResumeTiming();
        f(copia);
        state.PauseTiming();
        copia.clear();
        state.ResumeTiming();
    }
    state.counters["voci"] = static_cast<double>(voci->size());
}

template <const Voci* (*Lista)(benchmark::State&)> void BM_Ripulisci(benchmark::State& state) {
    SuCopia<Lista>(state, [](Voci& v) {
        NoPoll poll;
        StatisticheLettere s;
        benchmark::DoNotOptimize(Ripulisci(v, s, poll).doppioni);
    });
}

template <const Voci* (*Lista)(benchmark::State&)> void BM_EraseAccent(benchmark::State& state) {
    SuCopia<Lista>(state, [](Voci& v) {
        NoPoll poll;
        benchmark::DoNotOptimize(EraseAccent(v, poll).vocali);
    });
}

// The order a hand-edited or merged list might come in.
template <const Voci* (*Lista)(benchmark::State&)>
void BM_OrdinaStringheMescolato(benchmark::State& state) {
    const Voci* voci = Lista(state);
    if (!voci) return;
    Voci mescolato = *voci;
    std::vector<Voci::Ref> originale = mescolato.refs();
    std::shuffle(originale.begin(), originale.end(), std::mt19937(1));
    NoPoll poll;
    for (auto _ : state) {
        state.PauseTiming();
        mescolato.replaceRefs(originale);
        state.ResumeTiming();
        OrdinaStringhe(mescolato, poll);
    }
}

template <const Voci* (*Lista)(benchmark::State&)> void BM_SaveDictionary(benchmark::State& state) {
    const std::string path = std::filesystem::temp_directory_path().string() +
                             "/verbolario-bench-" + std::to_string(getpid()) + ".dic";
    SuCopia<Lista>(state, [&path, &state](Voci& v) {
        NoPoll poll;
        EsitoSalvataggio e = SaveDictionary(v, path, poll);
        if (!e.ok) state.SkipWithError(e.errore.c_str());
    });
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

} // namespace

#define VERBOLARIO_BENCH_MS(...) BENCHMARK(__VA_ARGS__)->Unit(benchmark::kMillisecond)->MinTime(1.0)

VERBOLARIO_BENCH_MS(BM_AnalisiLetteraleFileGrande);
VERBOLARIO_BENCH_MS(BM_AnalisiLetteraleVoci<bench::Grande>);
VERBOLARIO_BENCH_MS(BM_Ripulisci<bench::Incluso>);
VERBOLARIO_BENCH_MS(BM_Ripulisci<bench::Grande>);
VERBOLARIO_BENCH_MS(BM_EraseAccent<bench::Incluso>);
VERBOLARIO_BENCH_MS(BM_EraseAccent<bench::Grande>);
VERBOLARIO_BENCH_MS(BM_OrdinaStringheMescolato<bench::Grande>);
VERBOLARIO_BENCH_MS(BM_SaveDictionary<bench::Incluso>);
VERBOLARIO_BENCH_MS(BM_SaveDictionary<bench::Grande>);
