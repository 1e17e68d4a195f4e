#include "GiocoCompleta.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/Colori.h"
#include "controls/Suoni.h"
#include "controls/reSizer.h"
#include "games/Casuale.h"
#include "games/ContoAllaRovescia.h"
#include "games/FontArial.h"
#include "games/MaiuscoleText3.h"
#include "games/OrologioGioco.h"
#include "games/PannelloParole.h"
#include "games/PreparaSfida.h"
#include "games/VociAdatte.h"
#include "games/frmTime.h"
#include "mainform/AvvioRicerca.h"
#include "mainform/ComandiForm1.h"
#include "mainform/Form1.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace verbolario {

namespace {

constexpr const char* kNome = "GiocoCompleta";

QLabel* didascalia(QWidget* genitore, const QString& testo, double punti) {
    auto* l = new QLabel(testo, genitore);
    l->setFont(fontArial(punti));
    l->setWordWrap(true);
    return l;
}

// Places a control at its design place (640 x 467 inside the window, in its parent's
// coordinates) and tags it for the resizer like the window's own controls.
void posto(QWidget* w, QRect r, const char* tag) {
    w->setGeometry(r);
    w->setProperty(reSizer::kTag, QString::fromLatin1(tag));
}

} // namespace

GiocoCompleta::GiocoCompleta(Form1& f) : QObject(&f), f_(f), caso_(casualeDaOrologio()) {
    setObjectName(kNome);
    costruisci();
    connect(&f_, &Form1::cambioModoIniziato, this, [this] { esceDalModo(); });
    connect(&f_, &Form1::modoCambiato, this, [this](int modo) {
        if (modo == 8) entraNelModo();
    });
    connect(&f_, &Form1::coloreGiochiCambiato, this, &GiocoCompleta::applicaColore);
    if (ComandiForm1* c = ComandiForm1::di(f_); c && c->avvio)
        c->avvio->impostaRamo(8, [this] { return PreparaSfida(); });
}

GiocoCompleta::~GiocoCompleta() = default;

void GiocoCompleta::costruisci() {
    // The answer box takes Text1's place, the words the list's upper part; the lower right
    // of that column stays free for the owl.
    Text3 = new QLineEdit(&f_);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setAccessibleName(QStringLiteral("Lettere mancanti"));
    Text3->setToolTip(QStringLiteral("Scrivi qui le lettere mancanti"));
    Text3->setFont(fontArial(14, true));
    Text3->setAlignment(Qt::AlignCenter);
    Text3->setValidator(new MaiuscoleText3(Text3));
    Text3->setMaxLength(gioco_.lettere());
    posto(Text3, {154, 8, 232, 30}, "PST");

    Picture1 = new PannelloParole(&f_);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Parole da completare"));
    posto(Picture1, {154, 46, 280, 238}, "PS");
    for (size_t i = 0; i < Picture1->Label1.size(); ++i)
        posto(Picture1->Label1[i], {8, 8 + static_cast<int>(i) * 56, 264, 52}, "PST");

    QFrame* cornice = f_.Frame6;
    auto* lettere = didascalia(cornice, QStringLiteral("Lettere mancanti:"), 9);
    lettere->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    posto(lettere, {8, 12, 114, 40}, "PST");
    // A tool button: its size hint fits its one digit, so the window never shrinks the digit
    // to make a wide push button's caption fit.
    Cmd4 = new QToolButton(cornice);
    Cmd4->setText(QString::number(gioco_.lettere()));
    Cmd4->setObjectName(QStringLiteral("Cmd4"));
    Cmd4->setAccessibleName(QStringLiteral("Numero di lettere mancanti"));
    Cmd4->setToolTip(QStringLiteral("Numero di lettere mancanti"));
    Cmd4->setFont(fontArial(16, true));
    Cmd4->setFocusPolicy(Qt::TabFocus);
    posto(Cmd4, {128, 10, 50, 44}, "PST");
    auto* tempo = didascalia(cornice, QStringLiteral("Tempo rimasto"), 9);
    tempo->setAlignment(Qt::AlignCenter);
    posto(tempo, {10, 64, 170, 20}, "PST");
    PicTime = new ContoAllaRovescia(cornice);
    PicTime->setObjectName(QStringLiteral("PicTime"));
    PicTime->setAccessibleName(QStringLiteral("Tempo rimasto"));
    PicTime->setToolTip(QStringLiteral("Clic: allarme s\u00EC o no\nClic destro: tempo e lunghezza "
                                       "delle parole"));
    posto(PicTime, {45, 88, 100, 60}, "PS");
    auto* aiuto = didascalia(cornice,
                             QStringLiteral("Clic sul contatore: allarme s\u00EC o no.\nClic "
                                            "destro: tempo e lunghezza delle parole.\nClic su "
                                            "una parola: abbandona il gioco."),
                             8);
    aiuto->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    posto(aiuto, {10, 158, 170, 84}, "PST");

    Timer1 = new OrologioGioco(this);
    Text3->hide();
    Picture1->hide();
    f_.resizer().Refresh();

    connect(Text3, &QLineEdit::textChanged, this, &GiocoCompleta::Text3_Change);
    connect(Cmd4, &QToolButton::clicked, this, &GiocoCompleta::Cmd4_Click);
    connect(PicTime, &ContoAllaRovescia::clicSinistro, this,
            [this] { PicTime_MouseDown(Qt::LeftButton); });
    connect(PicTime, &ContoAllaRovescia::clicDestro, this,
            [this] { PicTime_MouseDown(Qt::RightButton); });
    connect(Picture1, &PannelloParole::parolaCliccata, this, &GiocoCompleta::Label1_Click);
    connect(Timer1, &OrologioGioco::scatto, this, &GiocoCompleta::Timer1_Timer);
}

