#include "dictionary/CreaDizionario.h"

namespace verbolario {

std::vector<std::string> ModelloDizionario() {
    return {
        std::string(10, ' '),
        "ISTRUZIONI PER LA COMPILAZIONE",
        "",
        " Inserire una parola per ogni riga quindi ritornare a capo.",
        " Per la ricerca di rime \xE8 fondamentale una corretta accentazione.",
        "",
        " \xE0"
        "baco",
        " \xE0"
        "bile",
        " abband\xF3no",
        " .....",
        "",
        " PRIMA DI UTILIZZARE IL DIZIONARIO CANCELLARE QUESTE ISTRUZIONI!!!",
    };
}

EsitoSalvataggio CreaDizionario(const std::string& path) {
    return SalvaLista(ModelloDizionario(), path);
}

} // namespace verbolario
