#include "dictionary/Riordina.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace verbolario;

// Riordina keeps the codes above 64 in byte order; QSort sorts bytes.
TEST(Riordina, MatchesAPlainSortOnRandomTexts) {
    std::mt19937 rng(7);
    std::string buf;
    for (int t = 0; t < 500; ++t) {
        std::string s(rng() % 120, ' ');
        for (char& c : s) c = static_cast<char>(rng() % 256);
        std::string atteso;
        for (char c : s)
            if (static_cast<unsigned char>(c) > 64) atteso.push_back(c);
        std::sort(atteso.begin(), atteso.end(), [](char a, char b) {
            return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
        });
        Riordina(s, buf);
        ASSERT_EQ(buf, atteso);

        std::vector<uint8_t> codes(s.begin(), s.end());
        std::vector<uint8_t> sorted = codes;
        std::sort(sorted.begin(), sorted.end());
        if (!codes.empty()) QSort(codes, 0, static_cast<int64_t>(codes.size()) - 1);
        ASSERT_EQ(codes, sorted);
    }
}
