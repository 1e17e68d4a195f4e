// The settings store on an arbitrary file and an arbitrary run of reads and writes: a value
// written reads back, every other key keeps the value it had, a refused write leaves the file
// alone, and rewriting a key never adds a line.

#include "Fuzz.h"

#include "settings/WRini.h"
#include "text/Cp1252.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <map>

using namespace verbolario;
using namespace verbolario::fuzz;

namespace {

// Longer than any value the store gives back, so it can only be the default.
const std::string kAssente = "(assente)" + std::string(WRini::kMaxValore, '-');

std::string_view senzaBordi(std::string_view s) {
    const size_t b = s.find_first_not_of(" \t");
    if (b == s.npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// Names as the store compares them: without surrounding blanks, case folded.
std::pair<std::string, std::string> nome(std::string_view sezione, std::string_view chiave) {
    return {cp1252::lowered(senzaBordi(sezione)), cp1252::lowered(senzaBordi(chiave))};
}

// A final line without its line feed counts too.
size_t quanteRighe(std::string_view file) {
    return righe(file).size() - (file.empty() || file.back() == '\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const Cartella& cartella = Cartella::unica();
    cartella.scrivi("Verbolario.ini", in.ConsumeRandomLengthString(1024));
    WRini ini(cartella.path());
    // What each key read or written so far must read as; kAssente for a missing one.
    std::map<std::pair<std::string, std::string>, std::string> noto;
    while (in.remaining_bytes() > 0) {
        const std::string sezione = in.ConsumeRandomLengthString(24);
        const std::string chiave = in.ConsumeRandomLengthString(24);
        ini.setSezione(sezione);
        const std::string letto = ini.LeggiINI(chiave, kAssente);
        verifica(letto == kAssente || letto.size() <= WRini::kMaxValore,
                 "a value reads back at most 254 characters long");
        const auto [it, nuovo] = noto.emplace(nome(sezione, chiave), letto);
        verifica(nuovo || it->second == letto, "a key keeps its value until it is written");
        if (!in.ConsumeBool()) continue;

        const std::string valore = in.ConsumeRandomLengthString(300);
        const std::string prima = cartella.leggi("Verbolario.ini");
        const bool scritto = ini.ScriviINI(chiave, valore) != 0;
        const std::string dopo = cartella.leggi("Verbolario.ini");
        if (!scritto) {
            verifica(dopo == prima, "a refused write leaves the file alone");
            continue;
        }
        const std::string atteso(senzaBordi(valore).substr(0, WRini::kMaxValore));
        verifica(ini.LeggiINI(chiave, kAssente) == atteso, "a value written reads back");
        if (letto != kAssente)
            verifica(quanteRighe(dopo) == quanteRighe(prima), "rewriting a key adds no line");
        else
            verifica(quanteRighe(dopo) <= quanteRighe(prima) + 3,
                     "a new key adds at most a section and itself");
        it->second = atteso;
        for (const auto& [n, valoreNoto] : noto) {
            ini.setSezione(n.first);
            verifica(ini.LeggiINI(n.second, kAssente) == valoreNoto,
                     "a write leaves every other key as it was");
        }
    }
    return 0;
}
