#include "frmSplash.h"

#include "Contesto.h"
#include "windows/ImmagineSplash.h"
#include "windows/NomeUtente.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>

namespace verbolario {

frmSplash::frmSplash(Contesto& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    apriUrl = [](const QUrl& u) { return QDesktopServices::openUrl(u); };
    setWindowTitle(ctx_.form1Caricato ? "About..." : "Verbolario");
    // At start-up it is a splash screen: no frame, no place in the task bar.
    if (!ctx_.form1Caricato) setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setModal(true);
    setMouseTracking(true);
    costruisci();
}

QString frmSplash::didascaliaPiattaforma() {
    QString sistema = QSysInfo::kernelType();
    if (sistema == "linux")
        sistema = "Linux";
    else if (sistema.isEmpty() || sistema == "unknown")
        sistema = QSysInfo::prettyProductName();
    else
        sistema[0] = sistema[0].toUpper();
    return " per " + sistema;
}

QUrl frmSplash::indirizzoMail() {
    return QUrl(QString("mailto:%1?SUBJECT=Verbolario").arg(kIndirizzo));
}

void frmSplash::costruisci() {
    auto* g = new QGridLayout(this);
    g->setContentsMargins(14, 14, 14, 12);
    imgLogo = new ImmagineSplash(ImmagineSplash::Tipo::Logo, this);
    imgLogo->setToolTip(QString("Scrivi all'autore: %1").arg(kIndirizzo));
    ImgHelp = new ImmagineSplash(ImmagineSplash::Tipo::Help, this);
    ImgHelp->setToolTip("Guida di Verbolario (F1)");
    auto* ImgIco = new ImmagineSplash(ImmagineSplash::Tipo::Icona, this);

    lblProductName = new QLabel("Verbolario", this);
    QFont grande = lblProductName->font();
    grande.setPointSizeF(grande.pointSizeF() * 2.2);
    grande.setBold(true);
    lblProductName->setFont(grande);
    lblVersion = new QLabel(QString("Versione %1").arg(kVersione), this);
    lblPlatform = new QLabel(didascaliaPiattaforma(), this);
    lblUtente = new QLabel(QString("Utente: %1").arg(NomeUtente()), this);
    Label1 = new QLabel("Parole, rime, anagrammi e giochi\nper chi ama la lingua italiana.", this);
    Label3 = new QLabel("\nCaricamento dizionario in corso...", this);
    // The loading note belongs to start-up only.
    Label3->setVisible(!ctx_.form1Caricato);
    Command1 = new QPushButton("Exit", this);

    g->addWidget(imgLogo, 0, 0, 3, 1, Qt::AlignTop);
    g->addWidget(lblProductName, 0, 1, 1, 2);
    g->addWidget(lblVersion, 1, 1);
    g->addWidget(lblPlatform, 1, 2);
    g->addWidget(lblUtente, 2, 1, 1, 2);
    g->addWidget(Label1, 3, 0, 1, 3);
    g->addWidget(Label3, 4, 0, 1, 3);
    g->addWidget(ImgIco, 5, 0, Qt::AlignLeft);
    g->addWidget(ImgHelp, 5, 1, Qt::AlignLeft);
    g->addWidget(Command1, 5, 2, Qt::AlignRight | Qt::AlignBottom);

    connect(Command1, &QPushButton::clicked, this, &frmSplash::Command1_Click);
    connect(imgLogo, &ImmagineSplash::cliccata, this, &frmSplash::imgLogo_Click);
    connect(ImgHelp, &ImmagineSplash::cliccata, this, &frmSplash::ImgHelp_Click);
    // One border at a time: the picture under the pointer.
    connect(imgLogo, &ImmagineSplash::puntatoreSopra, ImgHelp,
            [this] { ImgHelp->setBordo(false); });
    connect(ImgHelp, &ImmagineSplash::puntatoreSopra, imgLogo,
            [this] { imgLogo->setBordo(false); });
}

void frmSplash::Command1_Click() {
    if (!ctx_.form1Caricato) {
        // Still starting: the load stops at its next poll and the program ends.
        uscita_ = true;
        ctx_.interrompi = true;
    }
    accept();
}

void frmSplash::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) aiuto_ = true;
    // Modifier presses alone are not a request to leave.
    if (e->key() == Qt::Key_Shift || e->key() == Qt::Key_Control || e->key() == Qt::Key_Alt ||
        e->key() == Qt::Key_Meta)
        return;
    accept();
}

void frmSplash::mouseMoveEvent(QMouseEvent* e) {
    togliBordi();
    QDialog::mouseMoveEvent(e);
}

void frmSplash::togliBordi() {
    imgLogo->setBordo(false);
    ImgHelp->setBordo(false);
}

void frmSplash::ImgHelp_Click() {
    // The help opens once the box is gone: a modal box would block its window.
    aiuto_ = true;
    accept();
}

void frmSplash::imgLogo_Click() {
    if (!apriUrl || !apriUrl(indirizzoMail())) {
        ctx_.dialoghi.messaggio(
            "Impossibile inviare mail, programma non accessibile o non installato.",
            Dialoghi::Pulsanti::Ok, Dialoghi::Icona::Stop, 0, "NoMailAccess");
        return;
    }
    mail_ = true;
    accept();
}

} // namespace verbolario
