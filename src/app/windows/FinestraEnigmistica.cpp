#include "FinestraEnigmistica.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/Colori.h"
#include "controls/DisegnaMessaggio.h"
#include "controls/DisegnaSfondo.h"
#include "mainform/ComandiForm1.h"
#include "mainform/Form1.h"
#include "mainform/IconeForm1.h"
#include "mainform/ImpostazioniForm1.h"
#include "mainform/IndiciForm1.h"
#include "mainform/LavoroForm1.h"
#include "settings/Impostazioni.h"
#include "windows/MenuEnigmistica.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace verbolario {

namespace {

QString qs(std::string_view s) {
    return testo::daCp1252(s);
}

// The status band along the bottom is the main window's, at its design size.
constexpr double kScala = 1.0;
constexpr int kFasciaStato = 60;

ValoreLetto leggi(WRini& ini, const char* chiave) {
    return LeggiImpostazione(ini, *TrovaImpostazione(kSezioneEnigmistica, chiave), {});
}

void scrivi(WRini& ini, const char* chiave, const std::string& valore) {
    ini.setSezione(std::string(kSezioneEnigmistica));
    ini.ScriviINI(chiave, valore);
}

} // namespace

// One search from start to end: the program's search flags (so that the main window's
// commands leave the dictionary alone), the stop button in front, the hourglass.
class FinestraEnigmistica::Lavoro {
public:
    explicit Lavoro(FinestraEnigmistica& w) : w_(w) { w_.inLavoro(true); }
    ~Lavoro() { w_.inLavoro(false); }
    Lavoro(const Lavoro&) = delete;
    Lavoro& operator=(const Lavoro&) = delete;

private:
    FinestraEnigmistica& w_;
};

void FinestraEnigmistica::inLavoro(bool si) {
    Contesto& ctx = f_.ctx;
    ctx.ricercaInCorso = si;
    ctx.occupato = si;
    ctx.interrompi = false;
    inCorso_ = si;
    Stop->setVisible(si);
    Avvio->setVisible(!si);
    Scelta->setEnabled(!si);
    Testo->setEnabled(!si);
    if (si) {
        Stop->setFocus();
        setCursor(Qt::WaitCursor);
    } else {
        Testo->setFocus();
        unsetCursor();
    }
}

FinestraEnigmistica::FinestraEnigmistica(Form1& f)
    : QWidget(&f, Qt::Window), f_(f), poll_(f.ctx), delegato_(this) {
    setObjectName("FinestraEnigmistica");
    setWindowTitle("Enigmistica");
    setAccessibleName("Enigmistica");
    costruisci();
    collega();
    leggiImpostazioni();
}

FinestraEnigmistica::~FinestraEnigmistica() = default;

void FinestraEnigmistica::costruisci() {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 10, 10, kFasciaStato);
    v->addWidget(costruisciComandi());
    Lista = new QListView(this);
    Lista->setObjectName("Lista");
    Lista->setAccessibleName("Risultati");
    Lista->setModel(&modello_);
    Lista->setItemDelegate(&delegato_);
    delegato_.impostaTabulazione(120);
    Lista->setUniformItemSizes(true);
    Lista->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lista->setContextMenuPolicy(Qt::CustomContextMenu);
    Lista->setToolTip("Doppio clic: cerca di nuovo la parola; clic destro: copia o salva la lista");
    v->addWidget(Lista, 1);
    menu_ = new MenuEnigmistica(*Lista, modello_, *Testo, f_.ctx.dialoghi, this);
    // Ctrl+C in the list copies every selected line, not only the current one.
    Lista->installEventFilter(this);
    setMinimumSize(360, 300);
}

