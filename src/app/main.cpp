#include "Avvio.h"
#include "Contesto.h"
#include "mainform/Form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Verbolario");
    app.setStyle("Fusion");
    verbolario::Contesto ctx;
    std::unique_ptr<verbolario::Form1> finestra = verbolario::Avvio::avvia(ctx);
    // Windows shutting down closes the window without questions; the settings are kept.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, finestra.get(),
                     [&finestra](QSessionManager&) {
                         finestra->chiusuraDiSistema = true;
                         finestra->close();
                     });
    QObject::connect(finestra.get(), &verbolario::Form1::chiuso, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
