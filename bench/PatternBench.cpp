// The crossword aid and its number-key variant on the bundled and the large list. Targets:
// a pattern of fixed length within 0.5 ms and any other within 10 ms on the large list, every
// pattern within 0.5 ms on the bundled one. The column index is measured apart
// (BM_IndiceModello copies the list, so every iteration builds afresh); the */piana rows time
// the plain pass taken before it exists.

#include "BenchFixture.h"

#include "search/IndiceModello.h"
#include "search/RicercaModello.h"

using namespace verbolario;

namespace {

using bench::Lista;

void cerca(benchmark::State& state, Lista lista, const char* testo, OpzioniModello opzioni) {
    bench::misura(state, lista, [testo, opzioni](auto& v, Poll& p) {
        return RicercaModello(testo, opzioni, v, p);
    });
}

template <Lista L> void BM_ModelloP__V_(benchmark::State& s) {
    cerca(s, L, "P??V?", {});
}
template <Lista L> void BM_ModelloCitt_(benchmark::State& s) {
    cerca(s, L, "?ITT\xC0", {});
}
template <Lista L> void BM_ModelloStellaOre(benchmark::State& s) {
    cerca(s, L, "*ORE", {});
}
template <Lista L> void BM_ModelloAm_Re(benchmark::State& s) {
    cerca(s, L, "AM*RE", {});
}
// No wildcard: *p*r*v*, more hits than the list holds on the large list.
template <Lista L> void BM_ModelloPrv(benchmark::State& s) {
    cerca(s, L, "PRV", {});
}
template <Lista L> void BM_ModelloLrt(benchmark::State& s) {
    cerca(s, L, "LRTSS", {});
}
// Number key: 12 with the key TNM is *t*n*, hits without m, one t and one n; filtered by
// consonant count and listed by length.
template <Lista L> void BM_Mnemos(benchmark::State& s) {
    cerca(s, L, "12", {true, "TNM", true, false, true});
}

template <Lista L> void BM_IndiceModello(benchmark::State& state) {
    bench::misuraIndice(state, L, [](Voci& v) { return &v.derived<IndiceModello>(); });
}

#define MODELLO_BENCH(nome)                                                                        \
    BENCHMARK(nome<bench::Incluso>)->Name(#nome "/incluso")->Unit(benchmark::kMicrosecond);        \
    BENCHMARK(nome<bench::Grande>)->Name(#nome "/grande")->Unit(benchmark::kMicrosecond)

MODELLO_BENCH(BM_ModelloP__V_);
MODELLO_BENCH(BM_ModelloCitt_);
MODELLO_BENCH(BM_ModelloStellaOre);
MODELLO_BENCH(BM_ModelloAm_Re);
MODELLO_BENCH(BM_ModelloPrv);
MODELLO_BENCH(BM_ModelloLrt);
MODELLO_BENCH(BM_Mnemos);

BENCHMARK(BM_IndiceModello<bench::Incluso>)
    ->Name("BM_IndiceModello/incluso")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndiceModello<bench::Grande>)
    ->Name("BM_IndiceModello/grande")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

const bool kPiane = [] {
    const std::pair<const char*, const char*> casi[] = {
        {"BM_ModelloP__V_/piana/grande", "P??V?"},
        {"BM_ModelloStellaOre/piana/grande", "*ORE"},
        {"BM_ModelloAm_Re/piana/grande", "AM*RE"},
        {"BM_ModelloPrv/piana/grande", "PRV"}};
    for (const auto& [nome, testo] : casi)
        bench::registraPiana(
            nome, [testo = testo](auto& v, Poll& p) { return RicercaModello(testo, {}, v, p); });
    bench::registraPiana("BM_Mnemos/piana/grande", [](auto& v, Poll& p) {
        return RicercaModello("12", {true, "TNM", true, false, true}, v, p);
    });
    return true;
}();

} // namespace
