#pragma once

#include "dictionary/FonteVoci.h"

#include <cstddef>
#include <string>

namespace verbolario {

// A dictionary file read as it goes, a quarter of a megabyte at a time: lines that need no
// field rules are handed on where they lie in the reading buffer, so a search that reads every
// entry once holds no more than that buffer. From the first line that needs the field rules
// on, the rest of the file is loaded whole, by the loader, and handed on from memory. The
// entries are exactly those CaricaDizionario would give.
class FlussoDizionario final : public FonteVoci {
public:
    explicit FlussoDizionario(std::string percorso);
    ~FlussoDizionario() override;
    FlussoDizionario(const FlussoDizionario&) = delete;
    FlussoDizionario& operator=(const FlussoDizionario&) = delete;

    // Opens the file; false, with the loader's message in errore(), when it cannot be read.
    bool apri();
    // Reads the file once, from the start.
    bool scorri(const std::function<bool(const Lotto&)>& visita) override;
    int64_t stima() const override;
    const std::string& errore() const override { return errore_; }

private:
    bool scorriResto(const char* inizio, size_t n, size_t primo,
                     const std::function<bool(const Lotto&)>& visita);

    std::string percorso_;
    int fd_ = -1;
    size_t dimensione_ = 0;
    std::string errore_;
};

} // namespace verbolario
