#include "dictionary/CaricaDizionario.h"
#include "dictionary/RighePulite.h"
#include "text/Cp1252.h"

#include "core/Prova.h"

#include <gtest/gtest.h>

#include <functional>

using namespace verbolario;
using namespace verbolario::prova;

namespace {

V load(std::string_view text) {
    Voci v;
    NoPoll poll;
    EXPECT_TRUE(caricaDaTesto(text, v, poll).ok);
    return elenco(v);
}

// The field rules read one character at a time, as written down: the reference for the
// loader's fast and full paths.
V campiPiani(std::string_view t) {
    V out;
    size_t r = 0;
    auto fineCampo = [&t](size_t i) { return t[i] == ',' || t[i] == '\r' || t[i] == '\n'; };
    while (r < t.size()) {
        while (r < t.size() && t[r] == ' ') ++r;
        std::string f;
        if (r < t.size() && t[r] == '"') {
            for (++r; r < t.size() && t[r] != '"';) f += t[r++];
            if (r < t.size()) ++r;
            while (r < t.size() && !fineCampo(r)) ++r;
        } else {
            while (r < t.size() && !fineCampo(r)) f += t[r++];
        }
        if (r < t.size() && t[r++] == '\r' && r < t.size() && t[r] == '\n') ++r;
        out.emplace_back(cp1252::lowered(trim(f)));
    }
    if (out.empty()) out.emplace_back();
    return out;
}

// Random texts of awkward pieces, mostly clean lines so the fast path runs a good way before
// it meets a piece that needs the field rules.
std::string testoCasuale(std::mt19937& rng, bool pulito) {
    static constexpr std::string_view kPulite[] = {
        "a", "casa", "\xE0", "\t", "x y", "'", "\xBD", std::string_view("\0", 1), "-", "\xFF"};
    static constexpr std::string_view kSporche[] = {",",    "\"", " ",    "A",   "\xC0",
                                                    "\x8A", "\r", "\xDE", "\x9F"};
    static constexpr std::string_view kFini[] = {"\r\n", "\n"};
    std::string t;
    const size_t righe = rng() % 60;
    for (size_t i = 0; i < righe; ++i) {
        for (size_t k = rng() % 6; k > 0; --k) {
            if (!pulito && rng() % 40 == 0)
                t += kSporche[rng() % std::size(kSporche)];
            else
                t += kPulite[rng() % std::size(kPulite)];
        }
        if (i + 1 < righe || rng() % 2) t += kFini[rng() % std::size(kFini)];
    }
    return t;
}

} // namespace

TEST(CaricaDizionario, FastPathAgreesWithTheFieldRules) {
    std::mt19937 rng(11);
    for (int i = 0; i < 3000; ++i) {
        const std::string t = testoCasuale(rng, i % 3 == 0);
        ASSERT_EQ(load(t), campiPiani(t)) << i;
    }
    // Every byte value inside a line: clean unless it is one the field rules act on.
    for (int c = 0; c < 256; ++c) {
        std::string t = std::string("ab") + static_cast<char>(c) + "cd\r\n";
        EXPECT_EQ(load(t), campiPiani(t)) << c;
    }
}

TEST(CaricaDizionario, LineSplitterFindsTheFirstLineThatNeedsTheRules) {
    const auto caso = [](std::string testo, bool ultimo, bool scalare) {
        std::vector<Voci::Ref> refs;
        testo.append(kMargineRighe, '\0');
        const size_t n = testo.size() - kMargineRighe;
        const Spezzatura s =
            scalare ? detail::SpezzaRighePuliteScalare(testo.data(), n, ultimo, 7, refs)
                    : SpezzaRighePulite(testo.data(), n, ultimo, 7, refs);
        std::string righe;
        for (const Voci::Ref& r : refs) righe.append(testo, r.off - 7, r.len).append("|");
        return std::to_string(s.fine) + (s.pulito ? " " : " ! ") + righe;
    };
    const std::tuple<std::string, bool, std::string> casi[] = {
        {"uno\r\ndue\ntre", true, "12 uno|due|tre|"},
        {"uno\r\ndue\ntre", false, "9 uno|due|"},
        {"uno\r\n\r\ndue\r\n", true, "12 uno||due|"},
        {"", true, "0 "},
        {"fine\r", true, "5 fine|"}, // a lone CR at the end ends the line for the loader too
        {"uno\r\nDue\r\n", true, "5 ! uno|"},
        {"uno\ndue \n", true, "4 ! uno|"},
        {"uno\n due\n", true, "4 ! uno|"},
        {"uno\ndue\rtre\n", true, "4 ! uno|"},
        {"uno\nd,e\n", true, "4 ! uno|"},
        {"uno\nx \"y\"\n", true, "4 ! uno|"},
        {"uno\nfine ", true, "4 ! uno|"},
    };
    for (bool scalare : {false, true}) {
        for (const auto& [testo, ultimo, atteso] : casi)
            EXPECT_EQ(caso(testo, ultimo, scalare), atteso) << testo << scalare;
        // Long texts, so that the vector path crosses many blocks and its carried bits.
        std::mt19937 rng(3);
        for (int i = 0; i < 300; ++i) {
            std::string t;
            for (int k = 0; k < 40; ++k) t += testoCasuale(rng, i % 2 == 0);
            ASSERT_EQ(caso(t, true, scalare), caso(t, true, !scalare)) << i;
        }
    }
}

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
    // Clean lines are taken a megabyte at a time, the rest one field at a time; a stop keeps
    // the entries read before it, in order, on either path.
    for (const auto& [fine, domande] : {std::pair{"\r\n", 1}, std::pair{",\r\n", 50}}) {
        std::string text;
        for (int i = 0; i < 300000; ++i) text.append("w").append(std::to_string(i)).append(fine);
        NoPoll never;
        Voci tutte, v;
        caricaDaTesto(text, tutte, never);
        StopDopo poll(domande);
        auto e = caricaDaTesto(text, v, poll);
        EXPECT_TRUE(e.ok && e.interrotto);
        ASSERT_GT(v.size(), 0u);
        ASSERT_LT(v.size(), tutte.size());
        for (size_t i = 0; i < v.size(); ++i) ASSERT_EQ(v[i], tutte[i]) << i;
    }
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

