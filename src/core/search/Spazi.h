#pragma once

#include <string_view>

namespace verbolario {

// The text without the blanks around it, as the input boxes are read (tabs and other
// characters stay).
inline std::string_view trimSpazi(std::string_view s) {
    size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    size_t b = s.find_last_not_of(' ');
    return s.substr(a, b - a + 1);
}

} // namespace verbolario
