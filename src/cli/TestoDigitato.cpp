#include "TestoDigitato.h"

namespace verbolario::cli {
namespace {

bool cifra(unsigned char c) {
    return c >= '0' && c <= '9';
}

// The boxes shown in capitals shift these codes down to their capital, exactly as the key
// filter does (which also turns '`' into '@').
unsigned char maiuscola(unsigned char c) {
    if ((c >= 0x60 && c <= 0x7A) || (c >= 0xE0 && c <= 0xF6) || (c >= 0xF9 && c <= 0xFC))
        return static_cast<unsigned char>(c - 0x20);
    return c;
}

} // namespace

std::string digitaModello(std::string_view testo, bool cifre) {
    std::string r;
    for (char ch : testo) {
        auto c = static_cast<unsigned char>(ch);
        if (cifra(c) && !cifre) continue;
        r += c == ' ' ? '?' : static_cast<char>(maiuscola(c));
    }
    return r;
}

std::string digitaTesto(std::string_view testo, bool cifre) {
    std::string r;
    for (char ch : testo) {
        auto c = static_cast<unsigned char>(ch);
        if (cifra(c) && !cifre) continue;
        r += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : ch;
    }
    return r;
}

std::string digitaChiave(std::string_view testo) {
    std::string r;
    for (char ch : testo) {
        auto c = static_cast<unsigned char>(ch);
        if (!cifra(c)) r += static_cast<char>(maiuscola(c));
    }
    return r;
}

} // namespace verbolario::cli
