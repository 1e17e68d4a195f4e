#include "dictionary/Voci.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace verbolario {

void Voci::Libera::operator()(char* p) const noexcept {
    std::free(p);
}

Voci::Buffer Voci::alloca(size_t bytes) {
    auto* p = static_cast<char*>(std::malloc(bytes ? bytes : 1));
    if (!p) throw std::bad_alloc();
    return Buffer(p);
}

Voci::Voci(const Voci& other) {
    *this = other;
}

Voci& Voci::operator=(const Voci& other) {
    if (this == &other) return *this;
    data_.reset();
    used_ = cap_ = live_ = 0;
    refs_.clear();
    reserve(other.size(), other.live_);
    for (size_t i = 0; i < other.size(); ++i) refs_.push_back(store(other[i]));
    touch();
    return *this;
}

void Voci::clear() {
    data_.reset();
    used_ = cap_ = live_ = 0;
    refs_.clear();
    refs_.shrink_to_fit();
    touch();
}

void Voci::reserve(size_t entries, size_t bytes) {
    refs_.reserve(entries);
    if (used_ + bytes > cap_) {
        size_t want = used_ + bytes;
        auto fresh = alloca(want);
        if (used_) std::memcpy(fresh.get(), data_.get(), used_);
        data_ = std::move(fresh);
        cap_ = want;
    }
}

Voci::Ref Voci::store(std::string_view s) {
    if (s.empty()) return {};
    if (s.size() > std::numeric_limits<uint32_t>::max() - used_) throw std::bad_alloc();
    if (used_ + s.size() > cap_) {
        size_t want = std::max(used_ + s.size(), cap_ + cap_ / 2 + 4096);
        auto fresh = alloca(want);
        if (used_) std::memcpy(fresh.get(), data_.get(), used_);
        data_ = std::move(fresh);
        cap_ = want;
    }
    std::memcpy(data_.get() + used_, s.data(), s.size());
    Ref r{static_cast<uint32_t>(used_), static_cast<uint32_t>(s.size())};
    used_ += s.size();
    live_ += s.size();
    return r;
}

void Voci::append(std::string_view entry) {
    touch();
    refs_.push_back(store(entry));
}

void Voci::set(size_t i, std::string_view entry) {
    touch();
    live_ -= refs_[i].len;
    // The new text may point into our own buffer, which store() can move.
    std::string copy(entry);
    refs_[i] = store(copy);
    compactIfWasteful();
}

void Voci::resize(size_t n) {
    touch();
    for (size_t i = n; i < refs_.size(); ++i) live_ -= refs_[i].len;
    refs_.resize(n);
    refs_.shrink_to_fit();
    compactIfWasteful();
}

void Voci::adopt(Buffer data, size_t used, size_t capacity, std::vector<Ref> refs) {
    touch();
    if (capacity > used + used / 8 + 4096) {
        if (auto* p = static_cast<char*>(std::realloc(data.get(), used + 1))) {
            (void)data.release();
            data.reset(p);
            capacity = used + 1;
        }
    }
    data_ = std::move(data);
    used_ = used;
    cap_ = capacity;
    refs_ = std::move(refs);
    live_ = 0;
    for (const Ref& r : refs_) live_ += r.len;
}

void Voci::compactIfWasteful() {
    if (used_ < (1u << 20) || live_ * 2 > used_) return;
    auto fresh = alloca(live_ + 4096);
    size_t w = 0;
    for (Ref& r : refs_) {
        if (r.len) std::memcpy(fresh.get() + w, data_.get() + r.off, r.len);
        r.off = static_cast<uint32_t>(w);
        w += r.len;
    }
    data_ = std::move(fresh);
    used_ = w;
    cap_ = live_ + 4096;
}

} // namespace verbolario
