#include "FinestreAusiliarie.h"

#include "mainform/Form1.h"
#include "windows/FinestraEnigmistica.h"
#include "windows/FinestraHelp.h"
#include "windows/frmGraf.h"
#include "windows/frmOpt.h"
#include "windows/frmSplash.h"

namespace verbolario {

namespace {
constexpr const char* kNomeHelp = "FinestraHelp";
constexpr const char* kNomeGrafico = "frmGraf";
constexpr const char* kNomeEnigmistica = "FinestraEnigmistica";
constexpr const char* kInstallate = "finestreInstallate";
} // namespace

FinestraHelp& finestraHelp(Form1& f) {
    if (auto* h = f.findChild<FinestraHelp*>(kNomeHelp, Qt::FindDirectChildrenOnly)) return *h;
    auto* h = new FinestraHelp(&f);
    h->setObjectName(kNomeHelp);
    return *h;
}

frmGraf* graficoAperto(Form1& f) {
    // A closed graph lingers hidden until its deferred deletion: it no longer counts.
    for (frmGraf* g : f.findChildren<frmGraf*>(kNomeGrafico, Qt::FindDirectChildrenOnly))
        if (g->isVisible()) return g;
    return nullptr;
}

frmGraf& apriGrafico(Form1& f) {
    frmGraf* g = graficoAperto(f);
    if (g) {
        g->Disegna();
    } else {
        g = new frmGraf(f);
        g->setObjectName(kNomeGrafico);
    }
    g->show();
    g->raise();
    return *g;
}

FinestraEnigmistica& apriEnigmistica(Form1& f) {
    auto* w = f.findChild<FinestraEnigmistica*>(kNomeEnigmistica, Qt::FindDirectChildrenOnly);
    if (!w) {
        w = new FinestraEnigmistica(f);
        QObject::connect(w, &FinestraEnigmistica::richiestaHelp, &f, [&f] {
            finestraHelp(f).mostraArgomento(FinestraHelp::kArgomentoEnigmistica);
        });
    }
    w->show();
    w->raise();
    w->activateWindow();
    return *w;
}

void mostraAbout(Form1& f, const std::function<void(frmSplash&)>& prepara) {
    frmSplash box(f.ctx);
    if (prepara) prepara(box);
    const bool visibile = f.isVisible();
    f.hide();
    box.exec();
    if (visibile) f.show();
    if (box.mailAperta()) {
        f.showMinimized();
        return;
    }
    if (box.aiutoChiesto()) emit f.richiestaHelp();
}

void mostraSfondo(Form1& f, const std::function<void(frmOpt&)>& prepara) {
    frmOpt opt(f.ctx, &f, frmOpt::Ruolo::Sfondo, &f);
    // Modal to the main window only: the help window stays usable meanwhile.
    opt.setWindowModality(Qt::WindowModal);
    QObject::connect(&opt, &frmOpt::richiestaHelp, &f,
                     [&f](int argomento) { finestraHelp(f).mostraArgomento(argomento); });
    if (prepara) prepara(opt);
    opt.exec();
}

void installaFinestre(Form1& f) {
    if (f.property(kInstallate).toBool()) return;
    f.setProperty(kInstallate, true);
    QObject::connect(&f, &Form1::richiestaHelp, &f, [&f] {
        finestraHelp(f).mostraArgomento(FinestraHelp::argomentoModo(f.ModoCorrente));
    });
    QObject::connect(&f, &Form1::richiestaAbout, &f, [&f] { mostraAbout(f); });
    QObject::connect(&f, &Form1::richiestaGrafico, &f, [&f] { apriGrafico(f); });
    QObject::connect(&f, &Form1::richiestaEnigmistica, &f, [&f] { apriEnigmistica(f); });
    QObject::connect(&f, &Form1::richiestaSfondo, &f, [&f] {
        mostraSfondo(f);
        // The background may have changed: an open graph is painted on it.
        if (frmGraf* g = graficoAperto(f)) g->Disegna();
    });
}

} // namespace verbolario
