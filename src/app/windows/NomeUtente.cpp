#include "NomeUtente.h"

#include <QByteArray>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace verbolario {

QString NomeUtente() {
    QString nome;
    std::vector<char> buf(16384);
    passwd pw{};
    passwd* trovato = nullptr;
    if (getpwuid_r(getuid(), &pw, buf.data(), buf.size(), &trovato) == 0 && trovato &&
        trovato->pw_name)
        nome = QString::fromLocal8Bit(trovato->pw_name);
    // Containers often run under a uid with no passwd entry: the environment still knows.
    if (nome.isEmpty()) nome = QString::fromLocal8Bit(qgetenv("USER"));
    return nome.left(100);
}

} // namespace verbolario
