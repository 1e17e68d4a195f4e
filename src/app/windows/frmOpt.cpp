#include "frmOpt.h"

#include "Contesto.h"
#include "PollEventi.h"
#include "TestoCp.h"
#include "controls/DisegnaSfondo.h"
#include "controls/Tras.h"
#include "dictionary/CaricaDizionario.h"
#include "dictionary/CreaDizionario.h"
#include "mainform/ColonnaModi.h"
#include "mainform/DisegnoCruciverba.h"
#include "mainform/DisegnoPalindromo.h"
#include "mainform/Form1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

namespace verbolario {

const QString frmOpt::kAvviso = QStringLiteral(
    "Attenzione, per il funzionamento del programma \u00E8 necessaria la presenza di un "
    "dizionario.");

namespace {

constexpr int kModoPalindromi = 3;
constexpr int kModoCruciverba = 7;

// Where the fades' blue setting shows: styles 1 to 3 have a blue to set.
bool haScala(int stile) {
    return stile >= Fade1 && stile <= Fade3;
}

} // namespace

const QString& frmOpt::filtriImmagini() {
    // PNG is what most pictures on this platform are; the caption keeps the classic three.
    static const QString f =
        QStringLiteral("Immagini  *.bmp *.jpg *.gif (*.bmp *.jpg *.jpeg *.gif *.png)");
    return f;
}

const QString& frmOpt::filtriDizionario() {
    static const QString f = QStringLiteral("Dizionari  *.dic (*.dic);;"
                                            "File di testo  *.txt (*.txt);;"
                                            "Tutti i file *.* (*)");
    return f;
}

frmOpt::frmOpt(Contesto& ctx, Form1* f, Ruolo ruolo, QWidget* parent)
    : QDialog(parent), ctx_(ctx), f_(f), ruolo_(ruolo) {
    apriConProgramma = [](const QString& percorso) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
    };
    setObjectName("frmOpt");
    setWindowTitle(ruolo_ == Ruolo::Sfondo ? "Sfondo" : "Verbolario");
    costruisci();
}

frmOpt::~frmOpt() = default;

int frmOpt::argomentoHelp() const {
    return Frame6->isVisibleTo(this) ? 900 : 1000;
}

void frmOpt::costruisci() {
    auto* v = new QVBoxLayout(this);
    v->setSizeConstraint(QLayout::SetFixedSize);
    v->addWidget(costruisciCornice());
    v->addWidget(costruisciAvviso());
    v->addLayout(costruisciComandi());

    // Each role shows its own half: the background frame, or the dictionary commands.
    const bool sfondo = ruolo_ == Ruolo::Sfondo;
    Frame6->setVisible(sfondo);
    avviso_->setVisible(!sfondo);
    for (int i = 0; i < 3; ++i) Command1[i]->setVisible(!sfondo);
}

QWidget* frmOpt::costruisciCornice() {
    Frame6 = new QGroupBox("Sfondo", this);
    auto* g = new QGridLayout(Frame6);
    auto* gruppo = new QButtonGroup(this);
    static const char* const kStili[] = {"NoFade", "Fade 1", "Fade 2",
                                         "Fade 3", "Tile",   "Trasparent"};
    for (int i = 0; i < 6; ++i) {
        Option1[i] = new QRadioButton(kStili[i], Frame6);
        gruppo->addButton(Option1[i], i);
        g->addWidget(Option1[i], i % 3, i / 3 * 2);
    }
    CmdTile = new QPushButton("...", Frame6);
    CmdTile->setToolTip("Scegli un'altra immagine per la mattonella");
    CmdTile->setFixedWidth(CmdTile->fontMetrics().horizontalAdvance("....") + 16);
    g->addWidget(CmdTile, 1, 3);
    HScroll1 = new QScrollBar(Qt::Horizontal, Frame6);
    HScroll1->setRange(-1, 255);
    HScroll1->setPageStep(16);
    HScroll1->setMinimumWidth(160);
    HScroll1->setToolTip("Quantit\u00E0 di blu nella sfumatura (-1: sfumatura grigia)");
    blu_ = new QLabel("Blu", Frame6);
    blu_->setBuddy(HScroll1);
    g->addWidget(blu_, 3, 0);
    g->addWidget(HScroll1, 3, 1, 1, 2);
    Label2 = new QLabel(Frame6);
    Label2->setMinimumWidth(Label2->fontMetrics().horizontalAdvance("-100"));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(Label2, 3, 3);
    Check5 = new QCheckBox("Pattern", Frame6);
    Check5->setToolTip("Lettere in rilievo sparse sullo sfondo");
    g->addWidget(Check5, 4, 0, 1, 2);

    connect(gruppo, &QButtonGroup::idClicked, this, &frmOpt::Option1_Click);
    connect(CmdTile, &QPushButton::clicked, this, &frmOpt::CmdTile_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmOpt::HScroll1_Change);
    connect(Check5, &QCheckBox::toggled, this, [this](bool on) {
        if (ctx_.occupato || !f_) return;
        f_->superficie.motivo = on;
        ridisegnaForm1();
    });
    return Frame6;
}

