// The word-play relations on the bundled and the large list. Targets on the large list, once
// the word orders exist: every relation under 10 ms except the phrase anagrams and the
// lucchetto (under 50 ms), every bifronte pair of the dictionary under 1 s. The phrase
// anagrams list their first 1,000 phrases of a 12-letter text under 1 s on the bundled list.
// The orders themselves are built on first use; their cost is measured apart. The
// */piana/grande rows time each relation's plain pass over the large list, as the window
// answers before the orders exist (the command line reads the file the same way).

#include "BenchFixture.h"

#include "search/IndiceParole.h"
#include "search/Relazioni.h"

using namespace verbolario;

namespace {

using bench::Lista;
using bench::misura;

template <Lista L> void BM_FrasePrimeMille(benchmark::State& s) {
    OpzioniRelazione o;
    o.frasi.limite = 1000;
    misura(s, L, [&o](const Voci& v, Poll& p) {
        return CercaRelazione(Relazione::Frase, "ancora tre ore", o, v, p);
    });
}

// One order at a time (the store builds both together, OrdiniParole).
template <Lista L, bool Rovescio> void BM_IndiceParole(benchmark::State& state) {
    bench::misuraIndice(state, L, [](Voci& v) { return IndiceParole(v, Rovescio).size(); });
}

struct Caso {
    const char* nome;
    Relazione relazione;
    const char* testo;
    bool tre = false;

    RisultatoRicerca cerca(auto& voci, Poll& poll) const {
        OpzioniRelazione o;
        o.tre = tre;
        return CercaRelazione(relazione, testo, o, voci, poll);
    }
};

constexpr Caso kCasi[] = {
    {"Zeppa", Relazione::Zeppa, "cane"},
    {"ZeppaAccento", Relazione::Zeppa, "citt\xE0"},
    {"Scarto", Relazione::Scarto, "carro"},
    {"Cambio", Relazione::Cambio, "cane"},
    {"CambioLunga", Relazione::Cambio, "precipitevolissimevolmente"},
    {"Spostamento", Relazione::Spostamento, "arpa"},
    {"SpostamentoLunga", Relazione::Spostamento, "precipitevolissimevolmente"},
    {"Sciarada", Relazione::Sciarada, "portafoglio"},
    {"SciaradaTre", Relazione::Sciarada, "capostazione", true},
    {"Incastro", Relazione::Incastro, "pastore"},
    {"Lucchetto", Relazione::Lucchetto, "calo"},
    {"LucchettoLunga", Relazione::Lucchetto, "cantastorie"},
    {"LucchettoDueLettere", Relazione::Lucchetto, "ae"},
    {"Bifronte", Relazione::Bifronte, "arpa"},
    {"BifronteTutte", Relazione::Bifronte, ""},
    {"Antipodo", Relazione::Antipodo, "ramo"},
    {"FraseAncoraTre", Relazione::Frase, "ancora tre"},
};

const bool registrate = [] {
    for (const Caso& c : kCasi)
        bench::registraPiana(std::string("BM_") + c.nome + "/piana/grande",
                             [c](auto& v, Poll& p) { return c.cerca(v, p); });
    for (const Caso& c : kCasi)
        for (auto [lista, nome] :
             {std::pair{&bench::Incluso, "/incluso"}, std::pair{&bench::Grande, "/grande"}})
            benchmark::RegisterBenchmark(
                (std::string("BM_") + c.nome + nome).c_str(),
                [c, lista](benchmark::State& s) {
                    misura(s, lista, [c](const Voci& v, Poll& p) { return c.cerca(v, p); });
                })
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

BENCHMARK(BM_FrasePrimeMille<bench::Incluso>)
    ->Name("BM_FrasePrimeMille/incluso")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndiceParole<bench::Incluso, false>)
    ->Name("BM_Indice/IndiceParole/diritto/incluso")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndiceParole<bench::Grande, false>)
    ->Name("BM_Indice/IndiceParole/diritto/grande")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_IndiceParole<bench::Incluso, true>)
    ->Name("BM_Indice/IndiceParole/rovescio/incluso")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndiceParole<bench::Grande, true>)
    ->Name("BM_Indice/IndiceParole/rovescio/grande")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
