#include "Cli.h"
#include "Comandi.h"
#include "TestoDigitato.h"
#include "Uscita.h"

#include "dictionary/FlussoDizionario.h"
#include "dictionary/Voci.h"
#include "search/Anagrammi.h"
#include "search/CercaPalindromi.h"
#include "search/CercaScambi.h"
#include "search/RicercaModello.h"
#include "search/SoluzioneParolando.h"
#include "search/TrovaRima.h"

#include <ostream>

namespace verbolario::cli {

int comandoRime(Contesto& ctx) {
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    const std::string testo = digitaTesto(ctx.arg.testi.at(0), false);
    return mostraLetto(ctx, *fonte, TrovaRima(testo, *fonte, ctx.poll));
}

int comandoAnagrammi(Contesto& ctx) {
    const Argomenti& a = ctx.arg;
    int sottomodo = kCompleti;
    if (a.comando == "tutti") sottomodo = kTutti;
    if (a.comando == "parziali") sottomodo = kParziali;
    if (a.comando == "contenitori") sottomodo = kContenitori;
    OpzioniAnagrammi opzioni;
    opzioni.frasi = a.frasi;
    opzioni.scarti = a.scarti;
    opzioni.escludi = digitaChiave(a.escludi.value_or(""));
    // Digits stand for letters of the exclusion box only in the container search, and only
    // once that box holds something.
    const bool cifre = sottomodo == kContenitori && !opzioni.escludi.empty();
    const std::string testo = a.testi.empty() ? "" : digitaTesto(a.testi[0], cifre);
    if (sottomodo == kTutti) {
        // Every group needs the whole dictionary at hand, and its index.
        Voci voci;
        if (!caricaVoci(ctx, voci)) return kLoadFailed;
        return mostra(Anagrammi(sottomodo, testo, opzioni, voci, ctx.poll), ctx.out, ctx.err);
    }
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    return mostraLetto(ctx, *fonte, Anagrammi(sottomodo, testo, opzioni, *fonte, ctx.poll));
}

int comandoPalindromi(Contesto& ctx) {
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    const std::string testo = ctx.arg.testi.empty() ? "" : digitaTesto(ctx.arg.testi[0], false);
    return mostraLetto(ctx, *fonte, CercaPalindromi(testo, *fonte, ctx.poll));
}

int comandoScambi(Contesto& ctx) {
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    const std::string testo = digitaTesto(ctx.arg.testi.at(0), false);
    const int tipo = ctx.arg.vocali ? 0 : 1;
    return mostraLetto(ctx, *fonte, CercaScambi(tipo, testo, ctx.arg.tutte, *fonte, ctx.poll));
}

int comandoCruci(Contesto& ctx) {
    const Argomenti& a = ctx.arg;
    OpzioniModello opzioni;
    if (a.comando == "mnemos") {
        opzioni.mnemos = true;
        opzioni.chiave = digitaChiave(a.chiave.value_or(""));
        opzioni.filtro = !a.senzaFiltro;
        opzioni.doppie = a.doppie;
        opzioni.ordine = !a.senzaOrdine;
    }
    opzioni.senzaLimite = a.senzaLimite;
    const std::string testo = digitaModello(a.testi.at(0), !opzioni.chiave.empty());
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    return mostraLetto(ctx, *fonte, RicercaModello(testo, opzioni, *fonte, ctx.poll));
}

int comandoParolando(Contesto& ctx) {
    // The drawn letters as the game keeps them: capitals, each followed by a blank. The game
    // draws only A-Z, at most 30 of them.
    std::string estratte;
    for (char c : ctx.arg.testi.at(0)) {
        if (c == ' ') continue;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') {
            ctx.err << "verbolario-cli: le lettere estratte possono essere solo lettere da A a Z\n";
            return kUsage;
        }
        estratte += c;
        estratte += ' ';
    }
    if (estratte.size() > 60) {
        ctx.err << "verbolario-cli: si possono estrarre al massimo 30 lettere\n";
        return kUsage;
    }
    const std::string scritta =
        ctx.arg.testi.size() > 1 ? digitaTesto(ctx.arg.testi[1], false) : "";
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    return mostraLetto(ctx, *fonte, SoluzioneParolando(estratte, scritta, *fonte, ctx.poll));
}

} // namespace verbolario::cli
