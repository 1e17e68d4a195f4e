#include "controls/reSizer.h"

#include "controls/Colori.h"
#include "controls/StileScalato.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>

#include <QGuiApplication>
#include <QScreen>

namespace verbolario {

namespace {

constexpr const char* kFontSize = "FontSize";

bool haFontSize(const QWidget* w) {
    return w->metaObject()->indexOfProperty(kFontSize) >= 0;
}

} // namespace

reSizer::reSizer(QWidget* host, QObject* parent) : QObject(parent), m_host(host) {
    StileScalato::installa();
}

bool reSizer::setScreenResolution(int valore) {
    if (dimensioniProgetto(valore).isEmpty()) return false;
    m_risoluzione = valore;
    return true;
}

QSize reSizer::dimensioniProgetto(int screenResolution) {
    switch (screenResolution) {
    case 1:
        return {640, 480};
    case 2:
        return {800, 600};
    case 3:
        return {1024, 748};
    default:
        return {};
    }
}

QSize reSizer::dimensioneInterna() const {
    return m_host ? m_host->contentsRect().size() : QSize();
}

std::vector<QWidget*> reSizer::etichettati() const {
    std::vector<QWidget*> elenco;
    if (!m_host) return elenco;
    for (QWidget* w : m_host->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->property(kTag).isValid()) continue;
        elenco.push_back(w);
    }
    return elenco;
}

double reSizer::fattoreAspetto() const {
    const QSize ora = dimensioneInterna();
    if (m_progetto.isEmpty() || ora.isEmpty()) return 1.0;
    return std::min(static_cast<double>(ora.width()) / m_progetto.width(),
                    static_cast<double>(ora.height()) / m_progetto.height());
}

void reSizer::Refresh() {
    m_istantanea.clear();
    m_interna = dimensioneInterna();
    if (m_progetto.isEmpty()) m_progetto = m_interna;
    const double aspetto = fattoreAspetto();
    for (QWidget* w : etichettati()) {
        const QFont f = w->font();
        Istantanea s{w, w->geometry(), f.pointSizeF(), f.pixelSize(), QSize(), aspetto};
        if (haFontSize(w)) {
            s.punti = w->property(kFontSize).toDouble();
            s.pixel = -1;
        }
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (b && !b->icon().isNull()) s.icona = b->iconSize();
        // A widget that already follows the window keeps the factor its icon was sized at.
        const QVariant a = w->property(StileScalato::kProprieta);
        if (a.isValid()) s.aspettoIcona = a.toDouble();
        m_istantanea.push_back(s);
    }
}

void reSizer::scalaTesto(const Istantanea& s, double v) const {
    QWidget* w = s.widget;
    if (haFontSize(w)) {
        const double punti = s.punti * v;
        if (punti > 0 && punti < 10000) w->setProperty(kFontSize, punti);
        return;
    }
    QFont f = w->font();
    if (s.punti > 0) {
        const double punti = s.punti * v;
        if (punti > 0 && punti < 10000) f.setPointSizeF(punti);
    } else if (s.pixel > 0) {
        const int pixel = arrotonda(s.pixel * v);
        if (pixel > 0 && pixel < 10000) f.setPixelSize(pixel);
    }
    w->setFont(f);
}

void reSizer::scalaAspetto(const Istantanea& s, double aspetto) const {
    QWidget* w = s.widget;
    if (!s.icona.isEmpty() && s.aspettoIcona > 0) {
        const double k = aspetto / s.aspettoIcona;
        static_cast<QAbstractButton*>(w)->setIconSize(
            QSize(std::max(1, arrotonda(s.icona.width() * k)),
                  std::max(1, arrotonda(s.icona.height() * k))));
    }
    const QVariant prima = w->property(StileScalato::kProprieta);
    if (prima.isValid() && prima.toDouble() == aspetto) return;
    w->setProperty(StileScalato::kProprieta, aspetto);
    // Sizes the style handed out before (indicators, scroll bars) are measured again.
    QEvent cambio(QEvent::StyleChange);
    QCoreApplication::sendEvent(w, &cambio);
    for (QWidget* dentro : w->findChildren<QWidget*>()) {
        if (dentro->isWindow() || dentro->property(StileScalato::kProprieta).isValid()) continue;
        QCoreApplication::sendEvent(dentro, &cambio);
    }
}

