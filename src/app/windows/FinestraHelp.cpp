#include "FinestraHelp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

#include <array>

namespace verbolario {

FinestraHelp::FinestraHelp(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle("Guida di Verbolario");
    setOpenExternalLinks(true);
    resize(560, 480);
}

int FinestraHelp::argomentoModo(int modo) {
    static constexpr std::array<int, 10> kArgomenti = {200, 600, 300, 400,  500,
                                                       100, 700, 800, 1100, 950};
    if (modo < 0 || modo >= static_cast<int>(kArgomenti.size())) return 100;
    return kArgomenti[static_cast<size_t>(modo)];
}

QString FinestraHelp::percorsoGuida() {
    return QCoreApplication::applicationDirPath() + "/Verbolario.html";
}

void FinestraHelp::mostraArgomento(int argomento) {
    argomento_ = argomento;
    const QString percorso = percorsoGuida();
    if (QFileInfo::exists(percorso)) {
        QUrl url = QUrl::fromLocalFile(percorso);
        url.setFragment(QString("t%1").arg(argomento));
        // Same document, other anchor: setSource would only scroll when the URL differs.
        if (source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment)) reload();
        setSource(url);
        scrollToAnchor(url.fragment());
    } else {
        // A missing file must not leave an empty window that looks like a fault of the viewer.
        setSource(QUrl());
        setHtml(QString("<p>Guida non trovata:<br>%1</p>").arg(percorso.toHtmlEscaped()));
    }
    if (!isVisible() && posto_) {
        resize(posto_->size());
        move(posto_->topLeft());
    }
    show();
    raise();
    activateWindow();
}

void FinestraHelp::keyPressEvent(QKeyEvent* e) {
    const bool ctrlW = e->key() == Qt::Key_W && e->modifiers() == Qt::ControlModifier;
    if (e->key() == Qt::Key_Escape || ctrlW || e->matches(QKeySequence::Close)) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(e);
}

void FinestraHelp::hideEvent(QHideEvent* e) {
    posto_ = QRect(pos(), size());
    QTextBrowser::hideEvent(e);
}

} // namespace verbolario
