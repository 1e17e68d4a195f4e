// The dictionary's life on arbitrary bytes: loading (from a file and from memory, against a
// plain reading of the field rules), the clean-up, the accent removal and saving, each checked
// for what it promises.

#include "Fuzz.h"

#include "dictionary/CaricaDizionario.h"
#include "dictionary/EraseAccent.h"
#include "dictionary/Ripulisci.h"
#include "dictionary/SaveDictionary.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <set>

using namespace verbolario;
using namespace verbolario::fuzz;

namespace {

// The field rules read one character at a time: a field ends at a comma, CR LF, a lone CR or
// a lone LF; blanks before it are skipped; a field opened by a double quote runs to the next
// one (or the end) and whatever follows that quote up to the delimiter is dropped; the entry
// is trimmed of blanks and lower-cased. No field at all gives one empty entry.
Elenco letturaSemplice(std::string_view b) {
    Elenco out;
    size_t i = 0;
    auto delimitatore = [&](size_t k) { return b[k] == ',' || b[k] == '\r' || b[k] == '\n'; };
    while (i < b.size()) {
        while (i < b.size() && b[i] == ' ') ++i;
        std::string campo;
        if (i < b.size() && b[i] == '"') {
            for (++i; i < b.size() && b[i] != '"'; ++i) campo += b[i];
            if (i < b.size()) ++i;
            while (i < b.size() && !delimitatore(i)) ++i;
        } else {
            for (; i < b.size() && !delimitatore(i); ++i) campo += b[i];
        }
        if (i < b.size()) {
            const bool crlf = b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n';
            i += crlf ? 2 : 1;
        }
        const size_t inizio = campo.find_first_not_of(' ');
        campo = inizio == std::string::npos
                    ? std::string()
                    : campo.substr(inizio, campo.find_last_not_of(' ') - inizio + 1);
        out.push_back(cp1252::lowered(campo));
    }
    if (out.empty()) out.emplace_back();
    return out;
}

bool lettera(unsigned char c) {
    static constexpr std::string_view kAccentate =
        "\xE0\xE1\xE2\xE3\xE4\xE8\xEA\xEB\xE9\xEC\xEE\xEF\xED\xF2\xF3\xF4\xF5\xF6\xF9\xFC\xFA\xFB";
    return (c >= 'a' && c <= 'z') || kAccentate.find(static_cast<char>(c)) != kAccentate.npos;
}

// Every run of letters (after lower-casing) of every entry.
Elenco parole(const Elenco& voci) {
    Elenco out;
    for (const std::string& v : voci) {
        std::string w;
        for (char ch : cp1252::lowered(v)) {
            if (lettera(static_cast<unsigned char>(ch))) {
                w += ch;
            } else if (!w.empty()) {
                out.push_back(std::move(w));
                w.clear();
            }
        }
        if (!w.empty()) out.push_back(std::move(w));
    }
    return out;
}

// What a saved file holds: the distinct non-empty entries in byte order (std::string
// compares bytes as unsigned). Read back, an empty file is one empty entry.
Elenco salvato(const Elenco& voci) {
    std::set<std::string> distinte(voci.begin(), voci.end());
    distinte.erase(std::string());
    Elenco out(distinte.begin(), distinte.end());
    if (out.empty()) out.emplace_back();
    return out;
}

Elenco ricarica(const std::string& path) {
    NoPoll poll;
    Voci voci;
    verifica(CaricaDizionario(path, voci, poll).ok, "a saved file loads");
    return elenco(voci);
}

// Saves and reads back: the file holds exactly what a save promises.
void salvaERicarica(Voci& voci, const char* proprieta) {
    NoPoll poll;
    const Elenco prima = elenco(voci);
    const std::string path = Cartella::unica() / "salvato.dic";
    verifica(SaveDictionary(voci, path, poll).ok, "the save succeeds");
    verifica(ricarica(path) == salvato(prima), proprieta);
}

// Strips the accents: every term folded (its comment left as written), sorted, repeats
// blanked in place.
void senzaAccenti(Voci& voci) {
    const Elenco prima = elenco(voci);
    NoPoll poll;
    const EsitoEraseAccent esito = EraseAccent(voci, poll);
    verifica(!esito.interrotto, "the accent removal completes");
    std::set<std::string> attese;
    for (const std::string& v : prima) {
        const std::string_view termine = SoloTermine(v);
        int64_t contatore = 0;
        if (!v.empty())
            attese.insert(accenti::NoAcc(termine, true, contatore) + v.substr(termine.size()));
    }
    const Elenco dopo = elenco(voci);
    Elenco piene;
    std::copy_if(dopo.begin(), dopo.end(), std::back_inserter(piene),
                 [](const std::string& v) { return !v.empty(); });
    verifica(std::adjacent_find(piene.begin(), piene.end(), std::greater_equal<>()) == piene.end(),
             "after the accent removal the non-empty entries are sorted and unique");
    verifica(std::set(piene.begin(), piene.end()) == attese, "the accent removal folds every term");
    const auto vuote = [](const Elenco& e) { return std::count(e.begin(), e.end(), ""); };
    verifica(dopo.size() == prima.size() && vuote(dopo) == vuote(prima) + esito.doppioni,
             "the accent removal blanks exactly the repeats it counts");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view byte = testo(data, size);
    NoPoll poll;
    Voci voci, daMemoria;
    const std::string path = Cartella::unica().scrivi("caricato.dic", byte);
    verifica(CaricaDizionario(path, voci, poll).ok, "any file loads");
    verifica(caricaDaTesto(byte, daMemoria, poll).ok, "any text loads");
    const Elenco caricate = elenco(voci);
    verifica(caricate == elenco(daMemoria), "loading from a file and from memory agree");
    verifica(caricate == letturaSemplice(byte), "the loader follows the field rules");

    Voci copia = voci;
    senzaAccenti(copia);
    // An entry holding a comma is saved between quotes; one holding a line break, or a comma
    // and a quote, has no written form that reads back whole.
    if (std::none_of(caricate.begin(), caricate.end(), [](const std::string& v) {
            return v.find_first_of("\r\n") != v.npos ||
                   (v.find(',') != v.npos && v.find('"') != v.npos);
        })) {
        copia = voci;
        salvaERicarica(copia, "a loaded dictionary saved and reloaded keeps its entries");
    }

    StatisticheLettere stat;
    const EsitoRipulisci pulizia = Ripulisci(voci, stat, poll);
    verifica(pulizia.ok, "the clean-up completes");
    const Elenco tutte = parole(caricate);
    const Elenco pulite = elenco(voci);
    verifica(pulite == salvato(tutte),
             "after the clean-up the entries are the words, lower case, sorted and unique");
    verifica(pulizia.doppioni ==
                 static_cast<int64_t>(tutte.size()) -
                     static_cast<int64_t>(std::set(tutte.begin(), tutte.end()).size()),
             "the clean-up counts the repeats it dropped");

    senzaAccenti(voci);
    salvaERicarica(voci, "a cleaned dictionary saved and reloaded keeps its entries");
    return 0;
}
