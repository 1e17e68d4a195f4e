#include "SuperficieForm1.h"

#include "Contesto.h"
#include "controls/Colori.h"
#include "controls/DisegnaMessaggio.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace verbolario {

SuperficieForm1::SuperficieForm1(QWidget& finestra, Contesto& ctx)
    : finestra_(finestra), ctx_(ctx) {
    ImpostaFont();
}

void SuperficieForm1::adattaDimensioni() {
    QSize s = finestra_.size().expandedTo(QSize(1, 1));
    if (sfondo_.size() != s) dipingiSfondo();
    if (disegno_.size() != s) {
        disegno_ = QImage(s, QImage::Format_ARGB32_Premultiplied);
        disegno_.fill(Qt::transparent);
    }
}

void SuperficieForm1::dipingiSfondo() {
    QSize s = finestra_.size().expandedTo(QSize(1, 1));
    ParametriSfondo par;
    par.stile = stileSfondo;
    par.colore = coloreSfondo;
    par.motivo = motivo;
    par.sfondo = finestra_.palette().window().color();
    par.mattonella = mattonella;
    std::optional<QImage> img = pittore_.DisegnaSfondo(s, par);
    if (img && img->size() == s) {
        sfondo_ = img->convertToFormat(QImage::Format_RGB32);
        return;
    }
    // The painter's first call paints nothing: the window shows its plain colour meanwhile.
    if (sfondo_.size() != s) {
        sfondo_ = QImage(s, QImage::Format_RGB32);
        sfondo_.fill(par.sfondo);
    }
}

void SuperficieForm1::ridisegnaSfondo(bool mantieniMessaggio) {
    dipingiSfondo();
    adattaDimensioni();
    disegno_.fill(Qt::transparent);
    if (mantieniMessaggio && !ultimo_.isEmpty())
        disegnaTesto(ultimo_, ultimoFormato_);
    else
        ultimo_.clear();
    finestra_.update();
}

void SuperficieForm1::pulisciDisegno() {
    adattaDimensioni();
    disegno_.fill(Qt::transparent);
    ultimo_.clear();
    finestra_.update();
}

void SuperficieForm1::disegnaTesto(const QString& testo, unsigned formato) {
    QPainter p(&disegno_);
    DisegnaMessaggio(p, QSizeF(disegno_.size()), fattoreBanda(), testo, formato,
                     coloreDaBgr(coloreMessaggi), font_);
}

double SuperficieForm1::fattoreBanda() const {
    return std::min(fattoreScala, fattoreControlli);
}

void SuperficieForm1::ImpostaFont() {
    font_ = FontMessaggi(fattoreBanda());
}

void SuperficieForm1::ScriviMessaggio(const QString& testo, unsigned formato, bool suggerimento) {
    if (suggerimento && ctx_.modoCommento) return;
    adattaDimensioni();
    disegno_.fill(Qt::transparent);
    disegnaTesto(testo, formato);
    ultimo_ = testo;
    ultimoFormato_ = formato;
    // Shown at once: a long search keeps the event loop busy right after this call.
    if (finestra_.isVisible()) finestra_.repaint();
    ctx_.occupato = false;
}

void SuperficieForm1::dipingi(QPainter& p) const {
    p.drawImage(0, 0, sfondo_);
    p.drawImage(0, 0, disegno_);
}

} // namespace verbolario
