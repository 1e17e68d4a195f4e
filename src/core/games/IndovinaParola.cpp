#include "IndovinaParola.h"

#include "dictionary/Voci.h"
#include "games/Casuale.h"
#include "games/IntervalloLunghezze.h"
#include "text/Accenti.h"
#include "text/Cp1252.h"
#include "text/Lettere.h"

namespace verbolario {

namespace {

unsigned char minuscola(char c) {
    return cp1252::lower(static_cast<unsigned char>(c));
}

std::string carattere(char c) {
    return std::string(1, c);
}

} // namespace

void IndovinaParola::nuovaParola(std::string_view voce) {
    int64_t piegati = 0;
    parola_ = cp1252::uppered(accenti::NoAcc(voce, true, piegati));
    caselle_.assign(parola_.size(), Casella{"_", Colore::Bianca});
    errori_ = aiuti_ = nonLettere_ = inserimenti_ = 0;
    vocali_ = consonanti_ = 0;
    if (parola_.empty()) return;
    caselle_.front() = {carattere(parola_.front()), Colore::Verde};
    caselle_.back() = {carattere(parola_.back()), Colore::Verde};
    Frame1_Click();
}

void IndovinaParola::Frame1_Click() {
    nonLettere_ = vocali_ = consonanti_ = 0;
    for (size_t j = 0; j < parola_.size(); ++j) {
        const unsigned char c = minuscola(parola_[j]);
        if (lettere::isVocale(c)) {
            ++vocali_;
        } else if (lettere::isConsonante(c)) {
            ++consonanti_;
        } else {
            caselle_[j] = {carattere(parola_[j]), Colore::Verde};
            // Only the inner ones: the first and last boxes are given anyway, and counting
            // them would keep a flawless game on a word such as 'ndrangheta from being clean.
            if (j > 0 && static_cast<int64_t>(j) < ultima()) ++nonLettere_;
        }
    }
}

bool IndovinaParola::aperta(size_t k) const {
    return caselle_[k].testo.empty() || caselle_[k].colore != Colore::Verde;
}

int IndovinaParola::prossimaAperta(size_t j) const {
    const int64_t penultima = ultima() - 1;
    if (penultima < 1) return kNessuno;
    if (j + 1 < caselle_.size() && aperta(j + 1)) return static_cast<int>(j + 1);
    for (int64_t k = 1; k < penultima; ++k)
        if (aperta(static_cast<size_t>(k))) return static_cast<int>(k);
    return static_cast<int>(penultima);
}

IndovinaParola::Esito IndovinaParola::T1_Change(size_t j, std::string_view testo) {
    Esito e;
    if (j >= caselle_.size()) return e;
    Casella& casella = caselle_[j];
    // Deleting a letter reopens the box without judging anything; a box left green would
    // pass for a right letter.
    if (testo.empty()) {
        casella = {"_", Colore::Bianca};
        return e;
    }
    casella.testo = std::string(testo);
    const bool giusta = cp1252::uppered(testo) == carattere(parola_[j]);
    casella.colore = giusta ? Colore::Verde : Colore::Rossa;
    if (!giusta) ++errori_;
    const bool completa = Completata();
    if (static_cast<int64_t>(j) < ultima() && !completa) e.fuoco = prossimaAperta(j);
    ++inserimenti_;
    if (completa) {
        e.finita = true;
        e.beep = true;
        e.messaggio = Verdetto(errori_, aiuti_, inserimenti_, lunghezza(), nonLettere_);
    }
    return e;
}

IndovinaParola::Esito IndovinaParola::Command3_Click(int indice, Casuale& casuale) {
    if (!inCorso()) return {};
    const bool vocale = indice == 0;
    const std::string mostrato = strText();
    std::vector<size_t> nascoste;
    if (vocale ? GetCompareVocali(parola_, mostrato) : GetCompareConsonanti(parola_, mostrato)) {
        for (size_t p = 0; p < parola_.size(); ++p) {
            const unsigned char c = minuscola(parola_[p]);
            const bool adatta = vocale ? lettere::isVocale(c) : lettere::isConsonante(c);
            if (adatta && caselle_[p].testo != carattere(parola_[p])) nascoste.push_back(p);
        }
    }
    if (nascoste.empty()) {
        Esito e;
        e.beep = true;
        e.messaggio = vocale ? kNienteVocali : kNienteConsonanti;
        e.fuoco = PrimaCasellaAperta();
        return e;
    }
    // One pick among the hidden letters of the kind: the same odds as picking positions
    // until one fits, without the chance of picking for ever.
    const size_t p =
        nascoste[static_cast<size_t>(casuale.indice(static_cast<int64_t>(nascoste.size())))];
    ++aiuti_;
    return T1_Change(p, carattere(parola_[p]));
}

bool IndovinaParola::Completata() const {
    return strText() == parola_;
}

std::string IndovinaParola::strText() const {
    std::string s;
    s.reserve(caselle_.size());
    for (const Casella& c : caselle_) s += c.testo;
    return s;
}

int IndovinaParola::PrimaCasellaAperta() const {
    for (size_t k = 0; k < caselle_.size(); ++k) {
        const Casella& c = caselle_[k];
        if (c.testo.empty() || c.testo == "_" || c.colore == Colore::Rossa)
            return static_cast<int>(k);
    }
    return kNessuno;
}

std::optional<int> IndovinaParola::T1_KeyDown(size_t j, Tasto tasto) {
    const int64_t u = ultima();
    auto box = static_cast<int64_t>(j);
    if (tasto == Tasto::Canc) {
        // The given first and last letters cannot be deleted: there Delete moves on.
        if (box != 0 && box != u) return std::nullopt;
        tasto = Tasto::Destra;
    }
    if (tasto == Tasto::Spazio) {
        if (spazio_ >= u - 2) spazio_ = -1;
        ++spazio_;
        box = spazio_;
        tasto = Tasto::Destra;
    }
    if (tasto == Tasto::Destra) return box < u - 1 ? static_cast<int>(box + 1) : kNessuno;
    return box > 1 ? static_cast<int>(box - 1) : kNessuno;
}

char IndovinaParola::T1_KeyPress(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int IndovinaParola::T1_MouseDown(size_t j) const {
    if (parola_.empty() || j >= caselle_.size()) return kNessuno;
    if (Completata()) return kAltrove;
    const int64_t u = ultima();
    if (j == 0 && u >= 1) return 1;
    if (static_cast<int64_t>(j) == u && u >= 1) return static_cast<int>(u - 1);
    return kNessuno;
}

std::string IndovinaParola::testoConteggio(int64_t n) {
    std::string s = std::to_string(n);
    return n <= 9 ? "  " + s : s;
}

std::string IndovinaParola::Verdetto(int64_t E, int64_t H, int64_t T, int64_t L, int64_t N) {
    const std::string errori = std::to_string(E) + " error" + (E == 1 ? "e" : "i");
    const std::string aiuti = std::to_string(H) + " aiut" + (H == 1 ? "o" : H > 1 ? "i" : "");
    // Clean: every judged change was needed (no wrong letter, no box filled twice).
    if (T == L - 2 - N) {
        if (H == 0)
            return "Fantastico!\r\nHai indovinato la parola senza un errore e senza nemmeno un "
                   "aiuto!";
        if (H == L - 2 - N)
            return "Pi\xF9 che bravo per aver completato la parola senza un errore...\r\n"
                   "   dovrei dire furbastro!!!";
        if (H >= 2 * L / 3)
            return "Hai indovinato la parola ma..., un p\xF2 troppi aiuti non ti pare? "
                   "Esattamente " +
                   std::to_string(H);
        return "Bene, anche se hai chiesto " + aiuti +
               " hai indivinato la parola senza nessun errore.";
    }
    if (H == 0)
        return "Bravo!\r\nHai fatto " + errori +
               " per\xF2 non hai chiesto nessun aiuto per indovinare la parola.";
    if (H == L - 2)
        return "Ma guarda un p\xF2!\r\nOltre a farmi dire l'intera parola hai pure fatto " +
               errori + "!";
    return "Bene, nonostante " + errori + " e " + aiuti + " hai indivinato la parola!";
}

bool GetCompareVocali(std::string_view parola, std::string_view mostrato) {
    for (size_t k = 1; k + 1 < parola.size(); ++k) {
        const char c = parola[k];
        const bool vocale = c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
        if (vocale && (k >= mostrato.size() || mostrato[k] != c)) return true;
    }
    return false;
}

bool GetCompareConsonanti(std::string_view parola, std::string_view mostrato) {
    for (size_t k = 1; k + 1 < parola.size(); ++k) {
        const unsigned char c = minuscola(parola[k]);
        if (lettere::isConsonante(c) && (k >= mostrato.size() || minuscola(mostrato[k]) != c))
            return true;
    }
    return false;
}

std::optional<size_t> EstraiVoce(const Voci& voci, int64_t min, int64_t max, Casuale& casuale) {
    const int64_t quante = GetRange(voci, min, max);
    if (quante <= 0) return std::nullopt;
    // The r-th fitting entry: every fitting entry equally likely, as when drawing over the
    // whole dictionary until one fits, but with one draw and an end on every dictionary.
    int64_t r = casuale.indice(quante);
    const auto& refs = voci.refs();
    for (size_t i = 0; i < refs.size(); ++i) {
        const int64_t l = refs[i].len;
        if (l < min || l > max) continue;
        if (r-- == 0) return i;
    }
    return std::nullopt;
}

} // namespace verbolario
