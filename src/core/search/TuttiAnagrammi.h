#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// The line that closes each group of anagrams in the list (Windows-1252 middle dots).
inline constexpr std::string_view kSeparatoreAnagrammi =
    " \xB7 \xB7 \xB7 \xB7 \xB7 \xB7 \xB7 \xB7 \xB7 ";

struct EsitoTutti {
    int64_t totale = 0;  // anagrams listed, the entry that opens each group not counted
    int64_t ultimo = -1; // index of the entry that opened the last group listed, -1 if none
    bool interrotto = false;
};

// Every group of anagrams of the dictionary, as the program has always listed them: the
// entries are taken in dictionary order; each one longer than 3 characters (as stored)
// that has not yet been listed opens a group with its anagrams (CercaAnagrammi) not yet
// listed, which are listed in dictionary order, then the entry itself, then the separator
// line. An entry, once visited or listed, takes part in no later group; shorter entries
// never open a group but may join one. The dictionary is not changed.
//
// A stop request ends the listing with the groups listed so far, in order.
EsitoTutti TuttiAnagrammi(bool frasi, const Voci& voci, Poll& poll,
                          std::vector<std::string>& righe);

namespace detail {
// The same listing with every fingerprint taken as equal, so that the letters alone sort the
// entries out: lets tests reach the path of different letters with equal fingerprints.
EsitoTutti TuttiAnagrammiSenzaImpronte(bool frasi, const Voci& voci, Poll& poll,
                                       std::vector<std::string>& righe);
} // namespace detail

} // namespace verbolario
