#include "dictionary/EraseAccent.h"

#include "dictionary/CaricaDizionario.h"
#include "dictionary/EliminaDoppi.h"
#include "dictionary/OrdinaStringhe.h"
#include "text/Accenti.h"

namespace verbolario {

EsitoEraseAccent EraseAccent(Voci& voci, Poll& poll,
                             const std::function<void(std::string_view)>& fase) {
    EsitoEraseAccent e;
    Voci nuovo;
    size_t byte = 0;
    for (const Voci::Ref& r : voci.refs()) byte += r.len;
    nuovo.reserve(voci.size(), byte);
    const size_t n = voci.size();
    std::string piegata;
    for (size_t i = 0; i < n; ++i) {
        if ((i & 0x3FFF) == 0) {
            if (poll.stop()) return {true, 0, 0};
            poll.progress(static_cast<int64_t>(i), static_cast<int64_t>(n));
        }
        std::string_view v = voci[i];
        if (!accenti::haAccenti(v)) {
            nuovo.append(v);
            continue;
        }
        std::string_view termine = SoloTermine(v);
        piegata = accenti::NoAcc(termine, true, e.vocali);
        piegata.append(v.substr(termine.size()));
        nuovo.append(piegata);
    }
    if (fase) fase(kFaseRiordinoAccenti);
    if (!OrdinaStringhe(nuovo, poll)) return {true, 0, 0};
    e.doppioni = CleanArray(nuovo);
    voci = std::move(nuovo);
    return e;
}

std::string rapportoEraseAccent(const EsitoEraseAccent& esito) {
    return "Eliminato accenti [ " + std::to_string(esito.vocali) +
           " ] dal dizionario in uso.\r\nEliminato doppioni [ " + std::to_string(esito.doppioni) +
           " ] risultanti dal riordino.";
}

} // namespace verbolario
