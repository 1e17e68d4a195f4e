#pragma once

#include <QObject>

namespace verbolario {

class Form1;

// Mode 5, browsing the dictionary while the user types in Text2 or presses a key of the key
// bar. Both show their group of entries in alphabetical order in List1, at most 32,736 of
// them.
class SfogliaForm1 final : public QObject {
    Q_OBJECT
public:
    explicit SfogliaForm1(Form1& f);

    // Lists the entries that share the text's first two characters, but only when those
    // change (or the text is exactly two characters long): typing further letters just moves
    // the selection to the first entry that begins with the whole text.
    void Text2_Change();
    // Lists the entries that begin with the pressed letter, accented initials as plain ones.
    void Tast1_MouseDown(int button, int shift, double x, double y);

private:
    // Another command is using the list or the dictionary.
    bool impegnato() const;

    Form1& f_;
    bool inCorso_ = false;
};

} // namespace verbolario
