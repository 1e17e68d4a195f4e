#include "Giochi.h"

#include "mainform/Form1.h"

namespace verbolario {

void installaGiochi(Form1& f) {
    (void)f;
}

} // namespace verbolario
