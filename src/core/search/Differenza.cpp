#include "search/Differenza.h"

namespace verbolario {

std::string Differenza(std::string_view a, std::string_view b) {
    if (b.size() >= a.size()) return {};
    std::string resto(a);
    for (char c : b) {
        // A blank taken out stays a blank, so finding an earlier one changes nothing.
        size_t p = resto.find(c);
        if (p != std::string::npos) resto[p] = ' ';
    }
    return resto;
}

} // namespace verbolario
