#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

namespace verbolario {

// Moves, stretches and re-fonts the widgets of a window in proportion to the window's
// inner size, from a snapshot of where they were.
//
// Which widgets take part, and how, is said per widget by the dynamic property "Tag"
// (a QString, set with widget->setProperty("Tag", "PST")), searched as a case-sensitive
// substring for these symbols:
//   riPosizionamento ("P")  the widget takes part and its position is scaled;
//   riScalatura      ("S")  its width and height are scaled as well;
//   riTextSize       ("T")  its font size is scaled as well, by the vertical ratio or the
//                           horizontal one, whichever is smaller; a button's caption that
//                           would still be cut gets a font just small enough to show whole;
//   NoChange         ("X")  ResChanged leaves it alone.
// Widgets without the property are never touched. Every descendant widget of the host
// that is not a window of its own counts, with its geometry relative to its own parent
// (so the widgets inside a frame scale with the frame). Geometry is set directly, so the
// host should place its widgets absolutely, not through a layout.
//
// A widget whose class declares a "FontSize" Qt property (a self-drawn control with its own
// caption size) is re-fonted through that property instead of its QFont.
//
// What a style draws at a fixed size follows the window too: every widget that takes part
// gets the look factor min(width / design width, height / design height) of the host, the
// design size being the host's inner size at the first Refresh (StileScalato scales
// indicators, scroll bars and icons by it, for the widget and whatever lies inside it), and
// a button's icon grows and shrinks by the same factor.
//
// Use: Refresh() once the window is built (and again after creating widgets that should
// take part), ResChanged() once at start, Size() on every resize of the host.
class reSizer : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kTag = "Tag";

    explicit reSizer(QWidget* host, QObject* parent = nullptr);

    QString riPosizionamento() const { return m_posizionamento; }
    void setRiPosizionamento(const QString& simbolo) { m_posizionamento = simbolo; }
    QString riScalatura() const { return m_scalatura; }
    void setRiScalatura(const QString& simbolo) { m_scalatura = simbolo; }
    QString riTextSize() const { return m_textSize; }
    void setRiTextSize(const QString& simbolo) { m_textSize = simbolo; }
    QString NoChange() const { return m_noChange; }
    void setNoChange(const QString& simbolo) { m_noChange = simbolo; }
    // Design resolution of the window: 1 = 640 x 480, 2 = 800 x 600 (the default),
    // 3 = 1024 x 748. Any other value is refused (false) and the old one stays.
    int ScreenResolution() const { return m_risoluzione; }
    bool setScreenResolution(int valore);
    static QSize dimensioniProgetto(int screenResolution);

    // Takes a new snapshot: the host's inner size and, for every tagged widget, its
    // geometry and font size. Widgets created later are outside it until the next call.
    void Refresh();
    // Lays the tagged widgets out from the snapshot for the host's current inner size.
    // The first call of an instance only arms it (the host is still being built).
    void Size();
    // Adapts the host and its widgets once to the screen, when its width in pixels
    // differs from the design width: the host's position and size and the current
    // geometry of every tagged widget without the NoChange symbol grow by the ratios
    // screen / design. True when something was scaled.
    bool ResChanged();
    bool ResChanged(QSize schermo); // with a given screen size in pixels

    // The look factor of the host's current size (1 at the design size).
    double fattoreAspetto() const;

    // The ratios of the last ResChanged (1 before the first).
    float rapportoOrizzontale() const { return m_rapportoX; }
    float rapportoVerticale() const { return m_rapportoY; }

private:
    struct Istantanea {
        QPointer<QWidget> widget;
        QRect geometria;
        double punti;        // point size (or FontSize), or -1 when the font is sized in pixels
        int pixel;           // pixel size, or -1
        QSize icona;         // a button's icon size, empty for none
        double aspettoIcona; // the look factor the icon size was taken at
    };

    QSize dimensioneInterna() const;
    std::vector<QWidget*> etichettati() const;
    void scala(const Istantanea& s, double h, double v, double aspetto) const;
    void scalaTesto(const Istantanea& s, double v) const;
    void scalaAspetto(const Istantanea& s, double aspetto) const;
    void adattaDidascalia(QWidget* w) const;

    QPointer<QWidget> m_host;
    QString m_posizionamento = QStringLiteral("P");
    QString m_scalatura = QStringLiteral("S");
    QString m_textSize = QStringLiteral("T");
    QString m_noChange = QStringLiteral("X");
    int m_risoluzione = 2;
    QSize m_interna;
    QSize m_progetto; // the host's inner size at the first Refresh
    std::vector<Istantanea> m_istantanea;
    bool m_armato = false;
    float m_rapportoX = 1.0f;
    float m_rapportoY = 1.0f;
};

} // namespace verbolario
