#include "Giochi.h"

#include "games/GiocoCompleta.h"
#include "mainform/Form1.h"

namespace verbolario {

void installaGiochi(Form1& f) {
    installaCompletaParole(f);
}

} // namespace verbolario
