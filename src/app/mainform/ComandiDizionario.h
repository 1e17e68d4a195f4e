#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <string>

namespace verbolario {

class Form1;

// The dictionary menu of the result list (add, modify, delete an entry, save the list), the
// save of the dictionary itself, and the word-length range of the guessing game that the
// entry commands keep up to date.
class ComandiDizionario final : public QObject {
    Q_OBJECT
public:
    enum class EsitoSalva { Salvato, Rifiutato, Fallito };

    explicit ComandiDizionario(Form1& f);

    // A menu entry: 0 add, 1 modify, 2 delete, 4 save the list. The list follows the
    // dictionary: an added entry is appended, a modified one replaces the selected line, a
    // deleted one removes it.
    void mnMod_Click(int indice);

    // Each returns what changed (the new entry; empty when nothing did).
    std::string AddVoce();
    std::string ModificaVoce();
    bool EliminaVoce();
    void SalvaLista();

    // Writes the dictionary to its file; a reformatted dictionary asks first, since its file
    // will be replaced by something quite different. A failure is told to the user and
    // leaves the dictionary marked as modified.
    EsitoSalva SaveDictionary();

    // The guessing game's length scale: the longest entry, at most 30 (the range Min..Max
    // of the game lies within it).
    int64_t lungScala() const;
    // After the dictionary was replaced or rebuilt: the scale from its longest entry, the
    // range opened to its full width.
    void ricalcolaIntervallo();

signals:
    // The range or its scale changed with the dictionary (the length bar redraws).
    void intervalloCambiato();

private:
    void allungaIntervallo(int64_t lunghezza);
    // The selected line's term (lower case, comment cut off); -1 row when none.
    int termineSelezionato(std::string& termine) const;
    void voceGiaPresente();

    Form1& f_;
    int64_t lungScala_ = 0;
};

} // namespace verbolario
