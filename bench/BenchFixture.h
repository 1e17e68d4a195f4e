#pragma once

// Shared ground for every benchmark file (bench/<Area>Bench.cpp, all linked into one
// verbolario_bench with benchmark_main). Two word lists:
//   - the bundled dictionary, bin/dizionario.dic of the build (~117,000 words);
//   - the large list, ~3.1 million inflected forms made by bench/make-large-dictionary and
//     cached outside the source tree; VERBOLARIO_GRANDE overrides its path. `make bench`
//     makes it before running.
// Each list is loaded once per process and shared read-only by every benchmark that asks for
// it. A benchmark that needs a list begins with
//
//     const Voci* voci = bench::Grande(state); // or bench::Incluso(state)
//     if (!voci) return;                        // skipped, with the reason in the report
//     for (auto _ : state) { ... }
//
// Benchmarks that change a list work on their own copy (Voci copies are cheap next to a load).

#include "Poll.h"
#include "dictionary/CaricaDizionario.h"
#include "dictionary/Voci.h"
#include "dictionary/VociInMemoria.h"
#include "search/Indici.h"
#include "search/RisultatoRicerca.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace verbolario::bench {

inline std::string PercorsoIncluso() {
    return VERBOLARIO_DIZIONARIO_INCLUSO;
}

inline std::string PercorsoGrande() {
    if (const char* p = std::getenv("VERBOLARIO_GRANDE"); p && *p) return p;
    std::string cache;
    if (const char* x = std::getenv("XDG_CACHE_HOME"); x && *x)
        cache = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        cache = std::string(h) + "/.cache";
    else
        cache = ".cache";
    return cache + "/verbolario/grande.dic";
}

// Loads a list once; nothing when the file is missing or fails to load.
inline std::optional<Voci> CaricaUnaVolta(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    Voci voci;
    NoPoll poll;
    if (!CaricaDizionario(path, voci, poll).ok) return std::nullopt;
    return voci;
}

inline const Voci* Richiedi(benchmark::State& state, const std::optional<Voci>& voci,
                            const std::string& path, const char* rimedio) {
    if (voci) return &*voci;
    std::string msg = "manca " + path + " (" + rimedio + ")";
    state.SkipWithError(msg.c_str());
    return nullptr;
}

inline const Voci* Incluso(benchmark::State& state) {
    static const std::optional<Voci> voci = CaricaUnaVolta(PercorsoIncluso());
    return Richiedi(state, voci, PercorsoIncluso(), "compilare il target dizionario");
}

inline const Voci* Grande(benchmark::State& state) {
    static const std::optional<Voci> voci = CaricaUnaVolta(PercorsoGrande());
    return Richiedi(state, voci, PercorsoGrande(), "eseguire bench/make-large-dictionary");
}

using Lista = const Voci* (*)(benchmark::State&);

// Times one search on a list with every index built (the searches answer from them once they
// exist). Reports the number of lines the search lists as the counter "righe".
template <class Ricerca> void misura(benchmark::State& state, Lista lista, Ricerca ricerca) {
    const Voci* voci = lista(state);
    if (!voci) return;
    for (Indice i : kIndici) CostruisciIndice(*voci, i);
    NoPoll poll;
    ricerca(*voci, poll);
    size_t righe = 0;
    for (auto _ : state) {
        RisultatoRicerca r = ricerca(*voci, poll);
        righe = r.righe.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["righe"] = static_cast<double>(righe);
}

// Times the same search before any index exists: one plain pass over the list in memory, as
// the window answers until the index is built.
template <class Ricerca> void misuraPiana(benchmark::State& state, Lista lista, Ricerca ricerca) {
    const Voci* voci = lista(state);
    if (!voci) return;
    VociInMemoria fonte(*voci);
    NoPoll poll;
    size_t righe = 0;
    for (auto _ : state) {
        RisultatoRicerca r = ricerca(static_cast<FonteVoci&>(fonte), poll);
        righe = r.righe.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["righe"] = static_cast<double>(righe);
}

// Registers, for the large list, the plain pass of a search (see misuraPiana) under a name
// of its own. ricerca takes the list in memory or any source of entries.
template <class Ricerca> void registraPiana(const std::string& nome, Ricerca ricerca) {
    benchmark::RegisterBenchmark(nome.c_str(), [ricerca](benchmark::State& s) {
        misuraPiana(s, Grande, ricerca);
    })->Unit(benchmark::kMillisecond);
}

// Times building an index over a fresh copy of a list (costruisci(Voci&) returns a pointer
// to it), so every iteration starts without a cached one.
template <class Costruisci>
void misuraIndice(benchmark::State& state, Lista lista, Costruisci costruisci) {
    const Voci* voci = lista(state);
    if (!voci) return;
    for (auto _ : state) {
        state.PauseTiming();
        Voci copia = *voci;
        state.ResumeTiming();
        benchmark::DoNotOptimize(costruisci(copia));
        state.PauseTiming();
        copia.clear();
        state.ResumeTiming();
    }
}

} // namespace verbolario::bench
