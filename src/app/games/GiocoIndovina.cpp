#include "games/GiocoIndovina.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/Colori.h"
#include "controls/reSizer.h"
#include "games/BarraLunghezze.h"
#include "games/CasellaLettera.h"
#include "games/Casuale.h"
#include "games/FontArial.h"
#include "games/Gufo.h"
#include "games/IntervalloLunghezze.h"
#include "games/RigaLettere.h"
#include "mainform/AvvioRicerca.h"
#include "mainform/ComandiDizionario.h"
#include "mainform/ComandiForm1.h"
#include "mainform/Form1.h"
#include "mainform/LayoutForm1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace verbolario {

namespace {

using Esito = IndovinaParola::Esito;

QColor coloreCasella(IndovinaParola::Colore c) {
    switch (c) {
    case IndovinaParola::Colore::Verde:
        return coloreDaBgr(IndovinaParola::kVerde);
    case IndovinaParola::Colore::Rossa:
        return coloreDaBgr(IndovinaParola::kRossa);
    case IndovinaParola::Colore::Bianca:
        break;
    }
    return coloreDaBgr(IndovinaParola::kBianca);
}

QString qs(std::string_view s) {
    return testo::daCp1252(s);
}

} // namespace

GiocoIndovina::GiocoIndovina(Form1& f) : QObject(&f), f_(f), casuale_(casualeDaOrologio()) {
    setObjectName("GiocoIndovina");
    costruisciPannello();
    T1 = new RigaLettere(&f_);
    connect(T1, &RigaLettere::creata, this, &GiocoIndovina::collegaCasella);

    connect(&f_, &Form1::cambioModoIniziato, this, [this] {
        T1->svuota();
        PicSize->trappola().CurFree();
    });
    connect(&f_, &Form1::modoCambiato, this, [this](int modo) {
        if (modo != 1) return;
        f_.Command1->setEnabled(true);
        for (QPushButton* b : Command3) b->setEnabled(false);
        f_.Frame1->show();
        DisegnaIntervallo();
    });
    connect(&f_, &Form1::chiuso, this, [this] { PicSize->trappola().CurFree(); });
    if (ComandiForm1* c = ComandiForm1::di(f_))
        c->avvio->impostaRamo(1, [this] { return avvia(); });
    Gufo::di(f_).impostaSoluzione(1, [this] { return qs(gioco_.parola()); });
    f_.installEventFilter(this);
    f_.Frame1->installEventFilter(this);
}

GiocoIndovina::~GiocoIndovina() = default;

GiocoIndovina* GiocoIndovina::di(Form1& f) {
    return f.findChild<GiocoIndovina*>("GiocoIndovina", Qt::FindDirectChildrenOnly);
}

void GiocoIndovina::impostaCasuale(std::unique_ptr<Casuale> casuale) {
    if (casuale) casuale_ = std::move(casuale);
}

void GiocoIndovina::costruisciPannello() {
    QFrame* pannello = f_.Frame1;
    const char* didascalie[] = {"Vocale", "Consonante"};
    const char* conteggi[] = {"Vocali nella parola", "Consonanti nella parola"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(didascalie[i], pannello);
        b->setObjectName(QStringLiteral("Command3_%1").arg(i));
        b->setFont(fontArial(9));
        b->setAccessibleName(didascalie[i]);
        b->setToolTip(i == 0 ? "Mostra una vocale nascosta" : "Mostra una consonante nascosta");
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        Command3[static_cast<size_t>(i)] = b;
        auto* l = new QLabel(pannello);
        l->setObjectName(QStringLiteral("LbH_%1").arg(i));
        l->setFont(fontArial(12, true));
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setAccessibleName(conteggi[i]);
        l->setToolTip(conteggi[i]);
        LbH[static_cast<size_t>(i)] = l;
    }
    PicSize = new BarraLunghezze(pannello);
    connect(PicSize, &BarraLunghezze::intervalloCambiato, this,
            &GiocoIndovina::intervalloTrascinato);
    connect(PicSize, &BarraLunghezze::rilasciata, this, &GiocoIndovina::PicSize_MouseUp);
    const char* estremi[] = {"LblMin", "LblMax"};
    const char* nomi[] = {"Minimo", "Massimo"};
    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(nomi[i], pannello);
        l->setObjectName(estremi[i]);
        l->setFont(fontArial(10, true));
        l->setAlignment(Qt::AlignCenter);
        l->setAccessibleName(nomi[i]);
        l->setToolTip(i == 0 ? "Lunghezza minima della parola" : "Lunghezza massima della parola");
        (i == 0 ? LblMin : LblMax) = l;
    }
    const QSize progetto = Form1::dimensioneProgetto(), ora = f_.contentsRect().size();
    applicaLayout(*pannello, double(ora.width()) / progetto.width(),
                  double(ora.height()) / progetto.height());
    f_.resizer().Refresh();
}

