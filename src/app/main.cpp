#include "Contesto.h"
#include "Programma.h"
#include "TraduzioniQt.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Verbolario");
    app.setStyle("Fusion");
    verbolario::installaTraduzioniQt(app);
    // The start-up windows come and go before the main window exists.
    app.setQuitOnLastWindowClosed(false);
    verbolario::Contesto ctx;
    verbolario::Programma programma(ctx);
    QObject::connect(&programma, &verbolario::Programma::finito, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // The session ending closes the window without questions; the settings are kept.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &programma,
                     [&programma](QSessionManager&) { programma.chiusuraDiSistema(); });
    if (!programma.avvia()) return 0;
    return app.exec();
}
