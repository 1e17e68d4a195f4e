#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace verbolario {

// A wildcard pattern compiled once: "?" any one character, "*" any run (also none), "#" one
// digit, "[list]" one character of the list (ranges such as a-z allowed), "[!list]" one
// character not in it; every other character matches only itself. Case-sensitive; the whole
// text must match. Testing a text allocates nothing.
class Wildcard {
public:
    Wildcard() = default;
    explicit Wildcard(std::string_view pattern);

    // False when the pattern has an unclosed "[": such a pattern matches nothing.
    bool valido() const { return valido_; }
    bool matches(std::string_view text) const;

    // Length facts that let callers skip texts cheaply: every match is at least
    // minLength() long, and exactly that long when !hasStar().
    size_t minLength() const { return minLength_; }
    bool hasStar() const { return hasStar_; }

private:
    struct Set {
        std::array<uint64_t, 4> bits{};
        bool has(unsigned char c) const { return (bits[c >> 6] >> (c & 63)) & 1; }
        void add(unsigned char c) { bits[c >> 6] |= uint64_t{1} << (c & 63); }
    };
    struct Elem {
        bool star = false;
        Set set;
    };
    std::vector<Elem> elems_;
    size_t minLength_ = 0;
    bool hasStar_ = false;
    bool valido_ = true;
};

} // namespace verbolario