QString GiocoCompleta::soluzione() const {
    return testo::daCp1252(gioco_.parteMaiuscola());
}

frmTime* GiocoCompleta::finestraTempo() const {
    return finestraTempo_;
}

void GiocoCompleta::impostaCasuale(std::unique_ptr<Casuale> caso) {
    if (caso) caso_ = std::move(caso);
}

int GiocoCompleta::tempoLimite() const {
    return static_cast<int>(std::clamp<int64_t>(f_.giochi.maxTime, 10, 60));
}

int GiocoCompleta::lunghezzaLimite() const {
    return static_cast<int>(
        std::clamp<int64_t>(f_.giochi.maxLen, VociAdatte::kMinima, VociAdatte::kMassima));
}

void GiocoCompleta::messaggio(const std::string& testoCp, bool suggerimento) {
    f_.ScriviMessaggio(testo::daCp1252(testoCp), 1, suggerimento);
}

void GiocoCompleta::mostraConteggio(int secondi) {
    PicTime->setAllarme(gioco_.allarmeAttivo());
    PicTime->Scandisci(QStringLiteral("%1").arg(secondi, 2, 10, QLatin1Char('0')));
}

void GiocoCompleta::mostraConteggio() {
    mostraConteggio(gioco_.secondiDaMostrare(tempoLimite()));
}

void GiocoCompleta::applicaColore() {
    Picture1->impostaColore(coloreDaBgr(f_.giochi.comColor));
}

void GiocoCompleta::entraNelModo() {
    f_.Command1->setEnabled(true);
    f_.Frame6->show();
    PicTime->show();
    Text3->show();
    Picture1->show();
    // The suitable entries are sorted out now, so the first round starts at once.
    f_.ctx.voci.derived<VociAdatte>();
    Text3->clear();
    Picture1->svuota();
    applicaColore();
    QCoreApplication::processEvents();
    mostraConteggio();
    Picture1->update();
}

void GiocoCompleta::esceDalModo() {
    // A round left running would go on ticking behind another mode, with Cmd4 locked.
    AzzeraSfida();
    Text3->hide();
    Picture1->hide();
    if (finestraTempo_) finestraTempo_->close();
}

bool GiocoCompleta::PreparaSfida() {
    f_.mostraStop(true);
    PicTime->show();
    AzzeraSfida();
    Text3->clear();
    f_.superficie.pulisciDisegno();
    QCoreApplication::processEvents();

    const int k = gioco_.lettere();
    Text3->setMaxLength(k);
    Preparazione p = verbolario::PreparaSfida(f_.ctx.voci, k, lunghezzaLimite(), *caso_, f_.poll());
    if (p.esito != EsitoSfida::Pronta) {
        AzzeraSfida();
        // Not a hint: without it the start button would seem to do nothing.
        const std::string perche = MessaggioSfida(p.esito, k, lunghezzaLimite());
        if (!perche.empty()) messaggio(perche, false);
        return true;
    }
    for (size_t i = 0; i < Picture1->Label1.size(); ++i)
        Picture1->Label1[i]->setText(testo::daCp1252(p.sfida.nascosta(i)));
    applicaColore();
    gioco_.inizia(std::move(p.sfida), tempoLimite());
    Cmd4->setEnabled(false);
    Timer1->avvia(CompletaParole::kIntervallo);
    Text3->setFocus();
    mostraConteggio();
    if (f_.SoluzioneMostrata) messaggio(gioco_.parteMaiuscola());
    return true;
}

void GiocoCompleta::AzzeraSfida() {
    ++giroBeep_;
    Timer1->ferma();
    gioco_.azzera();
    Picture1->svuota();
    Cmd4->setEnabled(true);
    mostraConteggio();
}

