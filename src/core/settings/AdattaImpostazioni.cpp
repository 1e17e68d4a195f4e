#include "settings/AdattaImpostazioni.h"

#include <algorithm>

namespace verbolario {

Lunghezze AdattaLunghezze(int64_t min, int64_t max, int64_t longest) {
    Lunghezze r;
    r.scala = std::min<int64_t>(longest, 30);
    r.max = std::min(max, r.scala);
    r.min = min > r.max - 2 ? r.max - 2 : min;
    if (r.min < 3) r.min = 3;
    return r;
}

int64_t AdattaSfondo(int64_t fade, std::string_view tile, bool tileEsiste) {
    if (!tile.empty() && !tileEsiste) return kSfondoFade1;
    if (tile.empty() && fade == kSfondoTile) return kSfondoFade1;
    return fade;
}

} // namespace verbolario
