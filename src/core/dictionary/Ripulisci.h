#pragma once

#include "Poll.h"
#include "dictionary/StatisticheLettere.h"
#include "dictionary/Voci.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace verbolario {

// The question asked before the clean-up ("Formatta e ordina..."), with "\r\n" line breaks.
inline constexpr std::string_view kDomandaRipulisci =
    "Questa procedura...\r\n"
    "\xBB elimina tutti i caratteri non letterali,\r\n"
    "\xBB separa le parole singolarmente,\r\n"
    "\xBB ordina i termini alfabeticamente,\r\n"
    "\xBB elimina ogni parola ripetuta,\r\n"
    "\xBB esegue l'analisi letterale dei termini.\r\n"
    "\r\n"
    "Continuo?";

// The status texts of the clean-up's steps, in the order they are announced.
inline constexpr std::string_view kFaseFormattazione =
    "Formattazione e ordinamento dizionario in corso . . . .";
inline constexpr std::string_view kFaseScomposizione = "Scompone in singole parole . . . .";
inline constexpr std::string_view kFaseRiordino = "Riordina dizionario . . . .";
inline constexpr std::string_view kFaseDoppi = "Elimina termini doppi . . . .";
inline constexpr std::string_view kFaseAssegnazione = "Assegna termini . . . .";
inline constexpr std::string_view kFaseAnalisi = "Analisi letterale in corso . . . .";
inline constexpr std::string_view kFaseMemoria = "Libero memoria . . . .";

struct EsitoRipulisci {
    bool ok = false;
    bool interrotto = false; // stopped by the user: the dictionary and statistics are unchanged
    int64_t doppioni = 0;    // repeated words removed
    int64_t nonValidi = 0;   // characters that were neither letters nor a word boundary
    std::string rapporto;    // the whole status text of the command ("\r\n" line breaks)
    std::string messaggio;   // message-box text when memory ran out, else empty
    // The dictionary differs from its file only when something was removed; the caller then
    // marks it as reformatted and modified.
    bool modificato() const { return ok && (doppioni > 0 || nonValidi > 0); }
};

// Turns the dictionary into single lower-case words, sorted by byte code, without
// repetitions, and recomputes the letter statistics. Letters are a-z and the 22 accented
// vowels (after lower-casing); every other character separates words. The counts are those of
// joining the entries with two spaces between them and one after the last, and splitting
// that text at every separator: each empty piece beyond the boundaries between entries is one
// invalid character. Nothing is changed until the work is complete, so a stop request or
// exhausted memory leaves voci and stat as they were. fase, when given, hears each step's
// status text as it begins.
EsitoRipulisci Ripulisci(Voci& voci, StatisticheLettere& stat, Poll& poll,
                         const std::function<void(std::string_view)>& fase = {});

} // namespace verbolario
