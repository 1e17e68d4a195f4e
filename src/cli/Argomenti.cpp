#include "Argomenti.h"

#include "text/Cp1252.h"

#include <charconv>

namespace verbolario::cli {
namespace {

enum Opzione : unsigned {
    kFrasi = 1u << 0,
    kScarti = 1u << 1,
    kEscludi = 1u << 2,
    kVocali = 1u << 3,
    kConsonanti = 1u << 4,
    kTutte = 1u << 5,
    kChiave = 1u << 6,
    kSenzaFiltro = 1u << 7,
    kDoppie = 1u << 8,
    kSenzaOrdine = 1u << 9,
    kUscita = 1u << 10,
    kTre = 1u << 11,
    kParole = 1u << 12,
    kMinimo = 1u << 13,
    kSenzaLimite = 1u << 14,
};

struct Comando {
    std::string_view nome;
    int minTesti;
    int maxTesti;
    unsigned opzioni;
};

// Every search accepts --senza-limite, so a script can pass it alike to all; only the
// crossword, number-key and browse lists have a limit to lift.
constexpr Comando kComandi[] = {
    {"rime", 1, 1, kSenzaLimite},
    {"anagrammi", 1, 1, kFrasi | kSenzaLimite},
    {"tutti", 0, 0, kFrasi | kSenzaLimite},
    {"parziali", 1, 1, kFrasi | kScarti | kSenzaLimite},
    {"contenitori", 1, 1, kFrasi | kScarti | kEscludi | kSenzaLimite},
    {"palindromi", 0, 1, kSenzaLimite},
    {"scambi", 1, 1, kVocali | kConsonanti | kTutte | kSenzaLimite},
    {"cerca", 1, 1, kSenzaLimite},
    {"lettera", 1, 1, kSenzaLimite},
    {"cruci", 1, 1, kSenzaLimite},
    {"mnemos", 1, 1, kChiave | kSenzaFiltro | kDoppie | kSenzaOrdine | kSenzaLimite},
    {"parolando", 1, 2, kSenzaLimite},
    {"comuni", 0, 0, 0},
    {"formatta", 0, 0, kUscita},
    {"accenti", 0, 0, kUscita},
    {"analisi", 0, 0, 0},
    {"zeppa", 1, 1, kSenzaLimite},
    {"scarto", 1, 1, kSenzaLimite},
    {"cambio", 1, 1, kSenzaLimite},
    {"spostamento", 1, 1, kSenzaLimite},
    {"sciarada", 1, 1, kTre | kSenzaLimite},
    {"incastro", 1, 1, kSenzaLimite},
    {"lucchetto", 1, 1, kSenzaLimite},
    {"bifronte", 0, 1, kSenzaLimite},
    {"antipodo", 1, 1, kSenzaLimite},
    // A phrase may come as several arguments: they are its words.
    {"frase", 1, 64, kParole | kMinimo | kSenzaLimite},
};

struct NomeOpzione {
    std::string_view nome;
    Opzione opzione;
    bool valore;
};

constexpr NomeOpzione kOpzioni[] = {
    {"--frasi", kFrasi, false},
    {"--scarti", kScarti, false},
    {"--escludi", kEscludi, true},
    {"--vocali", kVocali, false},
    {"--consonanti", kConsonanti, false},
    {"--tutte", kTutte, false},
    {"--chiave", kChiave, true},
    {"--senza-filtro", kSenzaFiltro, false},
    {"--doppie", kDoppie, false},
    {"--senza-ordine", kSenzaOrdine, false},
    {"-o", kUscita, true},
    {"--tre", kTre, false},
    {"--parole", kParole, true},
    {"--minimo", kMinimo, true},
    {"--senza-limite", kSenzaLimite, false},
};

// Numeric options: their names and the values that make sense.
struct Limiti {
    Opzione opzione;
    int minimo, massimo;
};
constexpr Limiti kLimiti[] = {{kParole, 1, 5}, {kMinimo, 1, 30}};

const Comando* trovaComando(std::string_view nome) {
    for (const Comando& c : kComandi)
        if (c.nome == nome) return &c;
    return nullptr;
}

const NomeOpzione* trovaOpzione(std::string_view nome) {
    for (const NomeOpzione& o : kOpzioni)
        if (o.nome == nome) return &o;
    return nullptr;
}

std::string errore(std::string testo) {
    return "verbolario-cli: " + testo + "\nUsa --help per l'elenco dei comandi.\n";
}

// Reads the command line one word at a time; a word that starts with '-' (and is not a lone
// '-') is an option until "--" is met.
class Lettore {
public:
    explicit Lettore(const std::vector<std::string_view>& args) : args_(args) {}

