#include "search/SoluzioneParolando.h"

#include "search/Arrangia.h"
#include "search/CercaPartAnagrammi.h"
#include "search/Ordinamento.h"
#include "search/Spazi.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace verbolario {
namespace {

int64_t trovaSenzaMaiuscole(const std::vector<std::string>& righe, std::string_view cercata) {
    const std::string chiave = cp1252::lowered(cercata);
    for (size_t k = 0; k < righe.size(); ++k)
        if (cp1252::lowered(righe[k]) == chiave) return static_cast<int64_t>(k);
    return -1;
}

std::string verdetto(const std::vector<std::string>& righe) {
    if (righe.empty()) return "Nessuna parola ricavabile dal dizionario in uso.";
    return std::to_string(righe.size()) + " parole trovate, la pi\xF9 lunga delle quali con " +
           std::to_string(righe.front().size()) + " lettere.";
}

template <class Fonte>
RisultatoRicerca soluzione(std::string_view lettereEstratte, std::string_view scrittaText1,
                           Fonte& voci, Poll& poll, bool frasi) {
    RisultatoRicerca r;
    if (!lettereSufficienti(lettereEstratte)) {
        r.stato = kTroppePocheLettere;
        return r;
    }
    const std::string lettere = Arrangia(cp1252::lowered(lettereEstratte));
    const ModoParziali modo{scrittaText1.empty(), false, frasi};
    std::vector<std::string> trovate;
    const EsitoConteggio esito = CercaPartAnagrammi(lettere, modo, voci, poll, trovate);
    r.interrotto = esito.interrotto;
    // The hits pass through the alphabetical list before being ordered by length. After a
    // stop the words found are still ordered as promised.
    OrdinaAlfabetico(trovate);
    NoPoll finoInFondo;
    r.righe = OrdinaPerLunghezza(std::move(trovate), true, esito.interrotto ? finoInFondo : poll);

    r.stato = verdetto(r.righe);
    if (!scrittaText1.empty()) {
        r.selezionato = trovaSenzaMaiuscole(r.righe, trimSpazi(scrittaText1));
        r.stato += "\r\n\r\n";
        if (r.selezionato >= 0)
            r.stato += "   Anche tu ne hai trovata una, di " + std::to_string(scrittaText1.size()) +
                       " lettere.";
        else
            r.stato += "   Se sei certo di aver trovato una parola valida la puoi inserire nel "
                       "dizionario.";
    }
    return r;
}

} // namespace

RisultatoRicerca SoluzioneParolando(std::string_view lettereEstratte, std::string_view scrittaText1,
                                    const Voci& voci, Poll& poll, bool frasi) {
    return soluzione(lettereEstratte, scrittaText1, voci, poll, frasi);
}

RisultatoRicerca SoluzioneParolando(std::string_view lettereEstratte, std::string_view scrittaText1,
                                    FonteVoci& fonte, Poll& poll, bool frasi) {
    return soluzione(lettereEstratte, scrittaText1, fonte, poll, frasi);
}

} // namespace verbolario
