#include "dictionary/VociInMemoria.h"

#include <algorithm>

namespace verbolario {

const std::string& FonteVoci::errore() const {
    static const std::string nessuno;
    return nessuno;
}

bool VociInMemoria::scorri(const std::function<bool(const Lotto&)>& visita) {
    // Runs small enough that a stop request between them is heard at once.
    constexpr size_t kPasso = 4096;
    const size_t n = voci_.size();
    for (size_t i = 0; i < n; i += kPasso) {
        const Lotto l{voci_.data(),     voci_.refs().data() + i, std::min(kPasso, n - i), i,
                      voci_.inOrdine(), voci_.senzaSegni()};
        if (!visita(l)) break;
    }
    return true;
}

} // namespace verbolario
