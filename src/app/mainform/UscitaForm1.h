#pragma once

#include <QString>

namespace verbolario {

class Form1;

// What happens when the main window closes: the questions (make the replacement dictionary
// the default one? save the changed dictionary?) and the settings written back.
class UscitaForm1 {
public:
    // Asks the exit questions; false when the user cancelled (the program keeps running).
    static bool domande(Form1& f);
    // Writes the settings back and, unless the dictionary in use is not the recorded one,
    // the letter statistics with it.
    static void scriviImpostazioni(Form1& f);
    // The save question, extended when accents were removed or the dictionary was
    // reformatted (then "No" is the safer default: index 1).
    static void domandaSalvataggio(const Form1& f, QString& testo, int& predefinito);
};

} // namespace verbolario
