// Loading the dictionary: the bundled list must load in about 15 ms, the 3.1-million-word
// list in about 0.3 s. A clean list keeps its lines where the file had them, so the loaded
// large list takes its file plus a reference per entry: about 1.55 times its file in memory.

#include "BenchFixture.h"

#include <fstream>
#include <malloc.h>
#include <string>

using namespace verbolario;

namespace {

void Carica(benchmark::State& state, const std::string& path, const Voci* presente) {
    if (!presente) return;
    NoPoll poll;
    for (auto _ : state) {
        Voci voci;
        EsitoCaricamento e = CaricaDizionario(path, voci, poll);
        if (!e.ok) state.SkipWithError(e.errore.c_str());
        benchmark::DoNotOptimize(voci.size());
        state.PauseTiming(); // freeing 3 million entries is not part of the load
        voci.clear();
        state.ResumeTiming();
    }
    state.counters["voci"] = static_cast<double>(presente->size());
}

void BM_CaricaIncluso(benchmark::State& state) {
    Carica(state, bench::PercorsoIncluso(), bench::Incluso(state));
}

void BM_CaricaGrande(benchmark::State& state) {
    Carica(state, bench::PercorsoGrande(), bench::Grande(state));
}

// Resident set size in bytes, from /proc/self/status.
int64_t VmRSS() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
    }
    return 0;
}

// What the loaded large list keeps resident, against the size of its file. Freed memory that
// malloc still holds is handed back first, so reused pages count as new ones. RSS is the
// growth right after the load; RSS_vivo the same once malloc has handed back what the load
// freed (scratch space the allocator kept resident for the next allocations).
void BM_MemoriaGrande(benchmark::State& state) {
    // Not through bench::Grande: run alone (--benchmark_filter=Memoria) this is the process's
    // first load, as at the program's start.
    const std::string path = bench::PercorsoGrande();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        state.SkipWithError(("manca " + path + " (eseguire bench/make-large-dictionary)").c_str());
        return;
    }
    NoPoll poll;
    int64_t aumento = 0;
    int64_t vivo = 0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        int64_t prima = VmRSS();
        state.ResumeTiming();
        Voci voci;
        CaricaDizionario(path, voci, poll);
        state.PauseTiming();
        aumento = VmRSS() - prima;
        malloc_trim(0);
        vivo = VmRSS() - prima;
        voci.clear();
        state.ResumeTiming();
    }
    auto file = static_cast<double>(std::filesystem::file_size(path, ec));
    state.counters["RSS"] = benchmark::Counter(
        static_cast<double>(aumento), benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
    state.counters["RSS_vivo"] = benchmark::Counter(
        static_cast<double>(vivo), benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
    state.counters["file"] =
        benchmark::Counter(file, benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
    state.counters["RSS_su_file"] = file > 0 ? static_cast<double>(aumento) / file : 0;
    state.counters["vivo_su_file"] = file > 0 ? static_cast<double>(vivo) / file : 0;
}

} // namespace

BENCHMARK(BM_CaricaIncluso)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CaricaGrande)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MemoriaGrande)->Unit(benchmark::kMillisecond)->Iterations(1);
