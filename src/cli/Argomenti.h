#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario::cli {

// What the command line asked for. Texts are already Windows-1252; file names keep the
// bytes they were given, since they name files of this system.
struct Argomenti {
    std::string comando;
    std::vector<std::string> testi;
    std::optional<std::string> dizionario; // -d / --dizionario
    std::optional<std::string> uscita;     // -o
    bool frasi = false;
    bool scarti = false;
    std::optional<std::string> escludi;
    bool vocali = false;
    bool consonanti = false;
    bool tutte = false;
    std::optional<std::string> chiave;
    bool senzaFiltro = false;
    bool doppie = false;
    bool senzaOrdine = false;
    bool tre = false;          // sciarada in three parts
    std::optional<int> parole; // frase: words of a phrase at most
    std::optional<int> minimo; // frase: letters of a word at least
    bool senzaLimite = false;  // every hit, past the list's capacity
};

struct EsitoArgomenti {
    bool aiuto = false;  // -h / --help: print the usage and stop
    std::string errore;  // usage error (UTF-8), empty when the line is sound
    Argomenti argomenti; // valid when neither of the above
};

EsitoArgomenti analizzaArgomenti(const std::vector<std::string_view>& args);

// The short usage text (UTF-8) that --help prints.
std::string_view testoUso();

} // namespace verbolario::cli
