#include "CambioModo.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/ucTast.h"
#include "mainform/ColonnaModi.h"
#include "mainform/DisegnoCruciverba.h"
#include "mainform/DisegnoPalindromo.h"
#include "mainform/Form1.h"
#include "mainform/ListaRisultati.h"
#include "search/Arrangia.h"
#include "text/Cp1252.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace verbolario {

const std::array<QString, CambioModo::kModi>& CambioModo::testiAiuto() {
    static const std::array<QString, kModi> testi = {
        QStringLiteral("Cerca rime della parola scritta nella casella di testo.\r\n"
                       "Due parole in rima hanno lo stesso suono a partire dalla loro vocale "
                       "t\u00F2nica."),
        QStringLiteral("Premi il pulsante di avvio per conoscere la parola da indovinare.\r\n"
                       "Puoi chiedere aiuti con i pulsanti Vocale e Consonante.\r\n"
                       "Trascina gli indicatori blu per limitare la lunghezza della parola."),
        QStringLiteral("Un anagramma \u00E8 la diversa disposizione delle lettere di una parola "
                       "per formarne un'altra di senso compiuto."),
        QStringLiteral("Le palindromi sono delle parole o frasi che si possono leggere sia da "
                       "destra a sinistra che da sinistra a destra."),
        QStringLiteral("Cerca scambi di vocali o consonanti della parola scritta."),
        QStringLiteral("Premi sulla tastiera la sezione di dizionario che vuoi vedere.\r\n"
                       "Oppure scrivi l'inizio della parola nella casella di testo."),
        QStringLiteral("Dalle vocali e consonanti, estratte casualmente, ricava la parola pi\u00F9 "
                       "lunga.\r\nQuindi premi il pulsante per vedere le possibili soluzioni."),
        QStringLiteral("Sostituire le lettere sconosciute con dei punti di domanda.\r\n"
                       "ES: P??V? pu\u00F2 trovare ''privo'' o ''prova'' "),
        QStringLiteral("Trovare, entro il tempo prestabilito, la parte comune mancante delle "
                       "parole."),
        QStringLiteral("Nel campo giallo scrivere le 10 lettere corrispondenti alle cifre 1 2 3 4 "
                       "5 6 7 8 9 0\r\nNel campo bianco i numeri cercati o le lettere "
                       "corrispondenti."),
    };
    return testi;
}

void CambioModo::riselezionaCorrente() {
    QRadioButton* b = f_.Option1(f_.ModoCorrente);
    QSignalBlocker blocco(b);
    b->setChecked(true);
}

void CambioModo::Option1_Click(int i) {
    if (i < 0 || i >= kModi) return;
    Contesto& ctx = f_.ctx;
    if (ctx.occupato || ctx.anagrammiInCorso) {
        riselezionaCorrente();
        return;
    }
    emit f_.cambioModoIniziato(i);
    f_.List1->impostaEstensioneOrizzontale(0);
    f_.Frame3->aspettoNormale(i);
    if (f_.isVisible()) f_.Suona(1);
    // The rings of "Fade 3" are slow to paint: a visible window keeps them.
    if (!f_.isVisible() || f_.superficie.stileSfondo != 3) f_.superficie.ridisegnaSfondo();
    f_.Frame3->update();
    {
        QSignalBlocker blocco(f_.Option1(i));
        f_.Option1(i)->setChecked(true);
    }
    if (i == 1 || i == 8) {
        f_.Text1->hide();
        f_.Text2->hide();
    } else {
        f_.Text1->show();
        f_.Text1->setEnabled(true);
        f_.Text2->hide();
    }
    nascondiTutto();
    if (!f_.Text1->text().trimmed().isEmpty() && i != 7) {
        std::string minuscolo = cp1252::lowered(testo::aCp1252(f_.Text1->text()));
        f_.Text1->setText(testo::daCp1252(Arrangia(minuscolo)));
    }
    impostaModo(i);
    f_.ScriviMessaggio(testiAiuto()[static_cast<size_t>(i)], 1, true);
    f_.fuocoPredefinito();
    emit f_.modoCambiato(i);
}

void CambioModo::nascondiTutto() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             f_.ImgPal, f_.CruciPic, f_.TxtMeno, f_.ckOrder, f_.CkFilter, f_.CkDoppie, f_.Tast1,
             f_.Frame1, f_.Frame2, f_.Frame4, f_.Frame5, f_.Frame6, f_.List1})
        w->hide();
    f_.Command1->setEnabled(false);
}

void CambioModo::impostaModo(int i) {
    f_.ModoCorrente = i;
    switch (i) {
    case 0:
        modoRime();
        break;
    case 2:
        modoAnagrammi();
        break;
    case 3:
        modoPalindromi();
        break;
    case 4:
        modoScambio();
        break;
    case 5:
        modoCercaParola();
        break;
    case 6:
        modoParolando();
        break;
    case 7:
        modoCruciHelp();
        break;
    case 9:
        modoMnemos();
        break;
    default:
        break; // 1 and 8: the games prepare their panels on modoCambiato
    }
}

void CambioModo::modoRime() {
    f_.Command1->setEnabled(true);
    f_.List1->show();
}

void CambioModo::modoAnagrammi() {
    f_.Frame2->show();
    f_.List1->show();
    f_.TxtMeno->setVisible(f_.Option2[3]->isChecked());
    bool scelto = false;
    for (QRadioButton* b : f_.Option2) scelto = scelto || b->isChecked();
    if (scelto) f_.Command1->setEnabled(true);
    if (f_.Option2[1]->isChecked()) f_.Text1->setEnabled(false);
}

void CambioModo::modoPalindromi() {
    if (!f_.ctx.sfondoTrasparente) f_.ImgPal->show();
    f_.Text1->show();
    f_.List1->show();
    if (!f_.Text1->text().isEmpty()) f_.Text1->selectAll();
    f_.List1->modello().svuota();
    f_.Command1->setEnabled(true);
}

void CambioModo::modoScambio() {
    f_.Frame5->show();
    f_.List1->show();
    if (f_.Option3[0]->isChecked() || f_.Option3[1]->isChecked()) f_.Command1->setEnabled(true);
}

void CambioModo::modoCercaParola() {
    f_.Tast1->show();
    f_.List1->show();
    f_.Text2->show();
    f_.Text1->hide();
    f_.Command1->setEnabled(false);
}

void CambioModo::modoParolando() {
    f_.Text1->clear();
    f_.Text1->show();
    f_.Text2->hide();
    f_.List1->show();
    f_.Frame4->show();
    f_.List1->modello().svuota();
}

void CambioModo::modoCruciHelp() {
    f_.Text1->clear();
    f_.Text1->show();
    f_.Text2->hide();
    if (!f_.ctx.sfondoTrasparente) f_.CruciPic->show();
    f_.CruciPic->impostaLettere(f_.ctx.statistiche.stringaLettere);
    f_.CruciPic->CruciPic_Click();
    f_.List1->modello().svuota();
    f_.List1->show();
    f_.Command1->setEnabled(true);
}

void CambioModo::modoMnemos() {
    f_.Text1->clear();
    f_.Text1->show();
    f_.Text2->hide();
    f_.TxtMeno->show();
    f_.List1->modello().svuota();
    f_.List1->show();
    f_.ckOrder->show();
    f_.CkFilter->show();
    f_.CkDoppie->show();
    f_.Command1->setEnabled(true);
}

} // namespace verbolario