void GiocoIndovina::collegaCasella(CasellaLettera* c) {
    connect(c, &CasellaLettera::tasto, this, &GiocoIndovina::T1_KeyDown);
    connect(c, &CasellaLettera::premuta, this, &GiocoIndovina::T1_MouseDown);
}

IntervalloLunghezze GiocoIndovina::intervallo() const {
    // The scale is the dictionary commands' own, kept up to date as entries come and go.
    const ComandiForm1* c = ComandiForm1::di(f_);
    return {f_.giochi.min, f_.giochi.max, c ? c->dizionario->lungScala() : 0};
}

void GiocoIndovina::DisegnaIntervallo() {
    const IntervalloLunghezze r = intervallo();
    PicSize->imposta(r);
    LblMin->setText(qs(IntervalloLunghezze::etichetta(r.min)));
    LblMax->setText(qs(IntervalloLunghezze::etichetta(r.max)));
}

void GiocoIndovina::intervalloTrascinato() {
    f_.giochi.min = PicSize->intervallo().min;
    f_.giochi.max = PicSize->intervallo().max;
    DisegnaIntervallo();
}

void GiocoIndovina::PicSize_MouseUp() {
    const IntervalloLunghezze r = intervallo();
    f_.ScriviMessaggio(qs(MessaggioIntervallo(GetRange(f_.ctx.voci, r.min, r.max))), 1, true);
}

bool GiocoIndovina::avvia() {
    f_.setCursor(Qt::WaitCursor);
    DisegnaIntervallo();
    f_.Frame1->show();
    for (QPushButton* b : Command3) b->setEnabled(true);
    nuovaPartita();
    return true;
}

void GiocoIndovina::nuovaPartita() {
    f_.superficie.pulisciDisegno();
    QCoreApplication::processEvents();
    const IntervalloLunghezze r = intervallo();
    const std::optional<size_t> voce = EstraiVoce(f_.ctx.voci, r.min, r.max, *casuale_);
    if (!voce) {
        // The last game's boxes stay.
        f_.ScriviMessaggio(qs(IndovinaParola::kRicercaNegativa), 1, true);
        return;
    }
    f_.ctx.occupato = true;
    gioco_.nuovaParola(f_.ctx.voci[*voce]);
    T1->crea(static_cast<int>(gioco_.lunghezza()));
    mostraCaselle();
    f_.superficie.pulisciDisegno();
    mostraConteggi();
    // The first box to guess: box 1, unless it holds a given character (l'alba).
    const int prima = gioco_.PrimaCasellaAperta();
    fuocoSu(prima == IndovinaParola::kNessuno ? IndovinaParola::kAltrove : prima);
    f_.ctx.occupato = false;
    if (f_.SoluzioneMostrata) f_.ScriviMessaggio(qs(gioco_.parola()), 1, true);
}

void GiocoIndovina::Frame1_Click() {
    if (gioco_.parola().empty()) return;
    gioco_.Frame1_Click();
    mostraCaselle();
    mostraConteggi();
}

void GiocoIndovina::mostraConteggi() {
    LbH[0]->setText(qs(IndovinaParola::testoConteggio(gioco_.vocali())));
    LbH[1]->setText(qs(IndovinaParola::testoConteggio(gioco_.consonanti())));
}

