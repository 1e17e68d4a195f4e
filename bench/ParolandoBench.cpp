// The letter game's steps that run on a click or a key: a draw and the check of the typed
// word. Target: far under a frame (16 ms) with any letter pool.

#include "BenchFixture.h"

#include "dictionary/AnalisiLetterale.h"
#include "games/Parolando.h"

#include <string>

using namespace verbolario;

namespace {

// Cheap and repeatable; the draws' quality does not matter here.
class CasualeFisso final : public Casuale {
public:
    double prossimo() override {
        stato_ = stato_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(stato_ >> 11) / 9007199254740992.0;
    }

private:
    uint64_t stato_ = 1;
};

// Whole games of 30 alternating draws; the time reported is per draw.
void estrazioni(benchmark::State& state, const std::string& pool, bool distributiva) {
    Parolando g;
    g.setDistributiva(distributiva);
    CasualeFisso r;
    for (auto _ : state) {
        for (int i = 0; i < kMassimoLettere; ++i)
            benchmark::DoNotOptimize(
                g.estrai(i % 2 ? TipoLettera::Consonante : TipoLettera::Vocale, pool, r));
        g.nuovaPartita();
    }
    state.SetItemsProcessed(state.iterations() * kMassimoLettere);
}

void BM_ParolandoEstrazione(benchmark::State& state) {
    const Voci* voci = bench::Incluso(state);
    if (!voci) return;
    StatisticheLettere stat;
    NoPoll poll;
    AnalisiLetterale(*voci, stat, poll);
    estrazioni(state, stat.stringaLettere, state.range(0) != 0);
}

// A stored pool written by hand can be of any length: a megabyte of one vowel and one
// consonant, the vowel always the previous pick.
void BM_ParolandoEstrazionePoolEnorme(benchmark::State& state) {
    estrazioni(state, std::string(1 << 20, 'A') + "B", true);
}

// The check of a typed word, worst case: 30 letters drawn, 30 typed, the last ones refused.
void BM_ParolandoControllo(benchmark::State& state) {
    Parolando g;
    CasualeFisso r;
    for (int i = 0; i < kMassimoLettere; ++i)
        g.estrai(i % 2 ? TipoLettera::Consonante : TipoLettera::Vocale, "", r);
    std::string scritta;
    for (size_t i = 0; i < g.lettereEstratte().size(); i += 2)
        scritta += static_cast<char>(g.lettereEstratte()[i] - 'A' + 'a');
    scritta.replace(25, 5, "\xE0\xE0\xE0\xE0\xE0");
    for (auto _ : state) benchmark::DoNotOptimize(g.controlla(scritta));
}

} // namespace

BENCHMARK(BM_ParolandoEstrazione)->Arg(0)->Arg(1)->ArgName("distributiva");
BENCHMARK(BM_ParolandoEstrazionePoolEnorme)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParolandoControllo);
