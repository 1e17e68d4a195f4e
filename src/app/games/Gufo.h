#pragma once

#include <QWidget>

#include <functional>
#include <map>

namespace verbolario {

class Form1;

// The owl beside the games of modes 1 and 8, cut to its own outline (clicks outside the
// outline go to the window beneath). Ctrl+left click asks for the password, the user's
// login name, and then shows the solution of the game in play in the status band; a double
// click hides it again.
//
// Each game tells the owl its solution through impostaSoluzione; a mode without one shows
// nothing when revealed.
class Gufo final : public QWidget {
    Q_OBJECT
public:
    explicit Gufo(Form1& f);

    // The window's owl, made (and placed) on first request.
    static Gufo& di(Form1& f);

    void impostaSoluzione(int modo, std::function<QString()> fornitore);

    // Ctrl+left release on the owl: the password box, then the solution or a refusal.
    void Gufo_MouseUp(Qt::MouseButton pulsante, Qt::MouseButtons premuti,
                      Qt::KeyboardModifiers tasti);
    // Hides the solution and clears the status band.
    void Gufo_DblClick();

    // The outline contains the point (widget coordinates).
    bool dentro(QPoint p) const;

    static inline const QString kPassword = QStringLiteral("INSERIRE LA PASSWORD!");

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QString soluzione() const;

    Form1& f_;
    std::map<int, std::function<QString()>> soluzioni_;
};

} // namespace verbolario
