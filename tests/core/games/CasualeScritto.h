#pragma once

#include "games/Casuale.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>

namespace verbolario::prova {

// A random source that gives the numbers it was told, in order; running out is a test
// failure (the game drew more often than the test expected).
class CasualeScritto final : public Casuale {
public:
    CasualeScritto(std::initializer_list<double> numeri = {}) : numeri_(numeri) {}
    void aggiungi(double r) { numeri_.push_back(r); }
    double prossimo() override {
        if (numeri_.empty()) {
            ADD_FAILURE() << "random source exhausted";
            return 0;
        }
        const double r = numeri_.front();
        numeri_.pop_front();
        return r;
    }
    size_t rimasti() const { return numeri_.size(); }

private:
    std::deque<double> numeri_;
};

} // namespace verbolario::prova
