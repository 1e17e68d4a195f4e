#pragma once

#include "Poll.h"
#include "search/Ordinamento.h"

#include <string>
#include <vector>

namespace verbolario {

// List2: the hidden buffer where a search collects its hits before they reach List1 in
// alphabetical order. A plain container: the order is made once, when the hits are taken.
class ListaOrdinata {
public:
    void aggiungi(std::string voce) { voci_.push_back(std::move(voce)); }
    size_t size() const { return voci_.size(); }
    bool empty() const { return voci_.empty(); }
    void clear() { voci_.clear(); }
    // The hits in alphabetical order; the buffer is left empty.
    std::vector<std::string> prendiInOrdine() {
        std::vector<std::string> out = std::move(voci_);
        voci_.clear();
        OrdinaAlfabetico(out);
        return out;
    }
    std::vector<std::string>& voci() { return voci_; }

private:
    std::vector<std::string> voci_;
};

} // namespace verbolario
