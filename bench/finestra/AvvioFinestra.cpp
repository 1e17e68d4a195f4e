// The window on a large list, as a user meets it: how long from the start of the process until
// the window is on screen and takes input, how long the event loop ever stalls while the
// indexes are built behind it, how long the first search of each mode takes (before its index
// exists), the same searches once every index is there, and the resident memory then; then
// the same for the "Enigmistica" window: its first searches right after it opens (before the
// word orders exist), the same from the orders, and the memory with those too.
//
//   verbolario_avvio [DIZIONARIO]    (default: the large benchmark list)
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise; `make bench` runs it.

#include "Contesto.h"
#include "IndiciInFondo.h"
#include "Programma.h"
#include "controls/ucTast.h"
#include "mainform/AvvioRicerca.h"
#include "mainform/ComandiForm1.h"
#include "mainform/Form1.h"
#include "mainform/IndiciForm1.h"
#include "mainform/ListaRisultati.h"
#include "windows/FinestraEnigmistica.h"
#include "windows/FinestreAusiliarie.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace verbolario;

namespace {

// Milliseconds since the process started (from the kernel's start time, to 10 ms).
double dallAvvio() {
    std::ifstream in("/proc/self/stat");
    std::string riga;
    std::getline(in, riga);
    std::istringstream campi(riga.substr(riga.rfind(')') + 2));
    std::string campo;
    for (int i = 3; i <= 22 && campi >> campo; ++i) {
    }
    const double inizio = std::stod(campo) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec ora{};
    clock_gettime(CLOCK_BOOTTIME, &ora);
    return static_cast<double>(ora.tv_sec) * 1000.0 + static_cast<double>(ora.tv_nsec) / 1e6 -
           inizio;
}

double rssMB() {
    std::ifstream in("/proc/self/status");
    std::string riga;
    while (std::getline(in, riga))
        if (riga.rfind("VmRSS:", 0) == 0) return std::stod(riga.substr(6)) / 1024.0;
    return 0;
}

std::string percorsoGrande() {
    if (const char* p = std::getenv("VERBOLARIO_GRANDE"); p && *p) return p;
    const char* x = std::getenv("XDG_CACHE_HOME");
    const char* h = std::getenv("HOME");
    return (x && *x ? std::string(x) : std::string(h ? h : ".") + "/.cache") +
           "/verbolario/grande.dic";
}

struct Ricerca {
    const char* nome;
    int modo;
    std::function<void(Form1&)> prepara; // options and text
    bool sfoglia = false;                // typed into the browse box instead of started
};

// Runs one search of the window and returns its time in milliseconds.
double esegui(Form1& f, const Ricerca& r) {
    if (f.ModoCorrente != r.modo) f.Option1_Click(r.modo);
    QCoreApplication::processEvents();
    if (r.sfoglia) f.Text2->clear();
    r.prepara(f);
    QElapsedTimer t;
    t.start();
    if (r.sfoglia)
        f.Text2->setText("ca");
    else
        emit f.richiestaAvvio();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string dizionario = argc > 1 ? argv[1] : percorsoGrande();
    if (!QFile::exists(QString::fromStdString(dizionario))) {
        std::fprintf(stderr, "manca %s (bench/make-large-dictionary)\n", dizionario.c_str());
        return 1;
    }
    const double primaDiQt = dallAvvio();
    QApplication app(argc, argv);
    app.setStyle("Fusion");
    app.setQuitOnLastWindowClosed(false);

    // A program folder of its own, whose settings record the list (a first run: no stored
    // letter statistics, so the analysis runs as well).
    QTemporaryDir cartella;
    QFile ini(cartella.path() + "/Verbolario.ini");
    if (!ini.open(QIODevice::WriteOnly)) return 1;
    ini.write("[Dizionario]\r\nDizionario=" +
              QFile::encodeName(QString::fromStdString(dizionario)) + "\r\n");
    ini.close();
    Contesto ctx(cartella.path());
    ctx.dialoghi.suMessaggio = [](const Dialoghi::Richiesta&) { return Dialoghi::Risposta::No; };
    Programma programma(ctx);
    if (!programma.avvia() || !programma.form1()) return 1;
    Form1& f = *programma.form1();
    const double mostrata = dallAvvio();

    // Usable: the event loop turns with the window on screen. Then the loop is watched while
    // the start mode's index is built behind it.
    double usabile = 0, stallo = 0;
    {
        QEventLoop giro;
        QElapsedTimer t;
        QTimer battito;
        battito.setInterval(2);
        int64_t ultimo = -1;
        QObject::connect(&battito, &QTimer::timeout, [&] {
            const int64_t ora = t.nsecsElapsed();
            if (ultimo < 0) usabile = dallAvvio();
            if (ultimo >= 0) stallo = std::max(stallo, static_cast<double>(ora - ultimo) / 1e6);
            ultimo = ora;
            if (ora > 1500000000) giro.quit();
        });
        t.start();
        battito.start();
        giro.exec();
    }

    IndiciForm1& indici = *ComandiForm1::di(f)->indici;
    const std::vector<Ricerca> ricerche = {
        {"rime amore", 0, [](Form1& w) { w.Text1->setText("amore"); }},
        {"anagrammi trapelare", 2,
         [](Form1& w) {
             w.Option2[0]->click();
             w.Text1->setText("trapelare");
         }},
        {"parziali aeirstonl", 2,
         [](Form1& w) {
             w.Option2[2]->click();
             w.Text1->setText("aeirstonl");
         }},
        {"contenitori qzu", 2,
         [](Form1& w) {
             w.Option2[3]->click();
             w.Text1->setText("qzu");
         }},
        {"palindromi", 3, [](Form1& w) { w.Text1->clear(); }},
        {"palindromi amo", 3, [](Form1& w) { w.Text1->setText("amo"); }},
        {"scambi cane", 4, [](Form1& w) { w.Text1->setText("cane"); }},
        {"sfoglia ca", 5, [](Form1&) {}, true},
        {"cruci P??V?", 7, [](Form1& w) { w.Text1->setText("P??V?"); }},
        {"cruci P*V*O", 7, [](Form1& w) { w.Text1->setText("P*V*O"); }},
        {"mnemos 123 / TNM", 9,
         [](Form1& w) {
             w.TxtMeno->setText("TNM");
             w.Text1->setText("123");
         }},
    };
    std::vector<double> prima, dopo;
    std::vector<int> righe;
    for (const Ricerca& r : ricerche) {
        prima.push_back(esegui(f, r));
        righe.push_back(f.List1->modello().conteggio());
    }

    // Every index the window can build, then the same searches from them.
    QElapsedTimer costruzione;
    costruzione.start();
    for (int modo : {0, 2, 3, 4, 5, 7})
        for (bool frasi : {false, true})
            for (Indice i : IndiciForm1::perModo(modo, frasi)) indici.inFondo().richiedi(i);
    while (!indici.inFondo().fermo())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double tuttiIndici = static_cast<double>(costruzione.elapsed());
    for (const Ricerca& r : ricerche) dopo.push_back(esegui(f, r));
    malloc_trim(0);
    const double rss = rssMB();

    // The "Enigmistica" window, searched at once: its word orders are only being asked for.
    struct Gioco {
        const char* nome;
        Relazione relazione;
        const char* testo;
    };
    const Gioco giochi[] = {{"zeppa cane", Relazione::Zeppa, "cane"},
                            {"sciarada portafoglio", Relazione::Sciarada, "portafoglio"},
                            {"incastro pastore", Relazione::Incastro, "pastore"},
                            {"lucchetto calo", Relazione::Lucchetto, "calo"},
                            {"frase ancora tre", Relazione::Frase, "ancora tre"},
                            {"bifronte, every pair", Relazione::Bifronte, ""}};
    FinestraEnigmistica& e = apriEnigmistica(f);
    auto gioca = [&e](const Gioco& g) {
        e.Scelta->setCurrentIndex(static_cast<int>(g.relazione));
        e.Testo->setText(g.testo);
        QElapsedTimer t;
        t.start();
        e.avvia();
        return static_cast<double>(t.nsecsElapsed()) / 1e6;
    };
    std::vector<double> giocoPrima, giocoDopo;
    std::vector<int> giocoRighe;
    for (const Gioco& g : giochi) {
        giocoPrima.push_back(gioca(g));
        giocoRighe.push_back(e.modello().rowCount());
    }
    QElapsedTimer ordini;
    ordini.start();
    while (!indici.inFondo().fermo())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double tempoOrdini = static_cast<double>(ordini.elapsed());
    for (const Gioco& g : giochi) giocoDopo.push_back(gioca(g));
    malloc_trim(0);
    const double rssOrdini = rssMB();
    const double file = static_cast<double>(QFileInfo(QString::fromStdString(dizionario)).size()) /
                        (1024.0 * 1024.0);

    std::printf("Window on %s (%.1f MB, %zu entries), platform %s\n\n", dizionario.c_str(), file,
                ctx.voci.size(), qPrintable(QGuiApplication::platformName()));
    std::printf("| moment | ms from process start |\n|---|---|\n");
    std::printf("| Qt starts | %.0f |\n| window shown | %.0f |\n| window takes input | %.0f |\n\n",
                primaDiQt, mostrata, usabile);
    std::printf("Longest event-loop stall in the 1.5 s after showing: %.1f ms\n", stallo);
    std::printf("All indexes built in the background in %.0f ms\n\n", tuttiIndici);
    std::printf(
        "| search | first (plain pass) ms | with its index ms | lines |\n|---|---|---|---|\n");
    for (size_t i = 0; i < ricerche.size(); ++i)
        std::printf("| %s | %.1f | %.1f | %d |\n", ricerche[i].nome, prima[i], dopo[i], righe[i]);
    std::printf("\nResident memory with every index built: %.0f MB = %.2f x the file\n", rss,
                rss / file);
    std::printf("\nEnigmistica window: word orders built %.0f ms after its searches\n\n",
                tempoOrdini);
    std::printf("| relation | first (plain pass) ms | from the word orders ms | lines |\n"
                "|---|---|---|---|\n");
    for (size_t i = 0; i < std::size(giochi); ++i)
        std::printf("| %s | %.1f | %.1f | %d |\n", giochi[i].nome, giocoPrima[i], giocoDopo[i],
                    giocoRighe[i]);
    std::printf("\nResident memory with the word orders too: %.0f MB = %.2f x the file\n",
                rssOrdini, rssOrdini / file);
    e.close();
    ctx.dizionarioModificato = false;
    f.close();
    return 0;
}
