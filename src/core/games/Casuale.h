#pragma once

#include <cstdint>
#include <memory>

namespace verbolario {

// The games' source of uniform random numbers in [0, 1). The program uses one seeded from the
// clock; tests script the numbers, so a whole game plays the same way every time.
class Casuale {
public:
    virtual ~Casuale() = default;
    // The next number, 0 <= r < 1.
    virtual double prossimo() = 0;
    // A position 1..n, each equally likely: floor(r * n) + 1. n must be at least 1.
    int64_t posizione(int64_t n);
    // An index 0..n-1, each equally likely. n must be at least 1.
    int64_t indice(int64_t n) { return posizione(n) - 1; }
};

// The source the program plays with: seeded once from the clock.
std::unique_ptr<Casuale> casualeDaOrologio();
// The same source from a chosen seed, for runs that must repeat: the same seed, the same
// numbers.
std::unique_ptr<Casuale> casualeDaSeme(uint64_t seme);

} // namespace verbolario
