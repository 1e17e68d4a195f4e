#include "text/Cp1252.h"

#include <array>

namespace verbolario::cp1252 {
namespace {

// 0x80-0x9F; the five unassigned codes map to the C1 control of the same value, as the
// system converter does.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct CaseTables {
    std::array<unsigned char, 256> lower{};
    std::array<unsigned char, 256> upper{};
    constexpr CaseTables() {
        for (int i = 0; i < 256; ++i) lower[i] = upper[i] = static_cast<unsigned char>(i);
        auto pair = [this](int up, int low) {
            lower[up] = static_cast<unsigned char>(low);
            upper[low] = static_cast<unsigned char>(up);
        };
        for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7) pair(c, c + 32);
        pair(0x8A, 0x9A);
        pair(0x8C, 0x9C);
        pair(0x8E, 0x9E);
        pair(0x9F, 0xFF);
    }
};
constexpr CaseTables kCase;

void appendUtf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

int fromUnicode(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u) return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence at s[i] and advances i past it; -1 when malformed.
long decodeOne(std::string_view s, size_t& i) {
    auto b0 = static_cast<unsigned char>(s[i]);
    int extra = b0 < 0x80 ? 0 : (b0 >> 5) == 6 ? 1 : (b0 >> 4) == 14 ? 2 : (b0 >> 3) == 30 ? 3 : -1;
    if (extra < 0) {
        ++i;
        return -1;
    }
    if (extra == 0) {
        ++i;
        return b0;
    }
    if (s.size() - i <= static_cast<size_t>(extra)) {
        i = s.size();
        return -1;
    }
    long u = b0 & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            i += k;
            return -1;
        }
        u = (u << 6) | (b & 0x3F);
    }
    i += extra + 1;
    static constexpr long kMin[] = {0, 0x80, 0x800, 0x10000};
    if (u < kMin[extra] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return -1;
    return u;
}

} // namespace

char32_t toUnicode(unsigned char c) {
    return (c >= 0x80 && c < 0xA0) ? kHigh[c - 0x80] : static_cast<char32_t>(c);
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        long u = decodeOne(utf8, i);
        int c = u < 0 ? -1 : fromUnicode(static_cast<char32_t>(u));
        if (c < 0) return std::nullopt;
        out += static_cast<char>(c);
    }
    return out;
}

std::string fromUtf8Lossy(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        long u = decodeOne(utf8, i);
        int c = u < 0 ? -1 : fromUnicode(static_cast<char32_t>(u));
        out += c < 0 ? '?' : static_cast<char>(c);
    }
    return out;
}

unsigned char lower(unsigned char c) { return kCase.lower[c]; }
unsigned char upper(unsigned char c) { return kCase.upper[c]; }

std::string lowered(std::string_view s) {
    std::string out(s);
    lowerInPlace(out);
    return out;
}

std::string uppered(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(kCase.upper[static_cast<unsigned char>(c)]);
    return out;
}

void lowerInPlace(std::string& s) {
    for (char& c : s) c = static_cast<char>(kCase.lower[static_cast<unsigned char>(c)]);
}

} // namespace verbolario::cp1252
