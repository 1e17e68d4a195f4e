#include "controls/RitagliaFinestra.h"

#include <QWidget>

#include <array>
#include <cmath>

namespace verbolario {

namespace {

// clang-format off
constexpr std::array<int64_t, 91> kTratti{
    13002024, 12004027, 68004078, 14006030, 66006078, 17008032, 64008076, 13010033, 62010078, 12012035,
    60012079, 13014037, 45014052, 58014079, 16016038, 40016080, 16018080, 18020079, 22022076, 24024072,
    26026079, 27028079, 27030079, 26032078, 27034081, 26036083, 26038084, 24040085, 22042085, 21044086,
    20046086, 19048085, 19050088, 89050090, 18052091, 92052093, 11054096, 8056098, 6058099, 5060100,
    4062100, 3064100, 2066100, 1068100, 1070100, 1072098, 1074097, 3076094, 5078090, 7080086,
    13082085, 94082097, 21084085, 92084099, 19086022, 30086084, 91086099, 101086105, 18088024, 27088084,
    90088106, 14090016, 17090081, 89090106, 13092032, 36092081, 88092103, 106092108, 12094032, 35094083,
    87094109, 13096032, 34096042, 44096068, 73096109, 14098041, 49098063, 77098106, 15100039, 51100062,
    79100103, 17102038, 53102061, 81102095, 19104036, 83104093, 19106035, 85106092, 20108032, 23110031,
    24112030,
};
// clang-format on

int arrotonda(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

TrattoSagoma decodificaTratto(int64_t numero) {
    return {static_cast<int>(numero / 1000000), static_cast<int>(numero / 1000 % 1000),
            static_cast<int>(numero % 1000)};
}

QRegion sagomaGufo(double sx, double sy) {
    QRegion r;
    for (int64_t n : kTratti) {
        const TrattoSagoma t = decodificaTratto(n);
        const int sinistra = arrotonda(t.x1 * sx), destra = arrotonda(t.x2 * sx);
        const int alto = arrotonda(t.y * sy), basso = arrotonda((t.y + 2) * sy);
        if (destra > sinistra && basso > alto)
            r += QRect(sinistra, alto, destra - sinistra, basso - alto);
    }
    return r;
}

void RitagliaFinestra(QWidget& w) {
    w.setMask(sagomaGufo(double(w.width()) / kLarghezzaGufo, double(w.height()) / kAltezzaGufo));
}

} // namespace verbolario
