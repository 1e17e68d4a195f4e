#pragma once

#include "dictionary/StatisticheLettere.h"
#include "settings/WRini.h"

// The letter shares kept in the settings file, so a normal start need not read the dictionary
// twice. Section "String", one key per letter.
namespace verbolario {

// Reads the shares under the keys a..z into stat.perc, in order, and stops at the first key
// that is missing, not a number, or not a per-mille share (0..1000): the shares read before
// it replace the computed ones, the others stay as they were. Leaves the store's section set
// to "String". Returns how many shares were read.
int LoadPerc(WRini& ini, StatisticheLettere& stat);

// Writes stat.perc under the keys A..Z. False when any write failed.
bool SavePerc(WRini& ini, const StatisticheLettere& stat);

} // namespace verbolario
