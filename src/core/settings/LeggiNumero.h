#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How the settings file's texts become numbers. Both readers accept a decimal number with an
// optional sign, fraction and exponent ("-12", "2.5", "1e3"; a point, never a comma, whatever
// the user's locale) and round it to the nearest integer, halves to even.
namespace verbolario {

// The number the text starts with (blanks before it skipped), 0 when it starts with none:
// "12abc" -> 12, "abc" -> 0. Nothing only when the number does not fit in 64 bits.
std::optional<int64_t> LeggiNumero(std::string_view text);

// The text, blanks around it aside, must be a number and nothing else: "12abc", "" and "abc"
// give nothing.
std::optional<int64_t> LeggiTestoNumerico(std::string_view text);

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); nothing when not finite
// or outside the 64-bit range.
std::optional<int64_t> ArrotondaPari(double x);

} // namespace verbolario
