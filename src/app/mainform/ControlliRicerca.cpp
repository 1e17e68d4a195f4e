#include "ControlliRicerca.h"

#include "Contesto.h"
#include "controls/Suoni.h"
#include "mainform/Form1.h"
#include "mainform/ListaRisultati.h"
#include "search/Anagrammi.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace verbolario {

ControlliRicerca::ControlliRicerca(Form1& f) : QObject(&f), f_(f) {
    connect(f_.Check5, &QCheckBox::clicked, this, &ControlliRicerca::Check5_Click);
    connect(f_.CkFilter, &QCheckBox::clicked, this, &ControlliRicerca::CkFilter_Click);
    connect(f_.CkDoppie, &QCheckBox::clicked, this, &ControlliRicerca::CkDoppie_Click);
    connect(f_.ckOrder, &QCheckBox::clicked, this, &ControlliRicerca::ckOrder_Click);
    connect(f_.Check6, &QCheckBox::clicked, this, &ControlliRicerca::Check6_Click);
    connect(f_.CScarto, &QCheckBox::clicked, this, &ControlliRicerca::CScarto_Click);
    for (int i = 0; i < 4; ++i)
        connect(f_.Option2[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Option2_Click(i); });
    for (QRadioButton* b : f_.Option3)
        connect(b, &QRadioButton::clicked, this, &ControlliRicerca::Option3_Click);
    connect(f_.Check1, &QCheckBox::clicked, this, &ControlliRicerca::Check1_Click);
    connect(f_.Check2, &QCheckBox::clicked, this, &ControlliRicerca::Check2_Click);
    connect(f_.Check3, &QCheckBox::clicked, this, &ControlliRicerca::Check3_Click);
    allineaDidascalie();
}

QString ControlliRicerca::verticale(const QString& parola) {
    QStringList lettere;
    for (QChar c : parola) lettere << QString(c);
    return lettere.join('\n');
}

void ControlliRicerca::allineaDidascalie() {
    f_.Check5->setText(verticale(f_.Check5->isChecked() ? "Frase" : "Parola"));
    f_.Check6->setText(verticale(f_.Check6->isChecked() ? "Tutte" : "Una"));
    bool scarto = f_.CScarto->isChecked();
    f_.CScarto->setText(scarto ? "+" : "-");
    QPalette p = f_.CScarto->palette();
    p.setColor(QPalette::WindowText, scarto ? QColor(200, 0, 0) : QColor(0, 128, 128));
    f_.CScarto->setPalette(p);
}

void ControlliRicerca::Check5_Click() {
    f_.ModoFrasi = f_.Check5->isChecked();
    allineaDidascalie();
    f_.ScriviMessaggio(f_.ModoFrasi ? "Comprende frasi o parole composte nella ricerca."
                                    : "Solo parole singole.");
    f_.fuocoSu(f_.Text1);
}

void ControlliRicerca::CkFilter_Click() {
    f_.fuocoSu(f_.cmdFocus);
    if (!f_.CkFilter->isChecked()) f_.CkDoppie->setChecked(false);
    f_.ScriviMessaggio(f_.CkFilter->isChecked()
                           ? "Filtra il risultato in base al numero e al tipo di lettere "
                             "significative"
                           : " ");
}

void ControlliRicerca::CkDoppie_Click() {
    f_.fuocoSu(f_.cmdFocus);
    if (f_.CkDoppie->isChecked()) f_.CkFilter->setChecked(true);
    f_.ScriviMessaggio(f_.CkDoppie->isChecked() ? "Considera doppie due cifre"
                                                : "Considera doppie una sola cifra");
}

void ControlliRicerca::ckOrder_Click() {
    f_.fuocoSu(f_.TxtMeno);
    f_.ScriviMessaggio(f_.ckOrder->isChecked() ? "Lista ordinata in ordine di lunghezza"
                                               : "Lista ordinata in ordine alfabetico");
}

void ControlliRicerca::Check6_Click() {
    allineaDidascalie();
    f_.ScriviMessaggio(f_.Check6->isChecked()
                           ? "Cerca scambio di tutte le vocali o consonanti della parola."
                           : "Cerca scambio di una sola vocale o consonante della parola.");
    f_.fuocoSu(f_.Text1);
}

void ControlliRicerca::CScarto_Click() {
    f_.Suona(2);
    allineaDidascalie();
    if (f_.CScarto->isChecked()) f_.ScriviMessaggio("Mostra le lettere di scarto.");
}

void ControlliRicerca::Option2_Click(int i) {
    if (f_.ctx.occupato || f_.ctx.anagrammiInCorso) {
        QRadioButton* b = f_.Option2[static_cast<size_t>(f_.sottomodoAnagrammi)];
        QSignalBlocker blocco(b);
        b->setChecked(true);
        return;
    }
    f_.Suona(2);
    f_.Text1->setEnabled(true);
    // The containers read the letters to exclude from this box: it shows whenever they do.
    f_.TxtMeno->setVisible(i == kContenitori);
    f_.fuocoSu(f_.Text1);
    f_.Command1->setEnabled(true);
    f_.CScarto->setVisible(i == 2 || i == 3);
    f_.sottomodoAnagrammi = i;
    static const char* const suggerimenti[] = {
        "Trova gli anagrammi della parola scritta nel dizionario in uso.",
        "Trova gli anagrammi di tutte le parole presenti nel dizionario in uso!",
        "Trova le parole che si possono formare con quella scritta.",
        "Trova le parole in cui sono contenute le lettere che formano la parola scritta."};
    if (i == 1) f_.Text1->setEnabled(false);
    f_.ScriviMessaggio(suggerimenti[i]);
}

void ControlliRicerca::Option3_Click() {
    f_.Command1->setEnabled(true);
    f_.Suona(2);
}

void ControlliRicerca::Check1_Click() {
    f_.Suona(2);
    // A cleared box keeps the window on top: that is how the program starts.
    f_.ImpostaInPrimoPiano(!f_.Check1->isChecked());
    f_.fuocoSu(f_.List1);
}

void ControlliRicerca::Check2_Click() {
    f_.ctx.modoCommento = f_.Check2->isChecked();
    if (f_.ctx.modoCommento) f_.superficie.pulisciDisegno();
    f_.fuocoSu(f_.cmdFocus);
    f_.Suona(2);
}

void ControlliRicerca::Check3_Click() {
    // A checked "Suono" box means silence.
    f_.suoni().setSuonoAttivo(!f_.Check3->isChecked());
    f_.fuocoSu(f_.cmdFocus);
    f_.Suona(2);
}

} // namespace verbolario