    EsitoArgomenti leggi() {
        EsitoArgomenti esito;
        std::vector<std::string_view> testi;
        std::vector<std::pair<const NomeOpzione*, std::string_view>> opzioni;
        bool soloTesti = false;
        for (i_ = 0; i_ < args_.size(); ++i_) {
            std::string_view a = args_[i_];
            if (soloTesti || a.size() < 2 || a[0] != '-') {
                testi.push_back(a);
                continue;
            }
            if (a == "--") {
                soloTesti = true;
                continue;
            }
            if (a == "-h" || a == "--help") {
                esito.aiuto = true;
                return esito;
            }
            if (!leggiOpzione(a, esito, opzioni)) return esito;
        }
        if (testi.empty()) {
            esito.errore = errore("nessun comando");
            return esito;
        }
        const Comando* c = trovaComando(testi.front());
        if (!c) {
            esito.errore = errore("comando sconosciuto: " + std::string(testi.front()));
            return esito;
        }
        esito.argomenti.comando = std::string(c->nome);
        testi.erase(testi.begin());
        if (!applica(*c, opzioni, esito) || !prendiTesti(*c, testi, esito)) return esito;
        controllaCoerenza(*c, esito);
        return esito;
    }

private:
    bool leggiOpzione(std::string_view a, EsitoArgomenti& esito,
                      std::vector<std::pair<const NomeOpzione*, std::string_view>>& opzioni) {
        std::string_view nome = a, valore;
        bool valoreUnito = false;
        if (size_t uguale = a.find('='); a.starts_with("--") && uguale != std::string_view::npos) {
            nome = a.substr(0, uguale);
            valore = a.substr(uguale + 1);
            valoreUnito = true;
        }
        if (nome == "-d" || nome == "--dizionario") {
            if (!valoreUnito && !prossimo(valore)) {
                esito.errore = errore("l'opzione " + std::string(nome) + " richiede un valore");
                return false;
            }
            esito.argomenti.dizionario = std::string(valore);
            return true;
        }
        const NomeOpzione* o = trovaOpzione(nome);
        if (!o || (valoreUnito && !o->valore)) {
            esito.errore = errore("opzione sconosciuta: " + std::string(a));
            return false;
        }
        if (o->valore && !valoreUnito && !prossimo(valore)) {
            esito.errore = errore("l'opzione " + std::string(nome) + " richiede un valore");
            return false;
        }
        opzioni.emplace_back(o, valore);
        return true;
    }

    bool prossimo(std::string_view& valore) {
        if (i_ + 1 >= args_.size()) return false;
        valore = args_[++i_];
        return true;
    }

    static bool converti(std::string_view utf8, std::string& out, EsitoArgomenti& esito) {
        auto t = cp1252::fromUtf8(utf8);
        if (!t) {
            esito.errore =
                errore("carattere non rappresentabile in Windows-1252: " + std::string(utf8));
            return false;
        }
        out = std::move(*t);
        return true;
    }

    static bool applica(const Comando& c,
                        const std::vector<std::pair<const NomeOpzione*, std::string_view>>& opzioni,
                        EsitoArgomenti& esito) {
        Argomenti& a = esito.argomenti;
        for (const auto& [o, valore] : opzioni) {
            if (!(c.opzioni & o->opzione)) {
                esito.errore = errore("l'opzione " + std::string(o->nome) +
                                      " non vale per il comando " + a.comando);
                return false;
            }
            std::string testo;
            switch (o->opzione) {
            case kFrasi:
                a.frasi = true;
                break;
            case kScarti:
                a.scarti = true;
                break;
            case kVocali:
                a.vocali = true;
                break;
            case kConsonanti:
                a.consonanti = true;
                break;
            case kTutte:
                a.tutte = true;
                break;
            case kSenzaFiltro:
                a.senzaFiltro = true;
                break;
            case kDoppie:
                a.doppie = true;
                break;
            case kSenzaOrdine:
                a.senzaOrdine = true;
                break;
            case kUscita:
                a.uscita = std::string(valore);
                break;
            case kTre:
                a.tre = true;
                break;
            case kParole:
            case kMinimo:
                if (!numero(*o, valore, esito)) return false;
                break;
            case kSenzaLimite:
                a.senzaLimite = true;
                break;
            case kEscludi:
            case kChiave:
                if (!converti(valore, testo, esito)) return false;
                (o->opzione == kEscludi ? a.escludi : a.chiave) = std::move(testo);
                break;
            }
        }
        return true;
    }

    static bool numero(const NomeOpzione& o, std::string_view valore, EsitoArgomenti& esito) {
        for (const Limiti& l : kLimiti) {
            if (l.opzione != o.opzione) continue;
            int n = 0;
            const auto [fine, ec] =
                std::from_chars(valore.data(), valore.data() + valore.size(), n);
            if (ec != std::errc() || fine != valore.data() + valore.size() || n < l.minimo ||
                n > l.massimo) {
                esito.errore = errore("l'opzione " + std::string(o.nome) + " vuole un numero da " +
                                      std::to_string(l.minimo) + " a " + std::to_string(l.massimo));
                return false;
            }
            (o.opzione == kParole ? esito.argomenti.parole : esito.argomenti.minimo) = n;
        }
        return true;
    }

