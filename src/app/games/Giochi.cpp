#include "Giochi.h"

#include "games/GiocoCompleta.h"
#include "games/PannelloParolando.h"
#include "mainform/Form1.h"

namespace verbolario {

void installaGiochi(Form1& f) {
    installaParolando(f);
    installaCompletaParole(f);
}

} // namespace verbolario
