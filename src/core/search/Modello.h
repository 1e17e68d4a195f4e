#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace verbolario {

// A wildcard pattern taken apart for scanning many texts of one length at a time: the run of
// one-character elements before the first "*" (anchored at the start), the run after the last
// "*" (anchored at the end) and the runs in between, which may sit anywhere in order.
// "?" any one character, "*" any run, "#" a digit, "[list]" and "[!list]" one character in or
// out of the list (ranges such as a-z allowed); any other character matches itself. An
// unclosed "[" makes a pattern that matches nothing.
// Bits 0-25: the letters a-z the text holds; bits 32-57: those it holds more than once.
uint64_t Firma(std::string_view testo);

class Modello {
public:
    class Insieme {
    public:
        bool ha(unsigned char c) const { return (bits_[c >> 6] >> (c & 63)) & 1; }
        void aggiungi(unsigned char c) { bits_[c >> 6] |= uint64_t{1} << (c & 63); }
        void complementa() {
            for (auto& w : bits_) w = ~w;
        }
        int quanti() const;
        // The one character of a single-character set, or -1.
        int unico() const;
        bool tutti() const { return quanti() == 256; }

    private:
        std::array<uint64_t, 4> bits_{};
    };
    using Segmento = std::vector<Insieme>;

    explicit Modello(std::string_view pattern);

    bool valido() const { return valido_; }
    bool haAsterisco() const { return asterisco_; }
    // Every matching text is at least this long, and exactly this long without a "*".
    size_t lunghezzaMinima() const { return minima_; }
    // Without a "*" the whole pattern is the prefix.
    const Segmento& prefisso() const { return prefisso_; }
    const Segmento& suffisso() const { return suffisso_; }
    const std::vector<Segmento>& centrali() const { return centrali_; }
    // What a matching text must hold, as a letter signature (see Firma): bits 0-25 the
    // letters a-z that a central run asks for literally, bits 32-57 those the whole pattern
    // asks for literally more than once.
    uint64_t lettereRichieste() const { return lettereRichieste_; }
    // Some element accepts accented vowels only, so no text without accents can match.
    bool esigeAccento() const { return esigeAccento_; }

    bool combacia(std::string_view testo) const;
    // The central runs fit, in order, between positions da and a of testo.
    bool centraliTra(const char* testo, size_t da, size_t a) const;

private:
    static bool segmentoA(const Segmento& s, const char* testo, size_t pos);

    Segmento prefisso_, suffisso_;
    std::vector<Segmento> centrali_;
    size_t minima_ = 0;
    uint64_t lettereRichieste_ = 0;
    bool asterisco_ = false;
    bool valido_ = true;
    bool esigeAccento_ = false;
};

} // namespace verbolario
