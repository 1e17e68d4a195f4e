#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace verbolario {

// The question asked before the accent removal ("Elimina accenti").
inline constexpr std::string_view kDomandaEraseAccent =
    "Questo eliminer\xE0 gli accenti dal dizionario in uso!\r\n\r\n"
    "                         Continuo?";
inline constexpr std::string_view kFaseEraseAccent = "Eliminazione accenti in corso. . . . . .";
inline constexpr std::string_view kFaseRiordinoAccenti = "Riordino dizionario. . . . . . ";

struct EsitoEraseAccent {
    bool interrotto = false; // stopped by the user: the dictionary is unchanged
    int64_t vocali = 0;      // accented vowels folded
    int64_t doppioni = 0;    // entries blanked because folding made them repeat another
    bool modificato() const { return !interrotto && (vocali > 0 || doppioni > 0); }
};

// Folds the accented vowels of every entry (an accent on the last letter of the term stays:
// citt\xE0 keeps it, \xE0ncora loses it), sorts the dictionary and blanks the repeats the
// folding produced; blanked slots stay as empty entries until the next save. A comment after
// a TAB is free text, not part of the word, and is left as written. Nothing changes when the
// poll asks to stop. fase, when given, hears the status text of the sorting step.
EsitoEraseAccent EraseAccent(Voci& voci, Poll& poll,
                             const std::function<void(std::string_view)>& fase = {});

// The status text after the command: "Eliminato accenti [ a ] dal dizionario in uso." and
// "Eliminato doppioni [ d ] risultanti dal riordino." on two lines.
std::string rapportoEraseAccent(const EsitoEraseAccent& esito);

} // namespace verbolario
