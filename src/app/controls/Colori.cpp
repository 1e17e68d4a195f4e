#include "controls/Colori.h"

#include <QGuiApplication>
#include <QVariant>

#include <cstdlib>

namespace verbolario {

uint32_t DifferenzaColore(uint32_t c, int r, int g, int b) {
    const auto d = [](int x, int y) { return static_cast<uint32_t>(std::abs(x - y)) & 0xFFu; };
    return d(r, Rosso(c)) | (d(g, Verde(c)) << 8) | (d(b, Blu(c)) << 16);
}

namespace {

// The system colour indices of the stored settings, mapped to the nearest palette role.
QColor coloreDiSistema(unsigned indice, const QPalette& p) {
    switch (indice) {
    case 5:
        return p.color(QPalette::Base); // window
    case 6:
        return p.color(QPalette::Shadow); // window frame
    case 7:
        return p.color(QPalette::WindowText); // menu text
    case 8:
        return p.color(QPalette::Text); // window text
    case 2:                             // active caption
    case 13:
        return p.color(QPalette::Highlight); // highlight
    case 9:                                  // caption text
    case 14:
        return p.color(QPalette::HighlightedText); // highlight text
    case 0:                                        // scroll bar
    case 15:
        return p.color(QPalette::Button); // button face
    case 16:
        return p.color(QPalette::Dark); // button shadow
    case 17:
        return p.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18:
        return p.color(QPalette::ButtonText); // button text
    case 19:
        return p.color(QPalette::WindowText); // inactive caption text
    case 20:
        return p.color(QPalette::Light); // 3-D highlight
    case 21:
        return p.color(QPalette::Shadow); // 3-D dark shadow
    case 22:
        return p.color(QPalette::Midlight); // 3-D light
    case 23:
        return p.color(QPalette::ToolTipText); // info text
    case 24:
        return p.color(QPalette::ToolTipBase); // info background
    case 3:                                    // inactive caption
    case 12:
        return p.color(QPalette::Mid); // application workspace
    default:
        return p.color(QPalette::Window);
    }
}

} // namespace

QColor coloreDaBgr(uint32_t bgr, const QPalette& tavolozza) {
    if ((bgr & 0xFF000000u) == 0x80000000u) return coloreDiSistema(bgr & 0xFFu, tavolozza);
    return QColor(Rosso(bgr), Verde(bgr), Blu(bgr));
}

QColor coloreDaBgr(uint32_t bgr) {
    return coloreDaBgr(bgr, QGuiApplication::palette());
}

uint32_t bgrDaColore(const QColor& colore) {
    const QColor c = colore.toRgb();
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

QColor coloreDaVariante(const QVariant& valore, const QColor& altrimenti) {
    if (!valore.isValid()) return altrimenti;
    if (valore.metaType().id() == QMetaType::QColor) {
        const QColor c = valore.value<QColor>();
        return c.isValid() ? c : altrimenti;
    }
    bool ok = false;
    const qlonglong n = valore.toLongLong(&ok);
    // A system colour read back as a signed 32-bit number is negative.
    if (!ok || n < -2147483648LL || n > 0xFFFFFFFFLL) return altrimenti;
    return coloreDaBgr(static_cast<uint32_t>(n & 0xFFFFFFFFLL));
}

} // namespace verbolario
