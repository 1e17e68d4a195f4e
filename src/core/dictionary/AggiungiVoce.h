#pragma once

#include "dictionary/Voci.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// Texts of the entry commands.
inline constexpr std::string_view kTitoloAggiornamento = "Aggiornamento";
inline constexpr std::string_view kPromptAggiungi = "Aggiungi una voce al dizionario.";
inline constexpr std::string_view kPromptModifica = "Modificare la voce corrente.";
inline constexpr std::string_view kDomandaElimina = "Eliminare la voce?...";
inline constexpr std::string_view kVoceGiaPresente =
    "La voce inserita \xE8 gi\xE0 presente nel dizionario in uso.";
// Longest text the add command accepts.
inline constexpr size_t kLunghezzaMassimaVoce = 30;

// True when no entry equals the text exactly (whole entries, comment included, case counts).
bool Assente(const Voci& voci, std::string_view testo);

// Appends the text as the new last entry.
void AggiungiVoce(Voci& voci, std::string_view testo);
void AggiungiVoce(std::vector<std::string>& elenco, std::string_view testo);

// Replaces the first entry equal to vecchia with nuova (an empty nuova blanks the slot, which
// the next save drops). Returns false when no entry was equal.
bool SostituisciVoce(Voci& voci, std::string_view vecchia, std::string_view nuova);
bool SostituisciVoce(std::vector<std::string>& elenco, std::string_view vecchia,
                     std::string_view nuova);

// The add command's answer made into an entry: lower-cased, spaces trimmed at both ends; no
// entry when the result is empty or longer than 30 characters (the command then ends
// silently).
std::optional<std::string> NormalizzaNuovaVoce(std::string_view risposta);

} // namespace verbolario
