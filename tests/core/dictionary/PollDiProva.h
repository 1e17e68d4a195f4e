#pragma once

#include "Poll.h"

#include <string>
#include <vector>

namespace verbolario::prova {

// Says "stop" from its (n+1)-th question on.
class StopDopo : public Poll {
public:
    explicit StopDopo(int n) : n_(n) {}
    bool stop() override { return n_-- <= 0; }

private:
    int n_;
};

inline std::vector<std::string> comeVettore(const Voci& v) {
    std::vector<std::string> out;
    for (size_t i = 0; i < v.size(); ++i) out.emplace_back(v[i]);
    return out;
}

inline Voci daVettore(const std::vector<std::string>& elenco) {
    Voci v;
    for (const auto& s : elenco) v.append(s);
    return v;
}

} // namespace verbolario::prova
