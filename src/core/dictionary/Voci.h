#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace verbolario {

// The dictionary in memory: every entry as loaded (trimmed, lower-cased, any comment after a
// TAB still attached), Windows-1252 bytes. The entries live in one character buffer and are
// reached through a table of (offset, length) references, so sorting moves references and a
// list of millions of words costs little more than its file. A freshly loaded dictionary
// keeps its entries where the file had them, in dictionary order: every entry starts after the
// end of the one before it.
//
// A store with no elements is the state after a failed load; every reader treats it as an
// empty dictionary (upperBound() is then -1).
//
// The buffer and the references can be shared with a snapshot (see snapshot()), which another
// thread may read while this store goes on being used; the first mutation then gives this
// store a copy of its own, so the snapshot never sees a change.
class Voci {
public:
    struct Ref {
        uint32_t off = 0;
        uint32_t len = 0;
    };
    // The character buffer is malloc'd so that a large load can give back its slack with
    // realloc, which shrinks in place instead of copying tens of megabytes.
    struct Libera {
        void operator()(char* p) const noexcept;
    };
    using Buffer = std::unique_ptr<char[], Libera>;
    // Uninitialised bytes; throws std::bad_alloc.
    static Buffer alloca(size_t bytes);

    Voci() = default;
    // A copy has a buffer of its own (compact, in dictionary order) and nothing derived yet.
    Voci(const Voci& other);
    Voci& operator=(const Voci& other);
    Voci(Voci&& other) noexcept;
    Voci& operator=(Voci&& other) noexcept;

    size_t size() const { return n_; }
    bool empty() const { return n_ == 0; }
    int64_t upperBound() const { return static_cast<int64_t>(n_) - 1; }
    std::string_view operator[](size_t i) const {
        const Ref& r = refs_[i];
        return {testo_ + r.off, r.len};
    }

    // Mutations; each one invalidates whatever was derived from the entries.
    void clear();
    void append(std::string_view entry);
    void set(size_t i, std::string_view entry);
    // Keeps the first n entries, or adds empty ones up to n.
    void resize(size_t n);
    void reserve(size_t entries, size_t bytes);
    // The references as a table, for sorts and permutations.
    const std::vector<Ref>& refs() const;
    // Replaces the table by another over the same buffer (a permutation, a selection).
    void replaceRefs(std::vector<Ref> refs);
    const char* data() const { return testo_; }
    // Every entry starts where the one before it ends, or later, as after a load: the buffer
    // from the first entry to the end of the last holds them in dictionary order.
    bool inOrdine() const { return !dep_ || dep_->inOrdine; }
    // Known to hold no entry with a blank or a hyphen (searches that compare entries without
    // those signs then need not look for them). False when not known.
    bool senzaSegni() const { return dep_ && dep_->senzaSegni; }

    // Takes over a buffer (from alloca) whose first `used` bytes hold the entries that `refs`
    // point at; trims a large unused tail. senzaSegni: the caller knows no entry holds a
    // blank or a hyphen.
    void adopt(Buffer data, size_t used, size_t capacity, std::vector<Ref> refs,
               bool senzaSegni = false);

    // Changes with every mutation, and no two states of any two stores share one: data built
    // for a version describes exactly the entries of that version.
    uint64_t version() const { return version_; }

    // The same entries, sharing this store's buffer until either side changes (then the one
    // that changes copies), and the data derived from them so far (never changed once built, so
    // both may read it). Same version. A snapshot may be moved to another thread and read and
    // given derived data there while this store is used and changed here.
    Voci snapshot() const;

    // Data computed from the entries (indexes, folded copies) and kept until the next
    // mutation: built on first use by T(const Voci&), then shared. Not thread-safe: only the
    // thread that owns the store asks for it.
    template <class T> const T& derived() const { return *derivedShared<T>(); }
    // The same, as a share in it: for derived data that keeps other derived data.
    template <class T> std::shared_ptr<const T> derivedShared() const {
        if (auto it = cache_.find(std::type_index(typeid(T))); it != cache_.end())
            return std::static_pointer_cast<const T>(it->second);
        std::shared_ptr<const T> p = std::make_shared<const T>(*this);
        cache_.emplace(std::type_index(typeid(T)), p);
        return p;
    }
    // The derived T when it has been built for the current entries, else null (nothing built).
    template <class T> const T* cached() const {
        auto it = cache_.find(std::type_index(typeid(T)));
        return it == cache_.end() ? nullptr : static_cast<const T*>(it->second.get());
    }
    // Everything derived for the current entries, as another store with the same entries can
    // take it over: derived data may be built on other derived data and share it.
    using Derivati = std::unordered_map<std::type_index, std::shared_ptr<const void>>;
    const Derivati& derivati() const { return cache_; }
    // Takes over what it lacks of another store's derived data; the caller answers for the
    // other store having the same entries.
    void adoptDerived(const Derivati& altri) const {
        for (const auto& [tipo, dato] : altri) cache_.try_emplace(tipo, dato);
    }

private:
    // What snapshots share.
    struct Deposito {
        Buffer data;
        size_t used = 0;
        size_t cap = 0;
        size_t live = 0; // bytes referenced by entries; the rest is garbage from replacements
        std::vector<Ref> refs;
        bool inOrdine = true;
        bool senzaSegni = false;
    };

    // Makes the storage this store's own before a change.
    Deposito& mio();
    void touch() {
        version_ = nuovaVersione();
        cache_.clear();
    }
    static uint64_t nuovaVersione();
    void aggiorna(); // refreshes the reading shortcuts after the storage changed
    bool dentro(std::string_view s) const; // s lies in this store's buffer
    Ref store(Deposito& d, std::string_view s);
    void compactIfWasteful(Deposito& d);
    static bool ordinati(const std::vector<Ref>& refs);

    std::shared_ptr<Deposito> dep_;
    // Reading shortcuts into dep_, so that operator[] costs what a plain array would.
    const char* testo_ = nullptr;
    const Ref* refs_ = nullptr;
    size_t n_ = 0;
    uint64_t version_ = 0;
    mutable Derivati cache_;
};

} // namespace verbolario
