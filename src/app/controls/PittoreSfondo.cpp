#include "controls/PittoreSfondo.h"

namespace verbolario {

std::optional<QImage> PittoreSfondo::DisegnaSfondo(QSize interno,
                                                   const ParametriSfondo& parametri) {
    if (!m_chiamato) {
        m_chiamato = true;
        return std::nullopt;
    }
    return verbolario::DisegnaSfondo(interno, parametri, m_rnd);
}

} // namespace verbolario
