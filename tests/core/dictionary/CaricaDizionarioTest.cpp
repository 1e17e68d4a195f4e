#include "dictionary/CaricaDizionario.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

V load(std::string_view text) {
    Voci v;
    NoPoll poll;
    EXPECT_TRUE(caricaDaTesto(text, v, poll).ok);
    return elenco(v);
}

} // namespace

TEST(CaricaDizionario, FieldRules) {
    const std::pair<std::string_view, V> casi[] = {
        {"", {""}},
        {"Porta,PORTONE\r\n", {"porta", "portone"}},
        {"\"uno, due\"\r\n", {"uno, due"}},
        {"  \xC0ncora  \r\n", {"\xE0ncora"}},
        {"cane\tanimale domestico, fedele\r\n", {"cane\tanimale domestico", "fedele"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\nb\rc", {"a", "b", "c"}}, // lone LF and CR end lines; the last needs no end
        // A tab is kept; what follows a closing quote up to the delimiter is dropped.
        {"\tx \r\n\"q\"zz,r", {"\tx", "q", "r"}},
        {"\"a,b\r\nc", {"a,b\r\nc"}}, // an unclosed quote runs to the end of the file
        {std::string_view("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const auto& [testo, voci] : casi) EXPECT_EQ(load(testo), voci);
}

TEST(CaricaDizionario, StopKeepsWhatWasRead) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text.append("w").append(std::to_string(i)).append("\r\n");
    Voci v;
    StopDopo poll(100);
    auto e = caricaDaTesto(text, v, poll);
    EXPECT_TRUE(e.ok);
    EXPECT_TRUE(e.interrotto);
    ASSERT_EQ(v.size(), 100u);
    EXPECT_EQ(v[99], "w99");

    NoPoll never;
    caricaDaTesto(text, v, never);
    EXPECT_EQ(v.upperBound(), 4999);
}

TEST(CaricaDizionario, BadFilesFailCleanly) {
    CartellaTemporanea dir;
    Voci v = dizionario({"x"});
    NoPoll poll;
    for (const std::string& p : {dir / "missing.dic", dir.path()}) {
        auto e = CaricaDizionario(p, v, poll);
        EXPECT_FALSE(e.ok);
        EXPECT_FALSE(e.errore.empty());
        EXPECT_EQ(v.upperBound(), -1);
    }

    // Binary junk and one enormous line load without trouble.
    std::string junk;
    for (int i = 0; i < 70000; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
    scriviFile(dir / "junk.dic", junk + std::string(8 << 20, 'x'));
    EXPECT_TRUE(CaricaDizionario(dir / "junk.dic", v, poll).ok);
    EXPECT_GE(LengMax(v), 8 << 20);
}

TEST(Voci, EditsKeepTheOthersAndInvalidateDerivedData) {
    Voci v = dizionario({"uno", "due", "tre"});
    struct Count {
        explicit Count(const Voci& v) : n(v.size()) {}
        size_t n;
    };
    EXPECT_EQ(v.derived<Count>().n, 3u);
    v.append("quattro");
    EXPECT_EQ(v.derived<Count>().n, 4u);
    v.set(1, "");
    v.set(0, v[2]); // a text from the store itself
    Voci copy = v;
    v.resize(1);
    EXPECT_EQ(elenco(copy), (V{"tre", "", "tre", "quattro"}));
    EXPECT_EQ(SoloTermine("casa \tnota"), "casa ");
}
