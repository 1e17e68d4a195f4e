#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Wildcard.h"

#include <gtest/gtest.h>

using namespace verbolario;

TEST(Cp1252, CaseFollowsTheCodePage) {
    EXPECT_EQ(cp1252::lowered("CASA \xC0ncora \xD7 \x8A\x8C\x8E\x9F"),
              "casa \xE0ncora \xD7 \x9A\x9C\x9E\xFF");
    EXPECT_EQ(cp1252::uppered("perch\xE9 \xF7 \xFF"), "PERCH\xC9 \xF7 \x9F");
    // Characters without a case partner stay as they are.
    EXPECT_EQ(cp1252::lower(0xDF), 0xDF);
    EXPECT_EQ(cp1252::upper(0xB5), 0xB5);
}

TEST(Cp1252, Utf8RoundTripAndRefusals) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    auto back = cp1252::fromUtf8(cp1252::toUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(cp1252::toUtf8("citt\xE0 \x80"), "città €");
    EXPECT_FALSE(cp1252::fromUtf8("日本").has_value());
    EXPECT_FALSE(cp1252::fromUtf8("\xC3").has_value());     // truncated sequence
    EXPECT_FALSE(cp1252::fromUtf8("\xC0\xAF").has_value()); // overlong
    EXPECT_EQ(cp1252::fromUtf8Lossy("a日b"), "a?b");
}

TEST(Accenti, AccentazionePicksTheTableOrderNotTheTextOrder) {
    // è comes before à in the text, but à comes first in the accent table.
    EXPECT_EQ(accenti::Accentazione("\xE8x\xE0"), 3);
    EXPECT_EQ(accenti::Accentazione("\xE8x\xE0", true), 0);
    EXPECT_EQ(accenti::Accentazione("perch\xE9"), 6);
    EXPECT_EQ(accenti::Accentazione("casa"), 0);
}

TEST(Accenti, NoAccKeepsTheFinalAccentOnlyWhenAsked) {
    int64_t n = 0;
    EXPECT_EQ(accenti::NoAcc("perch\xE9", true, n), "perch\xE9");
    EXPECT_EQ(n, 0);
    EXPECT_EQ(accenti::NoAcc("perch\xE9", false, n), "perche");
    EXPECT_EQ(n, 1);
    EXPECT_EQ(accenti::NoAcc("\xE0ncora", true, n), "ancora");
    EXPECT_EQ(accenti::NoAcc("citt\xE0", true, n), "citt\xE0");
    EXPECT_EQ(n, 2);
    EXPECT_EQ(accenti::NoAcc("PERCH\xC9", false, n), "PERCH\xC9");
    // Folding stops at the first picked accent that is final, even with others left.
    EXPECT_EQ(accenti::NoAcc("\xE8\xE0", true, n), "\xE8\xE0");
    EXPECT_EQ(accenti::NoAcc("\xE0\xE8", true, n), "a\xE8");
    bool fatto = false;
    EXPECT_EQ(accenti::TogliAccento("casa", false, fatto), "casa");
    EXPECT_TRUE(fatto);
}

TEST(Wildcard, MatchesLikeTheDescribedOperators) {
    struct Case {
        const char* pattern;
        const char* text;
        bool match;
    } cases[] = {
        {"p??v?", "privo", true},   {"p??v?", "prova", true},  {"p??v?", "provo!", false},
        {"*p*r*v*", "privo", true}, {"*p*r*v*", "vrp", false}, {"*", "", true},
        {"a*", "a", true},          {"*a", "ba", true},        {"*a*b*", "xxaxxbxx", true},
        {"#x", "1x", true},         {"#x", "ax", false},       {"[a-c]z", "bz", true},
        {"[a-c]z", "dz", false},    {"[!a-c]z", "dz", true},   {"[!a-c]z", "az", false},
        {"[-a]", "-", true},        {"[a-]", "-", true},       {"P??", "pxx", false},
        {"[ab", "a", false},        {"c?n?", "cono", true},    {"*ore", "dolore", true},
        {"**a", "a", true},         {"a?*b", "ab", false},     {"\xE0*", "\xE0x", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Wildcard(c.pattern).matches(c.text), c.match) << c.pattern << " ~ " << c.text;
    Wildcard w("p??v?");
    EXPECT_EQ(w.minLength(), 5u);
    EXPECT_FALSE(w.hasStar());
    EXPECT_FALSE(Wildcard("[ab").valido());
}