QWidget* FinestraEnigmistica::costruisciComandi() {
    auto* pannello = new QFrame(this);
    pannello->setFrameShape(QFrame::StyledPanel);
    pannello->setAutoFillBackground(true);
    auto* g = new QGridLayout(pannello);
    Scelta = new QComboBox(pannello);
    Scelta->setObjectName("Scelta");
    for (const DescrizioneRelazione& d : TabellaRelazioni()) Scelta->addItem(qs(d.nome));
    Scelta->setAccessibleName("Relazione");
    Scelta->setToolTip("Il gioco enigmistico da cercare");
    auto* etichetta = new QLabel("&Relazione:", pannello);
    etichetta->setBuddy(Scelta);
    g->addWidget(etichetta, 0, 0);
    g->addWidget(Scelta, 0, 1, 1, 2);
    aggiungiTesto(*g);
    aggiungiOpzioni(*g);
    g->setColumnStretch(1, 1);
    return pannello;
}

void FinestraEnigmistica::aggiungiTesto(QGridLayout& g) {
    QWidget* pannello = g.parentWidget();
    Testo = new QLineEdit(pannello);
    Testo->setObjectName("Testo");
    Testo->setContextMenuPolicy(Qt::CustomContextMenu);
    Testo->setClearButtonEnabled(true);
    etichettaTesto_ = new QLabel("&Parola:", pannello);
    etichettaTesto_->setBuddy(Testo);
    g.addWidget(etichettaTesto_, 1, 0);
    g.addWidget(Testo, 1, 1);
    Avvio = new QPushButton(icone::avvio(), {}, pannello);
    Stop = new QPushButton(icone::stop(), {}, pannello);
    for (auto [b, nome] : {std::pair{Avvio, "Avvio"}, std::pair{Stop, "Stop"}}) {
        b->setObjectName(nome);
        b->setToolTip(nome);
        b->setAccessibleName(nome);
        b->setIconSize(QSize(20, 20));
        // Both sit in one place: the stop button shows only while a search runs.
        g.addWidget(b, 1, 2);
    }
    Stop->hide();
}

void FinestraEnigmistica::aggiungiOpzioni(QGridLayout& g) {
    QWidget* pannello = g.parentWidget();
    TreParti = new QCheckBox("&Tre parti", pannello);
    TreParti->setToolTip("Divide la parola in tre parole invece che in due");
    g.addWidget(TreParti, 2, 1);
    auto* frase = opzioniFrase_ = new QWidget(pannello);
    auto* h = new QHBoxLayout(frase);
    h->setContentsMargins(0, 0, 0, 0);
    Parole = new QSpinBox(frase);
    Parole->setRange(1, 5);
    Parole->setValue(3);
    Parole->setAccessibleName("Numero massimo di parole");
    Minimo = new QSpinBox(frase);
    Minimo->setRange(1, 30);
    Minimo->setValue(3);
    Minimo->setAccessibleName("Lettere minime di ogni parola");
    for (auto [testo, box] : {std::pair{"Parole &fino a:", Parole}, {"&Lettere minime:", Minimo}}) {
        auto* l = new QLabel(testo, frase);
        l->setBuddy(box);
        h->addWidget(l);
        h->addWidget(box);
    }
    h->addStretch(1);
    g.addWidget(frase, 2, 1, 1, 2);
}

void FinestraEnigmistica::collega() {
    connect(Avvio, &QPushButton::clicked, this, &FinestraEnigmistica::avvia);
    connect(Stop, &QPushButton::clicked, this, &FinestraEnigmistica::ferma);
    connect(Scelta, &QComboBox::currentIndexChanged, this, &FinestraEnigmistica::cambiaRelazione);
    connect(Lista, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { cercaRiga(i.row()); });
    connect(Lista, &QListView::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->mostraLista(Lista->viewport()->mapToGlobal(p)); });
    connect(Testo, &QLineEdit::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->mostraAccenti(Testo->mapToGlobal(p)); });
}

