#pragma once

#include "settings/WRini.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Every setting the main window reads at start-up, in the order it reads them, and the order
// in which shutdown writes them back; then the settings of the "Enigmistica" window, which it
// reads when it opens and writes as they change. The program applies them to its controls;
// this file only knows keys, defaults and how a stored text becomes a value.
namespace verbolario {

// How a stored text becomes a value.
enum class Lettura {
    Testo,         // as stored
    TestoSpuntato, // blanks around it removed
    Numero,        // the number the text starts with, 0 when none (LeggiNumero)
    TestoNumerico, // the whole text must be a number (LeggiTestoNumerico), else no value
};

// Where the default comes from. Some defaults depend on the running program: the caller
// supplies that context in ContestoImpostazioni.
enum class Predefinito {
    Fisso,            // Impostazione::fisso
    FileDizionario,   // program folder + "/dizionario.dic"
    LunghezzaMassima, // the longest entry of the dictionary (LengMax)
    CentroX,          // (screen width - 9600) / 2, in twips
    CentroY,          // (screen height - 7000) / 2, in twips
    Finestra,         // none: the window places itself (the value read has an empty text)
};

struct Impostazione {
    std::string_view sezione;
    std::string_view chiave;
    Lettura lettura;
    Predefinito predefinito;
    std::string_view fisso; // the default when predefinito is Fisso
    // Numbers outside [minimo, massimo] make no sense for the target (a check box of 7, a
    // negative window width, a time limit the timed game cannot show): the default is used.
    int64_t minimo = 0;
    int64_t massimo = 0;
    // Text rows: only capitals A..Z make sense (the letter pool the letter game draws from).
    bool soloMaiuscole = false;
};

// What the defaults that depend on the running program are computed from.
struct ContestoImpostazioni {
    std::string cartellaProgramma;
    int64_t lengMax = 0;          // LengMax of the loaded dictionary
    int64_t larghezzaSchermo = 0; // twips
    int64_t altezzaSchermo = 0;   // twips
};

// Design size of the main window, in twips.
inline constexpr int64_t kLarghezzaFinestra = 9600;
inline constexpr int64_t kAltezzaFinestra = 7000;

// The section of the "Enigmistica" window's settings.
inline constexpr std::string_view kSezioneEnigmistica = "Enigmistica";

// The rows in the order the main window reads them (the letter shares a..z are read by
// LoadPerc instead).
std::span<const Impostazione> TabellaImpostazioni();
// The row of a key (names matched without regard to case), or nullptr.
const Impostazione* TrovaImpostazione(std::string_view sezione, std::string_view chiave);

std::string ValorePredefinito(const Impostazione& riga, const ContestoImpostazioni& contesto);

// One row as read. `numero` (number rows) or `testo` (text rows) is always safe to apply: the
// stored value when `valido`, the row's default otherwise. `valido` is false when the stored
// text could not be used (numeric text that is not a number, a number out of the row's range,
// a letter pool with something other than A..Z); a missing key reads as its default and is
// valid. Rows read as numeric text leave their target unchanged when not valid; at start-up
// the target still holds its default, so applying `numero` gives the same result.
struct ValoreLetto {
    bool valido = false;
    int64_t numero = 0;
    std::string testo;
};

// Sets the store's section to the row's section, then reads the row.
ValoreLetto LeggiImpostazione(WRini& ini, const Impostazione& riga,
                              const ContestoImpostazioni& contesto);
// The same conversion over a text already read (or absent), for callers that hold the text.
ValoreLetto ConvertiImpostazione(const Impostazione& riga, std::optional<std::string_view> testo,
                                 const ContestoImpostazioni& contesto);

// Shutdown's write-back: groups of keys in order, each written only in its condition.
enum class Quando {
    Sempre,
    FinestraNormale,        // the main window is neither minimised nor maximised
    SenzaSfondoTrasparente, // the transparent background is not chosen
};

struct GruppoScrittura {
    std::string_view sezione;
    std::span<const std::string_view> chiavi;
    Quando quando;
};

std::span<const GruppoScrittura> OrdineScrittura();

} // namespace verbolario
