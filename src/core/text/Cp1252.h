#pragma once

#include <optional>
#include <string>
#include <string_view>

// The dictionary and every text the engine handles are Windows-1252 bytes; these are the
// conversions at the edges and the code page's own case rules.
namespace verbolario::cp1252 {

char32_t toUnicode(unsigned char c);
// Windows-1252 bytes to UTF-8.
std::string toUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; nothing when the text is not valid UTF-8 or holds a character
// the code page cannot represent.
std::optional<std::string> fromUtf8(std::string_view utf8);
// Like fromUtf8, but invalid or unrepresentable input becomes '?' (for file names and
// other texts where refusing is worse than approximating).
std::string fromUtf8Lossy(std::string_view utf8);

// Case as the Windows code page maps it: A-Z, the accented capitals 0xC0-0xDE except the
// multiplication sign, and the pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ.
unsigned char lower(unsigned char c);
unsigned char upper(unsigned char c);
std::string lowered(std::string_view s);
std::string uppered(std::string_view s);
void lowerInPlace(std::string& s);

} // namespace verbolario::cp1252
