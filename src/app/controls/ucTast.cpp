#include "controls/ucTast.h"

#include "controls/Colori.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace verbolario {

namespace {

constexpr int kMargine = 2; // the inner surface lies this far inside the control

int codicePulsante(Qt::MouseButtons b) {
    int codice = 0;
    if (b & Qt::LeftButton) codice |= 1;
    if (b & Qt::RightButton) codice |= 2;
    if (b & Qt::MiddleButton) codice |= 4;
    return codice;
}

int codiceMaiuscole(Qt::KeyboardModifiers m) {
    int codice = 0;
    if (m & Qt::ShiftModifier) codice |= 1;
    if (m & Qt::ControlModifier) codice |= 2;
    if (m & Qt::AltModifier) codice |= 4;
    return codice;
}

} // namespace

ucTast::ucTast(QWidget* parent) : QWidget(parent) {
    const QPalette p = QGuiApplication::palette();
    m_backColor = QColor(0x80, 0x80, 0x80);
    m_foreColor = p.color(QPalette::ButtonText);
    m_upColor = p.color(QPalette::Light);
    m_downColor = p.color(QPalette::Shadow);
    m_selColor = p.color(QPalette::Midlight);
    setMouseTracking(true); // moves are reported without a button held, too
    setAttribute(Qt::WA_OpaquePaintEvent);
    impagina();
}

QSize ucTast::dimensioniPer(int buttonWidth, int buttonHeight, int offSet) {
    return {kColonne * (buttonWidth + offSet) + offSet + 5,
            kRighe * (buttonHeight + offSet) + offSet + 5};
}

void ucTast::impagina() {
    setFixedSize(dimensioniPer(m_buttonWidth, m_buttonHeight, m_offSet));
    ClearButton();
}

// Every change of the look redraws all keys raised, as a fresh layout does.
void ucTast::ridisegna(const QString& chiave) {
    ClearButton();
    emit propertyChanged(chiave);
}

void ucTast::setBackColor(const QColor& c) {
    m_backColor = c;
    ridisegna(QStringLiteral("BackColor"));
}

void ucTast::setForeColor(const QColor& c) {
    m_foreColor = c;
    ridisegna(QStringLiteral("ForeColor"));
}

void ucTast::setFontSize(double punti) {
    if (!(punti > 0) || punti > 1000) return;
    m_fontSize = punti;
    update();
    emit propertyChanged(QStringLiteral("FontSize"));
}

void ucTast::setSelezione(const QString& s) {
    m_selezione = s;
    emit propertyChanged(QStringLiteral("Selezione"));
}

void ucTast::setButtonWidth(int px) {
    m_buttonWidth = std::clamp(px, 1, 1000);
    impagina();
    emit propertyChanged(QStringLiteral("ButtonWidth"));
}

void ucTast::setButtonHeight(int px) {
    m_buttonHeight = std::clamp(px, 1, 1000);
    impagina();
    emit propertyChanged(QStringLiteral("ButtonHeight"));
}

void ucTast::setOffSet(int px) {
    m_offSet = std::clamp(px, 0, 1000);
    impagina();
    emit propertyChanged(QStringLiteral("OffSet"));
}

void ucTast::setUpColor(const QColor& c) {
    m_upColor = c;
    ridisegna(QStringLiteral("UpColor"));
}

void ucTast::setDownColor(const QColor& c) {
    m_downColor = c;
    ridisegna(QStringLiteral("DownColor"));
}

void ucTast::setSelColor(const QColor& c) {
    m_selColor = c;
    ridisegna(QStringLiteral("SelColor"));
}

void ucTast::setCornice(int stile) {
    m_cornice = stile;
    ridisegna(QStringLiteral("Border"));
}

void ucTast::setToggle(bool on) {
    m_toggle = on;
    emit propertyChanged(QStringLiteral("Toggle"));
}

void ucTast::setMultiSel(bool on) {
    m_multiSel = on;
    if (!on) m_segni.fill(false);
    emit propertyChanged(QStringLiteral("MultiSel"));
}

void ucTast::setButtonsCaption(const QString& testo) {
    m_buttonsCaption = testo;
    dividiDidascalie();
    ridisegna(QStringLiteral("Buttons_Caption"));
}

void ucTast::setSeparatore(const QString& sep) {
    m_separatore = sep.left(1);
    emit propertyChanged(QStringLiteral("Separatore"));
}

void ucTast::setButtonsNumber(int n) {
    m_buttonsNumber = std::clamp(n, 0, static_cast<int>(kCelle));
    emit propertyChanged(QStringLiteral("Buttons_Number"));
}

void ucTast::setPicture(const QPixmap& p) {
    m_picture = p;
    impagina();
    emit propertyChanged(QStringLiteral("Picture"));
}

