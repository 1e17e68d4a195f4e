#pragma once

// A program folder of its own for each test: a tiny dictionary, optionally a settings file,
// a context whose dialogs are answered by the test, and the started main window.

#include "Contesto.h"
#include "PollEventi.h"
#include "Programma.h"
#include "TestoCp.h"
#include "mainform/Form1.h"
#include "mainform/ListaRisultati.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <utility>

namespace verbolario::prova {

inline const char* kDizionario = "casa\r\ncane\r\nanna\r\nprivo\r\nprova\r\nradar\r\n"
                                 "citt\xE0\r\nprecipitevolissimevolmente\r\n";

// Types text key by key, accented letters too (QTest::keyClicks takes ASCII only).
inline void digita(QWidget* w, const QString& testo) {
    for (QChar c : testo) {
        char16_t u = c.toUpper().unicode();
        auto tasto = u < 0x80 ? static_cast<Qt::Key>(u) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, w, tasto, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, tasto, QString(c), Qt::NoModifier);
    }
}

// Clicks a check or radio button on its box.
inline void clic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

// Runs `azione` once, at the first progress report of the window's next long command.
inline void alPrimoProgresso(Form1& f, std::function<void()> azione) {
    f.poll().suProgresso = [progresso = f.poll().suProgresso, azione,
                            fatto = false](int64_t pos, int64_t tot) mutable {
        progresso(pos, tot);
        if (!std::exchange(fatto, true)) azione();
    };
}

inline QStringList righe(const Form1& f) {
    const auto& r = f.List1->modello().righe();
    return QStringList(r.begin(), r.end());
}

inline QStringList voci(const Contesto& ctx) {
    QStringList out;
    for (size_t i = 0; i < ctx.voci.size(); ++i) out << testo::daCp1252(ctx.voci[i]);
    return out;
}

inline QByteArray leggiFile(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

inline const QString kSparito = QString::fromUtf8(
    "L'ultimo dizionario usato non \u00E8 pi\u00F9 presente!\nCarico quello predefinito?");
inline const QString kPredefinito = "Devo considerare l'attuale il dizionario predefinito?";
inline const QString kSalvo = "Salvo le modifiche fatte al dizionario?";
inline const QString kSenzaAccenti =
    "\n\nSono stati eliminati gli accenti dal dizionario in uso!\n";

class Ambiente {
public:
    Ambiente() { cartella = dir.path(); }

    void scrivi(const QString& nome, const QByteArray& contenuto) {
        QFile f(cartella + "/" + nome);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }
    void conDizionario() { scrivi("dizionario.dic", kDizionario); }
    void conIni(const QByteArray& testo) { scrivi("Verbolario.ini", testo); }
    // Settings whose recorded dictionary is this file of the test folder.
    void conRegistrato(const char* nome, const QByteArray& altro = {}) {
        conIni("[Dizionario]\r\nDizionario=" + QFile::encodeName(cartella) + "/" + nome + "\r\n" +
               altro);
    }
    QByteArray ini() const { return leggiFile(cartella + "/Verbolario.ini"); }
    // The value of a key in the settings file, as the program reads it.
    std::string leggi(const char* sezione, const char* chiave) {
        WRini w(QFile::encodeName(cartella).toStdString());
        w.setSezione(sezione);
        return w.LeggiINI(chiave, "<assente>");
    }
    // The file dialogs answer this file of the test folder.
    void scegliFile(const QString& nome) {
        ctx->dialoghi.suFile = [p = cartella + "/" + nome](const Dialoghi::Richiesta&) {
            return p;
        };
    }

    // Starts the program; message boxes take the queued answers, then "No".
    Form1& avvia() {
        avviaProgramma();
        return *finestra;
    }
    // Starts the program, which may end without a main window (finestra stays null).
    Programma& avviaProgramma() {
        ctx = std::make_unique<Contesto>(cartella);
        ctx->dialoghi.suMessaggio = [this](const Dialoghi::Richiesta&) {
            if (risposte.empty()) return Dialoghi::Risposta::No;
            Dialoghi::Risposta r = risposte.front();
            risposte.pop_front();
            return r;
        };
        ctx->dialoghi.suInput = [](const Dialoghi::Richiesta&) { return std::nullopt; };
        ctx->dialoghi.suFile = [](const Dialoghi::Richiesta&) { return QString(); };
        programma = std::make_unique<Programma>(*ctx);
        QObject::connect(programma.get(), &Programma::finito, [this] { ++fini; });
        continua = programma->avvia();
        finestra = programma->form1();
        return *programma;
    }
    // Closes the window as the exit button does; true when it closed.
    bool chiudi() { return finestra->close(); }
    // The last dialog shown.
    const Dialoghi::Richiesta& ultima() const { return ctx->dialoghi.registro.back(); }

    QTemporaryDir dir;
    QString cartella;
    std::deque<Dialoghi::Risposta> risposte;
    std::unique_ptr<Contesto> ctx;
    std::unique_ptr<Programma> programma;
    Form1* finestra = nullptr;
    bool continua = false; // what start-up answered: false = end at once
    int fini = 0;          // times the program said it is over
};

} // namespace verbolario::prova
