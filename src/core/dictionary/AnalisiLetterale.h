#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "dictionary/StatisticheLettere.h"
#include "dictionary/Voci.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace verbolario {

// Letter statistics of a text or of the file it names. An argument that names an existing
// regular file is analysed as that file's bytes; any other argument is itself the text. Only
// a-z count as letters (capitals as their letter; accented letters do not count). An empty
// argument leaves the statistics alone. Returns false, with the statistics unchanged, when
// the poll asks to stop.
bool AnalisiLetterale(std::string_view argomento, StatisticheLettere& stat, Poll& poll);

// The same over the entries of the dictionary, as if they were joined into one text.
bool AnalisiLetterale(const Voci& voci, StatisticheLettere& stat, Poll& poll);
// The same over entries read from a source; false also when reading failed.
bool AnalisiLetterale(FonteVoci& fonte, StatisticheLettere& stat, Poll& poll);

// Shares and pool from the counts of a to z: share = count * 1000 / letters, truncated; the
// pool holds each capital (share / 10 + 1) times, rounded half to even, so every letter is in
// it at least once (and all 26 once when nothing was counted).
StatisticheLettere statisticheDaConteggi(const std::array<int64_t, 26>& conteggi);

} // namespace verbolario