void ucTast::dividiDidascalie() {
    if (m_separatore.isEmpty() || !m_buttonsCaption.contains(m_separatore)) return;
    const QStringList parti = m_buttonsCaption.split(m_separatore);
    // The last piece is whatever follows the last separator: it names no key.
    for (int k = 0; k < kCelle; ++k) m_didascalie[k] = k < parti.size() - 1 ? parti[k] : QString();
}

bool ucTast::premuto(int cella) const {
    return cella >= 0 && cella < kCelle && m_giu[cella];
}

QRect ucTast::rettangoloTasto(int cella) const {
    const int col = cella % kColonne;
    const int riga = cella / kColonne;
    return {kMargine + col * (m_buttonWidth + m_offSet) + m_offSet,
            kMargine + riga * (m_buttonHeight + m_offSet) + m_offSet, m_buttonWidth,
            m_buttonHeight};
}

void ucTast::ClearButton() {
    m_giu.fill(false);
    update();
}

void ucTast::PushButton() {
    if (m_multiSel) {
        for (int k = 0; k < kCelle; ++k) m_giu[k] = m_giu[k] || m_segni[k];
    }
    if (m_ultimo >= 0) m_giu[m_ultimo] = true;
    update();
}

void ucTast::PushButton(int cella) {
    if (cella < 0 || cella >= kCelle) return;
    m_ultimo = cella;
    PushButton();
}

QString ucTast::selezioneMultipla() const {
    QString s;
    for (int k = 0; k < kCelle; ++k)
        if (m_segni[k]) s += m_didascalie[k] + m_separatore;
    return s;
}

QPointF ucTast::versoInterno(QPointF punto) {
    return punto - QPointF(kMargine, kMargine);
}

ucTast::Bersaglio ucTast::trova(QPointF interno) const {
    const double x = interno.x();
    const double y = interno.y();
    if (x < 0 || y < 0 || x >= width() - 2 * kMargine || y >= height() - 2 * kMargine)
        return {Colpo::Fuori, -1};
    const int slotL = m_buttonWidth + m_offSet;
    const int slotA = m_buttonHeight + m_offSet;
    const int col = static_cast<int>(x) / slotL;
    const int riga = static_cast<int>(y) / slotA;
    // The few pixels past the last column or row belong to no key: a press there counts
    // as one on the gap, never as one on the next row's first key.
    if (col >= kColonne || riga >= kRighe) return {Colpo::Gap, -1};
    const int cella = riga * kColonne + col;
    if (m_buttonsNumber != 0 && cella >= m_buttonsNumber) return {Colpo::Inattivo, cella};
    if (x - col * slotL < m_offSet || y - riga * slotA < m_offSet) return {Colpo::Gap, cella};
    return {Colpo::Tasto, cella};
}

void ucTast::premiSinistro(int cella) {
    if (m_toggle && !m_multiSel) ClearButton();
    m_ultimo = cella;
    if (m_multiSel) {
        m_segni[cella] = !m_segni[cella];
        m_selezione = selezioneMultipla();
        m_giu[cella] = m_toggle ? m_segni[cella] : true;
        update();
        return;
    }
    m_selezione = m_didascalie[cella];
    PushButton();
}

void ucTast::premiDestro(int cella) {
    if (!m_toggle) return;
    m_giu[cella] = false;
    if (m_multiSel) {
        m_segni[cella] = false;
        m_selezione = selezioneMultipla();
    }
    update();
}

void ucTast::premiCentrale() {
    m_selezione.clear();
    if (m_multiSel) m_segni.fill(false);
    if (m_toggle || m_multiSel) ClearButton();
}

void ucTast::mousePressEvent(QMouseEvent* event) {
    const QPointF q = versoInterno(event->position());
    const Bersaglio b = trova(q);
    if (b.colpo == Colpo::Fuori) return;
    m_premutoDentro = true;
    if (b.colpo == Colpo::Inattivo) return;
    const int pulsante = codicePulsante(event->button());
    const int maiuscole = codiceMaiuscole(event->modifiers());
    if (b.colpo == Colpo::Gap) {
        emit mouseDown(pulsante, maiuscole, 0, 0);
        return;
    }
    if (pulsante == 1)
        premiSinistro(b.cella);
    else if (pulsante == 2)
        premiDestro(b.cella);
    else if (pulsante == 4)
        premiCentrale();
    emit mouseDown(pulsante, maiuscole, q.x(), q.y());
}

