#include "Cli.h"
#include "Comandi.h"
#include "Uscita.h"

#include "dictionary/AnalisiLetterale.h"
#include "dictionary/EraseAccent.h"
#include "dictionary/FlussoDizionario.h"
#include "dictionary/Ripulisci.h"
#include "dictionary/SaveDictionary.h"
#include "dictionary/Voci.h"
#include "search/Spazi.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <ostream>

namespace verbolario::cli {
namespace {

// The lines the dictionary save would write: entries trimmed, sorted by byte code, repeats
// and empty slots dropped.
std::vector<std::string> formaSalvata(const Voci& voci) {
    std::vector<std::string> righe;
    righe.reserve(voci.size());
    for (size_t i = 0; i < voci.size(); ++i)
        if (std::string_view t = trimSpazi(voci[i]); !t.empty()) righe.emplace_back(t);
    // std::string compares as unsigned char, which is byte-code order.
    std::sort(righe.begin(), righe.end());
    righe.erase(std::unique(righe.begin(), righe.end()), righe.end());
    return righe;
}

int salva(Contesto& ctx, Voci& voci) {
    if (!ctx.arg.uscita) {
        scriviRighe(formaSalvata(voci), ctx.out);
        return kOk;
    }
    EsitoSalvataggio esito = SaveDictionary(voci, *ctx.arg.uscita, ctx.poll);
    if (esito.ok) return kOk;
    if (esito.interrotto)
        ctx.err << "verbolario-cli: salvataggio interrotto, il file non è stato scritto\n";
    else
        ctx.err << "verbolario-cli: " << cp1252::toUtf8(esito.errore) << '\n';
    return kFailed;
}

} // namespace

int comandoFormatta(Contesto& ctx) {
    Voci voci;
    if (!caricaVoci(ctx, voci)) return kLoadFailed;
    if (ctx.arg.comando == "accenti") {
        EsitoEraseAccent esito = EraseAccent(voci, ctx.poll);
        if (esito.interrotto) {
            ctx.err << "verbolario-cli: eliminazione accenti interrotta, nulla è stato "
                       "scritto\n";
            return kFailed;
        }
        int codice = salva(ctx, voci);
        scriviTesto(rapportoEraseAccent(esito), ctx.err);
        return codice;
    }
    StatisticheLettere stat;
    EsitoRipulisci esito = Ripulisci(voci, stat, ctx.poll);
    int codice = esito.ok ? salva(ctx, voci) : kFailed;
    scriviTesto(esito.messaggio, ctx.err);
    scriviTesto(esito.rapporto, ctx.err);
    return codice;
}

int comandoAnalisi(Contesto& ctx) {
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    StatisticheLettere stat;
    if (!AnalisiLetterale(*fonte, stat, ctx.poll)) {
        if (!fonte->errore().empty()) return mostraLetto(ctx, *fonte, {});
        ctx.err << "verbolario-cli: analisi interrotta\n";
        return kFailed;
    }
    std::string testo;
    for (size_t i = 0; i < stat.perc.size(); ++i) {
        testo += static_cast<char>('a' + i);
        testo += ' ';
        testo += std::to_string(stat.perc[i]);
        testo += '\n';
    }
    testo += stat.stringaLettere;
    testo += '\n';
    ctx.out << testo;
    ctx.out.flush();
    return kOk;
}

} // namespace verbolario::cli
