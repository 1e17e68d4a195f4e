#include "dictionary/Voci.h"

#include "text/Byte.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>

namespace verbolario {

void Voci::Libera::operator()(char* p) const noexcept {
    std::free(p);
}

uint64_t Voci::nuovaVersione() {
    static std::atomic<uint64_t> ultima{0};
    return ultima.fetch_add(1, std::memory_order_relaxed) + 1;
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
    dep_.reset();
    aggiorna();
    size_t byte = 0;
    for (size_t i = 0; i < other.size(); ++i) byte += other.refs_[i].len;
    reserve(other.size(), byte);
    Deposito& d = mio();
    for (size_t i = 0; i < other.size(); ++i) d.refs.push_back(store(d, other[i]));
    d.senzaSegni = other.senzaSegni();
    aggiorna();
    touch();
    return *this;
}

Voci::Voci(Voci&& other) noexcept {
    *this = std::move(other);
}

Voci& Voci::operator=(Voci&& other) noexcept {
    if (this == &other) return *this;
    dep_ = std::move(other.dep_);
    version_ = other.version_;
    cache_ = std::move(other.cache_);
    aggiorna();
    other.aggiorna();
    other.cache_.clear();
    return *this;
}

const std::vector<Voci::Ref>& Voci::refs() const {
    static const std::vector<Ref> nessuno;
    return dep_ ? dep_->refs : nessuno;
}

bool Voci::ordinati(const std::vector<Ref>& refs) {
    uint64_t fine = 0;
    for (const Ref& r : refs) {
        if (r.off < fine) return false;
        fine = uint64_t{r.off} + r.len;
    }
    return true;
}

void Voci::replaceRefs(std::vector<Ref> refs) {
    touch();
    Deposito& d = mio();
    d.refs = std::move(refs);
    d.live = 0;
    for (const Ref& r : d.refs) d.live += r.len;
    d.inOrdine = ordinati(d.refs);
    aggiorna();
}

void Voci::aggiorna() {
    if (!dep_) {
        testo_ = nullptr;
        refs_ = nullptr;
        n_ = 0;
        return;
    }
    testo_ = dep_->data.get();
    refs_ = dep_->refs.data();
    n_ = dep_->refs.size();
}

Voci::Deposito& Voci::mio() {
    if (!dep_) {
        dep_ = std::make_shared<Deposito>();
    } else if (dep_.use_count() > 1) {
        // Shared with a snapshot: the snapshot keeps the old storage, this store takes a copy
        // with every entry at the same offset (a change may come with references to it, as a
        // sorted table does).
        const Deposito& d = *dep_;
        auto copia = std::make_shared<Deposito>();
        copia->data = alloca(d.cap);
        if (d.used) std::memcpy(copia->data.get(), d.data.get(), d.used);
        copia->used = d.used;
        copia->cap = d.cap;
        copia->live = d.live;
        copia->refs = d.refs;
        copia->inOrdine = d.inOrdine;
        copia->senzaSegni = d.senzaSegni;
        dep_ = std::move(copia);
    } else {
        // The last snapshot has been let go, possibly on another thread: what it read
        // happened before what this store now writes.
        std::atomic_thread_fence(std::memory_order_acquire);
    }
    return *dep_;
}

Voci Voci::snapshot() const {
    Voci s;
    s.dep_ = dep_;
    s.version_ = version_;
    s.cache_ = cache_;
    s.aggiorna();
    return s;
}

void Voci::clear() {
    dep_.reset();
    aggiorna();
    touch();
}

void Voci::reserve(size_t entries, size_t bytes) {
    Deposito& d = mio();
    d.refs.reserve(entries);
    if (d.used + bytes > d.cap) {
        size_t want = d.used + bytes;
        auto fresh = alloca(want);
        if (d.used) std::memcpy(fresh.get(), d.data.get(), d.used);
        d.data = std::move(fresh);
        d.cap = want;
    }
    aggiorna();
}

Voci::Ref Voci::store(Deposito& d, std::string_view s) {
    // An empty entry stands where the next text would go, so the entries stay in order.
    if (s.empty()) return {static_cast<uint32_t>(d.used), 0};
    if (s.size() > std::numeric_limits<uint32_t>::max() - d.used) throw std::bad_alloc();
    if (d.used + s.size() > d.cap) {
        size_t want = std::max(d.used + s.size(), d.cap + d.cap / 2 + 4096);
        auto fresh = alloca(want);
        if (d.used) std::memcpy(fresh.get(), d.data.get(), d.used);
        d.data = std::move(fresh);
        d.cap = want;
    }
    std::memcpy(d.data.get() + d.used, s.data(), s.size());
    Ref r{static_cast<uint32_t>(d.used), static_cast<uint32_t>(s.size())};
    d.used += s.size();
    d.live += s.size();
    return r;
}

bool Voci::dentro(std::string_view s) const {
    return dep_ && dep_->data && s.data() >= dep_->data.get() &&
           s.data() < dep_->data.get() + dep_->cap;
}

void Voci::append(std::string_view entry) {
    // A text from our own buffer would move with it when store() grows the buffer.
    std::string copy;
    if (dentro(entry)) entry = copy.assign(entry);
    touch();
    Deposito& d = mio();
    d.refs.push_back(store(d, entry));
    d.senzaSegni = d.senzaSegni && !byte::haUnoDi(entry, ' ', '-');
    aggiorna();
}

void Voci::set(size_t i, std::string_view entry) {
    std::string copy;
    if (dentro(entry)) entry = copy.assign(entry);
    touch();
    Deposito& d = mio();
    d.live -= d.refs[i].len;
    // An emptied entry keeps its place; a new text goes to the end of the buffer.
    if (entry.empty())
        d.refs[i].len = 0;
    else
        d.refs[i] = store(d, entry);
    if (!entry.empty() && i + 1 < d.refs.size()) d.inOrdine = false;
    d.senzaSegni = d.senzaSegni && !byte::haUnoDi(entry, ' ', '-');
    compactIfWasteful(d);
    aggiorna();
}

void Voci::resize(size_t n) {
    touch();
    Deposito& d = mio();
    for (size_t i = n; i < d.refs.size(); ++i) d.live -= d.refs[i].len;
    d.refs.resize(n, Ref{static_cast<uint32_t>(d.used), 0});
    d.refs.shrink_to_fit();
    compactIfWasteful(d);
    aggiorna();
}

void Voci::adopt(Buffer data, size_t used, size_t capacity, std::vector<Ref> refs,
                 bool senzaSegni) {
    touch();
    if (capacity > used + used / 8 + 4096) {
        if (auto* p = static_cast<char*>(std::realloc(data.get(), used + 1))) {
            (void)data.release();
            data.reset(p);
            capacity = used + 1;
        }
    }
    auto d = std::make_shared<Deposito>();
    d->data = std::move(data);
    d->used = used;
    d->cap = capacity;
    d->refs = std::move(refs);
    for (const Ref& r : d->refs) d->live += r.len;
    d->inOrdine = ordinati(d->refs);
    d->senzaSegni = senzaSegni;
    dep_ = std::move(d);
    aggiorna();
}

void Voci::compactIfWasteful(Deposito& d) {
    if (d.used < (1u << 20) || d.live * 2 > d.used) return;
    auto fresh = alloca(d.live + 4096);
    size_t w = 0;
    for (Ref& r : d.refs) {
        if (r.len) std::memcpy(fresh.get() + w, d.data.get() + r.off, r.len);
        r.off = static_cast<uint32_t>(w);
        w += r.len;
    }
    d.data = std::move(fresh);
    d.used = w;
    d.cap = d.live + 4096;
    d.inOrdine = true;
}

} // namespace verbolario
