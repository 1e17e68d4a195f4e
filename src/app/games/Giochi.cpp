#include "Giochi.h"

#include "games/GiocoIndovina.h"
#include "mainform/Form1.h"

namespace verbolario {

void installaGiochi(Form1& f) {
    installaIndovinaParola(f);
}

} // namespace verbolario
