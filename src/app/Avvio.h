#pragma once

#include <memory>

namespace verbolario {

class Contesto;
class Form1;

// Start-up: which dictionary to load (the recorded one, else the bundled default after
// asking, else none), its letter statistics (the stored ones when present, else computed),
// then the main window with every setting applied. When no dictionary can be loaded the
// user is told why and the window opens over an empty dictionary.
class Avvio {
public:
    // Returns the main window, shown.
    static std::unique_ptr<Form1> avvia(Contesto& ctx);
    // The main window's load: controls prepared, caption, settings, position, shown on top.
    static void caricaForm1(Form1& f);

private:
    static bool caricaDizionario(Contesto& ctx, bool statisticheSalvate);
};

} // namespace verbolario
