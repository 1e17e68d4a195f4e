#include "games/Gufo.h"

#include "Contesto.h"
#include "controls/RitagliaFinestra.h"
#include "controls/reSizer.h"
#include "games/DisegnoGufo.h"
#include "mainform/Form1.h"
#include "mainform/LayoutForm1.h"
#include "windows/NomeUtente.h"

#include <QMouseEvent>
#include <QPainter>

namespace verbolario {

Gufo::Gufo(Form1& f) : QWidget(&f), f_(f) {
    setObjectName("Gufo");
    setAccessibleName("Gufo");
    setToolTip("Gufo");
    setCursor(Qt::PointingHandCursor);
    hide();
    // Shown with the games of modes 1 and 8 only.
    connect(&f_, &Form1::cambioModoIniziato, this, &QWidget::hide);
    connect(&f_, &Form1::modoCambiato, this, [this](int modo) {
        if (modo == 1 || modo == 8) show();
    });
}

Gufo& Gufo::di(Form1& f) {
    if (auto* g = f.findChild<Gufo*>("Gufo", Qt::FindDirectChildrenOnly)) return *g;
    auto* g = new Gufo(f);
    const QSize progetto = Form1::dimensioneProgetto(), ora = f.contentsRect().size();
    applicaLayout(*g, double(ora.width()) / progetto.width(),
                  double(ora.height()) / progetto.height());
    f.resizer().Refresh();
    return *g;
}

void Gufo::impostaSoluzione(int modo, std::function<QString()> fornitore) {
    soluzioni_[modo] = std::move(fornitore);
}

QString Gufo::soluzione() const {
    auto it = soluzioni_.find(f_.ModoCorrente);
    if (it == soluzioni_.end() || !it->second) return {};
    return it->second().toUpper();
}

void Gufo::Gufo_MouseUp(Qt::MouseButton pulsante, Qt::MouseButtons premuti,
                        Qt::KeyboardModifiers tasti) {
    if (pulsante != Qt::LeftButton || premuti != Qt::NoButton || tasti != Qt::ControlModifier)
        return;
    const QString nome = NomeUtente();
    if (nome.isEmpty()) {
        // No answer could match: the box is not worth asking.
        if (f_.isVisible())
            f_.ScriviMessaggio("Impossibile ritrovare il nome dell'utente!", 1, false);
        return;
    }
    const std::optional<QString> risposta = f_.ctx.dialoghi.input(kPassword);
    if (!risposta || risposta->isEmpty()) return;
    if (*risposta == nome) {
        f_.SoluzioneMostrata = true;
        f_.ScriviMessaggio(soluzione(), 1, false);
    } else {
        f_.ScriviMessaggio(QStringLiteral("Password non valida!").toUpper(), 1, false);
    }
}

void Gufo::Gufo_DblClick() {
    f_.SoluzioneMostrata = false;
    f_.superficie.pulisciDisegno();
}

bool Gufo::dentro(QPoint p) const {
    return mask().isEmpty() ? rect().contains(p) : mask().contains(p);
}

void Gufo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setClipRegion(mask().isEmpty() ? QRegion(rect()) : mask());
    p.scale(double(width()) / kLarghezzaGufo, double(height()) / kAltezzaGufo);
    DisegnaGufo(p);
}

void Gufo::resizeEvent(QResizeEvent*) {
    // The picture scales with the window, and its outline with it.
    RitagliaFinestra(*this);
}

// A platform that clips widgets only to their rectangle still delivers clicks off the
// outline here: they go on to the window, as they would with a pixel-exact mask.
void Gufo::mousePressEvent(QMouseEvent* e) {
    if (!dentro(e->position().toPoint())) e->ignore();
}

void Gufo::mouseReleaseEvent(QMouseEvent* e) {
    if (!dentro(e->position().toPoint())) {
        e->ignore();
        return;
    }
    Gufo_MouseUp(e->button(), e->buttons(), e->modifiers());
}

void Gufo::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!dentro(e->position().toPoint())) {
        e->ignore();
        return;
    }
    if (e->button() == Qt::LeftButton) Gufo_DblClick();
}

} // namespace verbolario