void ucTast::mouseMoveEvent(QMouseEvent* event) {
    const QPointF q = versoInterno(event->position());
    const bool trattenuto = m_premutoDentro && event->buttons() != Qt::NoButton;
    if (!trattenuto && trova(q).colpo == Colpo::Fuori) return;
    emit mouseMove(codicePulsante(event->buttons()), codiceMaiuscole(event->modifiers()), q.x(),
                   q.y());
}

void ucTast::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_premutoDentro) return;
    if (event->buttons() == Qt::NoButton) m_premutoDentro = false;
    if (!m_toggle && m_ultimo >= 0) {
        m_giu[m_ultimo] = m_multiSel && m_segni[m_ultimo];
        update();
    }
    const QPointF q = versoInterno(event->position());
    emit mouseUp(codicePulsante(event->button()), codiceMaiuscole(event->modifiers()), q.x(),
                 q.y());
}

// The frame follows the system's 3-D edge: an outer ring along the control's border and
// an inner ring one pixel inside, each lit on the top and left, shaded on the bottom and
// right when raised, the other way round when sunken.
void ucTast::disegnaCornice(QPainter& p) const {
    if (m_cornice == 0) return;
    const QPalette& t = palette();
    const auto anello = [&p](QRect r, const QColor& luce, const QColor& ombra) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), luce);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), luce);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), ombra);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), ombra);
    };
    const QRect esterno = rect();
    if (m_cornice & 1)
        anello(esterno, t.color(QPalette::Midlight), t.color(QPalette::Shadow));
    else if (m_cornice & 2)
        anello(esterno, t.color(QPalette::Dark), t.color(QPalette::Light));
    const QRect interno = esterno.adjusted(1, 1, -1, -1);
    if (m_cornice & 4)
        anello(interno, t.color(QPalette::Light), t.color(QPalette::Dark));
    else if (m_cornice & 8)
        anello(interno, t.color(QPalette::Shadow), t.color(QPalette::Midlight));
}

void ucTast::disegnaTasto(QPainter& p, int cella, bool giu) const {
    const QRect r = rettangoloTasto(cella);
    if (m_picture.isNull()) p.fillRect(r, giu ? m_selColor : m_backColor);
    const QColor& luce = giu ? m_downColor : m_upColor;
    const QColor& ombra = giu ? m_upColor : m_downColor;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), luce);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), luce);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), ombra);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), ombra);
    if (m_didascalie[cella].isEmpty()) return;
    p.setPen(m_foreColor);
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, m_didascalie[cella]);
}

void ucTast::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_backColor);
    disegnaCornice(p);
    const QRect superficie = rect().adjusted(kMargine, kMargine, -kMargine, -kMargine);
    if (!m_picture.isNull()) p.drawPixmap(superficie, m_picture);
    p.setClipRect(superficie);
    p.setFont(fontDidascalie());
    for (int k = 0; k < kCelle; ++k) disegnaTasto(p, k, m_giu[k]);
}

QFont ucTast::fontDidascalie() const {
    QFont f = font();
    f.setPointSizeF(m_fontSize);
    // Keys narrower or lower than the captions' size would cut them: the size comes down.
    const QSizeF spazio(m_buttonWidth - 2, m_buttonHeight - 2);
    while (f.pointSizeF() > 4) {
        const QFontMetricsF fm(f);
        double larga = 0;
        for (const QString& d : m_didascalie) larga = std::max(larga, fm.horizontalAdvance(d));
        if (larga <= spazio.width() && fm.height() <= spazio.height()) break;
        f.setPointSizeF(std::max(4.0, f.pointSizeF() - 0.5));
    }
    return f;
}

namespace {

QColor leggiColore(const QVariantMap& bag, const char* chiave, const QColor& base) {
    return coloreDaVariante(bag.value(QString::fromLatin1(chiave)), base);
}

int leggiIntero(const QVariantMap& bag, const char* chiave, int base, int minimo, int massimo) {
    bool ok = false;
    const int v = bag.value(QString::fromLatin1(chiave)).toInt(&ok);
    return ok ? std::clamp(v, minimo, massimo) : base;
}

bool leggiLogico(const QVariantMap& bag, const char* chiave, bool base) {
    const QVariant v = bag.value(QString::fromLatin1(chiave));
    return v.isValid() ? v.toBool() : base;
}

} // namespace