void GiocoCompleta::SvelaParte() {
    for (size_t i = 0; i < Picture1->Label1.size(); ++i)
        Picture1->Label1[i]->setText(testo::daCp1252(gioco_.sfida().svelata(i)));
    Cmd4->setEnabled(true);
}

void GiocoCompleta::Timer1_Timer() {
    if (!gioco_.inCorso()) {
        Timer1->ferma();
        return;
    }
    const bool sonoro = f_.suoni().SchedaAudio() && f_.suoni().SuonoAttivo();
    const CompletaParole::Battito b = gioco_.scatto(sonoro);
    mostraConteggio(b.secondi);
    // Drawn before any beep that holds the window for its length.
    PicTime->repaint();
    if (b.scaduto) {
        Timer1->ferma();
        messaggio(gioco_.messaggioScaduto());
        SvelaParte();
    } else if (b.intervallo != Timer1->intervallo()) {
        Timer1->impostaIntervallo(b.intervallo);
    }
    suona(b.suono);
}

void GiocoCompleta::Text3_Change() {
    const int k = static_cast<int>(gioco_.sfida().parte.size());
    switch (gioco_.rispondi(testo::aCp1252(Text3->text()))) {
    case CompletaParole::Risposta::Sbagliata:
        // The next try replaces the whole answer.
        Text3->setSelection(0, k);
        break;
    case CompletaParole::Risposta::Esatta:
        Timer1->ferma();
        messaggio(gioco_.messaggioEsatto());
        SvelaParte();
        suona(CompletaParole::Suono::Blip);
        break;
    case CompletaParole::Risposta::Ignorata:
        break;
    }
}

void GiocoCompleta::Cmd4_Click() {
    f_.Suona(2);
    Cmd4->setText(QString::number(gioco_.cambiaLettere()));
    f_.cmdFocus->setFocus();
    messaggio(CompletaParole::messaggioLettere(gioco_.lettere()));
}

void GiocoCompleta::PicTime_MouseDown(Qt::MouseButton pulsante) {
    if (pulsante == Qt::LeftButton) {
        const CompletaParole::Suono s = gioco_.commutaAllarme();
        messaggio(CompletaParole::messaggioAllarme(gioco_.allarmeAttivo()));
        mostraConteggio();
        PicTime->repaint();
        suona(s);
    } else if (pulsante == Qt::RightButton && !f_.ctx.occupato && !gioco_.inCorso()) {
        f_.Suona(2);
        apriFinestraTempo();
    }
}

void GiocoCompleta::Label1_Click() {
    if (!gioco_.inCorso()) return;
    f_.ctx.occupato = true;
    AzzeraSfida();
    f_.ctx.occupato = false;
}

void GiocoCompleta::apriFinestraTempo() {
    if (finestraTempo_) {
        finestraTempo_->raise();
        return;
    }
    finestraTempo_ = new frmTime(f_);
    connect(finestraTempo_, &frmTime::tempoCambiato, this, [this] { mostraConteggio(); });
    connect(finestraTempo_, &frmTime::chiuso, this, [this] {
        if (Text3->isVisible()) Text3->setFocus();
    });
    finestraTempo_->apriVicinoA(QCursor::pos());
}

void GiocoCompleta::suona(CompletaParole::Suono suono) {
    switch (suono) {
    case CompletaParole::Suono::Beep:
        f_.Suona(3, Suoni::kAsincrono);
        break;
    case CompletaParole::Suono::DueBeep:
        f_.Suona(3, Suoni::kSincrono);
        f_.Suona(3, Suoni::kSincrono);
        break;
    case CompletaParole::Suono::BeepFinali:
        tempoBeep_.start();
        beepFinali(++giroBeep_);
        break;
    case CompletaParole::Suono::Blip:
        f_.Suona(1, Suoni::kAsincrono);
        break;
    case CompletaParole::Suono::Nessuno:
        break;
    }
}

// One beep to its end, then back to the event loop (the user's input runs) before the next,
// until a second has passed or another round has begun. Nothing to hear, nothing to wait.
void GiocoCompleta::beepFinali(unsigned giro) {
    if (giro != giroBeep_ || tempoBeep_.elapsed() >= CompletaParole::kDurataBeepFinali) return;
    if (!f_.suoni().Suona(3, Suoni::kSincrono)) return;
    QTimer::singleShot(0, this, [this, giro] { beepFinali(giro); });
}

GiocoCompleta* giocoCompleta(Form1& f) {
    return f.findChild<GiocoCompleta*>(QString::fromLatin1(kNome), Qt::FindDirectChildrenOnly);
}

void installaCompletaParole(Form1& f) {
    if (!giocoCompleta(f)) new GiocoCompleta(f);
}

} // namespace verbolario
