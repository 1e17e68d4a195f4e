#include "FiltriTasti.h"

#include "Contesto.h"
#include "mainform/Form1.h"
#include "mainform/MenuForm1.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

namespace verbolario {

namespace {

// Lower-case letters of the code page that have a capital 0x20 below them.
bool minuscolaMaiuscolabile(char16_t u) {
    return (u >= 0x60 && u <= 0x7A) || (u >= 0xE0 && u <= 0xF6) || (u >= 0xF9 && u <= 0xFC);
}

} // namespace

FiltriTasti::FiltriTasti(Form1& f) : QObject(&f), f_(f) {
    for (QLineEdit* box : {f_.Text1, f_.Text2, f_.TxtMeno}) {
        box->installEventFilter(this);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        connect(box, &QLineEdit::textChanged, this, [this, box] { aggiornaSuggerimento(box); });
    }
    connect(f_.TxtMeno, &QLineEdit::textChanged, this, [this] {
        for (QChar c : f_.Text1->text())
            if (c.isDigit()) {
                f_.Text1->clear();
                return;
            }
    });
}

std::optional<QChar> FiltriTasti::filtraText1(QChar c, int modo, bool chiaveVuota,
                                              bool contenitori) {
    char16_t u = c.unicode();
    bool cifra = u >= '0' && u <= '9';
    if (modo == 7 || modo == 9) {
        if (minuscolaMaiuscolabile(u)) return QChar(static_cast<char16_t>(u - 0x20));
        if (cifra && (chiaveVuota || modo == 7)) return std::nullopt;
        return c;
    }
    if (u >= 'A' && u <= 'Z') return QChar(static_cast<char16_t>(u + 0x20));
    if (cifra && (chiaveVuota || !contenitori)) return std::nullopt;
    return c;
}

std::optional<QChar> FiltriTasti::filtraTxtMeno(QChar c) {
    char16_t u = c.unicode();
    if (minuscolaMaiuscolabile(u)) return QChar(static_cast<char16_t>(u - 0x20));
    if (u >= '0' && u <= '9') return std::nullopt;
    return c;
}

int FiltriTasti::sostituisciPrimoSpazio(QString& testo, QChar segno) {
    qsizetype i = testo.indexOf(' ');
    if (i < 0) return -1;
    testo[i] = segno;
    return static_cast<int>(i) + 1;
}

QString FiltriTasti::filtra(QLineEdit* box, const QString& testo) const {
    if (box == f_.Text2) return testo;
    QString out;
    for (QChar c : testo) {
        std::optional<QChar> r = box == f_.TxtMeno
                                     ? filtraTxtMeno(c)
                                     : filtraText1(c, f_.ModoCorrente, f_.TxtMeno->text().isEmpty(),
                                                   f_.Option2[3]->isChecked());
        if (r) out.append(*r);
    }
    return out;
}

void FiltriTasti::incolla(QLineEdit* box, const QString& testo) {
    QString pulito = testo;
    pulito.replace('\r', ' ').replace('\n', ' ').replace('\t', ' ');
    box->insert(filtra(box, pulito));
}

bool FiltriTasti::tastoPremuto(QLineEdit* box, QKeyEvent* e) {
    if (!e->isAutoRepeat()) ctrlDaSolo_ = e->key() == Qt::Key_Control;
    if (e->matches(QKeySequence::Paste)) {
        incolla(box, QApplication::clipboard()->text());
        return true;
    }
    if (box == f_.Text1 && e->key() == Qt::Key_Delete) f_.superficie.pulisciDisegno();
    if (box == f_.Text2 || e->text().size() != 1 ||
        (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    QChar c = e->text().at(0);
    if (!c.isPrint()) return false;
    QString r = filtra(box, QString(c));
    if (r == QString(c)) return false;
    if (!r.isEmpty()) box->insert(r);
    return true;
}

void FiltriTasti::tastoRilasciato(QLineEdit* box, QKeyEvent* e) {
    if (box != f_.Text1 || f_.ctx.occupato || e->isAutoRepeat()) return;
    if (f_.ModoCorrente != 7 && f_.ModoCorrente != 9) return;
    QString t = box->text();
    int cursore = -1;
    if (e->key() == Qt::Key_Space) {
        cursore = sostituisciPrimoSpazio(t, '?');
    } else if (e->key() == Qt::Key_Control && ctrlDaSolo_) {
        t.append(' ');
        cursore = sostituisciPrimoSpazio(t, '*');
    }
    if (cursore < 0) return;
    box->setText(t);
    box->setCursorPosition(cursore);
}

void FiltriTasti::aggiornaSuggerimento(QLineEdit* box) {
    if (box == f_.TxtMeno) return; // keeps its fixed tooltip
    box->setToolTip(box->text().size() > 17 ? box->text() : QString());
}

bool FiltriTasti::eventFilter(QObject* o, QEvent* e) {
    auto* box = qobject_cast<QLineEdit*>(o);
    if (!box) return false;
    switch (e->type()) {
    case QEvent::KeyPress:
        return tastoPremuto(box, static_cast<QKeyEvent*>(e));
    case QEvent::KeyRelease:
        tastoRilasciato(box, static_cast<QKeyEvent*>(e));
        return false;
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::RightButton) {
            f_.menu().mostraAccenti(m->globalPosition().toPoint());
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::MiddleButton) {
            // The X11 selection paste, through the same rules as typing.
            incolla(box, QApplication::clipboard()->text(QClipboard::Selection));
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace verbolario
