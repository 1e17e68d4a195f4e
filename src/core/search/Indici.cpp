#include "search/Indici.h"

#include "search/IndiceAnagrammi.h"
#include "search/IndiceModello.h"
#include "search/IndicePalindromi.h"
#include "search/IndiceParole.h"
#include "search/IndiceRime.h"
#include "search/IndiceSfoglia.h"

namespace verbolario {
namespace {

// Calls f with a value of the index's type.
template <class F> auto perTipo(Indice quale, F f) {
    switch (quale) {
    case Indice::Modello:
        return f(static_cast<const IndiceModello*>(nullptr));
    case Indice::Rime:
        return f(static_cast<const IndiceRime*>(nullptr));
    case Indice::Palindromi:
        return f(static_cast<const IndicePalindromi*>(nullptr));
    case Indice::Sfoglia:
        return f(static_cast<const IndiceSfoglia*>(nullptr));
    case Indice::AnagrammiParole:
        return f(static_cast<const IndiceAnagrammiPer<false>*>(nullptr));
    case Indice::Parole:
        return f(static_cast<const OrdiniParole*>(nullptr));
    case Indice::AnagrammiFrasi:
        break;
    }
    return f(static_cast<const IndiceAnagrammiPer<true>*>(nullptr));
}

// The index that serves for quale on this dictionary (the phrase setting may not matter).
Indice effettivo(const Voci& voci, Indice quale) {
    if (quale == Indice::AnagrammiFrasi && !IndiceAnagrammi::frasiDistinte(voci))
        return Indice::AnagrammiParole;
    return quale;
}

} // namespace

bool IndicePronto(const Voci& voci, Indice quale) {
    return perTipo(effettivo(voci, quale),
                   [&voci]<class T>(const T*) { return voci.cached<T>() != nullptr; });
}

void CostruisciIndice(const Voci& voci, Indice quale) {
    perTipo(effettivo(voci, quale), [&voci]<class T>(const T*) { (void)voci.derived<T>(); });
}

std::function<void(const Voci&)> CostruisciAParte(const Voci& voci, Indice quale) {
    // Along with the index goes whatever it was built on (one index may keep and share another).
    CostruisciIndice(voci, quale);
    return
        [fatti = voci.derivati()](const Voci& destinazione) { destinazione.adoptDerived(fatti); };
}

} // namespace verbolario
