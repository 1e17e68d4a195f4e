#pragma once

#include <QObject>
#include <QString>

namespace verbolario {

class Form1;

// The small controls that steer the searches and the window: the phrase, filter, doubles,
// order, exchange-count and leftover boxes, the anagram and exchange sub-modes, and the
// Top / Commento / Suono boxes. Each writes its status text and moves the focus on.
class ControlliRicerca final : public QObject {
    Q_OBJECT
public:
    explicit ControlliRicerca(Form1& f);

    // A word written one letter per line, as the narrow boxes show their captions.
    static QString verticale(const QString& parola);

    void Check5_Click();
    void CkFilter_Click();
    void CkDoppie_Click();
    void ckOrder_Click();
    void Check6_Click();
    void CScarto_Click();
    void Option2_Click(int i);
    void Option3_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    // Captions and colours that follow the boxes' states, without status texts (start-up).
    void allineaDidascalie();

private:
    Form1& f_;
};

} // namespace verbolario
