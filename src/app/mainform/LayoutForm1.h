#pragma once

#include <QRect>

#include <span>

class QWidget;

namespace verbolario {

// Where each control of the main window sits at the design size (640 x 467 pixels inside the
// window, 9600 x 7000 twips at 96 dpi), in its parent's coordinates, and how the resizer
// treats it ("P" moves, "S" stretches, "T" scales the font). The band along the bottom,
// from y = 411 down, is left free for the status messages.
struct PostoControllo {
    const char* nome; // objectName
    QRect rettangolo;
    const char* tag;
};

std::span<const PostoControllo> LayoutForm1();

// Places every control of the table at or under `radice` and tags it for the resizer. Controls
// made after the window (by the games) take their design places scaled by h and v (the
// window's size over its design size).
void applicaLayout(QWidget& radice, double h = 1.0, double v = 1.0);

} // namespace verbolario
