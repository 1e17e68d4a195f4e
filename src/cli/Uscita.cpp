#include "Uscita.h"

#include "Cli.h"
#include "text/Cp1252.h"

#include <ostream>

namespace verbolario::cli {

void scriviRighe(const std::vector<std::string>& righe, std::ostream& out) {
    size_t stima = 0;
    for (const std::string& r : righe) stima += r.size() + 1;
    std::string buf;
    buf.reserve(stima + stima / 8);
    for (const std::string& r : righe) {
        buf += cp1252::toUtf8(r);
        buf += '\n';
    }
    out.write(buf.data(), static_cast<std::streamsize>(buf.size()));
    out.flush();
}

void scriviTesto(std::string_view testo, std::ostream& err) {
    if (testo.empty()) return;
    std::string righe;
    for (size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] == '\r') {
            righe += '\n';
            if (i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
        } else {
            righe += testo[i];
        }
    }
    std::string utf8 = cp1252::toUtf8(righe);
    if (utf8.back() != '\n') utf8 += '\n';
    err << utf8;
    err.flush();
}

int mostra(const RisultatoRicerca& r, std::ostream& out, std::ostream& err) {
    if (r.eseguita) scriviRighe(r.righe, out);
    scriviTesto(r.messaggio, err);
    scriviTesto(r.stato, err);
    if (r.interrotto) err << "verbolario-cli: ricerca interrotta\n";
    return kOk;
}

} // namespace verbolario::cli
