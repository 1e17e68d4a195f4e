#include "controls/reSizer.h"

#include "controls/Colori.h"

#include <QGuiApplication>
#include <QScreen>

namespace verbolario {

reSizer::reSizer(QWidget* host, QObject* parent) : QObject(parent), m_host(host) {}

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

void reSizer::Refresh() {
    m_istantanea.clear();
    m_interna = dimensioneInterna();
    for (QWidget* w : etichettati()) {
        const QFont f = w->font();
        m_istantanea.push_back({w, w->geometry(), f.pointSizeF(), f.pixelSize()});
    }
}

void reSizer::scala(const Istantanea& s, double h, double v) const {
    QWidget* w = s.widget;
    const QString tag = w->property(kTag).toString();
    if (!tag.contains(m_posizionamento)) return;
    if (tag.contains(m_textSize)) {
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
    for (const Istantanea& s : m_istantanea)
        if (s.widget) scala(s, h, v);
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
