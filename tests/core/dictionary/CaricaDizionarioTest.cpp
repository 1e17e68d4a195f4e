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
    EXPECT_EQ(load(""), V{""});
    EXPECT_EQ(load("Porta,PORTONE\r\n"), (V{"porta", "portone"}));
    EXPECT_EQ(load("\"uno, due\"\r\n"), V{"uno, due"});
    EXPECT_EQ(load("  \xC0ncora  \r\n"), V{"\xE0ncora"});
    EXPECT_EQ(load("cane\tanimale domestico, fedele\r\n"),
              (V{"cane\tanimale domestico", "fedele"}));
    EXPECT_EQ(load("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
    // Lone LF and lone CR end a line too; the last line needs no line end.
    EXPECT_EQ(load("a\nb\rc"), (V{"a", "b", "c"}));
    // A tab is kept; what follows a closing quote up to the delimiter is dropped.
    EXPECT_EQ(load("\tx \r\n\"q\"zz,r"), (V{"\tx", "q", "r"}));
    // An unclosed quote runs to the end of the file.
    EXPECT_EQ(load("\"a,b\r\nc"), V{"a,b\r\nc"});
    EXPECT_EQ(load(std::string_view("a\0b\r\n", 5)), V{std::string("a\0b", 3)});
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
        EXPECT_TRUE(v.empty());
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
