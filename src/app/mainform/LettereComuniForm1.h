#pragma once

#include <QObject>

namespace verbolario {

class Form1;

// Ctrl+click on the result list: the letters every listed word has in common become the
// list's only line.
class LettereComuniForm1 final : public QObject {
    Q_OBJECT
public:
    explicit LettereComuniForm1(Form1& f);

    void esegui();

private:
    Form1& f_;
};

} // namespace verbolario
