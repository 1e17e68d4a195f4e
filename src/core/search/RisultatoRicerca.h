#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace verbolario {

// What a search hands back to whoever shows it: the lines of the result list in order, the
// status-band text, and the message-box text when the search raises one. All texts are
// Windows-1252; line breaks inside the status text are "\r\n".
struct RisultatoRicerca {
    // False when the search declined to run (input too short, nothing typed): the result
    // list and the status band stay as they were, unless stato/beep say otherwise.
    bool eseguita = true;
    std::vector<std::string> righe;
    std::string stato;
    // True when the status text is a hint (not shown in comment mode).
    bool statoSuggerimento = false;
    std::string messaggio; // message box (exclamation icon), empty when none
    bool beep = false;     // the system beep goes with the status text
    bool interrotto = false;
    int64_t selezionato = -1; // line to select in the list, -1 for none
};

} // namespace verbolario
