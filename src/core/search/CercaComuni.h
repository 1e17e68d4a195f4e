#pragma once

#include "Poll.h"
#include "search/RisultatoRicerca.h"

#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// The letters that every word of a text (words separated by blanks) holds, taken from the
// shortest word in character order, accents folded and case ignored: "cane pane lana" gives
// "an". A letter twice in the shortest word appears twice when it is common.
std::string LettereComuni(std::string_view testo);

// The common letters of the words of the result list (each line's term, its comment left
// out), as the list's single line. A stop request while the lines are gathered uses the
// words gathered so far.
RisultatoRicerca CercaComuni(const std::vector<std::string>& righeList1, Poll& poll);

} // namespace verbolario