void ucTast::leggiAspetto(const QVariantMap& bag) {
    const QPalette t = QGuiApplication::palette();
    m_backColor = leggiColore(bag, "BackColor", QColor(0x80, 0x80, 0x80));
    m_foreColor = leggiColore(bag, "ForeColor", t.color(QPalette::ButtonText));
    m_upColor = leggiColore(bag, "UpColor", t.color(QPalette::Light));
    m_downColor = leggiColore(bag, "DownColor", t.color(QPalette::Shadow));
    m_selColor = leggiColore(bag, "SelColor", t.color(QPalette::Midlight));
    const QVariant font = bag.value(QStringLiteral("Font"));
    setFont(font.canConvert<QFont>() ? font.value<QFont>() : QFont());
    bool ok = false;
    const double punti = bag.value(QStringLiteral("FontSize")).toDouble(&ok);
    m_fontSize = ok && punti > 0 && punti <= 1000 ? punti : 8;
    m_cornice = leggiIntero(bag, "Border", 0, INT_MIN, INT_MAX);
    m_picture = bag.value(QStringLiteral("Picture")).value<QPixmap>();
}

void ucTast::ReadProperties(const QVariantMap& bag) {
    leggiAspetto(bag);
    m_selezione = bag.value(QStringLiteral("Selezione")).toString();
    m_buttonWidth = leggiIntero(bag, "ButtonWidth", 20, 1, 1000);
    m_buttonHeight = leggiIntero(bag, "ButtonHeight", 20, 1, 1000);
    m_offSet = leggiIntero(bag, "OffSet", 2, 0, 1000);
    m_toggle = leggiLogico(bag, "Toggle", false);
    m_multiSel = leggiLogico(bag, "MultiSel", false);
    if (!m_multiSel) m_segni.fill(false);
    const QVariant sep = bag.value(QStringLiteral("Separatore"));
    m_separatore = sep.isValid() ? sep.toString().left(1) : QStringLiteral("\\");
    m_buttonsCaption = bag.value(QStringLiteral("Buttons_Caption")).toString();
    dividiDidascalie();
    m_buttonsNumber = leggiIntero(bag, "Buttons_Number", 0, 0, kCelle);
    setEnabled(leggiLogico(bag, "Enabled", true));
    impagina();
}

QVariantMap ucTast::WriteProperties() const {
    QVariantMap bag;
    bag[QStringLiteral("BackColor")] = bgrDaColore(m_backColor);
    bag[QStringLiteral("ForeColor")] = bgrDaColore(m_foreColor);
    bag[QStringLiteral("Font")] = font();
    bag[QStringLiteral("FontSize")] = m_fontSize;
    bag[QStringLiteral("Selezione")] = m_selezione;
    bag[QStringLiteral("ButtonWidth")] = m_buttonWidth;
    bag[QStringLiteral("ButtonHeight")] = m_buttonHeight;
    bag[QStringLiteral("OffSet")] = m_offSet;
    bag[QStringLiteral("UpColor")] = bgrDaColore(m_upColor);
    bag[QStringLiteral("DownColor")] = bgrDaColore(m_downColor);
    bag[QStringLiteral("SelColor")] = bgrDaColore(m_selColor);
    bag[QStringLiteral("Border")] = m_cornice;
    bag[QStringLiteral("Toggle")] = m_toggle;
    bag[QStringLiteral("MultiSel")] = m_multiSel;
    bag[QStringLiteral("Buttons_Caption")] = m_buttonsCaption;
    bag[QStringLiteral("Separatore")] = m_separatore;
    bag[QStringLiteral("Buttons_Number")] = m_buttonsNumber;
    if (!m_picture.isNull()) bag[QStringLiteral("Picture")] = m_picture;
    bag[QStringLiteral("Enabled")] = isEnabled();
    return bag;
}

QVariantMap ucTast::valoriTast1() {
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    return {
        {QStringLiteral("BackColor"), 0x8000000Fu}, // button face
        {QStringLiteral("ForeColor"), 0x80000008u}, // window text
        {QStringLiteral("Font"), arial},
        {QStringLiteral("FontSize"), 8.25},
        {QStringLiteral("Selezione"), QStringLiteral("K")},
        {QStringLiteral("ButtonWidth"), 20},
        {QStringLiteral("ButtonHeight"), 20},
        {QStringLiteral("OffSet"), 2},
        {QStringLiteral("UpColor"), 0xE0E0E0u},
        {QStringLiteral("DownColor"), 0x404040u},
        {QStringLiteral("SelColor"), 0xFF0000u},
        {QStringLiteral("Border"), 5},
        {QStringLiteral("Toggle"), true},
        {QStringLiteral("MultiSel"), false},
        {QStringLiteral("Buttons_Caption"),
         QStringLiteral(
             "A\\B\\C\\D\\E\\F\\G\\H\\I\\J\\K\\L\\M\\N\\O\\P\\Q\\R\\S\\T\\U\\V\\W\\X\\Y\\Z\\")},
        {QStringLiteral("Separatore"), QStringLiteral("\\")},
        {QStringLiteral("Buttons_Number"), 26},
        {QStringLiteral("Enabled"), true},
    };
}

} // namespace verbolario
