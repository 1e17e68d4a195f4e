#pragma once

#include "games/Casuale.h"

#include <deque>
#include <initializer_list>

namespace verbolario::prova {

// A random source that gives the numbers it was told, in order, so a game plays the same way
// every time. Once they are used up it keeps giving `poi` (counting those draws in oltre()),
// or starts over when made with daCapo().
class CasualeScritto : public Casuale {
public:
    CasualeScritto(std::initializer_list<double> numeri = {}, double poi = 0.0)
        : numeri_(numeri), poi_(poi) {}
    explicit CasualeScritto(std::deque<double> numeri, double poi = 0.0)
        : numeri_(std::move(numeri)), poi_(poi) {}
    static CasualeScritto daCapo(std::deque<double> numeri) {
        CasualeScritto c(std::move(numeri));
        c.daCapo_ = true;
        return c;
    }

    double prossimo() override {
        if (numeri_.empty()) {
            ++oltre_;
            return poi_;
        }
        const double r = numeri_.front();
        numeri_.pop_front();
        if (daCapo_) numeri_.push_back(r);
        return r;
    }

    void aggiungi(double r) { numeri_.push_back(r); }
    size_t rimasti() const { return numeri_.size(); }
    bool esaurito() const { return numeri_.empty(); }
    // Numbers asked for after the told ones ran out.
    int oltre() const { return oltre_; }

private:
    std::deque<double> numeri_;
    double poi_ = 0.0;
    bool daCapo_ = false;
    int oltre_ = 0;
};

} // namespace verbolario::prova
