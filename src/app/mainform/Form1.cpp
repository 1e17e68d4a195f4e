#include "Form1.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/BarraProgresso.h"
#include "controls/Colori.h"
#include "controls/Suoni.h"
#include "controls/reSizer.h"
#include "controls/ucTast.h"
#include "dictionary/CaricaDizionario.h"
#include "mainform/CambioModo.h"
#include "mainform/ColonnaModi.h"
#include "mainform/ControlliRicerca.h"
#include "mainform/DisegnoCruciverba.h"
#include "mainform/DisegnoPalindromo.h"
#include "mainform/FiltriTasti.h"
#include "mainform/IconeForm1.h"
#include "mainform/LayoutForm1.h"
#include "mainform/ListaRisultati.h"
#include "mainform/MenuForm1.h"
#include "mainform/UscitaForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace verbolario {

namespace {

QFont fontControlli(double punti, bool grassetto = false) {
    QFont f("Arial");
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

template <class W> W* crea(QWidget* genitore, const char* nome, const QString& testo = {}) {
    auto* w = new W(testo, genitore);
    w->setObjectName(nome);
    w->setFont(fontControlli(9));
    return w;
}

QFrame* pannello(QWidget* genitore, const char* nome) {
    auto* f = new QFrame(genitore);
    f->setObjectName(nome);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    f->setAutoFillBackground(true);
    f->hide();
    return f;
}

} // namespace

Form1::Form1(Contesto& c, QWidget* parent)
    : QWidget(parent), ctx(c), superficie(*this, c), poll_(c),
      suoni_(std::make_unique<Suoni>(c.cartellaProgramma())) {
    setObjectName("Form1");
    setWindowTitle(Dialoghi::kTitolo);
    ctx.dialoghi.impostaProprietario(this);
    costruisci();
    collega();
    resize(dimensioneProgetto());
    setMinimumSize(dimensioneMinima());
    applicaLayout(*this);
    resizer_ = std::make_unique<reSizer>(this);
    resizer_->Refresh();
    // The resizer's first call only arms it; make that now, so the first real resize (the
    // stored window size, before the window shows) already lays the controls out.
    resizer_->Size();
    poll_.suProgresso = [this](int64_t pos, int64_t tot) {
        if (tot <= 0) return;
        Pic1->setScala(static_cast<double>(tot));
        BarDraw(pos, static_cast<int>(std::lround(100.0 * pos / tot)));
    };
    qApp->installEventFilter(this);
}

Form1::~Form1() {
    qApp->removeEventFilter(this);
}

QRadioButton* Form1::Option1(int i) const {
    return Frame3->Option1(i);
}
QPushButton* Form1::Command2() const {
    return Frame3->Command2();
}

void Form1::costruisci() {
    Frame3 = new ColonnaModi(this, superficie, ctx.sfondoTrasparente);
    for (int i = 0; i < ColonnaModi::kModi; ++i) Option1(i)->setFont(fontControlli(9));
    Command2()->setFont(fontControlli(10, true));

    Text1 = crea<QLineEdit>(this, "Text1");
    Text1->setFont(fontControlli(12, true));
    Text1->setAccessibleName("Testo da cercare");
    Text2 = crea<QLineEdit>(this, "Text2");
    Text2->setFont(fontControlli(12, true));
    Text2->setAccessibleName("Inizio della parola");
    TxtMeno = crea<QLineEdit>(this, "TxtMeno");
    TxtMeno->setToolTip("Lettere da escludere dalla ricerca");
    TxtMeno->setAccessibleName("Lettere escluse");
    TxtMeno->setStyleSheet("QLineEdit { background: #ffff80; }");
    List1 = new VistaRisultati(this);
    List1->setObjectName("List1");
    List1->setAccessibleName("Risultati");
    List1->setFont(fontControlli(10));

    Command10 = crea<QPushButton>(this, "Command10");
    Command10->setIcon(icone::stop());
    Command10->setIconSize(QSize(24, 24));
    Command10->setToolTip("Stop");
    Command10->setAccessibleName("Stop");
    Command1 = crea<QPushButton>(this, "Command1");
    Command1->setIcon(icone::avvio());
    Command1->setIconSize(QSize(24, 24));
    Command1->setToolTip("Avvio");
    Command1->setAccessibleName("Avvio");
    Command4 = crea<QPushButton>(this, "Command4", "Dizionari...");
    Command5 = crea<QPushButton>(this, "Command5", "Opzioni e...");
    cmdFocus = crea<QPushButton>(this, "cmdFocus");
    cmdFocus->setFlat(true);
    // It only parks the keyboard focus; a screen reader landing there names the window.
    cmdFocus->setAccessibleName(Dialoghi::kTitolo);

    Frame2 = pannello(this, "Frame2");
    const char* sottomodi[] = {"Completi", "Tutti !", "Parziali", "Contenitori"};
    for (int i = 0; i < 4; ++i) {
        Option2[static_cast<size_t>(i)] = crea<QRadioButton>(
            Frame2, QString("Option2_%1").arg(i).toLatin1().constData(), sottomodi[i]);
    }
    Option2[0]->setChecked(true);
    Check5 = crea<QCheckBox>(Frame2, "Check5");
    CScarto = crea<QCheckBox>(Frame2, "CScarto");
    CScarto->setFont(fontControlli(11, true));
    CScarto->hide();

    Frame5 = pannello(this, "Frame5");
    Option3[0] = crea<QRadioButton>(Frame5, "Option3_0", "Vocali");
    Option3[1] = crea<QRadioButton>(Frame5, "Option3_1", "Consonanti");
    Option3[0]->setChecked(true);
    Check6 = crea<QCheckBox>(Frame5, "Check6");

    Frame1 = pannello(this, "Frame1");
    Frame4 = pannello(this, "Frame4");
    Frame6 = pannello(this, "Frame6");

    Tast1 = new ucTast(this);
    Tast1->setObjectName("Tast1");
    Tast1->ReadProperties(ucTast::valoriTast1());
    Tast1->hide();
    Pic1 = new BarraProgresso(this);
    Pic1->setObjectName("Pic1");
    Pic1->hide();
    ImgPal = new DisegnoPalindromo(this);
    ImgPal->hide();
    CruciPic = new DisegnoCruciverba(this);
    CruciPic->hide();

    ckOrder = crea<QCheckBox>(this, "ckOrder", "Ordine lista");
    ckOrder->setToolTip("Ordine lista");
    CkFilter = crea<QCheckBox>(this, "CkFilter", "Modo filtro");
    CkFilter->setToolTip("Modo filtro");
    CkDoppie = crea<QCheckBox>(this, "CkDoppie", "Modo doppie");
    CkDoppie->setToolTip("Modo doppie");
    Check1 = crea<QCheckBox>(this, "Check1", "Top");
    Check2 = crea<QCheckBox>(this, "Check2", "Commento");
    Check3 = crea<QCheckBox>(this, "Check3", "Suono");
    // Readable over any background: the boxes carry the button face behind their text.
    for (QWidget* w :
         std::initializer_list<QWidget*>{ckOrder, CkFilter, CkDoppie, Check1, Check2, Check3})
        w->setAutoFillBackground(true);
}

void Form1::collega() {
    modo_ = std::make_unique<CambioModo>(*this);
    filtri_ = std::make_unique<FiltriTasti>(*this);
    menu_ = std::make_unique<MenuForm1>(*this);
    controlli_ = std::make_unique<ControlliRicerca>(*this);
    for (int i = 0; i < ColonnaModi::kModi; ++i)
        connect(Option1(i), &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(Command2(), &QPushButton::clicked, this, &QWidget::close);
    connect(Command1, &QPushButton::clicked, this, &Form1::richiestaAvvio);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::richiestaApriDizionario);
    connect(Command5, &QPushButton::clicked, menu_.get(), &MenuForm1::Command5_Click);
    connect(List1, &VistaRisultati::menuRichiesto, menu_.get(), &MenuForm1::mostraFile);
    connect(List1, &VistaRisultati::ctrlClic, this, &Form1::richiestaLettereComuni);
    connect(List1, &QListView::doubleClicked, this, [this](const QModelIndex& i) {
        if (!i.isValid()) return;
        std::string riga = testo::aCp1252(List1->modello().riga(i.row()));
        Text1->setText(testo::daCp1252(SoloTermine(riga)));
    });
    connect(CruciPic, &DisegnoCruciverba::cliccato, this, [this] { fuocoSu(Text1); });
}

void Form1::ScriviMessaggio(const QString& testo, unsigned formato, bool suggerimento) {
    superficie.ScriviMessaggio(testo, formato, suggerimento);
}

void Form1::Suona(int numero, unsigned modo) {
    suoni_->Suona(numero, modo);
}

void Form1::BarDraw(int64_t posizione, int percentuale) {
    Pic1->show();
    Pic1->BarDraw(posizione, percentuale);
}

void Form1::Option1_Click(int i) {
    modo_->Option1_Click(i);
}

void Form1::Command10_Click() {
    ctx.interrompi = true;
    Suona(2);
    QCoreApplication::processEvents();
}

void Form1::mostraStop(bool davanti) {
    if (davanti) {
        Command10->raise();
        setCursor(Qt::WaitCursor);
    } else {
        Command1->raise();
    }
}

void Form1::concludiRicerca() {
    ctx.ricercaInCorso = false;
    ctx.interrompi = false;
    Text1->setEnabled(true);
    mostraStop(false);
    Pic1->hide();
    List1->setUpdatesEnabled(true);
    ctx.occupato = false;
    unsetCursor();
}

void Form1::ImpostaInPrimoPiano(bool sopra) {
    if (testAttribute(Qt::WA_WState_Created) &&
        bool(windowFlags() & Qt::WindowStaysOnTopHint) == sopra)
        return;
    bool visibile = isVisible();
    QRect g = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, sopra);
    if (visibile) {
        setGeometry(g);
        show();
    }
}

