#pragma once

#include "Poll.h"
#include "dictionary/Voci.h"

#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

// Ascending byte-code order (capitals before lower case, accented letters after z, the empty
// text first). The sorts work on a copy of the order and write it back only when complete, so
// a stop request leaves the array exactly as it was and they return false.

// Sorts the entries by moving their references; the text buffer is not touched.
bool OrdinaStringhe(Voci& voci, Poll& poll);
bool OrdinaStringhe(std::vector<std::string>& elenco, Poll& poll);

// The same over bare references into one buffer (for callers that build their own word
// tables, like the clean-up).
bool OrdinaRiferimenti(const char* data, std::vector<Voci::Ref>& refs, Poll& poll);

} // namespace verbolario
