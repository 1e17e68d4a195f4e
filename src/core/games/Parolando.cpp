#include "games/Parolando.h"

#include "search/Arrangia.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

#include <algorithm>

namespace verbolario {

namespace {

constexpr std::string_view kVocaliCasuali = lettere::kVocali.substr(0, 5);

// A letter of the pool as a capital A-Z, or 0 for anything else: a pool read from a damaged
// settings file may hold other characters, and accented vowels are never drawn.
char maiuscola(char c) {
    if (c >= 'A' && c <= 'Z') return c;
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return 0;
}

bool delTipo(char maiuscola, TipoLettera tipo) {
    const auto c = static_cast<unsigned char>(maiuscola - 'A' + 'a');
    return tipo == TipoLettera::Vocale ? lettere::isVocale(c) : lettere::isConsonante(c);
}

} // namespace

EsitoEstrazione Parolando::estrai(TipoLettera tipo, std::string_view pool, Casuale& casuale) {
    EsitoEstrazione e;
    if (lettereEstratte_.empty()) {
        e.nuovaPartita = true;
        nuovaPartita();
    }
    if (lettereEstratte_.size() >= 2 * static_cast<size_t>(kMassimoLettere)) {
        e.limite = true;
        e.messaggio = kLimiteLettere;
        return e;
    }
    char c = 0;
    if (distributiva_) {
        c = estraiDistributiva(tipo, pool, casuale);
    } else {
        const std::string_view insieme =
            tipo == TipoLettera::Vocale ? kVocaliCasuali : lettere::kConsonanti;
        c = maiuscola(insieme[static_cast<size_t>(casuale.indice(std::ssize(insieme)))]);
    }
    ++(tipo == TipoLettera::Vocale ? numVocali_ : numConsonanti_);
    lettereEstratte_ += c;
    lettereEstratte_ += ' ';
    e.lettera = c;
    e.messaggio =
        std::to_string(numVocali_) + " Vocali e " + std::to_string(numConsonanti_) + " Consonanti";
    return e;
}

// One pick among the pool's letters of the kind other than the previous pick: the same
// chances as picking pool positions until one fits, but a single draw, so it ends even when
// no letter fits.
char Parolando::estraiDistributiva(TipoLettera tipo, std::string_view pool, Casuale& casuale) {
    char& ultima = tipo == TipoLettera::Vocale ? ultimaVocale_ : ultimaConsonante_;
    auto ammessa = [&](char c) {
        const char m = maiuscola(c);
        return m != 0 && m != ultima && delTipo(m, tipo);
    };
    int64_t ammesse = std::ranges::count_if(pool, ammessa);
    if (ammesse == 0) {
        // No pool, or none of its letters of this kind is new: the random way's letters.
        pool = tipo == TipoLettera::Vocale ? kVocaliCasuali : lettere::kConsonanti;
        ammesse = std::ranges::count_if(pool, ammessa);
    }
    int64_t k = casuale.indice(ammesse);
    for (char c : pool) {
        if (ammessa(c) && k-- == 0) {
            ultima = maiuscola(c);
            break;
        }
    }
    return ultima;
}

EsitoControllo Parolando::controlla(std::string_view scritta) const {
    EsitoControllo e;
    if (lettereEstratte_.empty()) {
        e.svuota = true;
        return e;
    }
    std::string libere = Arrangia(cp1252::lowered(lettereEstratte_));
    if (scritta.size() > libere.size()) {
        e.messaggio = kParolaTroppoLunga;
        e.inizio = static_cast<int>(libere.size());
        e.lunghezza = 100;
        e.beep = 1;
        return e;
    }
    int rifiutate = 0;
    for (size_t i = 0; i < scritta.size(); ++i) {
        const size_t p = libere.find(scritta[i]);
        if (p != std::string::npos) {
            libere.erase(p, 1); // each drawn letter serves once
            continue;
        }
        e.inizio = static_cast<int>(i) - rifiutate;
        e.lunghezza = rifiutate + 1;
        ++rifiutate;
        ++e.beep;
        const std::string scelta = cp1252::uppered(
            scritta.substr(static_cast<size_t>(e.inizio), static_cast<size_t>(e.lunghezza)));
        // A blank is no drawn letter, though blanks separate the letters shown.
        const bool esaurita = scelta.find(' ') == std::string::npos &&
                              lettereEstratte_.find(scelta) != std::string::npos;
        e.messaggio = esaurita ? "Hai usato tutte le [ " + scelta + " ] estratte"
                               : std::string(kLetteraNonEstratta);
    }
    return e;
}

void Parolando::nuovaPartita() {
    lettereEstratte_.clear();
    numVocali_ = 0;
    numConsonanti_ = 0;
}

} // namespace verbolario
