// The command line as a user could type it, on a fuzzed dictionary in a scratch folder: the
// argument parser, then the command it selects. The input is the arguments, one per line, then
// a NUL byte and the dictionary's bytes (which are also the standard input).

#include "Fuzz.h"

#include "Argomenti.h"
#include "Cli.h"
#include "dictionary/CaricaDizionario.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <algorithm>
#include <csignal>
#include <set>
#include <sstream>

using namespace verbolario;
using namespace verbolario::fuzz;

namespace {

// Commands whose every output line is (a line of) a dictionary entry.
const std::set<std::string, std::less<>> kElencanoVoci = {
    "rime", "cruci", "mnemos", "cerca", "lettera", "palindromi", "scambi"};

// Every file name on the line points into the scratch folder: the dictionary (which always
// exists, so loading cannot fail) and the output file.
std::vector<std::string> argomenti(std::string_view righeArgomenti, const std::string& dizionario,
                                   const std::string& uscita) {
    std::vector<std::string> out{"verbolario-cli", "-d", dizionario};
    for (std::string_view a : righe(righeArgomenti)) {
        const std::string prima = out.back();
        if (prima == "-d" || prima == "--dizionario")
            out.push_back(dizionario);
        else if (prima == "-o")
            out.push_back(uscita);
        else if (a.starts_with("--dizionario="))
            out.push_back("--dizionario=" + dizionario);
        else
            out.emplace_back(a);
    }
    return out;
}

bool inOrdine(const std::vector<std::string>& v) {
    return std::adjacent_find(v.begin(), v.end(), std::greater_equal<>()) == v.end();
}

bool soloLettere(const std::string& v) {
    return !v.empty() && std::all_of(v.begin(), v.end(), [](char c) {
        return lettere::isAlfabeto(static_cast<unsigned char>(c));
    });
}

// The lines of the output as Windows-1252 text.
std::vector<std::string> righeUscita(const std::string& utf8) {
    const auto t = cp1252::fromUtf8(utf8);
    verifica(t.has_value(), "the output is UTF-8 that maps back to Windows-1252");
    std::vector<std::string> out;
    for (std::string_view r : righe(*t)) out.emplace_back(r);
    verifica(out.back().empty(), "every output line ends with a line feed");
    out.pop_back();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view in = testo(data, size);
    const size_t nul = std::min(in.find('\0'), in.size());
    const std::string_view dizionario = in.substr(std::min(nul + 1, in.size()));
    const Cartella& cartella = Cartella::unica();
    const std::string pathDizionario = cartella.scrivi("d.dic", dizionario);
    const std::string pathUscita = cartella / "uscita.dic";
    cartella.togli("uscita.dic");

    const std::vector<std::string> args = argomenti(in.substr(0, nul), pathDizionario, pathUscita);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.data()));
    argv.push_back(nullptr);
    std::istringstream input{std::string(dizionario)};
    std::ostringstream out, err;
    struct sigaction interruzione {};
    sigaction(SIGINT, nullptr, &interruzione); // the program takes Ctrl-C over; give it back
    const int codice = cli::run(static_cast<int>(args.size()), argv.data(), input, out, err);
    sigaction(SIGINT, &interruzione, nullptr);

    const std::vector<std::string_view> parole(args.begin() + 1, args.end());
    const cli::EsitoArgomenti atteso = cli::analizzaArgomenti(parole);
    if (atteso.aiuto) {
        verifica(codice == cli::kOk && out.str() == cli::testoUso(), "--help prints the usage");
        return 0;
    }
    if (!atteso.errore.empty()) {
        verifica(codice == cli::kUsage && out.str().empty() && err.str() == atteso.errore,
                 "a usage error prints its message and nothing else");
        return 0;
    }
    verifica(codice == cli::kOk || codice == cli::kFailed || codice == cli::kUsage,
             "a sound command line on a readable dictionary runs");
    // Only the list: messages on stderr may quote the user's own bytes as they came.
    const std::vector<std::string> lista = righeUscita(out.str());
    const std::string& comando = atteso.argomenti.comando;

    // With a text, palindromi marks where the text stands in each entry it lists.
    const bool marcate = comando == "palindromi" && !atteso.argomenti.testi.empty();
    if (kElencanoVoci.contains(comando) && !marcate) {
        Voci voci;
        NoPoll poll;
        CaricaDizionario(pathDizionario, voci, poll);
        std::set<std::string, std::less<>> pezzi;
        for (size_t i = 0; i < voci.size(); ++i)
            for (std::string_view r : righe(voci[i])) pezzi.emplace(r);
        verifica(std::all_of(lista.begin(), lista.end(),
                             [&](const std::string& r) { return pezzi.contains(r); }),
                 "a search lists entries of the dictionary");
    }
    if (comando == "formatta" || comando == "accenti") {
        const bool suFile = atteso.argomenti.uscita.has_value();
        verifica(!suFile || (codice == cli::kOk) == std::filesystem::exists(pathUscita),
                 "the output file is written exactly when the command succeeds");
        verifica(codice != cli::kOk || !suFile || lista.empty(),
                 "with an output file nothing goes to the standard output");
    }
    if (comando == "formatta" && codice == cli::kOk) {
        std::vector<std::string> pulite = lista;
        if (atteso.argomenti.uscita) {
            Voci voci;
            NoPoll poll;
            CaricaDizionario(pathUscita, voci, poll);
            pulite = elenco(voci);
            if (pulite == Elenco{""}) pulite.clear();
        }
        verifica(inOrdine(pulite) && std::all_of(pulite.begin(), pulite.end(), soloLettere),
                 "a cleaned dictionary holds single words, sorted and unique");
    }
    return 0;
}
