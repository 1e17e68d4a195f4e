#include "TraduzioniQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace verbolario {

bool installaTraduzioniQt(QCoreApplication& app, const QString& cartella) {
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    // Dates and sizes in the file dialogs follow the language of their captions.
    QLocale::setDefault(italiano);
    auto* traduttore = new QTranslator(&app);
    if (!traduttore->load(italiano, QStringLiteral("qtbase"), QStringLiteral("_"), cartella) ||
        !QCoreApplication::installTranslator(traduttore)) {
        delete traduttore;
        return false;
    }
    return true;
}

bool installaTraduzioniQt(QCoreApplication& app) {
    return installaTraduzioniQt(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace verbolario
