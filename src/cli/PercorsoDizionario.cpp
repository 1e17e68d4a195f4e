#include "PercorsoDizionario.h"

#include "Cli.h"
#include "Comandi.h"
#include "Uscita.h"
#include "dictionary/CaricaDizionario.h"
#include "dictionary/FlussoDizionario.h"
#include "settings/Impostazioni.h"
#include "text/Cp1252.h"

#include <climits>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace verbolario::cli {
namespace {

bool esiste(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace

std::string cartellaProgramma() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string exe(buf, static_cast<size_t>(n));
    size_t slash = exe.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : exe.substr(0, slash);
}

std::string dizionarioDelProgramma(const std::string& cartella) {
    ContestoImpostazioni contesto;
    contesto.cartellaProgramma = cartella;
    const Impostazione* riga = TrovaImpostazione("Dizionario", "Dizionario");
    const std::string predefinito = ValorePredefinito(*riga, contesto);
    WRini ini(cartella);
    std::string registrato = LeggiImpostazione(ini, *riga, contesto).testo;
    // A relative path in the settings is read against the program's folder, so the answer
    // does not depend on where the command line happens to be.
    if (!registrato.empty() && registrato.front() != '/') registrato = cartella + "/" + registrato;
    if (esiste(registrato)) return registrato;
    // The settings file is Windows-1252; file names on this system are UTF-8.
    if (std::string utf8 = cp1252::toUtf8(registrato); utf8 != registrato && esiste(utf8))
        return utf8;
    // The recorded dictionary is gone: the program then offers its own default.
    return predefinito;
}

namespace {

std::string percorso(const Contesto& ctx) {
    return ctx.arg.dizionario ? *ctx.arg.dizionario : dizionarioDelProgramma(cartellaProgramma());
}

void nonCaricabile(Contesto& ctx, const std::string& path, const std::string& errore) {
    ctx.err << "verbolario-cli: impossibile caricare il dizionario " << path << ": "
            << cp1252::toUtf8(errore) << '\n';
}

} // namespace

bool caricaVoci(Contesto& ctx, Voci& voci) {
    const std::string path = percorso(ctx);
    ctx.poll.attiva();
    EsitoCaricamento esito = CaricaDizionario(path, voci, ctx.poll);
    if (esito.ok) return true;
    nonCaricabile(ctx, path, esito.errore);
    return false;
}

std::unique_ptr<FlussoDizionario> apriDizionario(Contesto& ctx) {
    auto fonte = std::make_unique<FlussoDizionario>(percorso(ctx));
    if (!fonte->apri()) {
        nonCaricabile(ctx, percorso(ctx), fonte->errore());
        return nullptr;
    }
    ctx.poll.attiva();
    return fonte;
}

int mostraLetto(Contesto& ctx, const FlussoDizionario& fonte, const RisultatoRicerca& r) {
    if (!fonte.errore().empty()) {
        nonCaricabile(ctx, percorso(ctx), fonte.errore());
        return kLoadFailed;
    }
    return mostra(r, ctx.out, ctx.err);
}

} // namespace verbolario::cli
