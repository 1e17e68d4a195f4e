#pragma once

#include <memory>

namespace verbolario {

class Contesto;
class Form1;

// The steps of start-up: which dictionary to load (the recorded one, else the bundled
// default after asking), its letter statistics (the stored ones when present, else
// computed), and the main window's load with every setting applied.
class Avvio {
public:
    enum class Scelta { Registrato, Predefinito, Nessuno };

    // Reads the recorded dictionary's path into the context. When that file is gone and the
    // default is there, asks whether to load the default instead (and records the swap);
    // Nessuno means there is nothing to load: the beep has sounded.
    static Scelta scegliDizionario(Contesto& ctx);
    // Loads the context's dictionary; a load error is shown and leaves it empty.
    static bool caricaDizionario(Contesto& ctx, bool statisticheSalvate);
    // The main window over the loaded dictionary, with its commands, loaded and shown.
    static std::unique_ptr<Form1> creaForm1(Contesto& ctx);
    // The main window's load: controls prepared, caption, settings, position, shown on top.
    static void caricaForm1(Form1& f);
};

} // namespace verbolario
