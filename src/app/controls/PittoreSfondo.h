#pragma once

#include "controls/DisegnaSfondo.h"

#include <optional>

namespace verbolario {

// The main window's background painter. Its very first call paints nothing (the window
// is still being built when its first resize asks for a background): it only remembers
// the call and returns nothing, and the window keeps what it shows. Every later call
// returns the new background image, which the window keeps as its persistent background
// (the status band is cleared back to it).
class PittoreSfondo {
public:
    explicit PittoreSfondo(CasualeSfondo rnd = {}) : m_rnd(std::move(rnd)) {}

    std::optional<QImage> DisegnaSfondo(QSize interno, const ParametriSfondo& parametri);

    bool primaChiamataFatta() const { return m_chiamato; }

private:
    CasualeSfondo m_rnd;
    bool m_chiamato = false;
};

} // namespace verbolario
