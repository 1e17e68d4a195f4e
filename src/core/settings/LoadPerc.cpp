#include "settings/LoadPerc.h"

#include "settings/LeggiNumero.h"

#include <string>

namespace verbolario {

int LoadPerc(WRini& ini, StatisticheLettere& stat) {
    ini.setSezione("String");
    for (int i = 0; i < 26; ++i) {
        std::string key(1, static_cast<char>('a' + i));
        std::optional<int64_t> v = LeggiTestoNumerico(ini.LeggiINI(key, ""));
        if (!v || *v < 0 || *v > 1000) return i;
        stat.perc[static_cast<size_t>(i)] = static_cast<int32_t>(*v);
    }
    return 26;
}

bool SavePerc(WRini& ini, const StatisticheLettere& stat) {
    ini.setSezione("String");
    bool ok = true;
    for (int i = 0; i < 26; ++i) {
        std::string key(1, static_cast<char>('A' + i));
        if (ini.ScriviINI(key, std::to_string(stat.perc[static_cast<size_t>(i)])) == 0) ok = false;
    }
    return ok;
}

} // namespace verbolario
