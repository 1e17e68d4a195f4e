#include "search/Relazioni.h"

#include "dictionary/CaricaDizionario.h"
#include "dictionary/VociInMemoria.h"
#include "search/IndiceParole.h"

#include "search/CercaAntipodi.h"
#include "search/CercaBifronti.h"
#include "search/CercaCambi.h"
#include "search/CercaIncastri.h"
#include "search/CercaLucchetti.h"
#include "search/CercaScarti.h"
#include "search/CercaSciarade.h"
#include "search/CercaSpostamenti.h"
#include "search/CercaZeppe.h"

#include <array>

namespace verbolario {
namespace {

using R = Relazione;

// clang-format off
constexpr std::array kTabella{
    DescrizioneRelazione{R::Zeppa, "zeppa", "Zeppa",
        "Le parole che si ottengono inserendo una lettera nella parola scritta (cane: carne)."},
    DescrizioneRelazione{R::Scarto, "scarto", "Scarto",
        "Le parole che si ottengono togliendo una lettera alla parola scritta (carro: caro)."},
    DescrizioneRelazione{R::Cambio, "cambio", "Cambio",
        "Le parole lunghe come quella scritta che ne differiscono per una sola lettera "
        "(cane: pane)."},
    DescrizioneRelazione{R::Spostamento, "spostamento", "Spostamento",
        "Le parole che si ottengono spostando una lettera della parola scritta (arpa: rapa)."},
    DescrizioneRelazione{R::Sciarada, "sciarada", "Sciarada",
        "I modi di dividere la parola scritta in due parole (portafoglio: porta foglio), "
        "o in tre con \"Tre parti\"."},
    DescrizioneRelazione{R::Incastro, "incastro", "Incastro",
        "I modi di formare la parola scritta mettendo una parola dentro un'altra "
        "(pastore: pa(sto)re)."},
    DescrizioneRelazione{R::Lucchetto, "lucchetto", "Lucchetto",
        "Le coppie di parole che, tolta la parte comune, danno la parola scritta "
        "(calo: capo polo)."},
    DescrizioneRelazione{R::Bifronte, "bifronte", "Bifronte",
        "La parola che si legge rovesciando quella scritta (arpa: apra); con la casella "
        "vuota tutte le coppie del dizionario."},
    DescrizioneRelazione{R::Antipodo, "antipodo", "Antipodo",
        "La parola che si ottiene portando la prima lettera in fondo o l'ultima in testa "
        "(ramo: amor)."},
    DescrizioneRelazione{R::Frase, "frase", "Anagramma di frase",
        "Le frasi di una o pi\xF9 parole che usano esattamente le lettere del testo scritto."},
};
// clang-format on

} // namespace

std::span<const DescrizioneRelazione> TabellaRelazioni() {
    return kTabella;
}

const DescrizioneRelazione* TrovaRelazione(std::string_view comando) {
    for (const DescrizioneRelazione& d : kTabella)
        if (d.comando == comando) return &d;
    return nullptr;
}

std::string ParolaDellaRiga(std::string_view riga) {
    std::string t(SoloTermine(riga));
    std::erase(t, '(');
    std::erase(t, ')');
    return t.substr(0, t.find(' '));
}

RisultatoRicerca CercaRelazione(Relazione r, std::string_view testo,
                                const OpzioniRelazione& opzioni, const Voci& voci, Poll& poll) {
    if (!voci.cached<OrdiniParole>()) {
        VociInMemoria fonte(voci);
        return CercaRelazione(r, testo, opzioni, fonte, poll);
    }
    switch (r) {
    case R::Zeppa:
        return CercaZeppe(testo, voci);
    case R::Scarto:
        return CercaScarti(testo, voci);
    case R::Cambio:
        return CercaCambi(testo, voci);
    case R::Spostamento:
        return CercaSpostamenti(testo, voci);
    case R::Sciarada:
        return CercaSciarade(testo, opzioni.tre, voci);
    case R::Incastro:
        return CercaIncastri(testo, voci);
    case R::Lucchetto:
        return CercaLucchetti(testo, voci, poll);
    case R::Bifronte:
        return CercaBifronti(testo, voci, poll);
    case R::Antipodo:
        return CercaAntipodi(testo, voci);
    case R::Frase:
        return CercaFrasi(testo, opzioni.frasi, voci, poll);
    }
    return {};
}

RisultatoRicerca CercaRelazione(Relazione r, std::string_view testo,
                                const OpzioniRelazione& opzioni, FonteVoci& fonte, Poll& poll) {
    switch (r) {
    case R::Zeppa:
        return CercaZeppe(testo, fonte, poll);
    case R::Scarto:
        return CercaScarti(testo, fonte, poll);
    case R::Cambio:
        return CercaCambi(testo, fonte, poll);
    case R::Spostamento:
        return CercaSpostamenti(testo, fonte, poll);
    case R::Sciarada:
        return CercaSciarade(testo, opzioni.tre, fonte, poll);
    case R::Incastro:
        return CercaIncastri(testo, fonte, poll);
    case R::Lucchetto:
        return CercaLucchetti(testo, fonte, poll);
    case R::Bifronte:
        return CercaBifronti(testo, fonte, poll);
    case R::Antipodo:
        return CercaAntipodi(testo, fonte, poll);
    case R::Frase:
        return CercaFrasi(testo, opzioni.frasi, fonte, poll);
    }
    return {};
}

} // namespace verbolario