void GiocoIndovina::mostraCaselle() {
    const auto& caselle = gioco_.caselle();
    const int ultima = T1->numero() - 1;
    const bool finita = !gioco_.inCorso();
    for (int j = 0; j <= ultima && j < static_cast<int>(caselle.size()); ++j) {
        const IndovinaParola::Casella& c = caselle[static_cast<size_t>(j)];
        CasellaLettera* box = T1->casella(j);
        box->imposta(qs(c.testo), coloreCasella(c.colore));
        // The given first and last letters cannot be typed over, nor a finished word.
        box->setSolaLettura(finita || j == 0 || j == ultima);
    }
}

void GiocoIndovina::fuocoSu(int j) {
    if (j == IndovinaParola::kAltrove) {
        f_.cmdFocus->setFocus();
        return;
    }
    if (CasellaLettera* c = T1->casella(j)) c->setFocus();
}

void GiocoIndovina::applica(const Esito& e) {
    mostraCaselle();
    if (e.fuoco != IndovinaParola::kNessuno) fuocoSu(e.fuoco);
    if (e.messaggio.empty()) return;
    if (e.finita) f_.ctx.occupato = true;
    f_.ScriviMessaggio(qs(e.messaggio), 1, true);
    if (e.beep) f_.ctx.dialoghi.beep();
    if (e.finita) {
        QCoreApplication::processEvents();
        f_.ctx.occupato = false;
    }
}

void GiocoIndovina::T1_Change(int j, const QString& testo) {
    if (f_.ctx.occupato || j < 0) return;
    applica(gioco_.T1_Change(static_cast<size_t>(j), testo::aCp1252(testo)));
}

void GiocoIndovina::T1_KeyDown(int j, int codice, const QString& testo) {
    using Tasto = IndovinaParola::Tasto;
    std::optional<Tasto> tasto;
    switch (codice) {
    case Qt::Key_Right:
        tasto = Tasto::Destra;
        break;
    case Qt::Key_Left:
        tasto = Tasto::Sinistra;
        break;
    case Qt::Key_Delete:
        tasto = Tasto::Canc;
        break;
    case Qt::Key_Space:
        tasto = Tasto::Spazio;
        break;
    default:
        break;
    }
    CasellaLettera* box = T1->casella(j);
    if (!box) return;
    if (tasto) {
        if (std::optional<int> fuoco = gioco_.T1_KeyDown(static_cast<size_t>(j), *tasto)) {
            if (*fuoco != IndovinaParola::kNessuno) fuocoSu(*fuoco);
            return;
        }
    }
    if (box->solaLettura()) return;
    if (codice == Qt::Key_Delete || codice == Qt::Key_Backspace) {
        T1_Change(j, QString());
        return;
    }
    if (testo.isEmpty() || !testo.at(0).isPrint()) return;
    const std::string carattere = testo::aCp1252(testo.left(1));
    T1_Change(j, qs(std::string(1, IndovinaParola::T1_KeyPress(carattere.front()))));
}

void GiocoIndovina::T1_MouseDown(int j) {
    const int fuoco = gioco_.T1_MouseDown(static_cast<size_t>(j));
    if (fuoco != IndovinaParola::kNessuno) fuocoSu(fuoco);
}

void GiocoIndovina::Command3_Click(int indice) {
    if (f_.ctx.occupato || !gioco_.inCorso()) return;
    f_.Suona(2);
    applica(gioco_.Command3_Click(indice, *casuale_));
}

bool GiocoIndovina::eventFilter(QObject* o, QEvent* e) {
    if (o == &f_ && e->type() == QEvent::Resize) {
        T1->disponi();
    } else if (o == f_.Frame1 && e->type() == QEvent::MouseButtonPress) {
        Frame1_Click();
    }
    return QObject::eventFilter(o, e);
}

void installaIndovinaParola(Form1& f) {
    if (!GiocoIndovina::di(f)) new GiocoIndovina(f);
}

} // namespace verbolario
