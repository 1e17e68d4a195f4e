#pragma once

#include "Contesto.h"
#include "mainform/Form1.h"

#include <QString>

namespace verbolario {

// One piece of long work of the main window (a search, a load, a clean-up), from its start
// to the final block. Long loops let pending input run, so while the work lasts every other
// command must keep its hands off the dictionary and the list: ricercaInCorso says so to all
// of them, and busy stays set between status messages so the mode switch and the sub-mode
// buttons refuse too. Enter and the stop button still reach the work as a stop request.
class LavoroForm1 {
public:
    // conStop brings the stop button in front of the start button at once (with the
    // hourglass); work that decides later calls mostraStop() itself.
    explicit LavoroForm1(Form1& f, bool conStop = true) : f_(f) {
        f_.ctx.ricercaInCorso = true;
        f_.ctx.interrompi = false;
        f_.ctx.occupato = true;
        if (conStop) f_.mostraStop(true);
    }
    ~LavoroForm1() { f_.concludiRicerca(); }
    LavoroForm1(const LavoroForm1&) = delete;
    LavoroForm1& operator=(const LavoroForm1&) = delete;

    // A status message while the work goes on: writing it clears busy, which the work
    // still is.
    void stato(const QString& testo, bool suggerimento = true) {
        f_.ScriviMessaggio(testo, 1, suggerimento);
        f_.ctx.occupato = true;
    }

    // No other long work runs and no control is being changed by the program.
    static bool libero(const Form1& f) { return !f.ctx.ricercaInCorso && !f.ctx.occupato; }

private:
    Form1& f_;
};

} // namespace verbolario