void reSizer::scala(const Istantanea& s, double h, double v, double aspetto) const {
    QWidget* w = s.widget;
    const QString tag = w->property(kTag).toString();
    if (!tag.contains(m_posizionamento)) return;
    scalaAspetto(s, aspetto);
    // Text grows with the window's height, but no faster than its width: a window taller
    // than the design's proportions would otherwise cut the captions of narrowed controls.
    if (tag.contains(m_textSize)) scalaTesto(s, std::min(h, v));
    const QRect& g = s.geometria;
    QRect nuova(arrotonda(g.x() * h), arrotonda(g.y() * v), w->width(), w->height());
    if (tag.contains(m_scalatura))
        nuova.setSize(QSize(arrotonda(g.width() * h), arrotonda(g.height() * v)));
    w->setGeometry(nuova);
}

void reSizer::Size() {
    if (!m_armato) {
        m_armato = true;
        return;
    }
    // Without a snapshot of a real size there is nothing to scale from.
    if (!m_host || m_interna.width() <= 0 || m_interna.height() <= 0) return;
    const QSize ora = dimensioneInterna();
    const double h = static_cast<double>(ora.width()) / m_interna.width();
    const double v = static_cast<double>(ora.height()) / m_interna.height();
    const double aspetto = fattoreAspetto();
    for (const Istantanea& s : m_istantanea)
        if (s.widget) scala(s, h, v, aspetto);
    for (const Istantanea& s : m_istantanea)
        if (s.widget) adattaDidascalia(s.widget);
}

namespace {

// Whether b's caption shows whole at b's size.
bool didascaliaIntera(const QAbstractButton& b) {
    if (!qobject_cast<const QPushButton*>(&b)) {
        // The size a check or option box asks for is its indicator and its caption.
        const QSize serve = b.sizeHint();
        return serve.width() <= b.width() && serve.height() <= b.height() + 2;
    }
    // A push button asks for a minimum width whatever its caption: measure the caption.
    const QStyle* st = b.style();
    const int bordo = st->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &b) +
                      st->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &b);
    const QSize testo = QFontMetrics(b.font()).size(Qt::TextShowMnemonic, b.text());
    const int icona = b.icon().isNull() ? 0 : b.iconSize().width() + 4;
    return testo.width() + icona + 2 * bordo <= b.width() && testo.height() <= b.height();
}

} // namespace

void reSizer::adattaDidascalia(QWidget* w) const {
    auto* b = qobject_cast<QAbstractButton*>(w);
    if (!b || b->text().isEmpty() || !w->property(kTag).toString().contains(m_textSize)) return;
    // Text does not shrink in proportion with its point size: a scaled caption can outgrow
    // its scaled button. It gets a font just small enough to show whole.
    QFont font = b->font();
    while (font.pointSizeF() > 4 && !didascaliaIntera(*b)) {
        font.setPointSizeF(std::max(4.0, font.pointSizeF() - 0.25));
        b->setFont(font);
    }
}

bool reSizer::ResChanged() {
    QScreen* schermo =
        m_host && m_host->screen() ? m_host->screen() : QGuiApplication::primaryScreen();
    if (!schermo) return false;
    return ResChanged(schermo->size());
}

bool reSizer::ResChanged(QSize schermo) {
    const QSize progetto = dimensioniProgetto(m_risoluzione);
    if (!m_host || progetto.isEmpty() || schermo.isEmpty()) return false;
    m_rapportoX = static_cast<float>(schermo.width()) / static_cast<float>(progetto.width());
    m_rapportoY = static_cast<float>(schermo.height()) / static_cast<float>(progetto.height());
    // A screen that differs from the design only in height is left as it is.
    if (m_rapportoX == 1.0f) return false;
    const double h = m_rapportoX;
    const double v = m_rapportoY;
    const auto scalato = [h, v](QRect r) {
        return QRect(arrotonda(r.x() * h), arrotonda(r.y() * v), arrotonda(r.width() * h),
                     arrotonda(r.height() * v));
    };
    const QRect finestra = scalato(QRect(m_host->pos(), m_host->size()));
    m_host->move(finestra.topLeft());
    m_host->resize(finestra.size());
    for (QWidget* w : etichettati()) {
        if (w->property(kTag).toString().contains(m_noChange)) continue;
        w->setGeometry(scalato(w->geometry()));
    }
    return true;
}

} // namespace verbolario
