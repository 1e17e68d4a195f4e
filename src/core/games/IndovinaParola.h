#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

class Casuale;
class Voci;

// The guessing game: a dictionary entry shown as a row of one-character boxes, the first
// and the last given, the others typed by the player or revealed by a vowel or consonant
// help. Every box change is judged; when the row spells the word, the game is over and one
// of seven verdicts is given.
//
// The window feeds the events (a drawn entry, a box changed, a help asked, a key, a click)
// and shows what comes back: the boxes, the counts, the box to focus, the message and
// whether to beep. Texts are Windows-1252.
class IndovinaParola {
public:
    enum class Colore { Bianca, Verde, Rossa };
    // Box colours as 0x00BBGGRR: still open, right (given or revealed), wrong.
    static constexpr uint32_t kBianca = 0xFFFFFF;
    static constexpr uint32_t kVerde = 0xB4FFB2;
    static constexpr uint32_t kRossa = 0x9C9FFF;

    struct Casella {
        std::string testo; // one character; "_" while open, empty only while being edited
        Colore colore = Colore::Bianca;
    };

    // Focus targets besides a box index.
    static constexpr int kNessuno = -1; // leave the focus where it is
    static constexpr int kAltrove = -2; // to the window's focus holder, off the boxes

    // What the window does after an event.
    struct Esito {
        int fuoco = kNessuno;
        std::string messaggio; // status message, empty for none
        bool beep = false;
        bool finita = false; // the word was completed and judged
    };

    enum class Tasto { Destra, Sinistra, Canc, Spazio };

    static constexpr std::string_view kRicercaNegativa =
        "La ricerca casuale ha avuto esito negativo!\r\n"
        "Riprovare oppure scegliere un intervallo pi\xF9 ampio.";
    static constexpr std::string_view kNienteVocali = "Nella parola non ci sono altre vocali.";
    static constexpr std::string_view kNienteConsonanti =
        "Nella parola non ci sono altre consonanti.";

    // A new game on the entry, taken whole (a comment after a TAB included): accents folded
    // but on the last letter, capitals; first and last box given; the panel counts made.
    void nuovaParola(std::string_view voce);

    const std::string& parola() const { return parola_; }
    int64_t lunghezza() const { return static_cast<int64_t>(parola_.size()); }
    const std::vector<Casella>& caselle() const { return caselle_; }
    int64_t errori() const { return errori_; }
    int64_t aiuti() const { return aiuti_; }
    int64_t nonLettere() const { return nonLettere_; }
    int64_t inserimenti() const { return inserimenti_; }
    int64_t vocali() const { return vocali_; }
    int64_t consonanti() const { return consonanti_; }

    // The panel counts again (vowels, consonants, characters that are neither, shown green).
    void Frame1_Click();

    // Box j was changed to `testo` by the player: judged, and the focus moves on.
    Esito T1_Change(size_t j, std::string_view testo);
    // A help: indice 0 reveals a vowel, 1 a consonant, picked at random among the hidden
    // ones. Nothing when no word is in play or it is complete.
    Esito Command3_Click(int indice, Casuale& casuale);

    // The row spells the word.
    bool Completata() const;
    // The texts of all boxes, first to last.
    std::string strText() const;
    // The first box that is open or wrong, or kNessuno.
    int PrimaCasellaAperta() const;
    // A word is in play and not complete yet.
    bool inCorso() const { return !parola_.empty() && !Completata(); }

    // The navigation keys in box j: the box to focus (kNessuno: the key is spent, no move),
    // or nothing when the key is not one of the game's and the box handles it itself.
    std::optional<int> T1_KeyDown(size_t j, Tasto tasto);
    // A typed character as the box takes it: a to z become capitals.
    static char T1_KeyPress(char c);
    // A mouse press on box j: where the focus goes instead, or kNessuno.
    int T1_MouseDown(size_t j) const;

    // The counts of the panel as shown: two blanks before a single digit.
    static std::string testoConteggio(int64_t n);
    // The verdict on a completed word of length L with N non-letter characters inside it,
    // after E errors, H helps and T judged changes.
    static std::string Verdetto(int64_t E, int64_t H, int64_t T, int64_t L, int64_t N);

private:
    int64_t ultima() const { return lunghezza() - 1; }
    int prossimaAperta(size_t j) const;
    bool aperta(size_t k) const;

    std::string parola_;
    std::vector<Casella> caselle_;
    int64_t errori_ = 0;
    int64_t aiuti_ = 0;
    int64_t nonLettere_ = 0;
    int64_t inserimenti_ = 0;
    int64_t vocali_ = 0;
    int64_t consonanti_ = 0;
    // The Space key's round through the inner boxes; kept from game to game.
    int64_t spazio_ = 0;
};

// True when some inner position of the word (not the first, not the last) holds a plain
// vowel A, E, I, O, U that `mostrato` does not show there.
bool GetCompareVocali(std::string_view parola, std::string_view mostrato);
// The same for the consonants, compared in lower case.
bool GetCompareConsonanti(std::string_view parola, std::string_view mostrato);

// The index of an entry drawn at random among those whose length lies in [min, max], each
// equally likely; nothing when no entry fits.
std::optional<size_t> EstraiVoce(const Voci& voci, int64_t min, int64_t max, Casuale& casuale);

} // namespace verbolario
