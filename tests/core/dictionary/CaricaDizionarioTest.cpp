#include "dictionary/CaricaDizionario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace verbolario;

namespace {

std::vector<std::string> load(std::string_view text) {
    Voci v;
    NoPoll poll;
    EXPECT_TRUE(caricaDaTesto(text, v, poll).ok);
    std::vector<std::string> out;
    for (size_t i = 0; i < v.size(); ++i) out.emplace_back(v[i]);
    return out;
}

class StopAfter : public Poll {
public:
    explicit StopAfter(int n) : n_(n) {}
    bool stop() override { return n_-- <= 0; }

private:
    int n_;
};

using V = std::vector<std::string>;

} // namespace

TEST(CaricaDizionario, FieldRules) {
    EXPECT_EQ(load(""), V{""});
    EXPECT_EQ(load("Casa\r\n"), V{"casa"});
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
    for (int i = 0; i < 5000; ++i) {
        text += 'w';
        text += std::to_string(i);
        text += "\r\n";
    }
    Voci v;
    StopAfter poll(100);
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
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "verbolario-load-test";
    fs::create_directories(dir);
    Voci v;
    NoPoll poll;
    caricaDaTesto("x", v, poll);

    auto e = CaricaDizionario((dir / "missing.dic").string(), v, poll);
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.errore.empty());
    EXPECT_TRUE(v.empty());
    EXPECT_EQ(v.upperBound(), -1);

    e = CaricaDizionario(dir.string(), v, poll);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(v.empty());

    // Binary junk and one enormous line load without trouble.
    std::string junk;
    for (int i = 0; i < 70000; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
    junk += std::string(8 << 20, 'x');
    { std::ofstream(dir / "junk.dic", std::ios::binary) << junk; }
    e = CaricaDizionario((dir / "junk.dic").string(), v, poll);
    EXPECT_TRUE(e.ok);
    EXPECT_GE(LengMax(v), 8 << 20);
    fs::remove_all(dir);
}

TEST(Voci, EditsKeepTheOthersAndInvalidateDerivedData) {
    Voci v;
    NoPoll poll;
    caricaDaTesto("uno\r\ndue\r\ntre", v, poll);
    struct Count {
        explicit Count(const Voci& v) : n(v.size()) {}
        size_t n;
    };
    EXPECT_EQ(v.derived<Count>().n, 3u);
    v.append("quattro");
    EXPECT_EQ(v.derived<Count>().n, 4u);
    v.set(1, "");
    v.set(0, v[2]); // a text from the store itself
    EXPECT_EQ(v[0], "tre");
    EXPECT_EQ(v[1], "");
    EXPECT_EQ(v[3], "quattro");
    Voci copy = v;
    v.resize(1);
    EXPECT_EQ(copy.size(), 4u);
    EXPECT_EQ(copy[3], "quattro");
    EXPECT_EQ(SoloTermine("casa \tnota"), "casa ");
}
