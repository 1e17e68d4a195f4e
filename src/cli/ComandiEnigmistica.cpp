#include "Cli.h"
#include "Comandi.h"
#include "TestoDigitato.h"
#include "Uscita.h"

#include "dictionary/FlussoDizionario.h"
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
    // Read as it goes: each relation keeps only the words that can take part in it.
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    return mostraLetto(ctx, *fonte, CercaRelazione(d->relazione, testo, opzioni, *fonte, ctx.poll));
}

} // namespace verbolario::cli