void Form1::aggiornaTitolo() {
    if (ctx.voci.empty()) {
        setWindowTitle(Dialoghi::kTitolo);
        return;
    }
    setWindowTitle(QString("%1  ->  %2 voci nel dizionario")
                       .arg(Dialoghi::kTitolo)
                       .arg(ctx.voci.upperBound()));
}

void Form1::fuocoSu(QWidget* w) {
    if (w && w->isVisible() && w->isEnabled()) {
        w->setFocus();
        return;
    }
    cmdFocus->setFocus();
}

void Form1::fuocoPredefinito() {
    if (Text1->isVisible() && Text1->isEnabled())
        Text1->setFocus();
    else if (Text2->isVisible() && Text2->isEnabled())
        Text2->setFocus();
    else
        cmdFocus->setFocus();
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    superficie.dipingi(p);
}

void Form1::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

void Form1::Form_Resize() {
    if (isMinimized() || ctx.occupato || !resizer_) return;
    setUpdatesEnabled(false);
    resizer_->Size();
    QSize d = dimensioneProgetto();
    double h = double(width()) / d.width(), v = double(height()) / d.height();
    superficie.fattoreScala = (h + v) / 2;
    superficie.fattoreControlli = std::min(h, v);
    superficie.ImpostaFont();
    superficie.ridisegnaSfondo(true);
    Frame3->update();
    Tast1->setButtonWidth(std::max(1, static_cast<int>(std::nearbyint(20 * h))));
    Tast1->setButtonHeight(std::max(1, static_cast<int>(std::nearbyint(20 * v))));
    setUpdatesEnabled(true);
    List1->impostaTabulazione(static_cast<int>(std::nearbyint(List1->width() / 3.5)));
}

