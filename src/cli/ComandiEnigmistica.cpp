#include "Cli.h"
#include "Comandi.h"
#include "TestoDigitato.h"
#include "Uscita.h"

#include "dictionary/Voci.h"
#include "search/Relazioni.h"

namespace verbolario::cli {

int comandoEnigmistica(Contesto& ctx) {
    const Argomenti& a = ctx.arg;
    const DescrizioneRelazione* d = TrovaRelazione(a.comando);
    if (!d) return kUsage;
    // A phrase typed as several arguments is one text, its words separated by blanks.
    std::string testo;
    for (const std::string& t : a.testi) {
        if (!testo.empty()) testo += ' ';
        testo += digitaTesto(t, false);
    }
    OpzioniRelazione opzioni;
    opzioni.tre = a.tre;
    opzioni.frasi.parole = a.parole.value_or(opzioni.frasi.parole);
    opzioni.frasi.minimo = a.minimo.value_or(opzioni.frasi.minimo);
    Voci voci;
    if (!caricaVoci(ctx, voci)) return kLoadFailed;
    return mostra(CercaRelazione(d->relazione, testo, opzioni, voci, ctx.poll), ctx.out, ctx.err);
}

} // namespace verbolario::cli
