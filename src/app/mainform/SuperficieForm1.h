#pragma once

#include "controls/PittoreSfondo.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

class QWidget;
class QPainter;

namespace verbolario {

class Contesto;

// The main window's painted surface: a persistent background image (fades, tile, letter
// pattern) and a free-drawing layer over it, where the status band's messages are written.
// Clearing the drawing leaves the background showing again; repainting the background
// also clears the drawing, as a fresh coat of paint would.
class SuperficieForm1 {
public:
    SuperficieForm1(QWidget& finestra, Contesto& ctx);

    // Background settings (stored under Fade, Color, Pattern, Tile).
    int stileSfondo = 1;    // 0 NoFade, 1-3 fades, 4 tile, 5 transparent
    int coloreSfondo = 255; // blue of the fades, -1 for grey
    bool motivo = true;     // scatter the embossed letters
    QString fileMattonella; // picture of style 4
    QImage mattonella;
    // Status text colour (stored under ClrComment), 0x00BBGGRR.
    uint32_t coloreMessaggi = 0xC3C3C2;
    // Size factor of the window against its design size; the message font follows it.
    double fattoreScala = 1.0;
    // The factor the controls grow by: the smaller of the window's width and height against
    // their design values. The band and its font never grow faster: the controls leave the
    // band the design's 56 pixels times this factor, and a wide window's band grown by the
    // size factor would reach up over them.
    double fattoreControlli = 1.0;
    double fattoreBanda() const;

    // Paints the background afresh for the window's current size. The drawing goes with
    // the old coat of paint; with mantieniMessaggio the status message is written again on
    // the new one (a resize should not lose what the band says).
    void ridisegnaSfondo(bool mantieniMessaggio = false);
    // Removes every free drawing (the status message among them).
    void pulisciDisegno();
    // The message font: Arial, 11 points times the band's factor.
    void ImpostaFont();
    const QFont& font() const { return font_; }

    // Writes one message in the status band, replacing the previous one. formato 1 centres
    // it, 0 aligns it left; lines break at words and at "\r\n". A hint (suggerimento) gives
    // way to comment mode: it is dropped, and busy stays as it was. Every message drawn
    // clears the busy flag.
    void ScriviMessaggio(const QString& testo, unsigned formato = 1, bool suggerimento = true);

    // Draws background and drawing layer (the window's paint handler calls this).
    void dipingi(QPainter& p) const;
    const QImage& sfondo() const { return sfondo_; }
    // For other free drawing on the window (a game's frame around its letter boxes).
    QImage& disegno() { return disegno_; }
    // The last message written, for tests and for whoever redraws the band.
    const QString& ultimoMessaggio() const { return ultimo_; }

private:
    void adattaDimensioni();
    void dipingiSfondo();
    void disegnaTesto(const QString& testo, unsigned formato);

    QWidget& finestra_;
    Contesto& ctx_;
    PittoreSfondo pittore_;
    QImage sfondo_;
    QImage disegno_;
    QFont font_;
    QString ultimo_;
    unsigned ultimoFormato_ = 1;
};

} // namespace verbolario
