#pragma once

#include "search/Indici.h"

#include <QObject>

#include <vector>

namespace verbolario {

class Form1;
class IndiciInFondo;

// Which indexes the main window wants, and when: those of the mode in use, asked for when a
// mode is chosen, when the phrase box changes the anagram searches, when a search starts and
// after the commands that change or replace the dictionary; after those, the word orders of
// the "Enigmistica" window while it is open. They are built in the background
// (IndiciInFondo); until one is there, the searches that need it take their plain pass.
class IndiciForm1 final : public QObject {
    Q_OBJECT
public:
    explicit IndiciForm1(Form1& f);

    // The indexes the searches and browsing of a mode answer from.
    static std::vector<Indice> perModo(int modo, bool frasi);
    // Asks for those of the current mode, then, while the "Enigmistica" window is open, for
    // the word orders its relations answer from.
    void richiediPerModo();
    // Whether the "Enigmistica" window wants its word orders (asked for at once when it does).
    void vuoleParole(bool si);

    IndiciInFondo& inFondo() { return *inFondo_; }

private:
    Form1& f_;
    IndiciInFondo* inFondo_ = nullptr;
    bool parole_ = false;
};

} // namespace verbolario
