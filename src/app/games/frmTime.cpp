#include "frmTime.h"

#include "Contesto.h"
#include "games/FontArial.h"
#include "mainform/Form1.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>

namespace verbolario {

namespace {

QLabel* etichetta(QWidget* genitore, const char* nome, const QString& testo) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    l->setFont(fontArial(9));
    return l;
}

QScrollBar* barra(QWidget* genitore, int indice, int minimo, int massimo, const QString& nome) {
    auto* b = new QScrollBar(Qt::Horizontal, genitore);
    b->setObjectName(QStringLiteral("HScroll1_%1").arg(indice));
    b->setRange(minimo, massimo);
    b->setSingleStep(1);
    b->setPageStep(5);
    b->setMinimumWidth(150);
    b->setAccessibleName(nome);
    return b;
}

} // namespace

frmTime::frmTime(Form1& f) : QWidget(&f, Qt::Tool | Qt::FramelessWindowHint), f_(f) {
    setObjectName(QStringLiteral("frmTime"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tempo e lunghezza"));
    setAutoFillBackground(true);

    auto* griglia = new QGridLayout(this);
    griglia->setContentsMargins(10, 8, 10, 8);
    griglia->setHorizontalSpacing(8);
    Label1 = etichetta(this, "Label1", QStringLiteral("Tempo"));
    Label2 = etichetta(this, "Label2", QStringLiteral("Lunghezza massima"));
    HScroll1[0] = barra(this, 0, 10, 60, QStringLiteral("Tempo"));
    HScroll1[1] = barra(this, 1, 6, 16, QStringLiteral("Lunghezza massima"));
    lblTempo = etichetta(this, "lblTempo", testoTempo(60));
    lblTempo->setAccessibleName(QStringLiteral("Tempo limite"));
    lblLunghezza = etichetta(this, "lblLunghezza", testoLunghezza(16));
    lblLunghezza->setAccessibleName(QStringLiteral("Lunghezza massima delle parole"));
    // The values keep their width as they change, so the bars do not jump.
    for (QLabel* l : {lblTempo, lblLunghezza})
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral(" 60\"  ")));
    griglia->addWidget(Label1, 0, 0);
    griglia->addWidget(HScroll1[0], 0, 1);
    griglia->addWidget(lblTempo, 0, 2);
    griglia->addWidget(Label2, 1, 0);
    griglia->addWidget(HScroll1[1], 1, 1);
    griglia->addWidget(lblLunghezza, 1, 2);
    // Without a title bar, a thin border sets it off from the window below.
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("#frmTime { border: 1px solid #6078a8; background: palette(window); }"));

    // The limit is set quietly; the length bar's own setting then brings both labels in.
    f_.ctx.occupato = true;
    HScroll1[0]->setValue(static_cast<int>(f_.giochi.maxTime));
    f_.ctx.occupato = false;
    HScroll1[1]->setValue(static_cast<int>(f_.giochi.maxLen));
    Aggiorna();
    for (QScrollBar* b : HScroll1) connect(b, &QScrollBar::valueChanged, this, &frmTime::Aggiorna);

    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, [this] { controllaPuntatore(QCursor::pos()); });
}

QString frmTime::testoTempo(int secondi) {
    return QStringLiteral(" %1\"").arg(secondi, 2, 10, QLatin1Char('0'));
}

QString frmTime::testoLunghezza(int lettere) {
    return QString::number(lettere) + QString(lettere < 10 ? 3 : 1, QLatin1Char(' '));
}

void frmTime::Aggiorna() {
    if (f_.ctx.occupato) return;
    f_.giochi.maxTime = HScroll1[0]->value();
    lblTempo->setText(testoTempo(HScroll1[0]->value()));
    emit tempoCambiato(HScroll1[0]->value());
    f_.giochi.maxLen = HScroll1[1]->value();
    lblLunghezza->setText(testoLunghezza(HScroll1[1]->value()));
}

void frmTime::apriVicinoA(QPoint puntatore) {
    adjustSize();
    QRect r(puntatore - QPoint(24, 16), size());
    if (QScreen* s = QGuiApplication::screenAt(puntatore)) {
        const QRect schermo = s->availableGeometry();
        r.moveLeft(std::clamp(r.left(), schermo.left(),
                              std::max(schermo.left(), schermo.right() - r.width())));
        r.moveTop(std::clamp(r.top(), schermo.top(),
                             std::max(schermo.top(), schermo.bottom() - r.height())));
    }
    move(r.topLeft());
    show();
    raise();
    rettangolo_ = QRect(r.topLeft(), size());
    timer_.start();
}

bool frmTime::controllaPuntatore(QPoint puntatore) {
    if (rettangolo_.adjusted(-kMargine, -kMargine, kMargine, kMargine).contains(puntatore))
        return false;
    close();
    return true;
}

void frmTime::closeEvent(QCloseEvent* e) {
    timer_.stop();
    emit chiuso();
    e->accept();
}

} // namespace verbolario
