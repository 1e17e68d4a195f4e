#include "text/Wildcard.h"

namespace verbolario {

Wildcard::Wildcard(std::string_view p) {
    for (size_t i = 0; i < p.size(); ++i) {
        auto c = static_cast<unsigned char>(p[i]);
        Elem e;
        if (c == '*') {
            if (!elems_.empty() && elems_.back().star) continue; // "**" is "*"
            e.star = true;
            hasStar_ = true;
            elems_.push_back(e);
            continue;
        }
        if (c == '?') {
            for (auto& w : e.set.bits) w = ~uint64_t{0};
        } else if (c == '#') {
            for (unsigned char d = '0'; d <= '9'; ++d) e.set.add(d);
        } else if (c == '[') {
            size_t close = p.find(']', i + 1);
            if (close == std::string_view::npos) {
                valido_ = false;
                elems_.clear();
                return;
            }
            std::string_view list = p.substr(i + 1, close - i - 1);
            bool neg = !list.empty() && list[0] == '!';
            if (neg) list.remove_prefix(1);
            Set s;
            for (size_t k = 0; k < list.size(); ++k) {
                auto a = static_cast<unsigned char>(list[k]);
                // A hyphen between two characters is a range; at either end it is itself.
                if (k + 2 < list.size() && list[k + 1] == '-') {
                    auto b = static_cast<unsigned char>(list[k + 2]);
                    for (unsigned x = a; x <= b; ++x) s.add(static_cast<unsigned char>(x));
                    k += 2;
                } else {
                    s.add(a);
                }
            }
            if (neg)
                for (auto& w : s.bits) w = ~w;
            e.set = s;
            i = close;
        } else {
            e.set.add(c);
        }
        elems_.push_back(e);
        ++minLength_;
    }
}

bool Wildcard::matches(std::string_view t) const {
    if (!valido_) return false;
    if (!hasStar_) {
        if (t.size() != elems_.size()) return false;
        for (size_t i = 0; i < t.size(); ++i)
            if (!elems_[i].set.has(static_cast<unsigned char>(t[i]))) return false;
        return true;
    }
    if (t.size() < minLength_) return false;
    // Greedy matching with one backtrack point: the last star seen. Every non-star element
    // matches exactly one character, so this is complete.
    size_t pi = 0, ti = 0;
    size_t starP = SIZE_MAX, starT = 0;
    const size_t n = elems_.size();
    while (ti < t.size()) {
        if (pi < n && elems_[pi].star) {
            starP = pi++;
            starT = ti;
        } else if (pi < n && elems_[pi].set.has(static_cast<unsigned char>(t[ti]))) {
            ++pi;
            ++ti;
        } else if (starP != SIZE_MAX) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < n && elems_[pi].star) ++pi;
    return pi == n;
}

} // namespace verbolario
