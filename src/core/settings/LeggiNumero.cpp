#include "settings/LeggiNumero.h"

#include <charconv>
#include <cmath>
#include <string>

namespace verbolario {

namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

size_t saltaCifre(std::string_view s, size_t i) {
    while (i < s.size() && cifra(s[i])) ++i;
    return i;
}

size_t saltaBlank(std::string_view s, size_t i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return i;
}

// The number at the start of s: its value and where it ends (0 when s starts with none).
struct Prefisso {
    size_t fine = 0;
    std::optional<int64_t> valore;
};

Prefisso numeroIniziale(std::string_view s) {
    size_t i = 0;
    std::string normale;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') normale += '-';
        ++i;
    }
    size_t intStart = i;
    i = saltaCifre(s, i);
    size_t nInt = i - intStart;
    size_t nFrac = 0;
    if (i < s.size() && s[i] == '.') {
        size_t f = saltaCifre(s, i + 1);
        nFrac = f - (i + 1);
        if (nInt + nFrac > 0) i = f;
    }
    if (nInt + nFrac == 0) return {};
    normale.append(s.substr(intStart, i - intStart));
    // An exponent counts only when digits follow it: "12e" is 12.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t k = saltaCifre(s, j);
        if (k > j) {
            normale += 'e';
            normale.append(s.substr(i + 1, k - (i + 1)));
            i = k;
        }
    }
    double x = 0;
    const char* b = normale.data();
    auto [p, ec] = std::from_chars(b, b + normale.size(), x);
    Prefisso r;
    r.fine = i;
    if (ec == std::errc() && p == b + normale.size()) r.valore = ArrotondaPari(x);
    return r;
}

} // namespace

std::optional<int64_t> ArrotondaPari(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    double f = std::floor(x);
    double d = x - f;
    double r = f;
    if (d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0.0)) r = f + 1;
    // 2^63 is exactly representable; anything at or past it does not fit.
    if (r >= 9223372036854775808.0 || r < -9223372036854775808.0) return std::nullopt;
    return static_cast<int64_t>(r);
}

std::optional<int64_t> LeggiNumero(std::string_view text) {
    std::string_view s = text.substr(saltaBlank(text, 0));
    Prefisso p = numeroIniziale(s);
    if (p.fine == 0) return 0;
    return p.valore;
}

std::optional<int64_t> LeggiTestoNumerico(std::string_view text) {
    std::string_view s = text.substr(saltaBlank(text, 0));
    Prefisso p = numeroIniziale(s);
    if (p.fine == 0 || saltaBlank(s, p.fine) != s.size()) return std::nullopt;
    return p.valore;
}

} // namespace verbolario
