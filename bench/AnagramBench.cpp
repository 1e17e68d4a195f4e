// The anagram searches and the letter game's solution, on the bundled and the large list.
// Targets: one search within 10 ms on the large list and 0.5 ms on the bundled one; all the
// anagram groups within 1 s and 50 ms. The index the searches share (one per phrase setting)
// is measured apart; the */piana rows time the plain pass taken before it exists.

#include "BenchFixture.h"

#include "search/Anagrammi.h"
#include "search/IndiceAnagrammi.h"
#include "search/SoluzioneParolando.h"

using namespace verbolario;

namespace {

using bench::Lista;
using bench::misura;

template <Lista L, int Sottomodo, bool Scarti>
void anagrammi(benchmark::State& s, const char* testo) {
    misura(s, L, [testo](auto& v, Poll& p) {
        OpzioniAnagrammi o;
        o.scarti = Scarti;
        return Anagrammi(Sottomodo, testo, o, v, p);
    });
}

template <Lista L> void BM_AnagrammiTrapelare(benchmark::State& s) {
    anagrammi<L, kCompleti, false>(s, "trapelare");
}
template <Lista L, bool Scarti> void BM_ParzialiAeirstonl(benchmark::State& s) {
    anagrammi<L, kParziali, Scarti>(s, "aeirstonl");
}
template <Lista L, bool Scarti> void BM_ContenitoriTrapel(benchmark::State& s) {
    anagrammi<L, kContenitori, Scarti>(s, "trapel");
}
template <Lista L> void BM_ContenitoriQzu(benchmark::State& s) {
    anagrammi<L, kContenitori, false>(s, "qzu");
}
template <Lista L> void BM_TuttiAnagrammi(benchmark::State& s) {
    anagrammi<L, kTutti, false>(s, "");
}
// The end of a round with 10 letters drawn. With a word typed the list holds folded words
// and the word is looked up in it.
template <Lista L, bool Scritta> void BM_Parolando(benchmark::State& s) {
    misura(s, L, [](auto& v, Poll& p) {
        return SoluzioneParolando("A E I R S T O N L C ", Scritta ? "santo" : "", v, p);
    });
}

template <Lista L, bool Frasi> void BM_IndiceAnagrammi(benchmark::State& state) {
    bench::misuraIndice(state, L, [](Voci& v) { return &IndiceAnagrammi::di(v, Frasi); });
}

#define ANAGRAM_BENCH(nome, ...)                                                                   \
    BENCHMARK(nome<bench::Incluso __VA_OPT__(, ) __VA_ARGS__>)                                     \
        ->Name(#nome "/incluso" __VA_OPT__("/" #__VA_ARGS__))                                      \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK(nome<bench::Grande __VA_OPT__(, ) __VA_ARGS__>)                                      \
        ->Name(#nome "/grande" __VA_OPT__("/" #__VA_ARGS__))                                       \
        ->Unit(benchmark::kMicrosecond)

ANAGRAM_BENCH(BM_AnagrammiTrapelare);
ANAGRAM_BENCH(BM_ParzialiAeirstonl, false);
ANAGRAM_BENCH(BM_ParzialiAeirstonl, true);
ANAGRAM_BENCH(BM_ContenitoriTrapel, false);
ANAGRAM_BENCH(BM_ContenitoriTrapel, true);
ANAGRAM_BENCH(BM_ContenitoriQzu);
ANAGRAM_BENCH(BM_TuttiAnagrammi);

ANAGRAM_BENCH(BM_Parolando, false);
ANAGRAM_BENCH(BM_Parolando, true);

#define ANAGRAM_INDICE(frasi)                                                                      \
    BENCHMARK(BM_IndiceAnagrammi<bench::Incluso, frasi>)                                           \
        ->Name("BM_IndiceAnagrammi/incluso/frasi:" #frasi)                                         \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK(BM_IndiceAnagrammi<bench::Grande, frasi>)                                            \
        ->Name("BM_IndiceAnagrammi/grande/frasi:" #frasi)                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(3)

ANAGRAM_INDICE(false);
ANAGRAM_INDICE(true);

template <int Sottomodo> void piana(const char* nome, const char* testo) {
    bench::registraPiana(nome, [testo](auto& v, Poll& p) {
        return Anagrammi(Sottomodo, testo, OpzioniAnagrammi{}, v, p);
    });
}

const bool kPiane = [] {
    piana<kCompleti>("BM_AnagrammiTrapelare/piana/grande", "trapelare");
    piana<kParziali>("BM_ParzialiAeirstonl/piana/grande", "aeirstonl");
    piana<kContenitori>("BM_ContenitoriTrapel/piana/grande", "trapel");
    piana<kContenitori>("BM_ContenitoriQzu/piana/grande", "qzu");
    bench::registraPiana("BM_Parolando/piana/grande", [](auto& v, Poll& p) {
        return SoluzioneParolando("A E I R S T O N L ", "", v, p);
    });
    return true;
}();

} // namespace
