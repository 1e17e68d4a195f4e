#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QVariantMap>
#include <QWidget>

#include <array>

namespace verbolario {

// The key bar: a 7 x 4 grid of flat, self-drawn keys with short captions, pressed with
// the mouse. The main window's instance shows the letters A to Z and browses the
// dictionary by initial letter.
//
// The control cannot be given any size of its own: it is always
//   (7 * (ButtonWidth + OffSet) + OffSet + 5) x (4 * (ButtonHeight + OffSet) + OffSet + 5)
// pixels (161 x 95 with keys of 20 x 20 and a gap of 2). The keys sit on an inner drawing
// surface 2 pixels inside the control; cell k is in column k % 7, row k / 7, and every cell
// is a slot of (ButtonWidth + OffSet) x (ButtonHeight + OffSet) pixels holding a key of
// ButtonWidth x ButtonHeight after a gap of OffSet. Mouse coordinates reported by the
// signals are in the inner surface's pixels.
//
// Mouse behaviour:
//  - left button: with Toggle (and not MultiSel) the previously pressed key pops up first;
//    Selezione becomes the key's caption and the key is drawn pressed. With MultiSel the
//    key's mark flips and Selezione lists the captions of the marked keys, each followed
//    by the separator.
//  - right button: with Toggle the key is drawn raised again and Selezione is not changed
//    (with MultiSel the key's mark goes too, and Selezione lists the marked keys again).
//  - middle button: Selezione becomes ""; with Toggle or MultiSel every key pops up.
//  - a press in the gap around a key (or in the margin past the grid) only emits
//    mouseDown with x = y = 0; a press on a cell at or beyond Buttons_Number (when that is
//    not 0) is ignored altogether.
//  - on release the key pops back up unless Toggle is set.
// mouseDown is emitted AFTER the look and Selezione were updated, so a slot reads the new
// Selezione(). Button codes: 1 left, 2 right, 4 middle; shift codes: 1 Shift, 2 Ctrl,
// 4 Alt (combined by adding).
//
// Enabled is QWidget's own isEnabled()/setEnabled(); Font is QWidget's font(), whose point
// size is replaced by FontSize for the captions (smaller where a caption would not fit its
// key). FontSize is a Qt property too, so the resizer scales it with the window.
class ucTast : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize)

