#pragma once

#include <QString>

#include <array>

namespace verbolario {

class Form1;

// The mode switch Option1_Click: which controls each of the ten modes shows, hides, enables
// or clears, and the help text it writes in the status band. The games (modes 1, 6 and 8)
// only get their mode and help text here; their panels are prepared by whoever listens to
// Form1::modoCambiato.
class CambioModo {
public:
    static constexpr int kModi = 10;
    // Help texts, sentences joined by "\r\n".
    static const std::array<QString, kModi>& testiAiuto();
    // Help-file topic of each mode (F1).
    static constexpr std::array<int, kModi> kArgomentiAiuto = {200, 600, 300, 400,  500,
                                                               100, 700, 800, 1100, 950};

    explicit CambioModo(Form1& f) : f_(f) {}

    // Option1_Click(i). Refused (the current mode's button is checked again) while busy or
    // while the whole-dictionary anagram search runs.
    void Option1_Click(int i);

private:
    void nascondiTutto();
    void impostaModo(int i);
    void modoRime();
    void modoAnagrammi();
    void modoPalindromi();
    void modoScambio();
    void modoCercaParola();
    void modoParolando();
    void modoCruciHelp();
    void modoMnemos();
    void riselezionaCorrente();

    Form1& f_;
};

} // namespace verbolario
