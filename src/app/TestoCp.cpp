#include "TestoCp.h"

#include "text/Cp1252.h"

namespace verbolario::testo {

QString daCp1252(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        char32_t u = cp1252::toUnicode(static_cast<unsigned char>(c));
        out.append(QChar(static_cast<char16_t>(u)));
    }
    return out;
}

std::string aCp1252(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return cp1252::fromUtf8Lossy(std::string_view(utf8.constData(), utf8.size()));
}

} // namespace verbolario::testo
