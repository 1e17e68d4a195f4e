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
// list of millions of words costs little more than its file.
//
// A store with no elements is the state after a failed load; every reader treats it as an
// empty dictionary (upperBound() is then -1).
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
    Voci(const Voci& other);
    Voci& operator=(const Voci& other);
    Voci(Voci&&) noexcept = default;
    Voci& operator=(Voci&&) noexcept = default;

    size_t size() const { return refs_.size(); }
    bool empty() const { return refs_.empty(); }
    int64_t upperBound() const { return static_cast<int64_t>(refs_.size()) - 1; }
    std::string_view operator[](size_t i) const {
        const Ref& r = refs_[i];
        return {data_.get() + r.off, r.len};
    }

    // Mutations; each one invalidates whatever was derived from the entries.
    void clear();
    void append(std::string_view entry);
    void set(size_t i, std::string_view entry);
    // Keeps the first n entries, or adds empty ones up to n.
    void resize(size_t n);
    void reserve(size_t entries, size_t bytes);
    // Direct access to the references, for sorts and permutations; counts as a mutation.
    std::vector<Ref>& refs() {
        touch();
        return refs_;
    }
    const std::vector<Ref>& refs() const { return refs_; }
    const char* data() const { return data_.get(); }

    // Takes over a buffer (from alloca) whose first `used` bytes hold the entries that `refs`
    // point at; trims a large unused tail.
    void adopt(Buffer data, size_t used, size_t capacity, std::vector<Ref> refs);

    // Bumped by every mutation.
    uint64_t version() const { return version_; }

    // Data computed from the entries (indexes, folded copies) and kept until the next
    // mutation: built on first use by T(const Voci&), then shared.
    template <class T> const T& derived() const {
        auto it = cache_.find(std::type_index(typeid(T)));
        if (it != cache_.end()) return *static_cast<const T*>(it->second.get());
        auto p = std::make_shared<T>(*this);
        const T& ref = *p;
        cache_.emplace(std::type_index(typeid(T)), std::move(p));
        return ref;
    }

private:
    void touch() {
        ++version_;
        cache_.clear();
    }
    Ref store(std::string_view s);
    void compactIfWasteful();

    Buffer data_;
    size_t used_ = 0;
    size_t cap_ = 0;
    size_t live_ = 0; // bytes referenced by entries; the rest is garbage from replacements
    std::vector<Ref> refs_;
    uint64_t version_ = 0;
    mutable std::unordered_map<std::type_index, std::shared_ptr<const void>> cache_;
};

} // namespace verbolario