void FinestraEnigmistica::leggiImpostazioni() {
    WRini& ini = f_.ctx.impostazioni;
    const ValoreLetto relazione = leggi(ini, "Relazione");
    const ValoreLetto left = leggi(ini, "ELeft"), top = leggi(ini, "ETop");
    const ValoreLetto largo = leggi(ini, "EWidth"), alto = leggi(ini, "EHeight");
    Scelta->setCurrentIndex(static_cast<int>(relazione.numero));
    cambiaRelazione(Scelta->currentIndex());
    double x = static_cast<double>(left.numero), y = static_cast<double>(top.numero);
    if (left.testo.empty() || top.testo.empty()) {
        // Never placed yet: over the middle of the main window.
        const QScreen* s = f_.screen();
        const QPoint centro = f_.frameGeometry().center();
        x = ImpostazioniForm1::pixelInTwips(centro.x(), s) - static_cast<double>(largo.numero) / 2;
        y = ImpostazioniForm1::pixelInTwips(centro.y(), s) - static_cast<double>(alto.numero) / 2;
    }
    const QRect g = ImpostazioniForm1::geometriaDaTwips(x, y, static_cast<double>(largo.numero),
                                                        static_cast<double>(alto.numero));
    resize(g.size().expandedTo(minimumSize()));
    move(g.topLeft());
}

void FinestraEnigmistica::scriviPosizione() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QScreen* s = screen();
    // The outer frame's place and the inside's size: what move() and resize() take back.
    const QRect g(frameGeometry().topLeft(), size());
    auto twips = [s](int px) {
        return QString::number(ImpostazioniForm1::pixelInTwips(px, s), 'g', 7).toStdString();
    };
    WRini& ini = f_.ctx.impostazioni;
    scrivi(ini, "ELeft", twips(g.left()));
    scrivi(ini, "ETop", twips(g.top()));
    scrivi(ini, "EWidth", twips(g.width()));
    scrivi(ini, "EHeight", twips(g.height()));
}

Relazione FinestraEnigmistica::relazione() const {
    return TabellaRelazioni()[static_cast<size_t>(std::max(0, Scelta->currentIndex()))].relazione;
}

void FinestraEnigmistica::cambiaRelazione(int indice) {
    if (indice < 0) return;
    const DescrizioneRelazione& d = TabellaRelazioni()[static_cast<size_t>(indice)];
    TreParti->setVisible(d.relazione == Relazione::Sciarada);
    const bool frase = d.relazione == Relazione::Frase;
    opzioniFrase_->setVisible(frase);
    etichettaTesto_->setText(frase ? "&Testo:" : "&Parola:");
    Testo->setAccessibleName(frase ? "Testo da anagrammare" : "Parola da cercare");
    Testo->setPlaceholderText(
        d.relazione == Relazione::Bifronte ? "vuota: tutte le coppie del dizionario" : QString());
    scriviStato(qs(d.nome) + ". " + qs(d.suggerimento), true);
    scrivi(f_.ctx.impostazioni, "Relazione", std::to_string(indice));
}

OpzioniRelazione FinestraEnigmistica::opzioni() const {
    OpzioniRelazione o;
    o.tre = TreParti->isChecked();
    o.frasi.parole = Parole->value();
    o.frasi.minimo = Minimo->value();
    return o;
}

void FinestraEnigmistica::avvia() {
    if (inCorso_) {
        ferma();
        return;
    }
    Contesto& ctx = f_.ctx;
    if (!LavoroForm1::libero(f_)) {
        scriviStato("Attendere: la finestra principale sta lavorando.");
        ctx.dialoghi.beep();
        return;
    }
    f_.Suona(2);
    RisultatoRicerca r;
    {
        Lavoro lavoro(*this);
        scriviStato("Ricerca in corso. . . . . . .");
        try {
            r = CercaRelazione(relazione(), testo::aCp1252(Testo->text()), opzioni(), ctx.voci,
                               poll_);
        } catch (const std::exception& e) {
            r.eseguita = false;
            r.stato = "Ricerca non riuscita.";
            ctx.dialoghi.messaggio(QString("Errore durante la ricerca: ") +
                                       QString::fromLocal8Bit(e.what()),
                                   Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Stop);
        }
    }
    mostraEsito(std::move(r));
    if (std::exchange(chiudiDopo_, false)) close();
}

void FinestraEnigmistica::ferma() {
    if (!inCorso_) return;
    f_.ctx.interrompi = true;
    f_.Suona(2);
}