void Form1::closeEvent(QCloseEvent* e) {
    if (chiudendo_) return;
    if (!chiusuraDiSistema && !UscitaForm1::domande(*this)) {
        e->ignore();
        return;
    }
    chiudendo_ = true;
    UscitaForm1::scriviImpostazioni(*this);
    e->accept();
    emit chiuso();
}

bool Form1::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    auto* w = qobject_cast<QWidget*>(o);
    // The window sees keys before its controls, once per key: at the first receiver.
    if (!w || w->window() != this) return false;
    if (w != this && w != QApplication::focusWidget()) return false;
    return Form_KeyDown(static_cast<QKeyEvent*>(e));
}

bool Form1::Form_KeyDown(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ctx.ricercaInCorso)
            Command10_Click();
        else
            emit richiestaAvvio();
        return true;
    case Qt::Key_C: {
        const auto tasti =
            e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        if (tasti == (Qt::ControlModifier | Qt::ShiftModifier)) {
            menu_->copiaTutto();
            return true;
        }
        const bool ctrl = tasti == Qt::ControlModifier, alt = tasti == Qt::AltModifier;
        // Not consumed: Ctrl+C still copies in a text box.
        if (ctrl || alt) CambiaColore(ctrl, alt);
        return false;
    }
    case Qt::Key_F1:
        emit richiestaHelp();
        return true;
    default:
        return false;
    }
}

void Form1::CambiaColore(bool ctrl, bool alt) {
    QPoint p = QCursor::pos();
    QScreen* s = QGuiApplication::screenAt(p);
    if (!s) return;
    QPoint locale = p - s->geometry().topLeft();
    QImage img = s->grabWindow(0, locale.x(), locale.y(), 1, 1).toImage();
    if (img.isNull()) return;
    uint32_t colore = bgrDaColore(img.pixelColor(0, 0));
    if (ctrl) {
        if (ModoCorrente == 6) giochi.parColor = colore;
        if (ModoCorrente == 8) giochi.comColor = colore;
        emit coloreGiochiCambiato();
        return;
    }
    if (alt) {
        superficie.coloreMessaggi = colore;
        QCoreApplication::processEvents();
        ScriviMessaggio("Questo \u00E8 il colore attuale...", 1, true);
    }
}

} // namespace verbolario
