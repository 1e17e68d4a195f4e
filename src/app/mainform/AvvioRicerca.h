#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <string>

namespace verbolario {

class Form1;
class LavoroForm1;

// The start button (Command1, or Enter): checks that nothing else runs, reads Text1, runs the
// search or game step of the current mode through the engine, shows the result and restores
// the window. The games plug their own steps in with impostaRamo.
class AvvioRicerca final : public QObject {
    Q_OBJECT
public:
    explicit AvvioRicerca(Form1& f);

    void Command1_Click();

    // A game's step for its mode (1 guessing, 6 letter game, 8 completion). It runs inside
    // the start button's frame (busy, re-entry refused, final block afterwards) and returns
    // whether it ended normally (the list's extent and the font are then adjusted).
    void impostaRamo(int modo, std::function<bool()> ramo);

private:
    int modoScelto() const;
    bool esegui(int modo, const std::string& testo, LavoroForm1& lavoro);
    bool cercaRime(const std::string& testo, LavoroForm1& lavoro);
    bool cercaAnagrammi(const std::string& testo, LavoroForm1& lavoro);
    bool cercaPalindromi(LavoroForm1& lavoro);
    bool cercaScambi(const std::string& testo, LavoroForm1& lavoro);
    bool cercaModello(bool mnemos, LavoroForm1& lavoro);

    Form1& f_;
    std::array<std::function<bool()>, 10> rami_;
};

} // namespace verbolario
