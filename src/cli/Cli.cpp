#include "Cli.h"

#include "Argomenti.h"
#include "Comandi.h"
#include "PollInterruzione.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace verbolario::cli {
namespace {

struct Voce {
    std::string_view nome;
    int (*esegui)(Contesto&);
};

constexpr Voce kEsecutori[] = {
    {"rime", comandoRime},
    {"anagrammi", comandoAnagrammi},
    {"tutti", comandoAnagrammi},
    {"parziali", comandoAnagrammi},
    {"contenitori", comandoAnagrammi},
    {"palindromi", comandoPalindromi},
    {"scambi", comandoScambi},
    {"cerca", comandoCerca},
    {"lettera", comandoLettera},
    {"cruci", comandoCruci},
    {"mnemos", comandoCruci},
    {"parolando", comandoParolando},
    {"comuni", comandoComuni},
    {"formatta", comandoFormatta},
    {"accenti", comandoFormatta},
    {"analisi", comandoAnalisi},
    {"zeppa", comandoEnigmistica},
    {"scarto", comandoEnigmistica},
    {"cambio", comandoEnigmistica},
    {"spostamento", comandoEnigmistica},
    {"sciarada", comandoEnigmistica},
    {"incastro", comandoEnigmistica},
    {"lucchetto", comandoEnigmistica},
    {"bifronte", comandoEnigmistica},
    {"antipodo", comandoEnigmistica},
    {"frase", comandoEnigmistica},
};

} // namespace

int run(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    EsitoArgomenti esito = analizzaArgomenti(args);
    if (esito.aiuto) {
        out << testoUso();
        out.flush();
        return kOk;
    }
    if (!esito.errore.empty()) {
        err << esito.errore;
        return kUsage;
    }
    PollInterruzione poll;
    Contesto ctx{esito.argomenti, in, out, err, poll};
    for (const Voce& v : kEsecutori)
        if (v.nome == esito.argomenti.comando) return v.esegui(ctx);
    err << "verbolario-cli: comando sconosciuto: " << esito.argomenti.comando << '\n';
    return kUsage;
}

} // namespace verbolario::cli
