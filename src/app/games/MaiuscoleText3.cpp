#include "MaiuscoleText3.h"

namespace verbolario {

QChar MaiuscoleText3::maiuscola(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xF6) || (u >= 0xF9 && u <= 0xFC))
        return QChar(static_cast<char16_t>(u - 0x20));
    return c;
}

QValidator::State MaiuscoleText3::validate(QString& testo, int&) const {
    for (QChar& c : testo) c = maiuscola(c);
    return Acceptable;
}

} // namespace verbolario
