#include "PannelloParolando.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/reSizer.h"
#include "games/EtichettaLettere.h"
#include "games/FontArial.h"
#include "mainform/AvvioRicerca.h"
#include "mainform/ComandiForm1.h"
#include "mainform/Form1.h"
#include "mainform/LayoutForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MostraRisultato.h"
#include "search/SoluzioneParolando.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace verbolario {

namespace {

constexpr int kModo = 6;

} // namespace

PannelloParolando::PannelloParolando(Form1& f) : QObject(&f), f_(f), casuale_(casualeDaOrologio()) {
    setObjectName("PannelloParolando");
    costruisci();
    connect(Cmd7[0], &QPushButton::clicked, this, [this] { Cmd7_Click(0); });
    connect(Cmd7[1], &QPushButton::clicked, this, [this] { Cmd7_Click(1); });
    connect(Check4, &QCheckBox::clicked, this, &PannelloParolando::Check4_Click);
    connect(Lblpar, &EtichettaLettere::doppioClic, this, &PannelloParolando::Lblpar_DblClick);
    connect(f_.Text1, &QLineEdit::textChanged, this, &PannelloParolando::Text1_Change);
    connect(&f_, &Form1::cambioModoIniziato, Lblpar, &QWidget::hide);
    connect(&f_, &Form1::modoCambiato, this, &PannelloParolando::modoCambiato);
    connect(&f_, &Form1::impostazioniLette, this, &PannelloParolando::impostazioniLette);
    connect(&f_, &Form1::coloreGiochiCambiato, this, &PannelloParolando::applicaColore);
    if (ComandiForm1* c = ComandiForm1::di(f_))
        c->avvio->impostaRamo(kModo, [this] { return soluzione(); });
    applicaColore();
}

PannelloParolando::~PannelloParolando() = default;

PannelloParolando* PannelloParolando::di(Form1& f) {
    return f.findChild<PannelloParolando*>("PannelloParolando", Qt::FindDirectChildrenOnly);
}

void PannelloParolando::costruisci() {
    f_.Frame4->setAccessibleName("Parolando");
    const char* nomi[] = {"Cmd7_0", "Cmd7_1"};
    const char* didascalie[] = {"Vocale", "Consonante"};
    for (size_t i = 0; i < Cmd7.size(); ++i) {
        Cmd7[i] = new QPushButton(didascalie[i], f_.Frame4);
        Cmd7[i]->setObjectName(nomi[i]);
        Cmd7[i]->setAccessibleName(didascalie[i]);
        Cmd7[i]->setFont(fontArial(10, true));
    }
    Cmd7[0]->setToolTip("Estrai una vocale");
    Cmd7[1]->setToolTip("Estrai una consonante");
    Check4 = new QCheckBox("Casuale", f_.Frame4);
    Check4->setObjectName("Check4");
    Check4->setAccessibleName("Modo di estrazione");
    Check4->setToolTip("Casuale: lettere tutte ugualmente probabili. Distributiva: secondo la "
                       "frequenza delle lettere nel dizionario.");
    Check4->setFont(fontArial(9));
    Lblpar = new EtichettaLettere(&f_);
    Lblpar->hide();
    // The window was laid out and its resizer took its snapshot before the games existed.
    applicaLayout(f_);
    f_.resizer().Refresh();
}

void PannelloParolando::impostaCasuale(std::unique_ptr<Casuale> casuale) {
    if (casuale) casuale_ = std::move(casuale);
}

void PannelloParolando::Cmd7_Click(int indice) {
    if (f_.ctx.occupato) return;
    f_.Command1->setEnabled(true);
    f_.Suona(2);
    const TipoLettera tipo = indice == 0 ? TipoLettera::Vocale : TipoLettera::Consonante;
    const EsitoEstrazione e = gioco_.estrai(tipo, f_.ctx.statistiche.stringaLettere, *casuale_);
    if (e.nuovaPartita) {
        Lblpar->clear();
        f_.List1->modello().svuota();
        f_.Text1->clear();
    }
    if (e.limite)
        f_.ctx.dialoghi.beep();
    else
        Lblpar->setText(testo::daCp1252(gioco_.lettereEstratte()));
    f_.ScriviMessaggio(testo::daCp1252(e.messaggio), 1, true);
}

void PannelloParolando::Check4_Click() {
    const bool distributiva = Check4->isChecked();
    Check4->setText(distributiva ? "Distributiva" : "Casuale");
    gioco_.setDistributiva(distributiva);
    f_.giochi.scelta = distributiva ? 1 : 0;
    f_.cmdFocus->setFocus();
    // Restoring the setting at start-up happens before the window shows: no click then.
    if (f_.isVisible()) f_.Suona(2);
}

void PannelloParolando::Lblpar_DblClick() {
    // While the start button's search runs the round is still being ended.
    if (f_.ctx.occupato) return;
    gioco_.nuovaPartita();
    Lblpar->clear();
    f_.superficie.pulisciDisegno();
    f_.Command1->setEnabled(false);
    f_.List1->modello().svuota();
    f_.Text1->clear();
}

void PannelloParolando::Text1_Change() {
    // The mode switch rewrites Text1 before ModoCorrente follows the checked button: neither
    // the mode being left nor the one being entered checks a word then.
    if (f_.ModoCorrente != kModo || !f_.Option1(kModo)->isChecked()) return;
    const EsitoControllo e = gioco_.controlla(testo::aCp1252(f_.Text1->text()));
    if (e.svuota) {
        if (!f_.Text1->text().isEmpty()) f_.Text1->clear();
        return;
    }
    if (e.inizio >= 0) f_.Text1->setSelection(e.inizio, e.lunghezza);
    for (int i = 0; i < e.beep; ++i) f_.ctx.dialoghi.beep();
    if (!e.messaggio.empty()) f_.ScriviMessaggio(testo::daCp1252(e.messaggio), 1, true);
}

bool PannelloParolando::soluzione() {
    // Enter acts as the start button, which is disabled once a round has ended: the list of
    // solutions stays until the next draw.
    if (!f_.Command1->isEnabled()) return false;
    f_.List1->modello().svuota();
    f_.List2.clear();
    f_.mostraStop(true);
    QCoreApplication::processEvents();
    if (!lettereSufficienti(gioco_.lettereEstratte())) {
        f_.ScriviMessaggio(testo::daCp1252(kTroppePocheLettere), 1, false);
        return false;
    }
    f_.ScriviMessaggio("Ricerca in corso. . . . . . .");
    f_.ctx.occupato = true; // the search still runs
    RisultatoRicerca r =
        SoluzioneParolando(gioco_.lettereEstratte(), testo::aCp1252(f_.Text1->text()), f_.ctx.voci,
                           f_.poll(), f_.ModoFrasi);
    gioco_.concludi();
    f_.Command1->setEnabled(false);
    mostraRisultato(f_, std::move(r));
    Cmd7[0]->setFocus(); // ready for the next round
    return true;
}

void PannelloParolando::modoCambiato(int modo) {
    if (modo != kModo) return;
    Lblpar->show();
    Check4->setEnabled(!f_.ctx.statistiche.stringaLettere.empty());
    if (gioco_.inCorso())
        f_.Command1->setEnabled(true);
    else
        Lblpar->clear();
}

void PannelloParolando::impostazioniLette() {
    Check4->setChecked(f_.giochi.scelta != 0);
    Check4_Click();
    applicaColore();
}

void PannelloParolando::applicaColore() {
    Lblpar->impostaColore(f_.giochi.parColor);
}

void installaParolando(Form1& f) {
    if (!PannelloParolando::di(f)) new PannelloParolando(f);
}

} // namespace verbolario
