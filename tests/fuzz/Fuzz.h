#pragma once

// What the fuzz targets share: a check that stops the run when a property fails (libFuzzer
// then keeps the input that broke it), a scratch folder for the files they write, and the
// entries of a store as a plain list.

#include "dictionary/Voci.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario::fuzz {

using Elenco = std::vector<std::string>;

inline void verifica(bool ok, const char* proprieta) {
    if (ok) return;
    std::fprintf(stderr, "\n*** property broken: %s\n", proprieta);
    std::abort();
}

inline std::string_view testo(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline Elenco elenco(const Voci& voci) {
    Elenco out;
    for (size_t i = 0; i < voci.size(); ++i) out.emplace_back(voci[i]);
    return out;
}

// The pieces of the text between line feeds, the last one too (empty after a final feed).
inline std::vector<std::string_view> righe(std::string_view t) {
    std::vector<std::string_view> out;
    for (;;) {
        const size_t a = t.find('\n');
        out.push_back(t.substr(0, a));
        if (a == t.npos) return out;
        t.remove_prefix(a + 1);
    }
}

// One folder per process under the system's temporary folder; every input reuses it, and it
// goes when the process ends normally.
class Cartella {
public:
    static const Cartella& unica() {
        static const Cartella c;
        return c;
    }
    const std::string& path() const { return path_; }
    std::string operator/(std::string_view nome) const { return path_ + "/" + std::string(nome); }
    std::string scrivi(std::string_view nome, std::string_view byte) const {
        std::ofstream(*this / nome, std::ios::binary | std::ios::trunc)
            .write(byte.data(), static_cast<std::streamsize>(byte.size()));
        return *this / nome;
    }
    std::string leggi(std::string_view nome) const {
        std::ifstream f(*this / nome, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    void togli(std::string_view nome) const {
        std::error_code ec;
        std::filesystem::remove(*this / nome, ec);
    }

private:
    Cartella() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "verbolario-fuzz-XXXXXX");
        verifica(::mkdtemp(tmpl.data()) != nullptr, "a scratch folder can be made");
        path_ = tmpl;
    }
    ~Cartella() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string path_;
};

} // namespace verbolario::fuzz
