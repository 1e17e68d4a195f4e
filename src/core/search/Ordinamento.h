#pragma once

#include "Poll.h"

#include <string>
#include <string_view>
#include <vector>

// The orders in which searches hand back their hits.
namespace verbolario {

// Alphabetical order of the result lists: letters compared without case (the code page's
// lower case) and with accented vowels taken as their plain vowel, so "Citt\xE0" sits with
// "citta"; texts equal under that rule are ordered by their bytes, which makes the order total
// and the same on every run. Other characters (blank, apostrophe, hyphen, digits, TAB) compare
// by their code, so they come before the letters.
int ConfrontaAlfabetico(std::string_view a, std::string_view b);

struct OrdineAlfabetico {
    bool operator()(std::string_view a, std::string_view b) const {
        return ConfrontaAlfabetico(a, b) < 0;
    }
};

// Sorts texts into the alphabetical order above.
void OrdinaAlfabetico(std::vector<std::string>& elenco);
void OrdinaAlfabetico(std::vector<std::string_view>& elenco);

// Shell sort by length (Knuth's gaps 1, 4, 13, 40, ...): shortest first, or longest first
// with discendente. Texts of equal length keep the order this particular sort leaves them in,
// which users see in the list, so the sort is kept as it is rather than made stable. A stop
// request ends it at once, leaving a permutation of the input; returns false then.
bool OrdinaArray(std::vector<std::string>& elenco, bool discendente, Poll& poll);

// The result list ordered by length, from hits already in alphabetical order.
std::vector<std::string> OrdinaPerLunghezza(std::vector<std::string> alfabetico, bool discendente,
                                            Poll& poll);

} // namespace verbolario
