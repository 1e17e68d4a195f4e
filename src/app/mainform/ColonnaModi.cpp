#include "ColonnaModi.h"

#include "mainform/SuperficieForm1.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace verbolario {

const std::array<const char*, ColonnaModi::kModi> ColonnaModi::kDidascalie = {
    "Cerca_rime",   "Indovina_parola", "Anagrammi",  "Palindromi",      "Scambio...",
    "Cerca_parola", "Parolando",       "Cruci_Help", "Completa_parole", "Mnemos"};

ColonnaModi::ColonnaModi(QWidget* parent, const SuperficieForm1& superficie,
                         const bool& sfondoTrasparente)
    : QWidget(parent), superficie_(superficie), sfondoTrasparente_(sfondoTrasparente) {
    setObjectName("Frame3");
    setMouseTracking(true);
    for (int i = 0; i < kModi; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(kDidascalie[static_cast<size_t>(i)]), this);
        b->setObjectName(QString("Option1_%1").arg(i));
        b->setAutoFillBackground(true);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        opzioni_[static_cast<size_t>(i)] = b;
    }
    esci_ = new QPushButton("E X I T", this);
    esci_->setObjectName("Command2");
    esci_->setMouseTracking(true);
    esci_->installEventFilter(this);
}

void ColonnaModi::aspettoNormale(int i) {
    QRadioButton* b = Option1(i);
    b->setPalette(QPalette());
    QFont f = b->font();
    f.setUnderline(false);
    b->setFont(f);
}

void ColonnaModi::evidenzia(int i) {
    if (i == ultimoEvidenziato_) return;
    spegniEvidenziazione();
    ultimoEvidenziato_ = i;
    QRadioButton* b = Option1(i);
    if (b->isChecked()) return;
    QPalette p = b->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    p.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    b->setPalette(p);
    QFont f = b->font();
    f.setUnderline(true);
    b->setFont(f);
}

void ColonnaModi::spegniEvidenziazione() {
    for (int i = 0; i < kModi; ++i) aspettoNormale(i);
    esci_->setPalette(QPalette());
    ultimoEvidenziato_ = 100;
}

void ColonnaModi::mimetizzaUscita() {
    if (sfondoTrasparente_) return;
    QPoint punto = pos() + esci_->pos() + QPoint(-2, 12);
    const QImage& img = superficie_.sfondo();
    if (!img.rect().contains(punto)) return;
    QPalette p = esci_->palette();
    p.setColor(QPalette::Button, img.pixelColor(punto));
    esci_->setPalette(p);
}

void ColonnaModi::paintEvent(QPaintEvent*) {
    // Look-through: the window's background under the column, not a flat colour.
    QPainter p(this);
    p.drawImage(QPoint(0, 0), superficie_.sfondo(), geometry());
}

void ColonnaModi::mouseMoveEvent(QMouseEvent* e) {
    // A button that ignores a move hands it on to the column: that is no move off it.
    if (childAt(e->position().toPoint())) return;
    spegniEvidenziazione();
}

bool ColonnaModi::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) {
        if (o == esci_) {
            mimetizzaUscita();
        } else {
            for (int i = 0; i < kModi; ++i)
                if (o == Option1(i)) evidenzia(i);
        }
    }
    return QWidget::eventFilter(o, e);
}

} // namespace verbolario
