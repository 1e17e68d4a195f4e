// Each kind of command gives the same output whether the dictionary file needs the field rules or
// not: one file holds its entries one per line as they are (read where they lie), the other
// the same entries in upper case, quoted, between blanks and joined by commas (the full field
// rules from its first line on).

#include "Esecuzione.h"

#include <gtest/gtest.h>

namespace verbolario::cli::test {
namespace {

// Entries that rhyme, anagram, mirror, exchange and make word play, with a blank, a hyphen,
// accents and a comment among them.
const std::vector<std::string> kVoci = {
    "amore", "dolore", "colore", "cuore", "cane",       "cene",   "pane",   "roma",
    "ramo",  "mora",   "carota", "aorta", "città",      "perché", "oro",    "ala",
    "anna",  "a capo", "casa",   "cosa",  "casa\tnota", "privo",  "prova",  "pre-visto",
    "arco",  "orca",   "caro",   "carro", "canto",      "manto",  "àncora", "radar",
    "arpa",  "apra",   "capo",   "polo",  "porta",      "foglio", "calo",   "àrpa"};

// The same entries as the field rules read them from text that is anything but one per line.
std::string sporco() {
    std::string s;
    for (size_t i = 0; i < kVoci.size(); ++i) {
        std::string v = *cp1252::fromUtf8(kVoci[i]);
        switch (i % 4) {
        case 0: // capitals and blanks around
            s += "  " + cp1252::uppered(v) + " ";
            break;
        case 1: // quoted
            s += "\"" + v + "\"";
            break;
        case 2: // two entries on one line
            s += v + ",";
            continue;
        default:
            s += v;
        }
        s += i % 3 ? "\r\n" : "\n";
    }
    return s;
}

TEST(DuePercorsi, EveryCommandAnswersAlikeForACleanAndANotCleanFile) {
    CartellaTemp dir;
    const std::string pulito = dir.scrivi("pulito.dic", dizionario(kVoci));
    const std::string sporco_ = dir.scrivi("sporco.dic", sporco());
    const std::vector<std::vector<std::string>> comandi = {
        {"rime", "amore"},
        {"anagrammi", "acapo", "--frasi"},
        {"tutti", "--frasi"},
        {"parziali", "carota", "--scarti"},
        {"contenitori", "ca", "--escludi", "z", "--scarti"},
        {"palindromi"},
        {"scambi", "cane", "--vocali"},
        {"cerca", "ca"},
        {"lettera", "A"},
        {"cruci", "C?S?"},
        {"cruci", "A CAPO"},
        {"mnemos", "12", "--chiave", "CR"},
        {"parolando", "CAROTA"},
        {"formatta"},
        {"accenti"},
        {"analisi"},
        {"zeppa", "cane"},
        {"sciarada", "orocasaala", "--tre"},
        {"bifronte"},
        {"frase", "ancora", "tre", "--parole", "2"},
    };
    for (const auto& comando : comandi) {
        std::vector<std::string> a = {"-d", pulito}, b = {"-d", sporco_};
        a.insert(a.end(), comando.begin(), comando.end());
        b.insert(b.end(), comando.begin(), comando.end());
        const Esito da = esegui(a), db = esegui(b);
        const std::string nome = comando.front() + (comando.size() > 1 ? " " + comando[1] : "");
        EXPECT_EQ(da.codice, 0) << nome << da.err;
        EXPECT_FALSE(da.out.empty() && da.err.empty()) << nome;
        EXPECT_EQ(std::tie(da.codice, da.out, da.err), std::tie(db.codice, db.out, db.err)) << nome;
    }
}

} // namespace
} // namespace verbolario::cli::test
