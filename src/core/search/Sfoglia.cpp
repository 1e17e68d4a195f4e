#include "search/Sfoglia.h"

#include "dictionary/VociInMemoria.h"
#include "search/IndiceSfoglia.h"
#include "search/Ordinamento.h"
#include "search/Passata.h"
#include "search/Spazi.h"
#include "text/Cp1252.h"

namespace verbolario {
namespace {

constexpr const char* kTroppe = "Superata la capacit\xE0 della lista!";

// The group's entries as list lines; a group over capacity keeps the entries met first in
// the dictionary, as a scan that stops at the capacity would.
void elenca(const IndiceSfoglia::Gruppo& g, const Voci& voci, Poll& poll, RisultatoRicerca& out) {
    out.righe.reserve(std::min(g.quante, IndiceSfoglia::kCapacita));
    g.perAmmesse([&](uint32_t i) { out.righe.emplace_back(voci[i]); });
    if (g.troppe()) out.messaggio = kTroppe;
    poll.progress(1, 1);
}

// The entries of one group met first in the dictionary, as many as the list holds, in
// alphabetical order; the message when the group is larger.
template <class Chiave>
void elencaPiano(FonteVoci& fonte, Poll& poll, Chiave nelGruppo, bool senzaLimite,
                 RisultatoRicerca& out) {
    std::vector<std::string> righe;
    out.interrotto = !Passata(fonte, poll, [&](size_t, std::string_view e) {
        if (!nelGruppo(e)) return true;
        if (righe.size() == IndiceSfoglia::kCapacita && !senzaLimite) {
            out.messaggio = kTroppe;
            return false;
        }
        righe.emplace_back(e);
        return true;
    });
    OrdinaAlfabetico(righe);
    out.righe = std::move(righe);
}

bool iniziaCon(std::string_view riga, std::string_view testo) {
    if (riga.size() < testo.size()) return false;
    for (size_t k = 0; k < testo.size(); ++k)
        if (cp1252::lower(static_cast<unsigned char>(riga[k])) !=
            cp1252::lower(static_cast<unsigned char>(testo[k])))
            return false;
    return true;
}

} // namespace

void PreparaSfoglia(const Voci& voci) {
    voci.derived<IndiceSfoglia>();
}

bool serveRicostruire(std::string_view primaRiga, std::string_view testo) {
    const std::string_view t = trimSpazi(testo);
    return trimSpazi(primaRiga).substr(0, 2) != t.substr(0, 2) || t.size() == 2;
}

namespace {

RisultatoRicerca testo(std::string_view testoText2, const Voci* voci, FonteVoci* fonte, Poll& poll,
                       bool senzaLimite) {
    RisultatoRicerca out;
    const std::string_view testo = trimSpazi(testoText2);
    const std::string prefisso = cp1252::lowered(testo.substr(0, 2));
    if (voci) {
        elenca(voci->cached<IndiceSfoglia>()->perPrefisso(prefisso), *voci, poll, out);
    } else {
        const size_t chiave = IndiceSfoglia::chiavePrefisso(prefisso);
        elencaPiano(
            *fonte, poll,
            [chiave](std::string_view e) { return IndiceSfoglia::chiavePrefisso(e) == chiave; },
            senzaLimite, out);
    }
    out.selezionato = selezionaInizio(out.righe, testo);
    out.stato = statoSfoglia(out.righe.size(), out.selezionato, testo);
    return out;
}

RisultatoRicerca lettera(char lettera, const Voci* voci, FonteVoci* fonte, Poll& poll,
                         bool senzaLimite) {
    RisultatoRicerca out;
    const unsigned char sel = cp1252::lower(static_cast<unsigned char>(lettera));
    if (voci)
        elenca(voci->cached<IndiceSfoglia>()->perLettera(sel), *voci, poll, out);
    else
        elencaPiano(
            *fonte, poll,
            [sel](std::string_view e) { return IndiceSfoglia::chiaveLettera(e) == sel; },
            senzaLimite, out);
    out.stato = std::to_string(out.righe.size()) + " voci presenti.";
    return out;
}

} // namespace

RisultatoRicerca SfogliaTesto(std::string_view testoText2, const Voci& voci, Poll& poll) {
    if (voci.cached<IndiceSfoglia>()) return testo(testoText2, &voci, nullptr, poll, false);
    VociInMemoria fonte(voci);
    return testo(testoText2, nullptr, &fonte, poll, false);
}

RisultatoRicerca SfogliaTesto(std::string_view testoText2, FonteVoci& fonte, Poll& poll,
                              bool senzaLimite) {
    return testo(testoText2, nullptr, &fonte, poll, senzaLimite);
}

int64_t selezionaInizio(const std::vector<std::string>& righe, std::string_view testo) {
    const std::string_view t = trimSpazi(testo);
    for (size_t k = 0; k < righe.size(); ++k)
        if (iniziaCon(righe[k], t)) return static_cast<int64_t>(k);
    return -1;
}

std::string statoSfoglia(size_t righe, int64_t selezionato, std::string_view testo) {
    if (selezionato < 0 && !trimSpazi(testo).empty())
        return "Nessuna voce corrispondente al testo.";
    return std::to_string(righe) + " voci presenti.";
}

RisultatoRicerca SfogliaLettera(char sel, const Voci& voci, Poll& poll) {
    if (voci.cached<IndiceSfoglia>()) return lettera(sel, &voci, nullptr, poll, false);
    VociInMemoria fonte(voci);
    return lettera(sel, nullptr, &fonte, poll, false);
}

RisultatoRicerca SfogliaLettera(char sel, FonteVoci& fonte, Poll& poll, bool senzaLimite) {
    return lettera(sel, nullptr, &fonte, poll, senzaLimite);
}

} // namespace verbolario
