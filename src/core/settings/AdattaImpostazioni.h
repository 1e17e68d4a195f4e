#pragma once

#include <cstdint>
#include <string_view>

// Corrections made right after the settings are read, so that values stored by an older
// dictionary or a lost picture never reach the games and the painter in a shape they cannot
// handle.
namespace verbolario {

// The guessing game's word-length range.
struct Lunghezze {
    int64_t min = 3;
    int64_t max = 0;
    int64_t scala = 0; // the range picture's scale: the longest entry, at most 30
};

// scala = min(longest, 30); a max past the scale becomes the scale; a min past max - 2
// becomes max - 2, then a min under 3 becomes 3. With a longest entry of at least 5 this
// gives 3 <= min <= max - 2 and max <= scala.
Lunghezze AdattaLunghezze(int64_t min, int64_t max, int64_t longest);

// The background style to use: "Tile" (4) needs a picture, so a picture path that names no
// existing file, or style 4 without any path, falls back to "Fade 1" (1).
int64_t AdattaSfondo(int64_t fade, std::string_view tile, bool tileEsiste);

inline constexpr int64_t kSfondoFade1 = 1;
inline constexpr int64_t kSfondoTile = 4;

} // namespace verbolario
