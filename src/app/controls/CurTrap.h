#pragma once

#include <cstdint>

class QWidget;

namespace verbolario {

// Keeps the mouse pointer inside a widget while the user drags something there.
//
// On X11 the real pointer is held: an input-only window is laid over the widget and an
// active pointer grab is confined to it, so the pointer cannot leave the widget's area even
// where another window covers part of it. Where the platform offers no confinement
// (Wayland, the offscreen platform) confina() says so and the caller keeps whatever the
// pointer drives inside the widget itself.
//
// The pointer is released by CurFree(), by the next confina() and when the object ends.
class CurTrap {
public:
    CurTrap() = default;
    ~CurTrap();
    CurTrap(const CurTrap&) = delete;
    CurTrap& operator=(const CurTrap&) = delete;

    // Confines the pointer to the widget's area; true when the pointer is held.
    bool confina(QWidget& controllo);
    void CurFree();
    bool attivo() const { return finestra_ != 0; }

private:
    uint32_t finestra_ = 0; // the input-only window the pointer is confined to
};

} // namespace verbolario
