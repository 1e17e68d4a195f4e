#include "dictionary/EliminaDoppi.h"

namespace verbolario {

int64_t EliminaDoppi(std::vector<std::string>& elenco) {
    int64_t n = 0;
    for (size_t i = 0; i + 1 < elenco.size(); ++i) {
        if (!elenco[i].empty() && elenco[i] == elenco[i + 1]) {
            elenco[i].clear();
            ++n;
        }
    }
    return n;
}

int64_t CleanArray(Voci& voci) {
    int64_t n = 0;
    for (size_t i = 0; i + 1 < voci.size(); ++i) {
        if (!voci[i].empty() && voci[i] == voci[i + 1]) {
            voci.set(i, {});
            ++n;
        }
    }
    return n;
}

} // namespace verbolario
