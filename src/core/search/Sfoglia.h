#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/RisultatoRicerca.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Browsing the dictionary: by the text typed in the browse box, and by a letter of the key
// bar. Both list entries in alphabetical order, at most 32,736 of them.
namespace verbolario {

// Builds the browse index of this dictionary now (it is otherwise built by the first browse
// after a change): on a list of millions of entries this takes a few tenths of a second,
// better spent when the browse mode is chosen than at the first key typed.
void PreparaSfoglia(const Voci& voci);

// Whether the text now in the browse box needs the list rebuilt, given the list's first line
// (empty when the list is empty): when their first two characters differ, or the text is
// exactly two characters long. Typing further letters only moves the selection.
bool serveRicostruire(std::string_view primaRiga, std::string_view testo);

// The list for the text in the browse box: every entry whose first two characters are the
// first two of the text (trimmed, lower-cased), the first line beginning with the whole text
// selected, and the status.
// Both use the browse index when it has been built (PreparaSfoglia), else look at every
// entry once.
RisultatoRicerca SfogliaTesto(std::string_view testoText2, const Voci& voci, Poll& poll);
// senzaLimite lists the whole group, past the list's capacity.
RisultatoRicerca SfogliaTesto(std::string_view testoText2, FonteVoci& fonte, Poll& poll,
                              bool senzaLimite = false);

// The first line beginning with the text (trimmed; case ignored), -1 when none does.
int64_t selezionaInizio(const std::vector<std::string>& righe, std::string_view testo);

// The status after a browse by text: "Nessuna voce corrispondente al testo." when a text was
// typed and no line begins with it, otherwise the number of lines.
std::string statoSfoglia(size_t righe, int64_t selezionato, std::string_view testo);

// The list for a letter of the key bar: every entry whose first character is that letter,
// accented vowels counted as their plain one (the key E lists e, è, é, ê, ë).
RisultatoRicerca SfogliaLettera(char lettera, const Voci& voci, Poll& poll);
RisultatoRicerca SfogliaLettera(char lettera, FonteVoci& fonte, Poll& poll,
                                bool senzaLimite = false);

} // namespace verbolario
