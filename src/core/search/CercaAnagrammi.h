#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"
#include "search/EsitoConteggio.h"

#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// Appends to righe, in dictionary order and as stored, every entry that is an anagram of
// parola: the same characters as many times each once both are cleaned (the phrase setting
// frasi decides whether blanks are dropped) and their accents folded. The word itself, and
// any entry equal to it after cleaning and folding, is not an anagram of itself. parola is
// taken as given (callers lower-case it).
// The anagram index is used when it has been built (IndiceAnagrammi::di), else every entry is
// looked at once.
EsitoConteggio CercaAnagrammi(std::string_view parola, bool frasi, const Voci& voci, Poll& poll,
                              std::vector<std::string>& righe);
EsitoConteggio CercaAnagrammi(std::string_view parola, bool frasi, FonteVoci& fonte, Poll& poll,
                              std::vector<std::string>& righe);

} // namespace verbolario
