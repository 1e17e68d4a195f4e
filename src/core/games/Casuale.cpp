#include "Casuale.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace verbolario {

int64_t Casuale::posizione(int64_t n) {
    if (n <= 1) return 1;
    const double r = prossimo();
    // A scripted 0.9999... times a large n can round up to n: keep the result in range.
    return std::clamp<int64_t>(static_cast<int64_t>(std::floor(r * static_cast<double>(n))) + 1, 1,
                               n);
}

namespace {

class CasualeMotore final : public Casuale {
public:
    explicit CasualeMotore(uint64_t seme) : motore_(seme) {}
    double prossimo() override { return distribuzione_(motore_); }

private:
    std::mt19937_64 motore_;
    std::uniform_real_distribution<double> distribuzione_{0.0, 1.0};
};

} // namespace

// Seeding once gives independent draws; seeding again from the clock before every draw, as
// quick successive draws would, can repeat the same number within one clock tick.
std::unique_ptr<Casuale> casualeDaOrologio() {
    return casualeDaSeme(static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

std::unique_ptr<Casuale> casualeDaSeme(uint64_t seme) {
    return std::make_unique<CasualeMotore>(seme);
}

} // namespace verbolario