QWidget* frmOpt::costruisciAvviso() {
    avviso_ = new QWidget(this);
    auto* a = new QHBoxLayout(avviso_);
    a->setContentsMargins(4, 4, 4, 8);
    auto* icona = new QLabel(avviso_);
    const int lato = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(lato, lato));
    icona->setAlignment(Qt::AlignTop);
    a->addWidget(icona);
    Label1 = new QLabel(kAvviso, avviso_);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(360);
    a->addWidget(Label1, 1);
    return avviso_;
}

QLayout* frmOpt::costruisciComandi() {
    auto* riga = new QHBoxLayout;
    static const char* const kComandi[] = {"Crea dizionario", "Cerca dizionario", "Fine", "OK"};
    for (int i = 0; i < 4; ++i) {
        Command1[i] = new QPushButton(kComandi[i], this);
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Command2 = new QPushButton("?", this);
    Command2->setToolTip("Aiuto (F1)");
    Command2->setAutoDefault(false);
    Command2->setFixedWidth(Command2->sizeHint().height() + 4);
    for (int i = 0; i < 3; ++i) riga->addWidget(Command1[i]);
    riga->addStretch(1);
    riga->addWidget(Command2);
    riga->addWidget(Command1[3]);
    connect(Command2, &QPushButton::clicked, this, [this] { emit richiestaHelp(argomentoHelp()); });
    return riga;
}

void frmOpt::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!attivato_) Form_Activate();
    attivato_ = true;
}

void frmOpt::Form_Activate() {
    adjustSize();
    if (QScreen* s = screen()) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - frameGeometry().width()) / 2,
             r.y() + (r.height() - frameGeometry().height()) / 2);
    }
    Option1[Trasparent]->setEnabled(TrasparenzaDisponibile());
    if (f_) {
        // The change handlers must not repaint while the controls take the current values.
        const bool eraOccupato = ctx_.occupato;
        ctx_.occupato = true;
        const SuperficieForm1& s = f_->superficie;
        Check5->setChecked(s.motivo);
        if (s.stileSfondo >= 0 && s.stileSfondo < static_cast<int>(Option1.size()))
            Option1[static_cast<size_t>(s.stileSfondo)]->setChecked(true);
        HScroll1->setValue(s.coloreSfondo);
        HScroll1_Change(HScroll1->value());
        CmdTile->setEnabled(s.stileSfondo == Tile);
        mostraScala(s.stileSfondo);
        ctx_.occupato = eraOccupato;
    }
    QPushButton* fuoco = Command1[1]->isVisibleTo(this) ? Command1[1] : Command1[3];
    fuoco->setFocus();
}

void frmOpt::mostraScala(int stile) {
    HScroll1->setVisible(haScala(stile));
    HScroll1->setEnabled(haScala(stile));
    Label2->setVisible(haScala(stile));
    blu_->setVisible(haScala(stile));
    Label2->setEnabled(haScala(stile));
}

void frmOpt::ridisegnaForm1() {
    if (!f_) return;
    f_->superficie.ridisegnaSfondo(true);
    f_->Frame3->update();
}

bool frmOpt::scegliMattonella() {
    const QString percorso =
        ctx_.dialoghi.apriFile("Scegli l'immagine della mattonella", filtriImmagini(),
                               QFileInfo(f_->superficie.fileMattonella).absolutePath());
    if (percorso.isEmpty()) return false;
    QImage img(percorso);
    if (img.isNull()) {
        ctx_.dialoghi.messaggio("Impossibile leggere l'immagine\n" + percorso,
                                Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Esclamazione);
        return false;
    }
    f_->superficie.fileMattonella = percorso;
    f_->superficie.mattonella = std::move(img);
    return true;
}

