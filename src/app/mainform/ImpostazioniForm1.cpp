#include "ImpostazioniForm1.h"

#include "Contesto.h"
#include "TestoCp.h"
#include "controls/Suoni.h"
#include "dictionary/CaricaDizionario.h"
#include "mainform/CambioModo.h"
#include "mainform/ControlliRicerca.h"
#include "mainform/Form1.h"
#include "settings/AdattaImpostazioni.h"
#include "settings/Impostazioni.h"
#include "settings/LoadPerc.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <cmath>
#include <functional>
#include <map>

namespace verbolario {

namespace {

double dpi(const QScreen* s) {
    double d = s ? s->logicalDotsPerInchX() : 96.0;
    return d > 0 ? d : 96.0;
}

QScreen* schermoPrincipale() {
    return QGuiApplication::primaryScreen();
}

// What the load keeps aside until every row is read.
struct Letture {
    int64_t modo = 5;
    double left = 0, top = 0, width = 9600, height = 7000;
    int64_t fade = 1;
    std::string tile;
};

using Applica = std::function<void(Form1&, const ValoreLetto&, Letture&)>;

void spunta(QCheckBox* c, const ValoreLetto& v) {
    c->setChecked(v.numero != 0);
}

const std::map<std::string_view, Applica>& applicazioni() {
    static const std::map<std::string_view, Applica> m = {
        {"MaxTime", [](Form1& f, const ValoreLetto& v, Letture&) { f.giochi.maxTime = v.numero; }},
        {"MaxLen", [](Form1& f, const ValoreLetto& v, Letture&) { f.giochi.maxLen = v.numero; }},
        {"Min", [](Form1& f, const ValoreLetto& v, Letture&) { f.giochi.min = v.numero; }},
        {"Max", [](Form1& f, const ValoreLetto& v, Letture&) { f.giochi.max = v.numero; }},
        {"Scelta", [](Form1& f, const ValoreLetto& v, Letture&) { f.giochi.scelta = v.numero; }},
        {"Stringa",
         [](Form1& f, const ValoreLetto& v, Letture&) {
             if (f.ctx.statistiche.stringaLettere.empty())
                 f.ctx.statistiche.stringaLettere = v.testo;
         }},
        {"Esclude", [](Form1& f, const ValoreLetto& v,
                       Letture&) { f.TxtMeno->setText(testo::daCp1252(v.testo)); }},
        {"ParColor", [](Form1& f, const ValoreLetto& v,
                        Letture&) { f.giochi.parColor = static_cast<uint32_t>(v.numero); }},
        {"ComColor", [](Form1& f, const ValoreLetto& v,
                        Letture&) { f.giochi.comColor = static_cast<uint32_t>(v.numero); }},
        {"Commento",
         [](Form1& f, const ValoreLetto& v, Letture&) {
             spunta(f.Check2, v);
             f.ctx.modoCommento = f.Check2->isChecked();
         }},
        {"ClrComment",
         [](Form1& f, const ValoreLetto& v, Letture&) {
             f.superficie.coloreMessaggi = static_cast<uint32_t>(v.numero);
         }},
        {"Order", [](Form1& f, const ValoreLetto& v, Letture&) { spunta(f.ckOrder, v); }},
        {"Filter", [](Form1& f, const ValoreLetto& v, Letture&) { spunta(f.CkFilter, v); }},
        {"Sound", [](Form1& f, const ValoreLetto& v, Letture&) { spunta(f.Check3, v); }},
        {"Color", [](Form1& f, const ValoreLetto& v,
                     Letture&) { f.superficie.coloreSfondo = static_cast<int>(v.numero); }},
        {"Pattern",
         [](Form1& f, const ValoreLetto& v, Letture&) { f.superficie.motivo = v.numero != 0; }},
        {"Fade", [](Form1&, const ValoreLetto& v, Letture& l) { l.fade = v.numero; }},
        {"Tile", [](Form1&, const ValoreLetto& v, Letture& l) { l.tile = v.testo; }},
        {"Option", [](Form1&, const ValoreLetto& v, Letture& l) { l.modo = v.numero; }},
        {"FLeft", [](Form1&, const ValoreLetto& v, Letture& l) { l.left = double(v.numero); }},
        {"FTop", [](Form1&, const ValoreLetto& v, Letture& l) { l.top = double(v.numero); }},
        {"FWidth", [](Form1&, const ValoreLetto& v, Letture& l) { l.width = double(v.numero); }},
        {"FHeight", [](Form1&, const ValoreLetto& v, Letture& l) { l.height = double(v.numero); }},
    };
    return m;
}

ContestoImpostazioni contestoLettura(const Form1& f) {
    ContestoImpostazioni c;
    c.cartellaProgramma = ImpostazioniForm1::percorsoInIni(f.ctx.cartellaProgramma());
    c.lengMax = LengMax(f.ctx.voci);
    QScreen* s = schermoPrincipale();
    QSize dim = s ? s->geometry().size() : QSize(1280, 900);
    c.larghezzaSchermo = std::llround(ImpostazioniForm1::pixelInTwips(dim.width(), s));
    c.altezzaSchermo = std::llround(ImpostazioniForm1::pixelInTwips(dim.height(), s));
    return c;
}

void correggi(Form1& f, Letture& l) {
    Lunghezze lun = AdattaLunghezze(f.giochi.min, f.giochi.max, LengMax(f.ctx.voci));
    f.giochi.min = lun.min;
    f.giochi.max = lun.max;
    bool esiste = !l.tile.empty() && QFileInfo(ImpostazioniForm1::percorsoDaIni(l.tile)).isFile();
    l.fade = AdattaSfondo(l.fade, l.tile, esiste);
    f.superficie.stileSfondo = static_cast<int>(l.fade);
    f.superficie.fileMattonella = ImpostazioniForm1::percorsoDaIni(l.tile);
    if (esiste) f.superficie.mattonella = QImage(f.superficie.fileMattonella);
    if (f.superficie.mattonella.isNull() && f.superficie.stileSfondo == kSfondoTile)
        f.superficie.stileSfondo = static_cast<int>(kSfondoFade1);
}

} // namespace

double ImpostazioniForm1::pixelInTwips(double px, const QScreen* schermo) {
    return px * 1440.0 / dpi(schermo);
}

double ImpostazioniForm1::twipsInPixel(double twips, const QScreen* schermo) {
    return twips * dpi(schermo) / 1440.0;
}

std::string ImpostazioniForm1::percorsoInIni(const QString& percorso) {
    return QFile::encodeName(percorso).toStdString();
}

QString ImpostazioniForm1::percorsoDaIni(const std::string& testo) {
    return QFile::decodeName(QByteArray::fromStdString(testo));
}

QRect ImpostazioniForm1::geometriaDaTwips(double left, double top, double width, double height) {
    QScreen* s = schermoPrincipale();
    auto px = [s](double t) { return static_cast<int>(std::lround(twipsInPixel(t, s))); };
    QRect r(px(left), px(top), std::max(1, px(width)), std::max(1, px(height)));
    QScreen* sotto = QGuiApplication::screenAt(r.center());
    if (!sotto) sotto = s;
    if (!sotto) return r;
    QRect area = sotto->availableGeometry();
    r.setSize(r.size().boundedTo(area.size()).expandedTo(QSize(160, 120)).boundedTo(area.size()));
    // A window whose title bar would lie off every screen cannot be grabbed: bring it back.
    bool visibile = false;
    for (QScreen* sc : QGuiApplication::screens()) {
        QRect barra(r.topLeft(), QSize(r.width(), 24));
        if (sc->availableGeometry().intersected(barra).width() >= std::min(r.width(), 100))
            visibile = true;
    }
    if (!visibile) r.moveCenter(area.center());
    if (!area.contains(r)) {
        r.moveLeft(std::clamp(r.left(), area.left(), area.right() - r.width() + 1));
        r.moveTop(std::clamp(r.top(), area.top(), area.bottom() - r.height() + 1));
    }
    return r;
}

void ImpostazioniForm1::leggi(Form1& f) {
    Contesto& ctx = f.ctx;
    ContestoImpostazioni ci = contestoLettura(f);
    Letture l;
    for (const Impostazione& riga : TabellaImpostazioni()) {
        auto it = applicazioni().find(riga.chiave);
        if (it == applicazioni().end()) continue; // the dictionary path was read at start-up
        it->second(f, LeggiImpostazione(ctx.impostazioni, riga, ci), l);
    }
    correggi(f, l);
    emit f.impostazioniLette();
    // Sized first: a resize repaints the background, which would wipe the mode's help text.
    QRect g = geometriaDaTwips(l.left, l.top, l.width, l.height);
    f.resize(g.size());
    f.move(g.topLeft());
    // Coordinates that had to be corrected are remembered as corrected.
    QScreen* s = schermoPrincipale();
    auto tenuto = [s](int px, double twips) {
        return px == static_cast<int>(std::lround(twipsInPixel(twips, s))) ? twips
                                                                           : pixelInTwips(px, s);
    };
    f.posizioneLetta = {g, tenuto(g.left(), l.left), tenuto(g.top(), l.top),
                        tenuto(g.width(), l.width), tenuto(g.height(), l.height)};
    f.cambioModo().Option1_Click(static_cast<int>(std::clamp<int64_t>(l.modo, 0, 9)));
    // A checked "Suono" box means silence.
    f.suoni().setSuonoAttivo(!f.Check3->isChecked());
    f.Check3->setEnabled(f.suoni().disponibili());
    LoadPerc(ctx.impostazioni, ctx.statistiche);
}

void ImpostazioniForm1::scrivi(Form1& f) {
    Contesto& ctx = f.ctx;
    QScreen* s = f.screen();
    // Position of the outer frame, size of the inside: what resize() and move() take back.
    QRect g(f.frameGeometry().topLeft(), f.size());
    const Form1::PosizioneLetta& letta = f.posizioneLetta;
    auto tw = [s](int px, int pxLetti, double twipsLetti) {
        double t = px == pxLetti ? twipsLetti : pixelInTwips(px, s);
        return QString::number(t, 'g', 7).toStdString();
    };
    auto bit = [](const QCheckBox* c) { return std::string(c->isChecked() ? "1" : "0"); };
    auto num = [](int64_t n) { return std::to_string(n); };
    const std::map<std::string_view, std::function<std::string()>> valori = {
        {"Min", [&] { return num(f.giochi.min); }},
        {"Max", [&] { return num(f.giochi.max); }},
        {"Commento", [&] { return bit(f.Check2); }},
        {"Sound", [&] { return bit(f.Check3); }},
        {"Color", [&] { return num(f.superficie.coloreSfondo); }},
        {"Pattern", [&] { return num(f.superficie.motivo ? 1 : 0); }},
        {"MaxTime", [&] { return num(f.giochi.maxTime); }},
        {"MaxLen", [&] { return num(f.giochi.maxLen); }},
        {"ParColor", [&] { return num(f.giochi.parColor); }},
        {"ComColor", [&] { return num(f.giochi.comColor); }},
        {"ClrComment", [&] { return num(f.superficie.coloreMessaggi); }},
        {"Order", [&] { return bit(f.ckOrder); }},
        {"Filter", [&] { return bit(f.CkFilter); }},
        {"Scelta", [&] { return num(f.giochi.scelta); }},
        {"Tile", [&] { return percorsoInIni(f.superficie.fileMattonella); }},
        {"Esclude", [&] { return testo::aCp1252(f.TxtMeno->text()); }},
        {"FWidth", [&] { return tw(g.width(), letta.pixel.width(), letta.width); }},
        {"FHeight", [&] { return tw(g.height(), letta.pixel.height(), letta.height); }},
        {"FTop", [&] { return tw(g.top(), letta.pixel.top(), letta.top); }},
        {"FLeft", [&] { return tw(g.left(), letta.pixel.left(), letta.left); }},
        {"Fade", [&] { return num(f.superficie.stileSfondo); }},
        {"Option", [&] { return num(f.ModoCorrente); }},
    };
    bool normale =
        !(f.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    for (const GruppoScrittura& gruppo : OrdineScrittura()) {
        if (gruppo.quando == Quando::FinestraNormale && !normale) continue;
        if (gruppo.quando == Quando::SenzaSfondoTrasparente && ctx.sfondoTrasparente) continue;
        ctx.impostazioni.setSezione(std::string(gruppo.sezione));
        for (std::string_view chiave : gruppo.chiavi) {
            auto it = valori.find(chiave);
            if (it != valori.end()) ctx.impostazioni.ScriviINI(chiave, it->second());
        }
    }
}

} // namespace verbolario
