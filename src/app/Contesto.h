#pragma once

#include "Dialoghi.h"
#include "dictionary/StatisticheLettere.h"
#include "dictionary/Voci.h"
#include "settings/WRini.h"

#include <QString>

#include <memory>

namespace verbolario {

class Poll;

// Everything the program shares between its windows for the whole run: the dictionary, its
// letter statistics, the settings store, the dialog service and the flags that keep long
// work and user input apart. One instance lives from start-up to shutdown; tests build their
// own over a temporary program folder.
//
// Flags, in short:
//   occupato        a long operation or a programmatic change of a control is under way:
//                   change handlers and the mode switch ignore events while it is set; every
//                   completed status message clears it.
//   interrompi      the user asked the running loop to stop (stop button, Enter).
//   ricercaInCorso  the start button's handler is running (guards re-entry).
//   anagrammiInCorso the whole-dictionary anagram search runs (no mode change, no save
//                   question on exit).
class Contesto {
public:
    // cartellaProgramma empty: the folder of the executable.
    explicit Contesto(QString cartellaProgramma = {});
    Contesto(const Contesto&) = delete;
    Contesto& operator=(const Contesto&) = delete;

    const QString& cartellaProgramma() const { return cartella_; }
    // The bundled dictionary in the program's folder.
    QString percorsoPredefinito() const;
    // A file in the program's folder (sounds, help, settings).
    QString fileProgramma(const QString& nome) const;

    // A dictionary read from another file takes the place of the one in use: its own letter
    // statistics, and the flags about the old one's changes go. A load the user stopped is
    // incomplete: it is not recorded as a replacement, so exit never offers it as default.
    void adottaDizionario(Voci&& nuove, const QString& percorso, bool completo, Poll& poll);

    Voci voci;
    StatisticheLettere statistiche;
    WRini impostazioni;
    Dialoghi dialoghi;
    QString percorsoDizionario;

    bool dizionarioModificato = false;
    bool dizionarioSostituito = false;
    bool dizionarioRiformattato = false;
    bool accentiEliminati = false;
    bool form1Caricato = false;
    bool occupato = false;
    bool interrompi = false;
    bool ricercaInCorso = false;
    bool anagrammiInCorso = false;
    bool modoCommento = false;
    bool sfondoTrasparente = false;

private:
    QString cartella_;
};

} // namespace verbolario
