#pragma once

#include "dictionary/Voci.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace verbolario {

// Most word lists need none of the loader's field rules: one entry per line, no comma, no
// double quote, no blank at either end of a line, nothing upper case. Such a line is its
// entry as it stands, so the lines can be taken where they lie, found by one vectorised
// pass over the bytes. This recognises those lines.

// Bytes that must follow a text handed to SpezzaRighePulite, readable and writable.
inline constexpr size_t kMargineRighe = 128;

struct Spezzatura {
    // Where the first line not taken starts: the first line that needs the field rules, or
    // the incomplete last line of a piece of a longer text.
    size_t fine = 0;
    // Every complete line was taken.
    bool pulito = true;
    // Some line taken holds a blank or a hyphen (signs some searches drop from entries).
    bool segni = false;
};

// Splits buf[0, n) at line ends (LF or CR LF) and appends a reference to each clean line
// (its end excluded; offsets counted from buf, plus base) to refs, in order, up to the first
// line that is not clean. With ultimo the text is complete and a last line without a line end
// is a line too; otherwise it waits for the next piece. The kMargineRighe bytes after buf + n
// may be overwritten.
Spezzatura SpezzaRighePulite(char* buf, size_t n, bool ultimo, uint32_t base,
                             std::vector<Voci::Ref>& refs);

namespace detail {
// The byte-at-a-time version used where the vector instructions are missing; the tests
// compare the two.
Spezzatura SpezzaRighePuliteScalare(char* buf, size_t n, bool ultimo, uint32_t base,
                                    std::vector<Voci::Ref>& refs);
} // namespace detail

} // namespace verbolario
