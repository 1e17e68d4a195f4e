#pragma once

#include <QObject>
#include <QPoint>

#include <array>

class QMenu;
class QAction;

namespace verbolario {

class Form1;

// The main window's three pop-up menus: Help (under "Opzioni e..."), the dictionary menu of
// the result list, and the accents menu of the input boxes.
class MenuForm1 final : public QObject {
    Q_OBJECT
public:
    explicit MenuForm1(Form1& f);
    ~MenuForm1() override;

    static constexpr std::array<const char*, 10> kAccenti = {"\u00E0", "\u00E1", "\u00E8", "\u00E9",
                                                             "\u00EC", "\u00ED", "\u00F2", "\u00F3",
                                                             "\u00F9", "\u00FA"};

    // Command5_Click: entries 6 and 7 only while the anagram search is not running.
    void Command5_Click();
    // Help menu entry by index (0 help, 2 about, 4 background, 6 change dictionary,
    // 7 remove accents, 8 format and sort, 10 graph, 12 word-play window); separators do
    // nothing.
    void mnhlp_Click(int indice);
    // The dictionary menu at `dove`; entries enabled by the list's state.
    void mostraFile(const QPoint& dove);
    // Entry by index: 0 add, 1 modify, 2 delete, 4 save the list (handled elsewhere, through
    // richiestaMenuFile), 5 copy the selected line, 6 copy the whole list.
    void mnMod_Click(int indice);
    static constexpr int kCopia = 5;
    static constexpr int kCopiaTutto = 6;
    // The selected line, or every line of the list (one per line, each ending in a line
    // break), to the clipboard; nothing when there is nothing to copy.
    void copiaRiga();
    void copiaTutto();
    // The accents menu at `dove`.
    void mostraAccenti(const QPoint& dove);
    // Inserts accent `indice` into the first box that can take it.
    void mnacc_Click(int indice);

    QMenu* mnhelp() const { return mnhelp_; }
    QMenu* mnfile() const { return mnfile_; }
    QMenu* mnaccenti() const { return mnaccenti_; }
    // Prepares the dictionary menu's entries as a right click would (for tests too).
    void preparaFile();

private:
    void costruisciHelp();
    void costruisciFile();
    void costruisciAccenti();

    Form1& f_;
    QMenu* mnhelp_ = nullptr;
    QMenu* mnfile_ = nullptr;
    QMenu* mnaccenti_ = nullptr;
    std::array<QAction*, 13> mnhlp_{};
    std::array<QAction*, 7> mnMod_{};
};

} // namespace verbolario
