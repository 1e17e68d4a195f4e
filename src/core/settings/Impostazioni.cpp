#include "settings/Impostazioni.h"

#include "settings/LeggiNumero.h"
#include "text/Cp1252.h"

#include <array>

namespace verbolario {

namespace {

using L = Lettura;
using P = Predefinito;

constexpr int64_t kColoreMax = 0xFFFFFF;  // 0x00BBGGRR; system colours are not stored
constexpr int64_t kTwipsMax = 100 * 1440; // 100 inches: past any screen
constexpr int64_t kInteroCorto = 32767;   // lengths are 16-bit on the screen's range picture

// clang-format off
constexpr std::array kTabella{
    Impostazione{"Dizionario", "Dizionario", L::Testo, P::FileDizionario, ""},
    // The timed game's settings window offers 10..60 seconds and 6..16 letters.
    Impostazione{"Opzioni", "MaxTime", L::Numero, P::Fisso, "30", 10, 60},
    Impostazione{"Opzioni", "MaxLen", L::Numero, P::Fisso, "10", 6, 16},
    // The length range is brought into shape by AdattaLunghezze; a Max under 5 leaves no room
    // for 3 <= Min <= Max - 2, so the longest entry is used instead.
    Impostazione{"Opzioni", "Min", L::Numero, P::Fisso, "3", 0, kInteroCorto},
    Impostazione{"Opzioni", "Max", L::Numero, P::LunghezzaMassima, "", 5, kInteroCorto},
    Impostazione{"Opzioni", "Scelta", L::TestoNumerico, P::Fisso, "0", 0, 1},
    Impostazione{"String", "Stringa", L::Testo, P::Fisso, "", 0, 0, true},
    Impostazione{"String", "Esclude", L::Testo, P::Fisso, ""},
    Impostazione{"Opzioni", "ParColor", L::TestoNumerico, P::Fisso, "12582912", 0, kColoreMax},
    Impostazione{"Opzioni", "ComColor", L::Numero, P::Fisso, "12582912", 0, kColoreMax},
    Impostazione{"Opzioni", "Commento", L::Numero, P::Fisso, "0", 0, 1},
    Impostazione{"Opzioni", "ClrComment", L::Numero, P::Fisso, "12829634", 0, kColoreMax},
    Impostazione{"Opzioni", "Order", L::Numero, P::Fisso, "1", 0, 1},
    Impostazione{"Opzioni", "Filter", L::Numero, P::Fisso, "1", 0, 1},
    Impostazione{"Opzioni", "Sound", L::Numero, P::Fisso, "0", 0, 1},
    // The blue of the fades: -1 (follow the gradient) to 255.
    Impostazione{"Opzioni", "Color", L::Numero, P::Fisso, "255", -1, 255},
    Impostazione{"Opzioni", "Pattern", L::Numero, P::Fisso, "1", 0, 1},
    Impostazione{"Opzioni", "Fade", L::Numero, P::Fisso, "1", 0, 5},
    Impostazione{"Opzioni", "Tile", L::TestoSpuntato, P::Fisso, ""},
    Impostazione{"Opzioni", "Option", L::TestoNumerico, P::Fisso, "5", 0, 9},
    Impostazione{"Pos", "FLeft", L::Numero, P::CentroX, "", -kTwipsMax, kTwipsMax},
    Impostazione{"Pos", "FTop", L::Numero, P::CentroY, "", -kTwipsMax, kTwipsMax},
    Impostazione{"Pos", "FWidth", L::Numero, P::Fisso, "9600", 1, kTwipsMax},
    Impostazione{"Pos", "FHeight", L::Numero, P::Fisso, "7000", 1, kTwipsMax},
    // The "Enigmistica" window: the relation last chosen (its place in the program's list)
    // and the window's place, in twips; with no place stored it opens over the main window.
    Impostazione{kSezioneEnigmistica, "Relazione", L::TestoNumerico, P::Fisso, "0", 0, 9},
    Impostazione{kSezioneEnigmistica, "ELeft", L::Numero, P::Finestra, "", -kTwipsMax, kTwipsMax},
    Impostazione{kSezioneEnigmistica, "ETop", L::Numero, P::Finestra, "", -kTwipsMax, kTwipsMax},
    Impostazione{kSezioneEnigmistica, "EWidth", L::Numero, P::Fisso, "7800", 1, kTwipsMax},
    Impostazione{kSezioneEnigmistica, "EHeight", L::Numero, P::Fisso, "6900", 1, kTwipsMax},
};

constexpr std::array<std::string_view, 15> kOpzioni{
    "Min", "Max", "Commento", "Sound", "Color", "Pattern", "MaxTime", "MaxLen",
    "ParColor", "ComColor", "ClrComment", "Order", "Filter", "Scelta", "Tile"};
constexpr std::array<std::string_view, 1> kString{"Esclude"};
constexpr std::array<std::string_view, 4> kPos{"FWidth", "FHeight", "FTop", "FLeft"};
constexpr std::array<std::string_view, 2> kSfondo{"Fade", "Option"};

constexpr std::array kOrdine{
    GruppoScrittura{"Opzioni", kOpzioni, Quando::Sempre},
    GruppoScrittura{"String", kString, Quando::Sempre},
    GruppoScrittura{"Pos", kPos, Quando::FinestraNormale},
    GruppoScrittura{"Opzioni", kSfondo, Quando::SenzaSfondoTrasparente},
};
// clang-format on

bool soloMaiuscole(std::string_view s) {
    for (char c : s)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

std::string_view trimmed(std::string_view s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

ValoreLetto convertiTesto(const Impostazione& riga, std::string_view testo, std::string def) {
    if (riga.lettura == Lettura::TestoSpuntato) testo = trimmed(testo);
    if (riga.soloMaiuscole && !soloMaiuscole(testo)) return {false, 0, std::move(def)};
    return {true, 0, std::string(testo)};
}

ValoreLetto convertiNumero(const Impostazione& riga, std::string_view testo, std::string def) {
    std::optional<int64_t> n =
        riga.lettura == Lettura::Numero ? LeggiNumero(testo) : LeggiTestoNumerico(testo);
    if (n && *n >= riga.minimo && *n <= riga.massimo) return {true, *n, std::string(testo)};
    // The default itself is never range-checked: it is what the program starts from.
    int64_t d = LeggiNumero(def).value_or(0);
    return {false, d, std::move(def)};
}

} // namespace

std::span<const Impostazione> TabellaImpostazioni() {
    return kTabella;
}

const Impostazione* TrovaImpostazione(std::string_view sezione, std::string_view chiave) {
    for (const Impostazione& r : kTabella) {
        if (cp1252::lowered(r.sezione) == cp1252::lowered(sezione) &&
            cp1252::lowered(r.chiave) == cp1252::lowered(chiave))
            return &r;
    }
    return nullptr;
}

std::string ValorePredefinito(const Impostazione& riga, const ContestoImpostazioni& c) {
    switch (riga.predefinito) {
    case Predefinito::Fisso:
        return std::string(riga.fisso);
    case Predefinito::FileDizionario:
        return c.cartellaProgramma + "/dizionario.dic";
    case Predefinito::LunghezzaMassima:
        return std::to_string(c.lengMax);
    case Predefinito::CentroX:
        return std::to_string((c.larghezzaSchermo - kLarghezzaFinestra) / 2);
    case Predefinito::CentroY:
        return std::to_string((c.altezzaSchermo - kAltezzaFinestra) / 2);
    case Predefinito::Finestra:
        return {};
    }
    return {};
}

ValoreLetto ConvertiImpostazione(const Impostazione& riga, std::optional<std::string_view> testo,
                                 const ContestoImpostazioni& contesto) {
    std::string def = ValorePredefinito(riga, contesto);
    std::string_view t = testo ? *testo : std::string_view(def);
    bool numerica = riga.lettura == Lettura::Numero || riga.lettura == Lettura::TestoNumerico;
    if (!testo) {
        // A missing key reads as its default, which counts as valid even where it falls outside
        // the row's range (the longest entry of a tiny dictionary).
        ValoreLetto v = numerica ? ValoreLetto{true, LeggiNumero(def).value_or(0), def}
                                 : convertiTesto(riga, t, def);
        v.valido = true;
        return v;
    }
    return numerica ? convertiNumero(riga, t, std::move(def)) : convertiTesto(riga, t, def);
}

ValoreLetto LeggiImpostazione(WRini& ini, const Impostazione& riga,
                              const ContestoImpostazioni& contesto) {
    ini.setSezione(std::string(riga.sezione));
    // A marker no stored value can hold (values never contain line breaks) tells a missing key
    // from one stored with the default's text.
    constexpr std::string_view kAssente = "\n";
    std::string testo = ini.LeggiINI(riga.chiave, kAssente);
    if (testo == kAssente) return ConvertiImpostazione(riga, std::nullopt, contesto);
    return ConvertiImpostazione(riga, std::string_view(testo), contesto);
}

std::span<const GruppoScrittura> OrdineScrittura() {
    return kOrdine;
}

} // namespace verbolario
