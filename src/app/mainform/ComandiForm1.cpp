#include "ComandiForm1.h"

#include "Contesto.h"
#include "mainform/ApriDizionario.h"
#include "mainform/AvvioRicerca.h"
#include "mainform/ComandiDizionario.h"
#include "mainform/Form1.h"
#include "mainform/IndiciForm1.h"
#include "mainform/LettereComuniForm1.h"
#include "mainform/ManutenzioneDizionario.h"
#include "mainform/SfogliaForm1.h"

#include <QEvent>
#include <QTimer>

namespace verbolario {

ComandiForm1::ComandiForm1(Form1& f) : QObject(&f), f_(f) {
    setObjectName("ComandiForm1");
    avvio = new AvvioRicerca(f);
    dizionario = new ComandiDizionario(f);
    apri = new ApriDizionario(f, *dizionario);
    manutenzione = new ManutenzioneDizionario(f, *dizionario);
    sfoglia = new SfogliaForm1(f);
    comuni = new LettereComuniForm1(f);
    indici = new IndiciForm1(f);

    chiusura_ = new QTimer(this);
    chiusura_->setInterval(50);
    connect(chiusura_, &QTimer::timeout, this, [this] {
        if (f_.ctx.ricercaInCorso) return;
        chiusura_->stop();
        f_.close();
    });
    f.installEventFilter(this);
}

ComandiForm1* ComandiForm1::di(Form1& f) {
    return f.findChild<ComandiForm1*>("ComandiForm1", Qt::FindDirectChildrenOnly);
}

bool ComandiForm1::eventFilter(QObject* o, QEvent* e) {
    if (o == &f_ && e->type() == QEvent::Close && f_.ctx.ricercaInCorso) {
        f_.ctx.interrompi = true;
        chiusura_->start();
        e->ignore();
        return true;
    }
    return QObject::eventFilter(o, e);
}

ComandiForm1& installaComandi(Form1& f) {
    if (ComandiForm1* c = ComandiForm1::di(f)) return *c;
    return *new ComandiForm1(f);
}

} // namespace verbolario