public:
    static constexpr int kColonne = 7;
    static constexpr int kRighe = 4;
    static constexpr int kCelle = kColonne * kRighe;

    explicit ucTast(QWidget* parent = nullptr);

    // The control's size for the given key size and gap (the layout rule above).
    static QSize dimensioniPer(int buttonWidth, int buttonHeight, int offSet);

    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor& c);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& c);
    double FontSize() const { return m_fontSize; }
    void setFontSize(double punti); // ignored unless > 0
    QString Selezione() const { return m_selezione; }
    void setSelezione(const QString& s);
    // Key size and gap in pixels; the key size is kept within 1..1000, the gap 0..1000.
    int ButtonWidth() const { return m_buttonWidth; }
    void setButtonWidth(int px);
    int ButtonHeight() const { return m_buttonHeight; }
    void setButtonHeight(int px);
    int OffSet() const { return m_offSet; }
    void setOffSet(int px);
    QColor UpColor() const { return m_upColor; } // lit edges
    void setUpColor(const QColor& c);
    QColor DownColor() const { return m_downColor; } // shaded edges
    void setDownColor(const QColor& c);
    QColor SelColor() const { return m_selColor; } // face of a pressed key
    void setSelColor(const QColor& c);
    // Edge style of the frame around the control, 0 = none; combinable flags 1 raised
    // outer, 2 sunken outer, 4 raised inner, 8 sunken inner (5 = raised edge).
    int Cornice() const { return m_cornice; }
    void setCornice(int stile);
    bool Toggle() const { return m_toggle; }
    void setToggle(bool on);
    bool MultiSel() const { return m_multiSel; }
    void setMultiSel(bool on);
    // The captions, each followed by the separator ("A\B\C\"). A text without the
    // separator leaves the captions as they were; otherwise cell k gets the text between
    // separators k and k+1 (cells past the text get ""), and text after the last
    // separator is ignored.
    QString Buttons_Caption() const { return m_buttonsCaption; }
    void setButtonsCaption(const QString& testo);
    // One character; a longer text keeps its first character, "" means no separator.
    QString SEPARATORE() const { return m_separatore; }
    void setSeparatore(const QString& sep);
    // Number of keys that react to the mouse, 0 = all 28 cells.
    int Buttons_Number() const { return m_buttonsNumber; }
    void setButtonsNumber(int n);
    // Optional background of the keyboard, stretched over the inner surface. With a
    // picture the key faces show the picture and only the edges mark the state.
    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap& p);

    // The caption of each of the 28 cells.
    const std::array<QString, kCelle>& didascalie() const { return m_didascalie; }
    // Index of the key last pressed, -1 before the first press.
    int ultimoTasto() const { return m_ultimo; }
    // Whether cell k is drawn pressed.
    bool premuto(int cella) const;
    // The rectangle of cell k's key in the control's coordinates.
    QRect rettangoloTasto(int cella) const;
    // The captions' font: FontSize points, or less, so that every caption fits its key.
    QFont fontDidascalie() const;

    // Draws every key raised (the selection marks of MultiSel stay as they are).
    void ClearButton();
    // Draws the key last pressed as pressed (with MultiSel: every marked key).
    void PushButton();
    // Makes `cella` the key last pressed and draws it pressed, as a left click would
    // without changing Selezione; out-of-range cells are ignored.
    void PushButton(int cella);

    // Property bag. Keys: "BackColor", "ForeColor", "Font", "FontSize", "Selezione",
    // "ButtonWidth", "ButtonHeight", "OffSet", "UpColor", "DownColor", "SelColor",
    // "Border", "Toggle", "MultiSel", "Buttons_Caption", "Separatore", "Buttons_Number",
    // "Picture", "Enabled". Colours are read as 0x00BBGGRR numbers (system colours
    // 0x800000nn allowed) or QColor and written as 0x00BBGGRR numbers; the font as QFont,
    // the picture as QPixmap. A missing key takes its default (a new control's values).
    void ReadProperties(const QVariantMap& bag);
    QVariantMap WriteProperties() const;
    // The stored values of the main window's letter bar (keys A to Z, toggling).
    static QVariantMap valoriTast1();

signals:
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    // A property was set (its bag key), so a host that stores the bag can save it again.
    void propertyChanged(const QString& chiave);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Colpo { Fuori, Inattivo, Gap, Tasto }; // outside, key that does not react, ...
    struct Bersaglio {
        Colpo colpo;
        int cella;
    };

    void impagina();
    void leggiAspetto(const QVariantMap& bag);
    void ridisegna(const QString& chiave);
    void dividiDidascalie();
    Bersaglio trova(QPointF interno) const;
    void premiSinistro(int cella);
    void premiDestro(int cella);
    void premiCentrale();
    QString selezioneMultipla() const;
    void disegnaCornice(QPainter& p) const;
    void disegnaTasto(QPainter& p, int cella, bool giu) const;
    static QPointF versoInterno(QPointF punto);

    QColor m_backColor;
    QColor m_foreColor;
    double m_fontSize = 8;
    QString m_selezione;
    int m_buttonWidth = 20;
    int m_buttonHeight = 20;
    int m_offSet = 2;
    QColor m_upColor;
    QColor m_downColor;
    QColor m_selColor;
    int m_cornice = 0;
    bool m_toggle = false;
    bool m_multiSel = false;
    QString m_buttonsCaption;
    QString m_separatore = QStringLiteral("\\");
    int m_buttonsNumber = 0;
    QPixmap m_picture;

    std::array<QString, kCelle> m_didascalie;
    std::array<bool, kCelle> m_giu{};   // drawn pressed
    std::array<bool, kCelle> m_segni{}; // MultiSel marks
    int m_ultimo = -1;
    bool m_premutoDentro = false; // the current press began on the inner surface
};

} // namespace verbolario
