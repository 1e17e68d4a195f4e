#include "Cli.h"
#include "Comandi.h"
#include "Uscita.h"

#include "dictionary/FlussoDizionario.h"
#include "search/CercaComuni.h"
#include "search/Sfoglia.h"
#include "text/Cp1252.h"

#include <istream>
#include <iterator>
#include <ostream>

namespace verbolario::cli {

int comandoCerca(Contesto& ctx) {
    const std::string& testo = ctx.arg.testi.at(0);
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    // The browse box starts over an empty list: a text whose first two characters are those
    // of an empty line (only the empty text) leaves the list empty.
    if (serveRicostruire("", testo))
        return mostraLetto(ctx, *fonte, SfogliaTesto(testo, *fonte, ctx.poll, ctx.arg.senzaLimite));
    RisultatoRicerca vuoto;
    vuoto.selezionato = selezionaInizio(vuoto.righe, testo);
    vuoto.stato = statoSfoglia(0, vuoto.selezionato, testo);
    return mostra(vuoto, ctx.out, ctx.err);
}

int comandoLettera(Contesto& ctx) {
    // The key bar has the 26 keys A to Z.
    const std::string& tasto = ctx.arg.testi.at(0);
    const char c = tasto.size() == 1
                       ? static_cast<char>(cp1252::lower(static_cast<unsigned char>(tasto[0])))
                       : 0;
    if (c < 'a' || c > 'z') {
        ctx.err << "verbolario-cli: la lettera deve essere una sola, da A a Z\n";
        return kUsage;
    }
    auto fonte = apriDizionario(ctx);
    if (!fonte) return kLoadFailed;
    return mostraLetto(ctx, *fonte, SfogliaLettera(c, *fonte, ctx.poll, ctx.arg.senzaLimite));
}

int comandoComuni(Contesto& ctx) {
    const std::string testo{std::istreambuf_iterator<char>(ctx.in),
                            std::istreambuf_iterator<char>()};
    std::vector<std::string> righe;
    size_t inizio = 0;
    while (inizio < testo.size()) {
        size_t fine = testo.find('\n', inizio);
        if (fine == std::string::npos) fine = testo.size();
        std::string_view riga(testo.data() + inizio, fine - inizio);
        inizio = fine + 1;
        if (riga.ends_with('\r')) riga.remove_suffix(1);
        // A blank line is no word; as an empty list line it would leave no letter in common.
        if (riga.empty()) continue;
        auto cp = cp1252::fromUtf8(riga);
        if (!cp) {
            ctx.err << "verbolario-cli: carattere non rappresentabile in Windows-1252: " << riga
                    << '\n';
            return kUsage;
        }
        righe.push_back(std::move(*cp));
    }
    return mostra(CercaComuni(righe, ctx.poll), ctx.out, ctx.err);
}

} // namespace verbolario::cli