void frmOpt::Option1_Click(int i) {
    if (!f_ || ctx_.occupato) return;
    SuperficieForm1& s = f_->superficie;
    ctx_.sfondoTrasparente = false;
    if (i == Tile) {
        // The stored picture is read again, so a file changed on disk shows as it is now.
        QImage img;
        if (!s.fileMattonella.isEmpty() && QFileInfo(s.fileMattonella).isFile())
            img = QImage(s.fileMattonella);
        if (!img.isNull()) {
            s.mattonella = std::move(img);
        } else if (!scegliMattonella()) {
            Option1[Fade1]->setChecked(true);
            Option1_Click(Fade1);
            return;
        }
    }
    QColor chiave; // none: the window is plainly opaque
    if (i == Trasparent) {
        ctx_.sfondoTrasparente = true;
        chiave = f_->palette().window().color();
    }
    s.stileSfondo = i;
    CmdTile->setEnabled(i == Tile);
    s.ridisegnaSfondo(true);
    mostraScala(i);
    f_->CruciPic->setVisible(f_->ModoCorrente == kModoCruciverba && !ctx_.sfondoTrasparente);
    f_->ImgPal->setVisible(f_->ModoCorrente == kModoPalindromi && !ctx_.sfondoTrasparente);
    f_->Frame3->update();
    Command1[3]->setFocus();
    if (TrasparenzaDisponibile()) ImpostaTrasparenza(*f_, chiave, 255);
    f_->update();
}

void frmOpt::CmdTile_Click() {
    if (!f_ || !scegliMattonella()) return;
    ridisegnaForm1();
}

void frmOpt::HScroll1_Change(int valore) {
    // The share of full blue, rounded down: -1 (grey fades) reads "-1".
    Label2->setText(QString::number(static_cast<int>(std::floor(valore / 255.0 * 100.0))));
    if (ctx_.occupato || !f_) return;
    f_->superficie.coloreSfondo = valore;
    ridisegnaForm1();
}

void frmOpt::Command1_Click(int indice) {
    switch (indice) {
    case 0:
        creaDizionario();
        break;
    case 1:
        cercaDizionario();
        break;
    case 2:
        close();
        break;
    default:
        accept();
        break;
    }
}

void frmOpt::creaDizionario() {
    const QString percorso =
        ctx_.percorsoDizionario.isEmpty() ? ctx_.percorsoPredefinito() : ctx_.percorsoDizionario;
    EsitoSalvataggio e = CreaDizionario(QFile::encodeName(percorso).toStdString());
    if (!e.ok) {
        // Nothing was written: ending now would leave the user with nothing and no reason.
        ctx_.dialoghi.messaggio(testo::daCp1252(e.errore), Dialoghi::Pulsanti::Ok,
                                Dialoghi::Icona::Stop);
        return;
    }
    if (apriConProgramma) apriConProgramma(percorso);
    close();
}

void frmOpt::cercaDizionario() {
    const QString percorso = ctx_.dialoghi.apriFile("Cerca un dizionario.", filtriDizionario());
    if (percorso.isEmpty()) return;
    const QString avviso = Label1->text();
    setCursor(Qt::WaitCursor);
    Label1->setText("Attendere,\ncaricamento dizionario in corso...");
    QCoreApplication::processEvents();
    // Read aside, so that a file that cannot be read leaves nothing half-loaded behind.
    Voci nuove;
    PollEventi poll(ctx_);
    ctx_.interrompi = false;
    EsitoCaricamento e = CaricaDizionario(QFile::encodeName(percorso).toStdString(), nuove, poll);
    unsetCursor();
    if (!e.ok) {
        ctx_.dialoghi.messaggio(testo::daCp1252(e.errore));
        Label1->setText(avviso);
        return;
    }
    ctx_.adottaDizionario(std::move(nuove), percorso, !e.interrotto, poll);
    // The main window opens before this one goes, so the program is never without a window.
    emit dizionarioCaricato();
    accept();
    ctx_.dialoghi.messaggio("Nel caso il file caricato non rispetti il formato previsto\n"
                            "ricordo che \u00E8 possibile formattarlo selezionando il men\u00F9 "
                            "Formatta e ordina...",
                            Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Informazione);
}

void frmOpt::keyPressEvent(QKeyEvent* e) {
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool alt = e->modifiers() & Qt::AltModifier;
    if (e->key() == Qt::Key_F1) {
        emit richiestaHelp(argomentoHelp());
        return;
    }
    if (e->key() == Qt::Key_C && ctrl != alt && f_) {
        f_->CambiaColore(ctrl, alt);
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace verbolario