void FinestraEnigmistica::mostraEsito(RisultatoRicerca r) {
    if (!r.eseguita) {
        if (!r.stato.empty()) scriviStato(qs(r.stato));
        if (r.beep) f_.ctx.dialoghi.beep();
        return;
    }
    modello_.imposta(std::move(r.righe));
    Lista->scrollToTop();
    scriviStato(qs(r.stato) + (r.interrotto ? "  (ricerca interrotta)" : ""));
    if (!r.messaggio.empty())
        f_.ctx.dialoghi.messaggio(qs(r.messaggio), Dialoghi::Pulsanti::Ok,
                                  Dialoghi::Icona::Esclamazione);
    Testo->selectAll();
}

void FinestraEnigmistica::cercaRiga(int riga) {
    if (inCorso_ || riga < 0 || riga >= modello_.rowCount()) return;
    Testo->setText(qs(ParolaDellaRiga(modello_.righe()[static_cast<size_t>(riga)])));
    avvia();
}

void FinestraEnigmistica::scriviStato(const QString& testo, bool suggerimento) {
    if (suggerimento && f_.ctx.modoCommento) return;
    stato_ = testo;
    // The band is painted: screen readers get its text here.
    setAccessibleDescription(testo);
    // Shown at once: a long search keeps the event loop busy right after this call.
    if (isVisible()) repaint();
}

void FinestraEnigmistica::ridipingiSfondo() {
    const SuperficieForm1& s = f_.superficie;
    ParametriSfondo par;
    // A see-through main window still wants this one readable.
    par.stile = s.stileSfondo == Trasparent ? NoFade : s.stileSfondo;
    par.colore = s.coloreSfondo;
    par.motivo = s.motivo;
    par.sfondo = palette().window().color();
    par.mattonella = s.mattonella;
    sfondo_ = DisegnaSfondo(size(), par);
    if (sfondo_.size() != size()) {
        sfondo_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        sfondo_.fill(par.sfondo);
    }
}

void FinestraEnigmistica::paintEvent(QPaintEvent*) {
    if (sfondo_.size() != size()) ridipingiSfondo();
    QPainter p(this);
    p.drawImage(0, 0, sfondo_);
    DisegnaMessaggio(p, QSizeF(size()), kScala, stato_, kMessaggioCentrato,
                     coloreDaBgr(f_.superficie.coloreMessaggi), FontMessaggi(kScala));
}

void FinestraEnigmistica::resizeEvent(QResizeEvent* e) {
    ridipingiSfondo();
    QWidget::resizeEvent(e);
}

void FinestraEnigmistica::showEvent(QShowEvent* e) {
    // The main window's background may have changed since this one was last shown.
    ridipingiSfondo();
    QWidget::showEvent(e);
    if (!inCorso_) Testo->setFocus();
    vuoleParole(true);
}

void FinestraEnigmistica::hideEvent(QHideEvent* e) {
    scriviPosizione();
    vuoleParole(false);
    QWidget::hideEvent(e);
}

void FinestraEnigmistica::vuoleParole(bool si) {
    // Built behind the windows; until then the relations take their plain pass, so no search
    // waits for the word orders.
    if (ComandiForm1* c = ComandiForm1::di(f_); c && c->indici) c->indici->vuoleParole(si);
}

void FinestraEnigmistica::closeEvent(QCloseEvent* e) {
    if (inCorso_) {
        // The search is stopped first; the window closes once it has returned.
        chiudiDopo_ = true;
        f_.ctx.interrompi = true;
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void FinestraEnigmistica::keyPressEvent(QKeyEvent* e) {
    // The controls pass on the keys they do not use, so these work wherever the focus is.
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        avvia();
        break;
    case Qt::Key_Escape:
        ferma();
        break;
    case Qt::Key_F1:
        emit richiestaHelp();
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

bool FinestraEnigmistica::eventFilter(QObject* o, QEvent* e) {
    if (o == Lista && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        menu_->copia();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

} // namespace verbolario