// Derived data built on derived data keeps a share in it; a snapshot starts with what the store
// has derived, and what is derived on the snapshot can be handed back to a store of the same
// entries without replacing what the store has.
TEST(Voci, DerivedDataGoesToSnapshotsAndBack) {
    struct Base {
        explicit Base(const Voci& v) : n(v.size()) {}
        size_t n;
    };
    struct Sopra {
        explicit Sopra(const Voci& v) : base(v.derivedShared<Base>()) {}
        std::shared_ptr<const Base> base;
    };
    Voci v = dizionario({"uno", "due"});
    const Base* base = &v.derived<Base>();
    Voci istantanea = v.snapshot();
    EXPECT_EQ(istantanea.cached<Base>(), base);
    const Sopra& sopra = istantanea.derived<Sopra>();
    EXPECT_EQ(sopra.base.get(), base);
    EXPECT_EQ(v.cached<Sopra>(), nullptr);
    v.adoptDerived(istantanea.derivati());
    EXPECT_EQ(v.cached<Sopra>(), &sopra);
    EXPECT_EQ(v.cached<Base>(), base);
    // A change drops the store's derived data, not what the snapshot holds.
    v.append("tre");
    EXPECT_EQ(v.cached<Base>(), nullptr);
    EXPECT_EQ(istantanea.cached<Sopra>()->base->n, 2u);
}

// A snapshot (read by another thread while the store goes on) or a copy never sees a change; the
// store changes as it would without one, and knows whether its entries still lie in order and
// whether any holds a blank or a hyphen.
TEST(Voci, ChangesAfterASnapshotLeaveItAlone) {
    const std::function<void(Voci&)> cambi[] = {
        [](Voci& v) { v.append("nuova voce"); },
        [](Voci& v) { v.set(1, v[3]); },
        [](Voci& v) { v.set(2, ""); },
        [](Voci& v) { v.resize(2); },
        [](Voci& v) { v.resize(7); },
        [](Voci& v) {
            std::vector<Voci::Ref> r = v.refs();
            std::reverse(r.begin(), r.end());
            v.replaceRefs(r);
        },
        [](Voci& v) { v.clear(); },
    };
    NoPoll np;
    for (const auto& cambia : cambi) {
        Voci v;
        ASSERT_TRUE(caricaDaTesto("uno\r\ndue\r\ntre\r\nquattro\r\n", v, np).ok);
        EXPECT_TRUE(v.inOrdine() && v.senzaSegni());
        Voci atteso = v;
        cambia(atteso);
        const Voci istantanea = v.snapshot(), copia = v;
        EXPECT_EQ(istantanea.version(), v.version());
        cambia(v);
        EXPECT_EQ(elenco(istantanea), (V{"uno", "due", "tre", "quattro"}));
        EXPECT_EQ(elenco(copia), elenco(istantanea));
        EXPECT_EQ(elenco(v), elenco(atteso));
        EXPECT_NE(istantanea.version(), v.version());
        EXPECT_EQ(v.senzaSegni(), atteso.senzaSegni());
        // In order exactly when every entry starts where the one before ends, or later.
        bool inOrdine = true;
        for (size_t i = 1; i < v.size(); ++i)
            inOrdine = inOrdine && v[i].data() >= v[i - 1].data() + v[i - 1].size();
        EXPECT_EQ(v.inOrdine(), inOrdine);
    }
}
