// The word-play relations against the slow searches of EnigmisticaLenta.h, on a small
// dictionary over a small alphabet, so that the relations hold often: each relation from its
// word orders and by the plain pass taken before they exist.
//
// Input: one byte of options, one byte for the stop requests, then text. Bytes of the text
// outside the alphabet below are mapped into it. The first line is the typed word, every
// further line an entry of the dictionary.
//
// Options: bit 0 sciarada in three parts; bits 1-2 the phrase words at most (0 to 3, 0 to
// try the clamp); bits 3-4 the phrase word letters at least (0 to 3); bits 5-7 the phrase
// limit (0 for none). Stop byte: bit 0 how many stop questions are answered "go on" (the
// loops ask once per 1024 steps, so there are few); bits 6 and 7 both set also run a
// stoppable search (bits 4-5: lucchetto, bifronte, frase, lucchetto) on every pair of entries
// glued together, a dictionary large enough for its loop to ask.

#include "Fuzz.h"

#include "../core/search/EnigmisticaLenta.h"

#include "search/IndiceParole.h"
#include "search/Relazioni.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

using namespace verbolario;
using namespace verbolario::fuzz;

namespace {

// A few plain and accented vowels and consonants, some capitals, and the blanks, signs, TAB
// and line feed that make entries awkward or comments.
constexpr std::string_view kSegni = "aeoirmtnAR\xE0\xE8\xF2\xC0\xE4 \t\n-'";
// The slow searches try every pair and every split; longer inputs add time, not cases.
constexpr size_t kDigitatoMassimo = 12;
constexpr size_t kVoceMassima = 12;
constexpr size_t kVociMassime = 40;
// The slow phrase search tries every combination of words; more words make it crawl.
constexpr int kFrasiParoleMassime = 3;

char segno(uint8_t b) {
    const char c = static_cast<char>(b);
    return kSegni.find(c) != kSegni.npos ? c : kSegni[b % kSegni.size()];
}

// Answers "go on" to the first `via` questions and "stop" from then on, and keeps whether it
// ever said stop; progress must stay within the walk.
class FermaDopo final : public Poll {
public:
    explicit FermaDopo(int via) : via_(via) {}
    bool stop() override {
        detto_ = domande_++ >= via_;
        return detto_;
    }
    void progress(int64_t posizione, int64_t totale) override {
        verifica(0 <= posizione && posizione <= totale, "progress stays between 0 and the total");
    }
    bool detto() const { return detto_; }

private:
    int via_;
    int domande_ = 0;
    bool detto_ = false;
};

// The number the status band gives: "Nessun...", "Un/Una/Uno..." or "7 ...".
long conteggio(const std::string& stato) {
    if (!stato.empty() && std::isdigit(static_cast<unsigned char>(stato[0])))
        return std::strtol(stato.c_str(), nullptr, 10);
    if (stato.starts_with("Nessun")) return 0;
    if (stato.starts_with("Un")) return 1;
    return -1;
}

// Every line of `parte` appears in `tutto`, in the same order.
bool sottoinsieme(const Elenco& parte, const Elenco& tutto) {
    auto it = tutto.begin();
    for (const std::string& r : parte) {
        it = std::find(it, tutto.end(), r);
        if (it == tutto.end()) return false;
        ++it;
    }
    return true;
}

void verificaConteggio(const RisultatoRicerca& r) {
    verifica(conteggio(r.stato) == static_cast<long>(r.righe.size()),
             "the status counts the lines listed");
}

// A search asked to stop keeps some of what the full search finds, in the same order, and
// says it was stopped exactly when it was.
void verificaFermata(Relazione rel, std::string_view digitato, const OpzioniRelazione& o,
                     const Voci& voci, const RisultatoRicerca& tutto, int via) {
    FermaDopo poll(via);
    const RisultatoRicerca r = CercaRelazione(rel, digitato, o, voci, poll);
    verifica(r.eseguita == tutto.eseguita, "a stop request does not change whether it runs");
    verifica(r.interrotto == poll.detto(), "a search is stopped exactly when asked to stop");
    verificaConteggio(r);
    if (r.interrotto)
        verifica(sottoinsieme(r.righe, tutto.righe), "a stopped search keeps found lines only");
    else
        verifica(r.righe == tutto.righe, "a search not stopped finds everything");
}

struct Caso {
    Relazione rel;
    bool tre;
};

// The slow search's lines. It takes the phrase settings as they are, so they are brought
// into range here the way the phrase search does it.
Elenco attese(const Caso& c, const Elenco& diz, std::string_view s, const OpzioniFrasi& f) {
    switch (c.rel) {
    case Relazione::Zeppa:
        return lenta::zeppe(diz, s);
    case Relazione::Scarto:
        return lenta::scarti(diz, s);
    case Relazione::Cambio:
        return lenta::cambi(diz, s);
    case Relazione::Spostamento:
        return lenta::spostamenti(diz, s);
    case Relazione::Sciarada:
        return lenta::sciarade(diz, s, c.tre);
    case Relazione::Incastro:
        return lenta::incastri(diz, s);
    case Relazione::Lucchetto:
        return lenta::lucchetti(diz, s);
    case Relazione::Bifronte:
        return lenta::bifronti(diz, s);
    case Relazione::Antipodo:
        return lenta::antipodi(diz, s);
    case Relazione::Frase:
        return lenta::frasi(diz, s, std::clamp(f.parole, 1, 5),
                            static_cast<size_t>(std::max(f.minimo, 1)));
    }
    return {};
}

bool fermabile(Relazione rel) {
    return rel == Relazione::Lucchetto || rel == Relazione::Bifronte || rel == Relazione::Frase;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t opzioni = data[0], fermate = data[1];
    std::string in;
    for (size_t i = 2; i < size; ++i) in += segno(data[i]);

    const std::vector<std::string_view> linee = righe(in);
    const std::string digitato(linee[0].substr(0, kDigitatoMassimo));
    Voci voci;
    for (size_t k = 1; k < linee.size() && k <= kVociMassime; ++k)
        voci.append(linee[k].substr(0, kVoceMassima));
    const Elenco diz = elenco(voci);
    // The same entries with their word orders.
    const Voci ordinate = voci;
    (void)IndiceParole::diritto(ordinate);

    OpzioniRelazione o;
    o.tre = opzioni & 1;
    o.frasi.parole = std::min((opzioni >> 1) & 3, kFrasiParoleMassime);
    o.frasi.minimo = (opzioni >> 3) & 3;
    const size_t limite = opzioni >> 5;
    const int via = fermate & 1;
    const bool senzaLettere = lenta::digitato(digitato).testo.empty();

    std::vector<Caso> casi;
    for (const DescrizioneRelazione& d : TabellaRelazioni()) casi.push_back({d.relazione, false});
    casi.push_back({Relazione::Sciarada, true});
    for (const Caso& c : casi) {
        OpzioniRelazione oc = o;
        oc.tre = c.tre;
        NoPoll mai;
        const RisultatoRicerca r = CercaRelazione(c.rel, digitato, oc, voci, mai);
        verifica(!r.interrotto, "a search never asked to stop runs to the end");
        // Bifronte lists every pair when nothing is typed; the others ask for a word.
        verifica(r.eseguita == (c.rel == Relazione::Bifronte || !senzaLettere),
                 "a search declines exactly when the typed text has no letters");
        if (!r.eseguita) {
            verifica(r.righe.empty() && r.beep && r.stato == "Scrivi qualcosa . . . . . .",
                     "a declined search asks for a word");
            continue;
        }
        verifica(r.righe == attese(c, diz, digitato, oc.frasi),
                 "each relation lists the lines of the slow search, in its order");
        verificaConteggio(r);
        const RisultatoRicerca ro = CercaRelazione(c.rel, digitato, oc, ordinate, mai);
        verifica(ro.righe == r.righe && ro.stato == r.stato && !ro.interrotto,
                 "the word orders and the plain pass list the same lines");
        if (fermabile(c.rel)) {
            verificaFermata(c.rel, digitato, oc, voci, r, via);
            verificaFermata(c.rel, digitato, oc, ordinate, r, via);
        }
        if (c.rel == Relazione::Frase && limite > 0) {
            oc.frasi.limite = limite;
            const RisultatoRicerca l = CercaRelazione(c.rel, digitato, oc, voci, mai);
            verifica(!l.interrotto && l.righe.size() == std::min(limite, r.righe.size()) &&
                         sottoinsieme(l.righe, r.righe),
                     "a phrase limit keeps that many of the phrases");
            verificaConteggio(l);
        }
    }

    // Small dictionaries never reach a stop question of the long loops; every pair of
    // entries glued together does. That dictionary is slow to search, so one search a time.
    if ((fermate & 0xC0) == 0xC0) {
        constexpr Relazione kLunghe[] = {Relazione::Lucchetto, Relazione::Bifronte,
                                         Relazione::Frase};
        const Relazione rel = kLunghe[((fermate >> 4) & 3) % 3];
        // Bifronte walks the dictionary only for every pair, with nothing typed.
        const std::string_view testo = rel == Relazione::Bifronte ? std::string_view() : digitato;
        if (rel == Relazione::Bifronte || !senzaLettere) {
            Voci grande;
            for (const std::string& a : diz)
                for (const std::string& b : diz)
                    grande.append(a.substr(0, a.find('\t')) + b.substr(0, b.find('\t')));
            NoPoll mai;
            const RisultatoRicerca tutto = CercaRelazione(rel, testo, o, grande, mai);
            verificaConteggio(tutto);
            verificaFermata(rel, testo, o, grande, tutto, via);
            (void)IndiceParole::diritto(grande);
            verificaFermata(rel, testo, o, grande, tutto, via);
        }
    }
    return 0;
}
