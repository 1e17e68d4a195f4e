#pragma once

#include <QString>

class QCoreApplication;

namespace verbolario {

// Qt's own texts (the file dialogs, the input boxes, the standard buttons and shortcut
// names) in Italian, from the translations installed with Qt in `cartella`. Where they are
// missing, those texts stay as Qt writes them and nothing is reported. True when the
// Italian catalogue was installed.
bool installaTraduzioniQt(QCoreApplication& app, const QString& cartella);
// The same from the folder where this Qt keeps its translations.
bool installaTraduzioniQt(QCoreApplication& app);

} // namespace verbolario
