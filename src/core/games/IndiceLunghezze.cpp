#include "IndiceLunghezze.h"

#include "dictionary/Voci.h"

#include <algorithm>

namespace verbolario {

IndiceLunghezze::IndiceLunghezze(const Voci& voci) {
    std::vector<int64_t> perLunghezza;
    for (const Voci::Ref& r : voci.refs()) {
        if (r.len >= perLunghezza.size()) perLunghezza.resize(r.len + 1, 0);
        ++perLunghezza[r.len];
    }
    primi_.assign(perLunghezza.size() + 1, 0);
    for (size_t l = 0; l < perLunghezza.size(); ++l) primi_[l + 1] = primi_[l] + perLunghezza[l];
}

int64_t IndiceLunghezze::conta(int64_t min, int64_t max) const {
    const auto fine = static_cast<int64_t>(primi_.size()) - 1; // one past the longest length
    const int64_t da = std::clamp<int64_t>(min, 0, fine);
    const int64_t a = std::clamp<int64_t>(max, -1, fine - 1) + 1;
    if (a <= da) return 0;
    return primi_[static_cast<size_t>(a)] - primi_[static_cast<size_t>(da)];
}

} // namespace verbolario
