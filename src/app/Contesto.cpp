#include "Contesto.h"

#include "dictionary/AnalisiLetterale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace verbolario {

namespace {
QString cartellaScelta(QString cartella) {
    if (cartella.isEmpty()) cartella = QCoreApplication::applicationDirPath();
    return QDir::cleanPath(cartella);
}
} // namespace

Contesto::Contesto(QString cartellaProgramma)
    : impostazioni(QFile::encodeName(cartellaScelta(cartellaProgramma)).toStdString()),
      cartella_(cartellaScelta(std::move(cartellaProgramma))) {
    percorsoDizionario = percorsoPredefinito();
}

QString Contesto::percorsoPredefinito() const {
    return fileProgramma("dizionario.dic");
}

QString Contesto::fileProgramma(const QString& nome) const {
    return cartella_ + "/" + nome;
}

void Contesto::adottaDizionario(Voci&& nuove, const QString& percorso, bool completo, Poll& poll) {
    voci = std::move(nuove);
    dizionarioModificato = false;
    percorsoDizionario = percorso;
    if (completo) {
        AnalisiLetterale(voci, statistiche, poll);
        dizionarioSostituito = true;
    }
    accentiEliminati = false;
    dizionarioRiformattato = false;
}

} // namespace verbolario
