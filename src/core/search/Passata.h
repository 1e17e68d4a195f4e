#pragma once

#include "Poll.h"
#include "dictionary/FonteVoci.h"
#include "search/Ascolto.h"

#include <cstddef>
#include <string_view>
#include <type_traits>

namespace verbolario {

// A search's plain pass: every entry of the source in dictionary order, f(index, entry)
// returning false once the search has what it needs (a full list). A stop request is heard
// between runs of entries. Returns false when the user asked to stop; what f saw until then
// is exactly the entries before some point. f may also take the run the entry is in, as a
// third argument.
template <class F> bool Passata(FonteVoci& fonte, Poll& poll, F f) {
    Ascolto ascolto(poll, fonte.stima());
    fonte.scorri([&](const Lotto& l) {
        if (!ascolto.arrivaA(static_cast<int64_t>(l.primo))) return false;
        for (size_t k = 0; k < l.n; ++k) {
            if constexpr (std::is_invocable_v<F&, size_t, std::string_view, const Lotto&>) {
                if (!f(l.primo + k, l[k], l)) return false;
            } else {
                if (!f(l.primo + k, l[k])) return false;
            }
        }
        return true;
    });
    return !ascolto.fermato();
}

} // namespace verbolario
