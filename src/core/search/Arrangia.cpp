#include "search/Arrangia.h"

#include "text/Lettere.h"

namespace verbolario {

std::string Arrangia(std::string_view testo, int64_t& rimossi) {
    std::string out;
    out.reserve(testo.size());
    for (char c : testo)
        if (lettere::isAlfabeto(static_cast<unsigned char>(c))) out.push_back(c);
    rimossi += static_cast<int64_t>(testo.size() - out.size());
    return out;
}

std::string Arrangia(std::string_view testo) {
    int64_t scarto = 0;
    return Arrangia(testo, scarto);
}

} // namespace verbolario