    static bool prendiTesti(const Comando& c, const std::vector<std::string_view>& testi,
                            EsitoArgomenti& esito) {
        Argomenti& a = esito.argomenti;
        if (static_cast<int>(testi.size()) < c.minTesti) {
            esito.errore = errore("manca il testo del comando " + a.comando);
            return false;
        }
        if (static_cast<int>(testi.size()) > c.maxTesti) {
            esito.errore = errore("troppi argomenti per il comando " + a.comando + ": " +
                                  std::string(testi[static_cast<size_t>(c.maxTesti)]));
            return false;
        }
        for (std::string_view t : testi) {
            std::string testo;
            if (!converti(t, testo, esito)) return false;
            a.testi.push_back(std::move(testo));
        }
        return true;
    }

    static void controllaCoerenza(const Comando& c, EsitoArgomenti& esito) {
        const Argomenti& a = esito.argomenti;
        if (c.opzioni & kVocali) {
            if (a.vocali && a.consonanti)
                esito.errore = errore("--vocali e --consonanti si escludono a vicenda");
            else if (!a.vocali && !a.consonanti)
                esito.errore =
                    errore("il comando " + a.comando + " richiede --vocali oppure --consonanti");
        }
        // The double-letter mode works only inside the filter: ticking one box in the
        // program ticks or clears the other.
        if (a.doppie && a.senzaFiltro)
            esito.errore = errore("--doppie e --senza-filtro si escludono a vicenda");
    }

    const std::vector<std::string_view>& args_;
    size_t i_ = 0;
};

} // namespace

EsitoArgomenti analizzaArgomenti(const std::vector<std::string_view>& args) {
    return Lettore(args).leggi();
}

std::string_view testoUso() {
    return R"(Uso: verbolario-cli [-d FILE | --dizionario FILE] COMANDO [OPZIONI] [TESTO]

Comandi:
  rime PAROLA                    parole in rima
  anagrammi PAROLA [--frasi]     anagrammi della parola
  tutti [--frasi]                tutti i gruppi di anagrammi del dizionario
  parziali LETTERE [--frasi] [--scarti]
                                 parole che si possono formare con le lettere
  contenitori LETTERE [--frasi] [--scarti] [--escludi LETTERE]
                                 parole che contengono le lettere
  palindromi [TESTO]             palindromi, o parole che contengono il testo rovesciato
  scambi PAROLA (--vocali | --consonanti) [--tutte]
                                 parole con una (o ogni) vocale o consonante cambiata
  cerca TESTO                    voci che iniziano con le prime due lettere del testo
  lettera L                      voci che iniziano con la lettera L
  cruci MODELLO                  parole crociate: ? (o uno spazio) per ogni lettera ignota
  mnemos NUMERI [--chiave CHIAVE] [--senza-filtro] [--doppie] [--senza-ordine]
                                 le cifre stanno per le lettere della chiave
  parolando LETTERE [PAROLA]     soluzioni del Parolando con le lettere estratte
  comuni                         lettere comuni alle parole lette dall'input, una per riga
  formatta [-o FILE]             formatta e ordina il dizionario
  accenti [-o FILE]              elimina gli accenti dal dizionario
  analisi                        analisi letterale del dizionario (per mille) e serie di lettere

Enigmistica:
  zeppa PAROLA                   parole con una lettera in più
  scarto PAROLA                  parole con una lettera in meno
  cambio PAROLA                  parole con una lettera cambiata
  spostamento PAROLA             parole con una lettera spostata
  sciarada PAROLA [--tre]        la parola divisa in due (o tre) parole
  incastro PAROLA                la parola come una parola dentro un'altra: xx(yyy)xx
  lucchetto PAROLA               coppie xxYY YYzz che danno xxzz
  bifronte [PAROLA]              la parola rovesciata, o tutte le coppie bifronti
  antipodo PAROLA                prima lettera in fondo, o ultima in testa
  frase TESTO [--parole N] [--minimo L]
                                 frasi di 1..N parole (3, al massimo 5) di almeno
                                 L lettere (3) con tutte e sole le lettere del testo

Opzione di ogni ricerca:
  --senza-limite                 elenca tutte le voci trovate, oltre le 32.736 righe della lista

Senza -d si usa il dizionario del programma: quello indicato in Verbolario.ini
accanto al programma, altrimenti dizionario.dic accanto al programma.
La lista dei risultati va sullo standard output, il messaggio di stato sullo
standard error. Uscita: 0 eseguito, 1 lavoro non concluso, 2 errore d'uso,
3 dizionario non caricabile.
)";
}

} // namespace verbolario::cli
