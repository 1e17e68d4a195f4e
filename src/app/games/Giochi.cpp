#include "Giochi.h"

#include "games/GiocoCompleta.h"
#include "games/GiocoIndovina.h"
#include "games/Gufo.h"
#include "games/PannelloParolando.h"
#include "mainform/Form1.h"

namespace verbolario {

void installaGiochi(Form1& f) {
    installaIndovinaParola(f);
    installaParolando(f);
    installaCompletaParole(f);
    // The owl of the timed game reveals its missing part.
    Gufo::di(f).impostaSoluzione(8, [&f] {
        GiocoCompleta* g = giocoCompleta(f);
        return g ? g->soluzione() : QString();
    });
}

} // namespace verbolario
